#pragma once
// The window declared once, as data: every element in front-to-back order, with its place in
// twips, its look and its design caption. BuildLayout walks the table back to front, so each
// element is created above the ones behind it and the stacking is exactly the table's.

#include <QHash>
#include <QObject>
#include <QString>
#include <span>

#include "toolkit/toolkit.h"

namespace zentaloger {

enum class ElementKind { Label, Shape, Line, Image, Frame, ListBox, Option, Timer };
enum class Align { Left, Centre, Right };

// Colours as 0xRRGGBB.
inline constexpr unsigned kBlack = 0x000000, kWhite = 0xFFFFFF, kYellow = 0xFFFF00,
                          kOrange = 0xFF8000, kLightYellow = 0xFFFF80, kGrey = 0x808080,
                          kMaroon = 0x800000, kDarkRed = 0xC00000, kGreen = 0x00FF00,
                          kMidGreen = 0x00C000, kDarkGreen = 0x008000;

// One row of the table. An indexed row stands for `count` elements with indices
// firstIndex.. firstIndex + count - 1, the k-th placed at (left + k * stepLeft,
// top + k * stepTop). A line's left, top, width, height are its two endpoints (x1, y1, x2, y2).
struct ElementRow {
    ElementKind kind;
    const char* name;
    const char* parent = nullptr;  // a frame's name, or the window
    int firstIndex = -1;           // -1: a single element, no index
    int count = 1;
    int left = 0, top = 0, width = 0, height = 0;
    int stepLeft = 0, stepTop = 0;
    unsigned fore = kBlack;
    unsigned back = kWhite;
    bool transparent = false;
    bool border = false;
    Align align = Align::Left;
    bool small = false;  // 5.25 pt (7 px) instead of 6.75 pt (9 px)
    bool bold = false;
    const char16_t* caption = u"";
    const char* toolTip = nullptr;
    bool visible = true;
    int interval = 0;  // timers
    bool enabled = false;
};

// Table 1 and the page frames' children, front to back.
std::span<const ElementRow> LayoutTable();

inline constexpr int kWindowWidthTwips = 5655, kWindowHeightTwips = 5235;
inline constexpr int kListRowTwips = 165;
inline constexpr int kFontPx = 9, kSmallFontPx = 7;

// "lblTM_TM(12)" for an indexed element, the plain name otherwise: each widget's objectName.
QString ElementName(const char* name, int index);

// Every element built from the table, found by name and index.
class Elements {
  public:
    template <typename T>
    T* get(const char* name, int index = -1) const {
        return qobject_cast<T*>(byName_.value(ElementName(name, index)));
    }
    QObject* find(const QString& objectName) const { return byName_.value(objectName); }
    void add(QObject* element) { byName_.insert(element->objectName(), element); }
    qsizetype size() const { return byName_.size(); }

  private:
    QHash<QString, QObject*> byName_;
};

// Creates every element of the table as a child of `window` (or of its page frame), back to
// front, and registers it.
void BuildLayout(QWidget* window, Elements& elements);

}  // namespace zentaloger
