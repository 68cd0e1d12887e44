// Typing to find, as a table: a list state and the keys typed (with their pauses) in, the
// selected row and the list's first row out, applied as the window applies a found row.
#include <QtTest>
#include <map>

#include "browse/listrules.h"
#include "browse/typefind.h"
#include "database/layout.h"
#include "database/testdata/testdata.h"
#include "database/writer.h"

using namespace zentaloger;

namespace {

constexpr int kInterval = 400;  // ms, the application's keyboard input interval

// The synthetic database with a few names that the cases find; every other name starts with
// Z (English) or З (Russian). Numerical and evolutionary row r hold species r; alphabetical
// row r holds species 252 - r.
std::unique_ptr<Database> NamedDatabase() {
    const std::map<int, std::array<QString, 2>> names = {
        {3, {"БОЛОТНИК", "BRACKEN"}},    {10, {"АИСТОК", "ALDERWOOD"}},
        {40, {"БОРЕЦ", "BRAMBLE"}},      {60, {"БРОДЯГА", "BRISK-TAIL"}},
        {200, {"БУРУН", "BRISTLEBACK"}}, {250, {"АЛЫЧ", "ALDER"}}};
    std::vector<QString> f = testdata::TestDatabaseFields();
    for (int row = 1; row <= kSpeciesCount; ++row) {
        for (int language = 0; language < kLanguageCount; ++language) {
            const auto label = [&](int number) -> QString {
                const auto named = names.find(number);
                return QStringLiteral("%1 - ").arg(number, 3, 10, QLatin1Char('0')) +
                       (named != names.end() ? named->second[language]
                                             : testdata::TestSpeciesName(number - 1, language));
            };
            f[ListLabelField(row - 1, language, 0) - 1] = label(row);
            f[ListLabelField(row - 1, language, 1) - 1] = label(row);
            f[ListLabelField(row - 1, language, 2) - 1] = label(252 - row);
        }
    }
    return LoadDatabase(EncodeResource(f));
}

}  // namespace

class TestTypeFind : public QObject {
    Q_OBJECT
    std::unique_ptr<Database> db_ = NamedDatabase();

  private slots:
    // Keys come 100 ms apart; "." makes the next come after exactly the interval (400 ms),
    // "|" after a pause one millisecond longer.
    void typing_data() {
        for (const char* column : {"order", "language", "top", "selected"}) {
            QTest::addColumn<int>(column);
        }
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<int>("topRow");
        // clang-format off
        QTest::newRow("a letter: the next name it begins, the line kept") << 0 << 1 << 1 << 5 << "b" << 40 << 36;
        QTest::newRow("a second letter: a fitting match stays") << 0 << 1 << 1 << 1 << "br" << 3 << 3;
        QTest::newRow("case does not matter, a hyphen is a character") << 0 << 1 << 1 << 1 << "BrIsK-t" << 60 << 60;
        QTest::newRow("a longer text moves on when the match stops fitting") << 0 << 1 << 1 << 1 << "brist" << 200 << 200;
        QTest::newRow("wraps past the last row") << 0 << 1 << 236 << 240 << "b" << 3 << 1;
        QTest::newRow("the same letter after a pause: the next name") << 0 << 1 << 1 << 1 << "b|b" << 40 << 40;
        QTest::newRow("the same letter in quick succession: on each time") << 0 << 1 << 1 << 1 << "bbb" << 60 << 60;
        QTest::newRow("a pause starts a new text") << 0 << 1 << 1 << 1 << "b|a" << 10 << 10;
        QTest::newRow("exactly the interval keeps the text") << 0 << 1 << 1 << 1 << "br.a" << 3 << 3;
        QTest::newRow("a new letter starts after the chosen row") << 0 << 1 << 1 << 10 << "a" << 250 << 236;
        QTest::newRow("a letter no name begins changes nothing") << 0 << 1 << 20 << 25 << "q" << 25 << 20;
        QTest::newRow("a text that stops fitting changes nothing") << 0 << 1 << 1 << 1 << "brx" << 3 << 3;
        QTest::newRow("alphabetical: the rows of that order") << 2 << 1 << 1 << 1 << "b" << 52 << 52;
        QTest::newRow("digits: the species, passing 1 and 12") << 0 << 1 << 20 << 20 << "125" << 125 << 125;
        QTest::newRow("digits in the alphabetical order") << 2 << 1 << 1 << 1 << "125" << 127 << 112;
        QTest::newRow("a number beyond 251 changes nothing") << 0 << 1 << 1 << 1 << "252" << 25 << 25;
        QTest::newRow("zero changes nothing") << 0 << 1 << 20 << 25 << "0" << 25 << 20;
        QTest::newRow("digits then letters: the letters find nothing") << 0 << 1 << 1 << 1 << "12b" << 12 << 12;
        QTest::newRow("digits, a pause, letters") << 0 << 1 << 1 << 1 << "12|b" << 40 << 40;
        QTest::newRow("Russian: a Cyrillic start") << 0 << 0 << 1 << 1 << "бор" << 40 << 40;
        QTest::newRow("Russian: a Latin start finds nothing") << 0 << 0 << 1 << 1 << "b" << 1 << 1;
        // clang-format on
    }
    void typing() {
        QFETCH(int, order);
        QFETCH(int, language);
        QFETCH(int, top);
        QFETCH(int, selected);
        QFETCH(QString, keys);
        TypedSearch search;
        qint64 now = 1000;
        qint64 gap = 100;
        for (const QChar key : keys) {
            if (key == u'.' || key == u'|') {
                gap = key == u'.' ? kInterval : kInterval + 1;
                continue;
            }
            now += gap;
            gap = 100;
            QVERIFY(IsSearchCharacter(key));
            search.type(QString(key), now, kInterval);
            const std::optional<int> row = FindTypedRow(*db_, Language(language), Order(order),
                                                        selected, search.text(), search.fresh());
            if (row) {
                // As the window applies it: the line the list marks, the jump, the refill.
                const int line =
                    selected - top >= 0 && selected - top < kListLines ? selected - top : -1;
                selected = *row;
                top = TopRowAfterJump(top, selected, line);
            }
        }
        QTEST(selected, "selectedRow");
        QTEST(top, "topRow");
    }
};

QTEST_MAIN(TestTypeFind)
#include "test_typefind.moc"
