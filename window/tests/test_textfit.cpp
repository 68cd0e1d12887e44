// Every text of the shipped database fits the element that shows it, in the embedded font:
// list labels the list's width, names the card's name box, type, height and weight lines
// their boxes, and each description the description page without being cut off. A text
// that does not fit is named with its species and language.
#include <QApplication>
#include <QFontMetrics>
#include <QtTest>

#include "formlayout.h"
#include "startup.h"
#include "toolkit/toolkit.h"

using namespace zentaloger;
using toolkit::Font;
using toolkit::Px;

namespace {

// The width (pixels) that text may take in an element of `widthTwips`: inside a 1-px border
// on each side where there is one, and after the list row's 1-px indent.
int Room(int widthTwips, int taken) {
    return Px(widthTwips) - taken;
}

const char* kLanguage[] = {"Russian", "English"};

}  // namespace

class TestTextFit : public QObject {
    Q_OBJECT

    std::unique_ptr<Database> db_;

  private slots:
    void initTestCase() {
        db_ = StartUp().database;
        QVERIFY(db_);
    }

    void oneLineTexts_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("room");
        QTest::newRow("list labels") << "list" << false << Room(1575, 2 + 1);
        QTest::newRow("names on the card") << "name" << true << Room(1875, 0);
        QTest::newRow("type lines") << "type" << true << Room(3735, 2);
        QTest::newRow("height lines") << "height" << false << Room(1875, 0);
        QTest::newRow("weight lines") << "weight" << false << Room(1875, 0);
    }
    void oneLineTexts() {
        QFETCH(QString, what);
        QFETCH(bool, bold);
        QFETCH(int, room);
        const QFontMetrics metrics(Font(kFontPx, bold));
        QStringList tooWide;
        for (int language = 0; language < kLanguageCount; ++language) {
            for (int i = 0; i < kSpeciesCount; ++i) {
                const SpeciesRecord& s = db_->species[i];
                QList<QString> texts;
                if (what == u"list") {
                    for (int order = 0; order < kOrderCount; ++order) {
                        texts << db_->listLabel[i][language][order].toString();
                    }
                } else if (what == u"name") {
                    texts << db_->listLabel[i][language][0].toString();
                } else if (what == u"type") {
                    texts << s.typeLabel[language].toString();
                } else if (what == u"height") {
                    texts << s.heightLabel[language].toString();
                } else {
                    texts << s.weightLabel[language].toString();
                }
                for (const QString& text : texts) {
                    const int width = metrics.horizontalAdvance(text);
                    if (width > room) {
                        tooWide << QStringLiteral("%1 \"%2\": %3 px, room %4")
                                       .arg(QLatin1String(kLanguage[language]), text)
                                       .arg(width)
                                       .arg(room);
                    }
                }
            }
        }
        tooWide.removeDuplicates();
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(u'\n')));
    }

    // Wrapped at word boundaries inside the label, the text keeps within its height, and no
    // single word is wider than the label.
    void descriptions() {
        const QFontMetrics metrics(Font(kFontPx, false));
        const QRect box(0, 0, Px(3555), Px(1095) - toolkit::Label::kAccentRoom);
        QStringList cutOff;
        for (int language = 0; language < kLanguageCount; ++language) {
            for (int i = 0; i < kSpeciesCount; ++i) {
                const QString text = db_->species[i].description[language].toString();
                const QRect used = metrics.boundingRect(
                    box, Qt::AlignLeft | Qt::AlignTop | toolkit::Label::kTextFlags, text);
                if (used.height() > box.height() || used.width() > box.width()) {
                    cutOff << QStringLiteral("%1 %2: %3 x %4 px in %5 x %6")
                                  .arg(QLatin1String(kLanguage[language]))
                                  .arg(i + 1, 3, 10, QLatin1Char('0'))
                                  .arg(used.width())
                                  .arg(used.height())
                                  .arg(box.width())
                                  .arg(box.height());
                }
            }
        }
        QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(u'\n')));
    }

    // The fixed captions and the credits line, in the font of their element.
    void fixedCaptions() {
        QStringList tooWide;
        for (const ElementRow& row : LayoutTable()) {
            if (row.kind != ElementKind::Label || !*row.caption) {
                continue;
            }
            const QFontMetrics metrics(Font(row.small ? kSmallFontPx : kFontPx, row.bold));
            const QString caption = QString::fromUtf16(row.caption);
            const int room = Room(row.width, row.border ? 2 : 0);
            if (metrics.horizontalAdvance(caption) > room) {
                tooWide << QStringLiteral("%1 \"%2\"").arg(QLatin1String(row.name), caption);
            }
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(u'\n')));
    }
};

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"
