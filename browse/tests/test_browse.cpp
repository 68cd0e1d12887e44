// The rules of the list and the pages, as tables: a state and an event (or typed keys with their
// pauses) in, what the window must show out.
#include <QtTest>
#include <climits>
#include <map>

#include "browse/listrules.h"
#include "browse/pagerules.h"
#include "browse/thumb.h"
#include "browse/typefind.h"
#include "browse/windowrules.h"
#include "database/layout.h"
#include "database/testdata/testdata.h"
#include "database/writer.h"

using namespace zentaloger;

Q_DECLARE_METATYPE(zentaloger::KeyStep)
using Marks = std::array<int, 6>;
using Fills = std::array<std::uint32_t, 3>;
Q_DECLARE_METATYPE(Marks)
Q_DECLARE_METATYPE(Fills)

namespace {

// The test database with orders worked out by hand: numerical and evolutionary row r hold
// species r; alphabetical row r holds species 252 - r in Russian, and in English species n
// stands on row ((n - 101) mod 251) + 1. A few species have names that typed searches find;
// every other name starts with Z (English) or З (Russian).
std::unique_ptr<Database> HandOrdered() {
    const std::map<int, std::array<QString, 2>> names = {
        {3, {"БОЛОТНИК", "BRACKEN"}},    {10, {"АИСТОК", "ALDERWOOD"}},
        {40, {"БОРЕЦ", "BRAMBLE"}},      {60, {"БРОДЯГА", "BRISK-TAIL"}},
        {200, {"БУРУН", "BRISTLEBACK"}}, {250, {"АЛЫЧ", "ALDER"}},
        {41, {"ЕЛЬНИК", "ELM"}}};
    std::vector<QString> f = testdata::TestDatabaseFields();
    for (int row = 1; row <= kSpeciesCount; ++row) {
        for (int language = 0; language < kLanguageCount; ++language) {
            const int alphabetical = language == 0 ? 252 - row : (row + 99) % kSpeciesCount + 1;
            const int numbers[] = {row, row, alphabetical};
            for (int order = 0; order < kOrderCount; ++order) {
                const int n = numbers[order];
                const auto named = names.find(n);
                f[ListLabelField(row - 1, language, order) - 1] =
                    QStringLiteral("%1 - ").arg(n, 3, 10, QLatin1Char('0')) +
                    (named != names.end() ? named->second[language]
                                          : testdata::TestSpeciesName(n - 1, language));
            }
        }
    }
    return LoadDatabase(EncodeResource(f));
}

// The current row's value in int column `column`.
int In(const char* column) {
    return *static_cast<int*>(QTest::qData(column, QMetaType::Int));
}

QString Flags(std::span<const bool> flags) {
    QString r;
    for (bool flag : flags) {
        r += flag ? u'x' : u'.';
    }
    return r;
}

}  // namespace

class TestBrowse : public QObject {
    Q_OBJECT
    const std::unique_ptr<Database> db_ = HandOrdered();

  private slots:
    // A jump to a species: with a chosen line the species keeps it, without one the page
    // moves just far enough to show it (first line from below, last line from above); the
    // first row stays within 1..236.
    void jump_data() {
        for (const char* column : {"topRow", "selectedRow", "line", "expected"}) {
            QTest::addColumn<int>(column);
        }
        QTest::newRow("keeps the chosen line") << 50 << 120 << 4 << 116;
        QTest::newRow("chosen line, first row raised to 1") << 50 << 3 << 7 << 1;
        QTest::newRow("chosen line, first row lowered to 236") << 50 << 251 << 0 << 236;
        QTest::newRow("no line, target above the page") << 50 << 20 << -1 << 20;
        QTest::newRow("no line, target below the page") << 50 << 120 << -1 << 105;
        QTest::newRow("no line, target on the first row") << 50 << 50 << -1 << 35;
        QTest::newRow("no line, from the top, raised to 1") << 1 << 10 << -1 << 1;
    }
    void jump() { QTEST(TopRowAfterJump(In("topRow"), In("selectedRow"), In("line")), "expected"); }

    // A new language or order keeps the species on the chosen line (the first line without
    // one), the first row clamped to 1..236.
    void relisted_data() {
        for (const char* column : {"language", "order", "topRow", "selectedRow", "line",
                                   "toLanguage", "toOrder", "wantSelected", "wantTop"}) {
            QTest::addColumn<int>(column);
        }
        // English alphabetical row 15 is species 115; Russian puts it on row 137.
        // clang-format off
        QTest::newRow("language, keeps its line") << 1 << 2 << 10 << 15 << 5 << 0 << 2 << 137 << 132;
        QTest::newRow("language, clamped at the top") << 1 << 2 << 145 << 150 << 5 << 0 << 2 << 2 << 1;
        QTest::newRow("language, clamped at the bottom") << 1 << 2 << 151 << 153 << 2 << 0 << 2 << 250 << 236;
        QTest::newRow("language, no line: the first") << 1 << 2 << 50 << 1 << -1 << 0 << 2 << 151 << 151;
        QTest::newRow("language, numerical keeps row and page") << 1 << 0 << 20 << 27 << 7 << 0 << 0 << 27 << 20;
        QTest::newRow("order, keeps its line") << 1 << 0 << 145 << 150 << 5 << 1 << 2 << 50 << 45;
        QTest::newRow("order, no line, last row") << 1 << 0 << 1 << 100 << -1 << 1 << 2 << 251 << 236;
        QTest::newRow("same order") << 0 << 0 << 145 << 150 << 5 << 0 << 0 << 150 << 145;
        // clang-format on
    }
    void relisted() {
        const ViewState to = Relisted(*db_,
                                      {.language = Language(In("language")),
                                       .listOrder = Order(In("order")),
                                       .topRow = In("topRow"),
                                       .selectedRow = In("selectedRow")},
                                      Language(In("toLanguage")), Order(In("toOrder")), In("line"));
        QCOMPARE(std::pair(Index(to.language), Index(to.listOrder)),
                 std::pair(In("toLanguage"), In("toOrder")));
        QTEST(to.selectedRow, "wantSelected");
        QTEST(to.topRow, "wantTop");
    }

    // A key in the list from a page (`top`), a selected row and a chosen line: what the window
    // does before the list's own handling (which moves the line within the page).
    void keys_data() {
        for (const char* column : {"top", "selected", "key", "line", "shift"}) {
            QTest::addColumn<int>(column);
        }
        QTest::addColumn<KeyStep>("want");
        const int pgUp = int(ListKey::kPageUp), pgDn = int(ListKey::kPageDown),
                  home = int(ListKey::kHome), end = int(ListKey::kEnd), up = int(ListKey::kUp),
                  down = int(ListKey::kDown), left = int(ListKey::kLeft),
                  right = int(ListKey::kRight), back = int(ListKey::kBackspace),
                  tab = int(ListKey::kTab);
        const auto scroll = [](int top, int line) {
            return KeyStep{.topRow = top, .refill = true, .selectLine = line};
        };
        const auto stay = [](int top) { return KeyStep{.topRow = top}; };
        // clang-format off
        QTest::newRow("Page Up at line 0 scrolls 16") << 20 << 20 << pgUp << 0 << 0 << scroll(4, 0);
        QTest::newRow("Page Up at line 0 stops at 1") << 10 << 10 << pgUp << 0 << 0 << scroll(1, 0);
        QTest::newRow("Page Up below line 0: the list's") << 20 << 25 << pgUp << 5 << 0 << stay(20);
        QTest::newRow("Page Down at line 15 scrolls 16") << 20 << 35 << pgDn << 15 << 0 << scroll(36, 15);
        QTest::newRow("Page Down at line 15 stops at 236") << 230 << 245 << pgDn << 15 << 0 << scroll(236, 15);
        QTest::newRow("Page Down above line 15: the list's") << 20 << 23 << pgDn << 3 << 0 << stay(20);
        QTest::newRow("End jumps to the last row") << 1 << 1 << end << 0 << 0 << scroll(236, 15);
        QTest::newRow("End at 236 leaves it") << 236 << 240 << end << 4 << 0 << stay(236);
        QTest::newRow("Home jumps to the first row") << 100 << 105 << home << 5 << 0 << scroll(1, 0);
        QTest::newRow("Left at line 0 scrolls one") << 20 << 20 << left << 0 << 0 << scroll(19, 0);
        QTest::newRow("Up at line 0 of the top page refills") << 1 << 2 << up << 0 << 0 << scroll(1, 0);
        QTest::newRow("Up at line 0 with row 1 does nothing") << 1 << 1 << up << 0 << 0 << stay(1);
        QTest::newRow("Up within the page: the list's") << 20 << 25 << up << 5 << 0 << stay(20);
        QTest::newRow("Right at line 15 scrolls one") << 20 << 35 << right << 15 << 0 << scroll(21, 15);
        QTest::newRow("Down to row 251 refills at 236") << 236 << 250 << down << 15 << 0 << scroll(236, 15);
        QTest::newRow("Down at line 15 with row 251 does nothing") << 236 << 251 << down << 15 << 0 << stay(236);
        QTest::newRow("Down, no line chosen") << 50 << 10 << down << -1 << 0 << stay(50);
        QTest::newRow("Shift+Up steps back an entry") << 20 << 20 << up << 0 << 1 << KeyStep{.topRow = 20, .entryStep = -1};
        QTest::newRow("Alt+Down steps on an entry") << 20 << 22 << down << 2 << 4 << KeyStep{.topRow = 20, .entryStep = 1};
        QTest::newRow("Backspace to Russian") << 20 << 25 << back << 5 << 0 << KeyStep{.topRow = 20, .language = Language::Russian, .keep = true};
        QTest::newRow("Backspace back to English") << 20 << 25 << back << 5 << 0 << KeyStep{.topRow = 20, .language = Language::English, .keep = true};
        QTest::newRow("F4 ends, the list gets the key") << 20 << 25 << int(ListKey::kF4) << 5 << 0 << KeyStep{.topRow = 20, .exit = true};
        QTest::newRow("another key is the list's") << 20 << 25 << int(ListKey::kOther) << 5 << 0 << stay(20);
        QTest::newRow("Ctrl+Tab opens the next tab's page") << 20 << 25 << tab << 5 << 2 << KeyStep{.topRow = 20, .keep = true, .pageStep = 1};
        QTest::newRow("Ctrl+Shift+Tab the previous one") << 20 << 25 << tab << 5 << 3 << KeyStep{.topRow = 20, .keep = true, .pageStep = -1};
        QTest::newRow("Tab alone is the list's") << 20 << 25 << tab << 5 << 0 << stay(20);
        QTest::newRow("Ctrl+Page Up still pages the list") << 20 << 20 << pgUp << 0 << 2 << scroll(4, 0);
        // clang-format on
    }
    void keys() {
        QFETCH(KeyStep, want);
        // The second Backspace row starts in Russian, every other row in English.
        const Language language = QByteArray(QTest::currentDataTag()).contains("back to")
                                      ? Language::Russian
                                      : Language::English;
        const KeyStep got =
            StepOfKey({.language = language, .topRow = In("top"), .selectedRow = In("selected")},
                      ListKey(In("key")), In("line"), In("shift"));
        QCOMPARE(std::tuple(got.topRow, got.refill, got.selectLine),
                 std::tuple(want.topRow, want.refill, want.selectLine));
        QCOMPARE(std::tuple(got.language, got.keep, got.entryStep),
                 std::tuple(want.language, want.keep, want.entryStep));
        QCOMPARE(std::pair(got.exit, got.pageStep), std::pair(want.exit, want.pageStep));
    }

    // The bars' clicks and their held timers' ticks (0: left button, one row; 1: right, 16),
    // and one row of the wheel (down for a negative turn), from `from` to `to`.
    void scrolls_data() {
        for (const char* column : {"rule", "from", "to"}) {
            QTest::addColumn<int>(column);
        }
        const int kUp = 0, kDown = 1, kUpTick0 = 2, kUpTick1 = 3, kDownTick0 = 4, kDownTick1 = 5,
                  kWheelDown = 6, kWheelUp = 7;
        // clang-format off
        QTest::newRow("UP click") << kUp << 10 << 9;
        QTest::newRow("UP click at 1") << kUp << 1 << 1;
        QTest::newRow("DOWN click") << kDown << 10 << 11;
        QTest::newRow("DOWN click at 236") << kDown << 236 << 236;
        QTest::newRow("UP tick 0 at 1") << kUpTick0 << 1 << 1;
        QTest::newRow("UP tick 1") << kUpTick1 << 20 << 4;
        QTest::newRow("UP tick 1 at 16") << kUpTick1 << 16 << 1;
        QTest::newRow("DOWN tick 0") << kDownTick0 << 10 << 11;
        QTest::newRow("DOWN tick 0 at 236") << kDownTick0 << 236 << 236;
        QTest::newRow("DOWN tick 1 near the bottom") << kDownTick1 << 230 << 236;
        QTest::newRow("wheel -1 down") << kWheelDown << 10 << 11;
        QTest::newRow("wheel 0 up") << kWheelUp << 10 << 9;
        // clang-format on
    }
    void scrolls() {
        using Rule = int (*)(int);
        const Rule rules[] = {ScrolledUp,
                              ScrolledDown,
                              [](int t) { return UpTick(t, 0); },
                              [](int t) { return UpTick(t, 1); },
                              [](int t) { return DownTick(t, 0); },
                              [](int t) { return DownTick(t, 1); },
                              [](int t) { return WheelStep(t, -1); },
                              [](int t) { return WheelStep(t, 0); }};
        QTEST(rules[In("rule")](In("from")), "to");
    }

    // The rows of one wheel event: |zDelta / 150| + 1, the division truncated.
    void wheelRows_data() {
        QTest::addColumn<int>("zDelta");
        QTest::addColumn<int>("rows");
        QTest::newRow("-149: one") << -149 << 1;
        QTest::newRow("-150: two") << -150 << 2;
        QTest::newRow("-300: three") << -300 << 3;
        QTest::newRow("0: one") << 0 << 1;
        QTest::newRow("100 notches") << 12000 << 81;
        QTest::newRow("the largest down") << -32768 << 219;
    }
    void wheelRows() { QTEST(WheelRows(In("zDelta")), "rows"); }

    // The thumb's track: row 1 at its top (525 twips), row 236 at its bottom (3030), the rows
    // between at their exact share (own: the row's exact place). Dragged to `twips`, its top
    // edge gives the nearest row, 1 above the track, 236 below it; halfway between two rows
    // goes to the even one.
    void thumbTrack_data() {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("own");
        QTest::newRow("first row") << 525.0 << 1 << true;
        QTest::newRow("second row") << 525 + 2505.0 / 235 << 2 << true;
        QTest::newRow("row 48, exactly a fifth") << 1026.0 << 48 << true;
        QTest::newRow("last first row") << 3030.0 << 236 << true;
        QTest::newRow("above the track") << 524.99 << 1 << false;
        QTest::newRow("below the track") << 3030.01 << 236 << false;
        QTest::newRow("between 24 and 25") << 775.5 << 24 << false;
        QTest::newRow("between 71 and 72") << 1276.5 << 72 << false;
        QTest::newRow("just past between 24 and 25") << 775.6 << 25 << false;
        QTest::newRow("just short of between 71 and 72") << 1276.4 << 71 << false;
    }
    void thumbTrack() {
        QFETCH(double, twips);
        QFETCH(int, row);
        QFETCH(bool, own);
        QCOMPARE(TopRowOfThumb(twips), row);
        QVERIFY(!own || ThumbTop(row) == twips);
        ThumbDrag drag;  // grabbed 75 twips below its top
        drag.grab(75);
        QCOMPARE(drag.topRowAt(twips + 75), row);
    }

    // A move panel's bar: segments (0), (1), (2), (3) lit ('x') for the value against the
    // bar's steps, and the number's Left (none while no segment is lit).
    void bar_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("steps");  // 0 power, 1 accuracy, 2 power points
        QTest::addColumn<QString>("lit");
        QTest::addColumn<int>("left");
        // clang-format off
        QTest::newRow("nothing lit at 0") << 0 << 0 << "...." << -1;
        QTest::newRow("power 1: the dark segment") << 1 << 0 << "..x." << 2760;
        QTest::newRow("power 51: the second step") << 51 << 0 << ".xx." << 2310;
        QTest::newRow("power 76: the third step") << 76 << 0 << "xxx." << 1860;
        QTest::newRow("power 101: the orange segment") << 101 << 0 << "xxxx" << 1410;
        QTest::newRow("the largest power") << INT_MAX << 0 << "xxxx" << 1410;
        QTest::newRow("the smallest power") << INT_MIN << 0 << "...." << -1;
        QTest::newRow("accuracy 75") << 75 << 1 << ".xx." << 2310;
        QTest::newRow("accuracy 101: no orange") << 101 << 1 << "xxx." << 1860;
        QTest::newRow("power points 16") << 16 << 2 << ".xx." << 2310;
        QTest::newRow("power points 31") << 31 << 2 << "xxx." << 1860;
        // clang-format on
    }
    void bar() {
        const std::span<const int> tables[] = {kPowerSteps, kAccuracySteps, kPowerPointsSteps};
        const BarLook look = LookOfBar(In("value"), tables[In("steps")]);
        QTEST(Flags(look.segment), "lit");
        QTEST(look.numberShown ? look.numberLeft : -1, "left");
    }

    // A statistic's segments (0), (1), (2) shown ('x') for its level.
    void statSegments_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("shown");
        QTest::newRow("level 0") << 0 << "...";
        QTest::newRow("level 1: the dark one") << 1 << "..x";
        QTest::newRow("level 2") << 2 << ".xx";
        QTest::newRow("level 3") << 3 << "xxx";
    }
    void statSegments() { QTEST(Flags(StatSegments(In("level"))), "shown"); }

    // The card's six marks, left to right: the entry each shows, -1 hidden. The entries with
    // an edition ('x'), `last` the last used one.
    void editionMarks_data() {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<int>("last");
        QTest::addColumn<Marks>("marks");
        QTest::newRow("one edition") << "x....." << 0 << Marks{-1, -1, -1, -1, -1, 0};
        QTest::newRow("three editions") << "xxx..." << 2 << Marks{-1, -1, -1, 0, 1, 2};
        QTest::newRow("all six") << "xxxxxx" << 5 << Marks{0, 1, 2, 3, 4, 5};
        QTest::newRow("an entry naming no edition") << "xx.x.." << 3 << Marks{-1, -1, 0, 1, -1, 3};
    }
    void editionMarks() {
        QFETCH(QString, marked);
        std::array<bool, 6> flags{};
        for (int i = 0; i < 6; ++i) {
            flags[i] = marked[i] == u'x';
        }
        QTEST(EditionMarkEntries(flags, In("last")), "marks");
    }

    // The evolution bar's cycle (b bright, m middle, d dark): the bright fill moves right.
    void barCycle_data() {
        QTest::addColumn<Fills>("fills");
        QTest::addColumn<Fills>("next");
        const std::uint32_t b = 0xB, m = 0x3, d = 0xD;
        QTest::newRow("b m d") << Fills{b, m, d} << Fills{d, b, m};
        QTest::newRow("d b m") << Fills{d, b, m} << Fills{m, d, b};
        QTest::newRow("m d b") << Fills{m, d, b} << Fills{b, m, d};
        QTest::newRow("alpha ignored") << Fills{0xFF00000B, m, d} << Fills{d, b, m};
    }
    void barCycle() {
        QFETCH(Fills, fills);
        QTEST(NextBarFills(fills, {0xB, 0x3, 0xD}), "next");
    }

    // Typing to find: keys come 100 ms apart; "." makes the next come after exactly the
    // interval (400 ms), "|" after a pause one millisecond longer.
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
        QTest::newRow("alphabetical: the rows of that order") << 2 << 0 << 1 << 1 << "б" << 52 << 52;
        QTest::newRow("digits: the species, passing 1 and 12") << 0 << 1 << 20 << 20 << "125" << 125 << 125;
        QTest::newRow("digits in the alphabetical order") << 2 << 0 << 1 << 1 << "125" << 127 << 112;
        QTest::newRow("a number beyond 251 changes nothing") << 0 << 1 << 1 << 1 << "252" << 25 << 25;
        QTest::newRow("zero changes nothing") << 0 << 1 << 20 << 25 << "0" << 25 << 20;
        QTest::newRow("digits then letters: the letters find nothing") << 0 << 1 << 1 << 1 << "12b" << 12 << 12;
        QTest::newRow("digits, a pause, letters") << 0 << 1 << 1 << 1 << "12|b" << 40 << 40;
        QTest::newRow("Russian: a Cyrillic start") << 0 << 0 << 1 << 1 << "бор" << 40 << 40;
        QTest::newRow("Russian: a Latin start finds nothing") << 0 << 0 << 1 << 1 << "b" << 1 << 1;
        QTest::newRow("Russian: ё finds a name written with Е") << 0 << 0 << 1 << 1 << "Ёл" << 41 << 41;
        // clang-format on
    }
    void typing() {
        constexpr int kInterval = 400;  // ms, the application's keyboard input interval
        QFETCH(QString, keys);
        int top = In("top"), selected = In("selected");
        TypedSearch search;
        qint64 now = 1000, gap = 100;
        for (const QChar key : keys) {
            if (key == u'.' || key == u'|') {
                gap = key == u'.' ? kInterval : kInterval + 1;
                continue;
            }
            now += gap;
            gap = 100;
            QVERIFY(IsSearchCharacter(key));
            search.type(QString(key), now, kInterval);
            const std::optional<int> row =
                FindTypedRow(*db_, Language(In("language")), Order(In("order")), selected,
                             search.text(), search.fresh());
            if (row) {  // as the window applies it: the line the list marks, the jump
                const int line =
                    selected >= top && selected - top < kListLines ? selected - top : -1;
                selected = *row;
                top = TopRowAfterJump(top, selected, line);
            }
        }
        QTEST(selected, "selectedRow");
        QTEST(top, "topRow");
    }
    // Where the window opens on a screen (`opens`), or where it goes after a zoom step changed
    // its size from its place `from`: centred, or moved just enough to lie on the screen; too
    // large, its top edge and close box stay on the screen.
    void placement_data() {
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("at");
        const QSize window(377, 349), twice(754, 698);
        const QRect big(0, 0, 1600, 1200);
        // clang-format off
        QTest::newRow("opens on 1024 x 768") << true << QRect(0, 0, 1024, 768) << QPoint() << window << QPoint(323, 209);
        QTest::newRow("opens on a second screen") << true << QRect(1024, 0, 800, 600) << QPoint() << window << QPoint(1235, 125);
        QTest::newRow("opens on 320 x 240") << true << QRect(0, 0, 320, 240) << QPoint() << window << QPoint(-57, 0);
        QTest::newRow("opens wide but low") << true << QRect(0, 0, 800, 300) << QPoint() << window << QPoint(211, 0);
        QTest::newRow("opens even, as large as the screen") << true << QRect(0, 0, 754, 698) << QPoint() << twice << QPoint(0, 0);
        QTest::newRow("resized with room: the corner stays") << false << big << QPoint(100, 50) << twice << QPoint(100, 50);
        QTest::newRow("resized past the right and bottom") << false << big << QPoint(1000, 700) << twice << QPoint(846, 502);
        QTest::newRow("resized left of the screen") << false << big << QPoint(-20, 10) << window << QPoint(0, 10);
        QTest::newRow("resized wider than the screen") << false << big << QPoint(30, 30) << QSize(1700, 600) << QPoint(-100, 30);
        // clang-format on
    }
    void placement() {
        QFETCH(bool, opens);
        QFETCH(QRect, screen);
        QFETCH(QPoint, from);
        QFETCH(QSize, window);
        QTEST(opens ? WindowPosition(screen, window) : ResizedPosition(screen, from, window), "at");
    }

    // Ctrl and the wheel: the zoom steps of each turn in turn.
    void zoomWheel_data() {
        QTest::addColumn<QList<int>>("turns");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("a notch a step") << QList{120, -120} << QList{1, -1};
        QTest::newRow("half notches add up") << QList{-60, -60} << QList{0, -1};
        QTest::newRow("three notches at once, the rest kept") << QList{400, 80} << QList{3, 1};
        QTest::newRow("the other way starts afresh") << QList{100, -60, -60} << QList{0, 0, -1};
        QTest::newRow("the rest keeps its way") << QList{-130, -110} << QList{-1, -1};
    }
    void zoomWheel() {
        QFETCH(QList<int>, turns);
        int sum = 0;
        QList<int> steps;
        for (int turn : turns) {
            steps << NotchesOfWheel(sum, turn);
        }
        QTEST(steps, "steps");
    }
};

QTEST_MAIN(TestBrowse)
#include "test_browse.moc"
