#pragma once
// What the elements share in painting and in their mouse events, inside the toolkit only.

#include <QPoint>
#include <QRect>

class QMouseEvent;
class QPainter;

namespace zentaloger::toolkit {

// The event's position in twips, relative to the element.
QPoint TwipsOf(const QMouseEvent* event);
// A one-pixel outline in layout pixels: at a scale factor of 2 it is 2 device pixels wide.
void DrawBorder(QPainter& painter, const QRect& r);

}  // namespace zentaloger::toolkit
