#include "window/toolkit/toolkit.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <algorithm>

#include "window/toolkit/bitmap.h"
#include "window/toolkit/oneline.h"

namespace zentaloger::toolkit {

namespace {

QString g_family;

QPoint TwipsOf(const QMouseEvent* event) {
    const QPointF p = event->position();
    return {qRound(p.x() * kTwipsPerPixel), qRound(p.y() * kTwipsPerPixel)};
}

// Draws each row itself: exact list colours, no focus frame, no style tint, text from the
// row's left edge plus one pixel.
class RowDelegate : public QStyledItemDelegate {
  public:
    RowDelegate(QObject* parent, int rowHeight)
        : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {0, rowHeight_};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect, selected ? palette.color(QPalette::Highlight)
                                                : palette.color(QPalette::Base));
        painter->setPen(selected ? palette.color(QPalette::HighlightedText)
                                 : palette.color(QPalette::Text));
        painter->setFont(option.font);
        const QStaticText& text = LaidOut(index.data(Qt::DisplayRole).toString(), option.font);
        // One pixel in from the left, the line's box centred in the row.
        const QRectF box = option.rect.adjusted(1, 0, 0, 0);
        painter->drawStaticText(QPointF(box.x(), box.y() + (box.height() - lineHeight_) / 2), text);
    }

  private:
    // The list shows a few hundred labels, each in turn on 16 rows as the list scrolls; each
    // is shaped once and drawn from its laid-out glyphs after that.
    const QStaticText& LaidOut(const QString& text, const QFont& font) const {
        if (font != font_ || laidOut_.size() >= kMostLaidOut) {
            laidOut_.clear();
            font_ = font;
            lineHeight_ = QFontMetricsF(font).height();
        }
        auto it = laidOut_.find(text);
        if (it == laidOut_.end()) {
            QStaticText laid(text);
            laid.setTextFormat(Qt::PlainText);
            laid.prepare(QTransform(), font);
            it = laidOut_.insert(text, laid);
        }
        return *it;
    }

    static constexpr qsizetype kMostLaidOut = 4096;
    int rowHeight_;
    mutable QFont font_;
    mutable qreal lineHeight_ = 0;
    mutable QHash<QString, QStaticText> laidOut_;
};

// A one-pixel outline in layout pixels: at a scale factor of 2 it is 2 device pixels wide.
void DrawBorder(QPainter& painter, const QRect& r) {
    painter.fillRect(r.x(), r.y(), r.width(), 1, Qt::black);
    painter.fillRect(r.x(), r.bottom(), r.width(), 1, Qt::black);
    painter.fillRect(r.x(), r.y(), 1, r.height(), Qt::black);
    painter.fillRect(r.right(), r.y(), 1, r.height(), Qt::black);
}

}  // namespace

void RegisterEmbeddedFonts() {
    if (!g_family.isEmpty()) {
        return;
    }
    for (const char* file : {":/FONT/DejaVuSansCondensed.ttf",
                             ":/FONT/DejaVuSansCondensed-Bold.ttf", ":/FONT/DejaVuSans.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id >= 0 && g_family.isEmpty()) {
            g_family = QFontDatabase::applicationFontFamilies(id).value(0);
        }
    }
    if (g_family.isEmpty()) {
        // Only a build without the font resource gets here; any sans font then serves.
        g_family = QStringLiteral("Sans Serif");
    }
}

QFont Font(int pixelSize, bool bold) {
    RegisterEmbeddedFonts();
    QFont font(g_family);
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // The condensed faces at the normal size, where the normal faces, fully hinted, are too
    // wide for the longest list labels; the normal face at the small size, where condensed
    // strokes run together (an N reads as an H).
    font.setStretch(pixelSize >= kFontPx ? QFont::SemiCondensed : QFont::Unstretched);
    // Crisp pixel text, as at this size anti-aliasing only blurs the strokes.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    // Monochrome glyphs are always drawn fully hinted; with any other hinting Qt spaces them
    // by their unhinted advances, so a W drawn 7 px wide moves the pen 8.9 px and the next
    // letter stands apart. Full hinting takes shapes and spacing from the same grid, and it
    // does not depend on the desktop's hinting setting.
    font.setHintingPreference(QFont::PreferFullHinting);
    // Kerning pulls pairs such as PA a pixel closer, and at this size their ink then touches.
    font.setKerning(false);
    return font;
}

int ButtonOf(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? kLeftButton : 0) |
           (buttons & Qt::RightButton ? kRightButton : 0) |
           (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int KeyCodeOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Backspace:
            return keys::kBackspace;
        case Qt::Key_Tab:
            return keys::kTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return keys::kReturn;
        case Qt::Key_Escape:
            return keys::kEscape;
        case Qt::Key_Space:
            return keys::kSpace;
        case Qt::Key_PageUp:
            return keys::kPageUp;
        case Qt::Key_PageDown:
            return keys::kPageDown;
        case Qt::Key_End:
            return keys::kEnd;
        case Qt::Key_Home:
            return keys::kHome;
        case Qt::Key_Left:
            return keys::kLeft;
        case Qt::Key_Up:
            return keys::kUp;
        case Qt::Key_Right:
            return keys::kRight;
        case Qt::Key_Down:
            return keys::kDown;
        case Qt::Key_Delete:
            return keys::kDelete;
        default:
            break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return keys::kF1 + (qtKey - Qt::Key_F1);
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return qtKey;  // Qt and the virtual key codes agree here
    }
    return 0;
}

// ---- MouseElement

MouseElement::MouseElement(QWidget* parent, int index) : QWidget(parent), index_(index) {}

void MouseElement::mousePressEvent(QMouseEvent* event) {
    // Qt keeps sending this widget every move until the release, also outside it: the
    // capture the drag handlers rely on.
    const QPoint t = TwipsOf(event);
    emit mouseDown(index_, ButtonOf(event->button()), ShiftOf(event->modifiers()), t.x(), t.y());
    event->accept();
}

void MouseElement::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint t = TwipsOf(event);
    emit mouseUp(index_, ButtonOf(event->button()), ShiftOf(event->modifiers()), t.x(), t.y());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit click(index_);
    }
    event->accept();
}

void MouseElement::mouseMoveEvent(QMouseEvent* event) {
    const QPoint t = TwipsOf(event);
    emit mouseMove(index_, ButtonOf(event->buttons()), ShiftOf(event->modifiers()), t.x(), t.y());
    event->accept();
}

// ---- Label

Label::Label(QWidget* parent, int index) : MouseElement(parent, index) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    setAccessibleName(caption_);
    update();
}

void Label::setForeColor(QColor color) {
    if (color != fore_) {
        fore_ = color;
        update();
    }
}

void Label::setBackColor(QColor color) {
    if (color != back_) {
        back_ = color;
        update();
    }
}

void Label::setColors(QColor fore, QColor back) {
    if (fore != fore_ || back != back_) {
        fore_ = fore;
        back_ = back;
        update();
    }
}

void Label::setTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void Label::setBorder(bool border) {
    border_ = border;
    update();
}

void Label::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

QRect Label::textRect() const {
    const int b = border_ ? 1 : 0;
    return rect().adjusted(b, b + kAccentRoom, -b, -b);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), back_);
    }
    if (!caption_.isEmpty()) {
        painter.setFont(font());
        painter.setPen(fore_);
        const QRect box = textRect();
        if (!DrawOneLine(painter, box, alignment_, caption_, font())) {
            painter.drawText(box, int(alignment_ | Qt::AlignTop) | kTextFlags, caption_);
        }
    }
    if (border_) {
        DrawBorder(painter, rect());
    }
}

// ---- Shape

Shape::Shape(QWidget* parent, int index) : QWidget(parent), index_(index) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // It fills its whole rectangle, so nothing behind it needs painting when it changes.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Shape::setBackColor(QColor color) {
    if (color != back_) {
        back_ = color;
        update();
    }
}

void Shape::setBorder(bool border) {
    border_ = border;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (border_) {
        DrawBorder(painter, rect());
    }
}

// ---- Line

Line::Line(QWidget* parent, int index, QPoint from, QPoint to) : QWidget(parent), index_(index) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect box = QRect(from, to).normalized();
    setGeometry(box.x(), box.y(), box.width() + 1, box.height() + 1);
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Pixel centres, so the line covers the same layout pixels at every scale factor.
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPointF(from_) + QPointF(0.5, 0.5), QPointF(to_) + QPointF(0.5, 0.5));
}

// ---- Image

Image::Image(QWidget* parent, int index) : MouseElement(parent, index) {}

bool Image::setPicture(int number) {
    if (number == number_ && !picture_.isNull()) {
        return true;
    }
    QPixmap picture = EmbeddedPixmap(number);
    if (picture.isNull()) {
        clearPicture();
        return false;
    }
    picture_ = std::move(picture);
    number_ = number;
    MarkOpaqueIfCovered();
    update();
    return true;
}

void Image::clearPicture() {
    picture_ = QPixmap();
    number_ = 0;
    MarkOpaqueIfCovered();
    update();
}

void Image::MarkOpaqueIfCovered() {
    // A picture that covers the whole element hides what lies behind it, which then need not
    // be painted first: for the card's picture, a fill of the whole picture area every step.
    const QSizeF picture = picture_.deviceIndependentSize();
    setAttribute(Qt::WA_OpaquePaintEvent,
                 !picture_.isNull() && picture.width() >= width() && picture.height() >= height());
}

void Image::resizeEvent(QResizeEvent*) {
    MarkOpaqueIfCovered();
}

void Image::paintEvent(QPaintEvent* event) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    // At a scale factor above 1 each picture pixel becomes a block, never a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // One plain copy per rectangle of the region. Where other elements cover part of the
    // picture (the edition marks on the card's), the region is not one rectangle, and Qt
    // then blends the picture line by line on its worker threads and waits for them: waking
    // them cost more than the rest of a step.
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        painter.drawPixmap(QPoint(0, 0), picture_);
    }
}

// ---- Frame

Frame::Frame(QWidget* parent) : MouseElement(parent, -1) {}

// ---- ListBox

ListBox::ListBox(QWidget* parent, int rowHeight, QFont font)
    : QListWidget(parent), rowHeight_(rowHeight) {
    setFont(font);
    setItemDelegate(new RowDelegate(this, rowHeight));
    setUniformItemSizes(true);
    setSpacing(0);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    // Selection follows the current row; Click is raised for every new line and never for
    // the "no line" that clearing leaves.
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            emit click();
        }
    });
}

QString ListBox::list(int i) const {
    const QListWidgetItem* it = item(i);
    return it ? it->text() : QString();
}

void ListBox::setSelected(int i) {
    if (i >= 0 && i < count()) {
        setCurrentRow(i);
    }
}

void ListBox::focusInEvent(QFocusEvent* event) {
    // Skips the item view's habit of making the first line current when the list gains the
    // focus without one: a line is chosen only by the user or from code.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

int ListBox::LineAfterKey(int key, int line, int count) {
    const int last = count - 1;
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            return line < 0 ? 0 : std::max(line - 1, 0);
        case Qt::Key_Down:
        case Qt::Key_Right:
            return line < 0 ? 0 : std::min(line + 1, last);
        case Qt::Key_PageUp:
        case Qt::Key_Home:
            return 0;
        case Qt::Key_PageDown:
        case Qt::Key_End:
            return last;
        default:
            return -2;
    }
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    int keyCode = KeyCodeOf(event->key());
    const int shift = ShiftOf(event->modifiers());
    emit keyDown(keyCode, shift, event->text());
    if (keyCode == -1) {
        event->accept();
        return;
    }
    // A standard single-selection list, whatever modifier is held: the arrows step one line
    // (Left and Right as Up and Down), Page Up and Home go to the first line, Page Down and
    // End to the last, always within the lines there are. The item view's own paging would
    // move by the viewport's height and its Ctrl+arrows would move without selecting.
    const int line = LineAfterKey(event->key(), listIndex(), count());
    if (line != -2) {
        if (count() > 0) {
            setSelected(line);
        }
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

// Only the left button chooses a line; the other buttons do nothing in the list.
void ListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QListWidget::mousePressEvent(event);
    } else {
        event->accept();
    }
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        QListWidget::mouseMoveEvent(event);
    } else {
        event->accept();
    }
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QListWidget::mouseReleaseEvent(event);
    } else {
        event->accept();
    }
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QListWidget::mouseDoubleClickEvent(event);
    } else {
        event->accept();
    }
}

// ---- OptionButton

OptionButton::OptionButton(QWidget* parent, int index) : MouseElement(parent, index) {}

void OptionButton::setValue(bool value) {
    value_ = value;
    update();
    if (!value) {
        return;
    }
    for (OptionButton* other :
         parentWidget()->findChildren<OptionButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other != this && other->value_) {
            other->value_ = false;
            other->update();
        }
    }
    emit click(index());
}

void OptionButton::setCaption(const QString& caption) {
    if (caption != caption_) {
        caption_ = caption;
        setAccessibleName(caption_);
        update();
    }
}

void OptionButton::setColors(QColor fore, QColor back) {
    fore_ = fore;
    back_ = back;
    update();
}

void OptionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    // The round mark: a 9-px circle, filled in the middle when chosen.
    const int d = qMin(kTextIndent - 4, height() - 2);
    const QRect mark(1, (height() - d) / 2, d, d);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(mark).adjusted(0.5, 0.5, -0.5, -0.5));
    if (value_) {
        painter.setBrush(Qt::black);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(mark).adjusted(2.5, 2.5, -2.5, -2.5));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font());
    painter.setPen(fore_);
    painter.drawText(rect().adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     caption_);
}

void OptionButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint t = TwipsOf(event);
    emit mouseUp(index(), ButtonOf(event->button()), ShiftOf(event->modifiers()), t.x(), t.y());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        // Choosing an option, even the one already chosen, raises its Click once.
        setValue(true);
    }
    event->accept();
}

// ---- Timer

Timer::Timer(QObject* parent, int index, int intervalMs) : QObject(parent), index_(index) {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setEnabled(bool enabled) {
    if (enabled && !timer_.isActive()) {
        timer_.start();
    } else if (!enabled) {
        timer_.stop();
    }
}

}  // namespace zentaloger::toolkit
