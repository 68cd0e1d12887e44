#pragma once
// A window declared as data. Each owner of elements (the window itself, each page) declares its
// rows, one element or run of elements per row, front to back as they overlap; BuildLayout
// creates them back to front, so each element lies above the ones listed after it.

#include <span>

#include "window/toolkit/accessible.h"
#include "window/toolkit/elements.h"
#include "window/toolkit/look.h"

class QWidget;

namespace zentaloger::toolkit {

enum class Kind { Label, Shape, Line, Image, Frame, ListBox, Option, Timer };
enum class Align { Left, Centre, Right };

// Left, Top, Width, Height in twips, relative to the window or to the element's frame. A
// line's two endpoints instead: x1, y1, x2, y2.
struct Place {
    int left = 0, top = 0, width = 0, height = 0;
};

struct ElementRow {
    Kind kind;
    const char* name;
    int index = -1;  // the first index of a run; -1 for a single element without index
    Place at{};
    // A run of `count` elements with indices index.. index + count - 1, the k-th moved by
    // k steps.
    int count = 1;
    int stepLeft = 0, stepTop = 0;
    Rgb fore = kBlack;
    Rgb back = kWhite;
    std::span<const Rgb> backs{};  // when given, the k-th element's background instead
    bool transparent = false;
    bool border = false;
    Align align = Align::Left;
    bool small = false;  // the small text size instead of the normal one
    bool bold = false;
    const char16_t* caption = u"";
    const char16_t* toolTip = nullptr;
    bool visible = true;
    int interval = 0;  // timers, in milliseconds
    bool enabled = false;
    Role role = Role::Text;  // what a screen reader hears a label as
};

// Rows that share a parent: the window (frame nullptr) or a frame of the window, by name.
struct RowGroup {
    const char* frame = nullptr;
    std::span<const ElementRow> rows;
};

// The place of the k-th element of a run, in twips.
Place PlaceOf(const ElementRow& row, int k);

// Creates the elements of every group as children of `window` or of their frame, registers
// them, and stacks the window's children in the order of the groups, front to back, and of
// the rows within a group. A frame must be among the window's rows; an unknown frame name
// throws std::logic_error naming it.
void BuildLayout(QWidget* window, std::span<const RowGroup> frontToBack, Elements& elements);

// Draws every element at `zoom` (kMinZoom..kMaxZoom): its place `zoom` times its pixel
// rectangle at 1x, its own font at `zoom` times its size, its lines and pictures scaled
// (see Zoomed). The window's own size and font are its owner's.
void ApplyZoom(Elements& elements, int zoom);

}  // namespace zentaloger::toolkit
