// One-line captions drawn from glyphs must look exactly as the text layout draws them: every
// shipped caption of the list, the card and the move tables, in both languages, in each font
// and alignment the labels use. Kerning, a ligature or a hinting change would part the two.
#include <QPainter>
#include <QtTest>

#include "startup.h"
#include "toolkit/oneline.h"
#include "toolkit/toolkit.h"

using namespace zentaloger;

namespace {

QImage Drawn(const QString& text, const QFont& font, Qt::Alignment alignment, bool fast,
             bool* drawn) {
    QImage image(130, 14, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect box(3, 1, 124, 12);
    *drawn = fast && toolkit::DrawOneLine(painter, box, alignment, text, font);
    if (!fast) {
        painter.drawText(box, int(alignment | Qt::AlignTop) | toolkit::Label::kTextFlags, text);
    }
    return image;
}

}  // namespace

class TestOneLine : public QObject {
    Q_OBJECT

  private slots:
    void sameAsTheLayout_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("alignment");
        QTest::newRow("regular, left")
            << toolkit::Font(toolkit::kFontPx, false) << int(Qt::AlignLeft);
        QTest::newRow("bold, centred")
            << toolkit::Font(toolkit::kFontPx, true) << int(Qt::AlignHCenter);
        QTest::newRow("small, right")
            << toolkit::Font(toolkit::kSmallFontPx, false) << int(Qt::AlignRight);
        QTest::newRow("small bold, centred")
            << toolkit::Font(toolkit::kSmallFontPx, true) << int(Qt::AlignHCenter);
    }

    void sameAsTheLayout() {
        QFETCH(QFont, font);
        QFETCH(int, alignment);
        const StartupState state = StartUp();
        QVERIFY(state.database);
        const Database& db = *state.database;
        QStringList captions;
        for (int l = 0; l < kLanguageCount; ++l) {
            for (int s = 0; s < kSpeciesCount; ++s) {
                const SpeciesRecord& r = db.species[s];
                captions << db.listLabel[s][l][0].toString() << r.typeLabel[l].toString()
                         << r.heightLabel[l].toString() << r.weightLabel[l].toString();
            }
            for (const MoveRecord& m : db.moves) {
                captions << m.moveName[l].toString() << m.moveType[l].toString();
            }
        }
        captions << QStringLiteral("TRAILING SPACES   ") << QStringLiteral("Ёё №1 «ДА» – 5°");
        int fast = 0;
        for (const QString& text : captions) {
            bool drawn = false;
            const QImage glyphs = Drawn(text, font, Qt::Alignment(alignment), true, &drawn);
            if (drawn) {
                ++fast;
                bool unused = false;
                const QImage laidOut = Drawn(text, font, Qt::Alignment(alignment), false, &unused);
                QVERIFY2(glyphs == laidOut, qPrintable(text));
            }
        }
        // Nearly every caption takes the glyph path; only those too wide for the box do not.
        QVERIFY2(fast > captions.size() * 9 / 10, qPrintable(QString::number(fast)));
    }
};

QTEST_MAIN(TestOneLine)
#include "test_oneline.moc"
