#pragma once
// The element layer the form is written against: labels, shapes, lines, images, frames, the
// list box, option buttons and timers, each with the few properties and events the form
// needs, over plain Qt widgets.
//
// Events carry what the form's handlers expect: Button (1 left, 2 right), Shift (1 Shift,
// 2 Ctrl, 4 Alt) and X, Y in twips relative to the element. Labels and shapes paint
// themselves from colours held as members, so a restyle costs a member store and an update.
//
// Elements with one name and an index form a group; `index()` is -1 for a single element.

#include <QColor>
#include <QListWidget>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "window/toolkit/accessible.h"
#include "window/toolkit/look.h"

namespace zentaloger::toolkit {

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels at 96 dots per inch, to the nearest pixel.
constexpr int Px(int twips) {
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// The embedded fonts are registered once; Font() gives the text font at a design pixel size
// (kFontPx or kSmallFontPx), drawn at `zoom` times that size.
void RegisterEmbeddedFonts();
QFont Font(int pixelSize, bool bold, int zoom = 1);

// The window's zoom: the whole steps it can be drawn at.
inline constexpr int kMinZoom = 1, kMaxZoom = 4;

// Twips relative to an element to its pixels at `zoom` (toward zero, as the handlers divide).
constexpr int PixelsAt(int twips, int zoom) {
    return twips * zoom / kTwipsPerPixel;
}

// What every element shares at a zoom: its place, lines and pictures are `zoom` times their
// size at 1x (each pixel repeated), its text the font at `zoom` times its size. Positions in
// twips are converted with it, so the handlers and the rules see the same twips at every zoom.
// ApplyZoom (builder.h) scales the place and the font, then calls setZoom.
class Zoomed {
  public:
    virtual ~Zoomed() = default;
    int zoom() const { return zoom_; }
    virtual void setZoom(int zoom) { zoom_ = zoom; }
    // The element's own font, at its design size; 0 while it takes its parent's.
    int fontPx() const { return fontPx_; }
    bool bold() const { return bold_; }
    void setDesignFont(int pixelSize, bool bold) {
        fontPx_ = pixelSize;
        bold_ = bold;
    }

  private:
    int zoom_ = 1;
    int fontPx_ = 0;
    bool bold_ = false;
};

// The Button mask of mouse events, as the handlers test it.
enum Button : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// The key codes the handlers see (virtual key codes; letters and digits are their upper-case
// character).
namespace keys {
enum Code : int {
    kBackspace = 8,
    kTab = 9,
    kReturn = 13,
    kEscape = 27,
    kSpace = 32,
    kPageUp = 33,
    kPageDown = 34,
    kEnd = 35,
    kHome = 36,
    kLeft = 37,
    kUp = 38,
    kRight = 39,
    kDown = 40,
    kDelete = 46,
    kF1 = 112,
    kF4 = 115,
};
}  // namespace keys

// Button and Shift values of one mouse or key event, as the handlers see them.
int ButtonOf(Qt::MouseButtons buttons);
int ShiftOf(Qt::KeyboardModifiers modifiers);
// The key code (keys::Code) of a Qt key; 0 for keys the handlers never see.
int KeyCodeOf(int qtKey);

// Mouse events in the form's terms; MouseMove reports the buttons held during the move.
class MouseElement : public QWidget, public Zoomed {
    Q_OBJECT
  public:
    explicit MouseElement(QWidget* parent, int index);
    int index() const { return index_; }

    // What a screen reader is told of the element besides its caption (see accessible.h):
    // its role, and a value its owner works out only when a reader asks (a statistics row's
    // level, the species a picture shows).
    Role role() const { return role_; }
    void setRole(Role role) { role_ = role; }
    QString spokenValue() const { return spokenValue_ ? spokenValue_() : QString(); }
    void setSpokenValue(std::function<QString()> value) { spokenValue_ = std::move(value); }

  signals:
    void mouseDown(int index, int button, int shift, int x, int y);
    void mouseUp(int index, int button, int shift, int x, int y);
    void mouseMove(int index, int button, int shift, int x, int y);
    // A left press released over the element; raised after mouseUp.
    void click(int index);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    int index_;
    Role role_ = Role::Text;
    std::function<QString()> spokenValue_;
};

class Label : public MouseElement {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent, int index = -1);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor foreColor() const { return fore_; }
    QColor backColor() const { return back_; }
    void setBackColor(QColor color);
    // Fore and back colour at once: one repaint for a colour pair.
    void setColors(QColor fore, QColor back);
    void setColors(Colours colours) { setColors(Color(colours.fore), Color(colours.back)); }
    // A page entry, tab or language, chosen (the selection colours) or not (`unchosen`).
    // Whether it is chosen is kept as a flag, so no reader has to work it out from the
    // colours; a screen reader hears it as selected or checked.
    bool chosen() const { return chosen_; }
    void setChosen(bool chosen, Colours unchosen = kEntry);
    void setTransparent(bool transparent);
    void setBorder(bool border);
    void setAlignment(Qt::Alignment alignment);

    // Placing in twips, as the handlers place it.
    void setTop(int twips) { move(x(), Px(twips) * zoom()); }
    int left() const { return x() / zoom() * kTwipsPerPixel; }
    void setLeft(int twips) { move(Px(twips) * zoom(), y()); }

    // The rectangle the text is laid out in: inside the border, and one pixel (at 1x) down, since
    // at 9 px the marks over capitals (the breve of Й, the dots of Ё) rise two pixels above
    // the font's ascent; so the lower row of a mark shows and descenders keep their room.
    // The text is not clipped to this rectangle, only to the label.
    QRect textRect() const;
    static constexpr int kTextFlags = Qt::TextWordWrap | Qt::TextDontClip;
    static constexpr int kAccentRoom = 1;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
    QColor fore_ = Qt::black;
    QColor back_ = Qt::white;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool transparent_ = false;
    bool border_ = false;
    bool chosen_ = false;
};

// A filled rectangle; the mouse goes through it to whatever lies behind.
class Shape : public QWidget, public Zoomed {
    Q_OBJECT
  public:
    explicit Shape(QWidget* parent, int index = -1);
    int index() const { return index_; }
    QColor backColor() const { return back_; }
    void setBackColor(QColor color);
    void setBorder(bool border);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int index_;
    QColor back_ = Qt::white;
    bool border_ = false;
};

// A black line one pixel wide (at 1x) between two points of its parent; transparent to the
// mouse.
class Line : public QWidget, public Zoomed {
    Q_OBJECT
  public:
    // Endpoints in pixels of the parent at 1x.
    Line(QWidget* parent, int index, QPoint from, QPoint to);
    int index() const { return index_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int index_;
    QPoint from_, to_;  // in the widget's own coordinates
};

// A picture from the top-left corner at natural size times the zoom, each pixel a block of
// zoom x zoom pixels, never smoothed.
class Image : public MouseElement {
    Q_OBJECT
  public:
    explicit Image(QWidget* parent, int index = -1);
    // Loads embedded bitmap `number` (":/BITMAP/<number>"); false and no picture if there is
    // none. Loading the number already shown does nothing.
    bool setPicture(int number);
    void clearPicture();
    int pictureNumber() const { return number_; }  // 0 without picture
    void setZoom(int zoom) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void MarkOpaqueIfCovered();
    void Scale();

    QPixmap source_;   // at 1x, shared with the picture store
    QPixmap picture_;  // as drawn: scaled once per picture and zoom
    int number_ = 0;
};

// A borderless container. Hiding it hides its children. Mouse events that reach it (through
// its shapes) stop here: a page never moves the window.
class Frame : public MouseElement {
    Q_OBJECT
  public:
    explicit Frame(QWidget* parent);
};

// Single-selection list with fixed rows. Click is raised whenever the selected line changes,
// from code (setSelected, before it returns) or by the user (mouse, the list's own keys), and
// only for a line, never for "no selection". KeyDown runs before the list's own key handling,
// with the text the key types (empty for most keys); a handler that sets keyCode to -1 swallows
// the key. Only the left button chooses a line.
class ListBox : public QListWidget, public Zoomed {
    Q_OBJECT
  public:
    ListBox(QWidget* parent, int rowHeight, QFont font);

    void addItem(const QString& text) { QListWidget::addItem(text); }
    QString list(int i) const;
    void setSelected(int i);
    int listIndex() const { return currentRow(); }  // -1 without a selected line
    void setZoom(int zoom) override;

    // Off: the item view's own search looks only at the 16 shown labels, which all begin with
    // their number; the window finds a typed name or number among all rows instead.
    void keyboardSearch(const QString&) override {}

  signals:
    void click();
    void keyDown(int& keyCode, int shift, const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // The line a list of `count` lines moves to from `line` (-1: none) on `key`; -2 for a
    // key that is not one of the list's own moves.
    static int LineAfterKey(int key, int line, int count);
    int rowHeight_;  // at 1x
};

// An option of a group with the same parent: choosing one (by the user, or setValue(true)
// from code) clears the others and raises Click.
class OptionButton : public MouseElement {
    Q_OBJECT
  public:
    explicit OptionButton(QWidget* parent, int index);

    bool value() const { return value_; }
    void setValue(bool value);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setColors(QColor fore, QColor back);

    // The caption starts this far right of the option's left edge (at 1x), after the round
    // mark.
    static constexpr int kTextIndent = 13;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QString caption_;
    QColor fore_ = Qt::black;
    QColor back_ = Qt::white;
    bool value_ = false;
};

// Ticks on the UI thread only while enabled. tick() runs one tick directly (tests drive
// timers this way instead of waiting).
class Timer : public QObject {
    Q_OBJECT
  public:
    Timer(QObject* parent, int index, int intervalMs);
    int index() const { return index_; }
    bool enabled() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }
    void setEnabled(bool enabled);
    void tick() { emit timer(index_); }

  signals:
    void timer(int index);

  private:
    QTimer timer_;
    int index_;
};

}  // namespace zentaloger::toolkit
