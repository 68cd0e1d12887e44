#pragma once
// What the elements share in painting and in their mouse events, inside the toolkit only.

#include <QPoint>
#include <QRect>

class QMouseEvent;
class QPainter;

namespace zentaloger::toolkit {

// The event's position in twips, relative to the element drawn at `zoom`.
QPoint TwipsOf(const QMouseEvent* event, int zoom);
// An outline one pixel wide at 1x, `zoom` pixels at a zoom; in layout pixels, so at a scale
// factor of 2 it is twice that in device pixels.
void DrawBorder(QPainter& painter, const QRect& r, int zoom);

}  // namespace zentaloger::toolkit
