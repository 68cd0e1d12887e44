#pragma once
// Captions that fit on one line, drawn from the font's glyphs and hinted advances without
// laying the text out. Our faces have no ligatures and we turn kerning off, so each glyph lands
// where the text layout would put it; the layout's shaping, run on every repaint of every
// label, was most of the cost of a step through the list.

#include <QFont>

class QPainter;
class QRect;
class QString;

namespace zentaloger::toolkit {

// Draws `text` in `font` at the top of `box`, aligned left, right or centred, as
// QPainter::drawText would; false (and nothing drawn) when the text would need more than one
// line or holds a character that only the layout handles (controls, soft hyphens, characters
// outside the font), so the caller lays it out instead.
bool DrawOneLine(QPainter& painter, const QRect& box, Qt::Alignment alignment, const QString& text,
                 const QFont& font);

}  // namespace zentaloger::toolkit
