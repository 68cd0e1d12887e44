#include "oneline.h"

#include <QGlyphRun>
#include <QPainter>
#include <QVarLengthArray>

namespace zentaloger::toolkit {

namespace {

// Letters, digits and punctuation of the captions: printable ASCII, the Cyrillic block and a
// few signs. Anything else (tabs, line breaks, soft hyphens, marks) goes to the layout.
bool Plain(char16_t c) {
    return (c >= 0x20 && c < 0x7f) || (c >= 0x400 && c < 0x460) || c == 0xab || c == 0xbb ||
           c == 0x2013 || c == 0x2014 || c == 0x2116 || c == 0xb0;
}

}  // namespace

bool OneLineText::draw(QPainter& painter, const QRect& box, Qt::Alignment alignment,
                       const QString& text, const QFont& font) {
    const bool left = !(alignment & (Qt::AlignRight | Qt::AlignHCenter));
    // The layout leaves trailing spaces out of an aligned line's width.
    if (!left && text.back().isSpace()) {
        return false;
    }
    for (QChar c : text) {
        if (!Plain(c.unicode())) {
            return false;
        }
    }
    if (!raw_.isValid() || font != font_) {
        font_ = font;
        raw_ = QRawFont::fromFont(font);
        if (!raw_.isValid()) {
            return false;
        }
    }
    const QList<quint32> glyphs = raw_.glyphIndexesForString(text);
    if (glyphs.size() != text.size() || glyphs.contains(0u)) {
        return false;
    }
    const QList<QPointF> advances = raw_.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions(glyphs.size());
    qreal width = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        positions[i] = QPointF(width, 0);
        width += advances[i].x();
    }
    if (width > box.width()) {
        return false;
    }
    const qreal x = alignment & Qt::AlignRight     ? box.x() + box.width() - width
                    : alignment & Qt::AlignHCenter ? box.x() + (box.width() - width) / 2
                                                   : box.x();
    QGlyphRun run;
    run.setRawFont(raw_);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(x, box.y() + raw_.ascent()), run);
    return true;
}

}  // namespace zentaloger::toolkit
