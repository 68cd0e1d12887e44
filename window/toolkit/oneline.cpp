#include "window/toolkit/oneline.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <utility>
#include <vector>

namespace zentaloger::toolkit {

namespace {

// Letters, digits and punctuation of the captions: printable ASCII, the Cyrillic block and a
// few signs. Anything else (tabs, line breaks, soft hyphens, marks) goes to the layout.
bool Plain(char16_t c) {
    return (c >= 0x20 && c < 0x7f) || (c >= 0x400 && c < 0x460) || c == 0xab || c == 0xbb ||
           c == 0x2013 || c == 0x2014 || c == 0x2116 || c == 0xb0;
}

// The glyph tables of the few fonts the labels use, shared by every label.
const QRawFont& RawFontOf(const QFont& font) {
    static std::vector<std::pair<QFont, QRawFont>> fonts;
    for (const auto& [f, raw] : fonts) {
        if (f == font) {
            return raw;
        }
    }
    if (fonts.size() >= 16) {
        fonts.clear();
    }
    fonts.emplace_back(font, QRawFont::fromFont(font));
    return fonts.back().second;
}

}  // namespace

bool DrawOneLine(QPainter& painter, const QRect& box, Qt::Alignment alignment, const QString& text,
                 const QFont& font) {
    for (QChar c : text) {
        if (!Plain(c.unicode())) {
            return false;
        }
    }
    const QRawFont& raw = RawFontOf(font);
    if (!raw.isValid()) {
        return false;
    }
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    if (glyphs.size() != text.size() || glyphs.contains(0u)) {
        return false;
    }
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
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
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(x, box.y() + raw.ascent()), run);
    return true;
}

}  // namespace zentaloger::toolkit
