// The six detail pages through the real window over the synthetic test database, edited per
// case. Species s (number s + 1) of that database has stat levels 1 + (s + stat) % 3 (s = 249:
// all 4); 1 + s % 6 editions, entry e being edition (s + e) % 6 (the last two: "UNKNOWN");
// families of three for s < 90 (steps "LEVEL 10", then "LEVEL 20" with hold "AT NIGHT"), 90
// branching to 91 and 92, the rest alone; 1 + s % 12 level moves at levels 0, 5, 10, ...;
// s % 51 TMs ("TM1".., moves 0, 3, 6, ...) and s % 8 HMs ("HM1".., moves 200, 201, ...).
#include <QtTest>

#include "browse/pagerules.h"
#include "tests/support/fixture.h"

using namespace zentaloger;
using namespace zentaloger::testing;

namespace {

enum { kStatistics, kDescription, kEvolution, kMoves, kTm, kHm };
// Each page's elements, spelt as the design spells them: tab, the entries that step
// with the keys, the label that details the chosen entry, and for the move panels the cover,
// the type, the description and the numbers of the bars (power, accuracy, power points).
struct Page {
    const char *tab, *group;
    int count;
    const char *detail, *blank, *type, *description, *numbers[3];
};
// clang-format off
const Page kPages[] = {
    {"lblSTATISTICS", nullptr, 0, nullptr, nullptr, nullptr, nullptr, {}},
    {"lblDESCRIPTION", nullptr, 0, nullptr, nullptr, nullptr, nullptr, {}},
    {"lblEVOLUTION", "lblEVOLUTION_EVOLUTION", 5, "lblEVOLUTION_CONDITION", nullptr, nullptr, nullptr, {}},
    {"lblMOVES", "lblMOVES_MOVE", 12, "lblMOVES_TITLE", "shpMOVES_Null", "lblMOVES_TYPE",
     "lblMOVES_DESCRIPTION", {"lblMOVES_POWER", "lblMOVES_ACCURACY", "lblMOVES_PP"}},
    {"lblTM", "lblTM_TM", 50, "lblTM_TITLE", "shpTM_Null", "lblTM_TYPE", "lblTM_Description",
     {"lblTM_POWER", "lblTM_ACCURACY", "lblTM_PP"}},
    {"lblHM", "lblHM_HM", 7, "lblHM_Title", "shpHM_Null", "lblHM_Type", "lblHM_Description",
     {"lblHM_POWER", "lblHM_ACCURACY", "lblHM_PP"}}};
// clang-format on
const QColor kWhite(0xFFFFFF), kBlack(Qt::black);

// The entries of a page that show, or those chosen.
QList<int> Entries(const Window& w, int page, bool chosen = false, const char* group = nullptr) {
    QList<int> r;
    for (int i = 0; i < kPages[page].count; ++i) {
        const toolkit::Label* e = w.label(group ? group : kPages[page].group, i);
        if (chosen ? e->chosen() : !e->isHidden()) {
            r << i;
        }
    }
    return r;
}
QList<int> Range(int first, int end) {
    QList<int> r;
    for (int i = first; i < end; ++i) {
        r << i;
    }
    return r;
}
QString Caption(const Window& w, const char* name, int index = -1) {
    return w.label(name, index)->caption();
}
QString MoveName(const Window& w, int move) {
    return w.db->moves[move].moveName[w.view.language].toString();
}
// The move in slot k of a move page for a species; -1 for a free slot.
int MoveOf(const SpeciesRecord& s, int page, int k) {
    if (page == kMoves) {
        return s.levelMoveLevel[k] < 0 ? -1 : s.levelMoveMove[k];
    }
    return page == kTm ? s.tmMove[k] : s.hmMove[k];
}
// Slot k of a move page for species `number`: its move, and its level or machine label.
void SetSlot(std::vector<QString>& f, int page, int number, int k, int move, const QString& other) {
    const int field = page == kMoves ? LevelMoveField(number - 1, k)
                      : page == kTm  ? TmMoveField(number - 1, k)
                                     : HmMoveField(number - 1, k);
    f[field - 1] = QString::number(move);
    f[page == kMoves ? field : field - 2] = other;  // the level follows the move, a label leads
}
template <typename Table>
void AddRows(const Table& table) {
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(std::size(table)); ++i) {
        QTest::newRow(table[i].name) << i;
    }
}

// clang-format off
// The evolution page of one species, in English.
struct EvolutionRow {
    const char* name;
    int number;
    QList<int> steps;  // from, to of each shown entry
    int chosen;        // -1: the final form
    int left, right;   // the species in the pictures and names (0: none)
    QString condition, hold;
};
const EvolutionRow kEvolutionRows[] = {
    {"no steps", 100, {}, -1, 100, 0, "FINAL FORM", ""},
    {"middle stage", 2, {1, 2, 2, 3}, 1, 2, 3, "LEVEL 20", "AT NIGHT"},
    {"last of a chain", 3, {1, 2, 2, 3}, -1, 3, 0, "FINAL FORM", ""},
    {"branching, the first step", 91, {91, 92, 91, 93}, 0, 91, 92, "LEVEL 10", ""},
};

// A move page's entries for one species, after another species filled its panel.
struct EntriesRow {
    const char* name;
    int page, number;
    QList<int> shown;
    bool blank;  // the panel covered, and the chosen entry none
};
const EntriesRow kEntriesRows[] = {
    {"twelve level moves", kMoves, 12, Range(0, 12), false},
    {"one level move, at level 0", kMoves, 1, {0}, false},
    {"no level moves", kMoves, 5, {}, true},
    {"all 50 TMs", kTm, 51, Range(0, 50), false},
    {"a used slot without label leaves a gap", kTm, 30, Range(0, 5) + Range(6, 29), false},
    {"a label without move is hidden (and stepped onto)", kTm, 31, Range(0, 28) << 29, false},
    {"TM cell 0 empty, later cells shown: the panel stays blank", kTm, 32, Range(1, 31), true},
    {"all 7 HMs", kHm, 8, Range(0, 7), false},
    {"HM cell 0 without label", kHm, 7, Range(1, 6), true},
};
// clang-format on

}  // namespace

class TestPages : public QObject {
    Q_OBJECT

  private slots:
    // The statistics and the card's edition marks as their rules (tables in test_browse) give
    // them, probed in the grabbed window. Species 251: hit points at level 2 (speed at 1), one
    // edition ("UNKNOWN", in black); species 3: three editions on the three rightmost marks, and
    // its description in both languages.
    void statisticsAndMarks() {
        Window w;
        w.show(251);
        const QImage image = w.form->grab().toImage();
        QCOMPARE(image.pixelColor(176, 232), kWhite);  // frame (8, 224) + segment (0) of row 0
        QCOMPARE(image.pixelColor(200, 232), QColor(0x00C000));  // and its segment (1)
        QCOMPARE(image.pixelColor(244, 204), kBlack);            // the rightmost mark
        w.show(250);  // every stat at level 4, which draws as 3 and is read so
        QCOMPARE(w.label("lblSTATISTICS_SPEED")->spokenValue(), u"3 of 3"_qs);
        w.show(3);
        const auto& info = w.db->species[2].editionInfo;
        for (int m = 0; m < 6; ++m) {
            const toolkit::Label* mark = w.label("lblVERSION", m);
            QCOMPARE(mark->isHidden(), m < 3);
            QCOMPARE(mark->toolTip(), m < 3 ? mark->toolTip() : info[m - 3].toString());
        }
        // The description page shows the shown species' text in the window's language.
        for (int language : {0, 1}) {
            w.clickLabel("lblLANG", language);
            QCOMPARE(w.label("lblDESCRIPTION_DESCRIPTION")->caption(),
                     w.db->species[2].description[language].toString());
        }
    }

    void evolution_data() { AddRows(kEvolutionRows); }
    void evolution() {
        QFETCH(int, row);
        const EvolutionRow& want = kEvolutionRows[row];
        Window w;
        w.clickLabel("lblEVOLUTION");
        // The steps name their species as the numerical order does, whatever the list's order.
        w.clickOrder(2);
        w.show(2);  // a step with a hold, which a final form must clear
        w.show(want.number);
        QStringList captions, wantCaptions;
        for (int i : Entries(w, kEvolution)) {
            captions << Caption(w, "lblEVOLUTION_EVOLUTION", i);
        }
        for (int i = 0; i < want.steps.size(); i += 2) {
            wantCaptions << testdata::TestSpeciesName(want.steps[i] - 1, 1) + "   --->   " +
                                testdata::TestSpeciesName(want.steps[i + 1] - 1, 1);
        }
        QCOMPARE(captions, wantCaptions);
        QCOMPARE(Entries(w, kEvolution, true),
                 want.chosen < 0 ? QList<int>() : QList<int>{want.chosen});
        const auto* pictures = "imgEVOLUTION_ZENTARI";
        QCOMPARE(w.get<toolkit::Image>(pictures, 0)->pictureNumber(), 500 + want.left);
        QCOMPARE(w.get<toolkit::Image>(pictures, 1)->pictureNumber(),
                 want.right ? 500 + want.right : 0);
        QCOMPARE(Caption(w, "lblEVOLUTION_NAME", 0), LabelOf(want.left, 1));
        QCOMPARE(Caption(w, "lblEVOLUTION_NAME", 1),
                 want.right ? LabelOf(want.right, 1) : QString());
        QCOMPARE(Caption(w, "lblEVOLUTION_CONDITION"), want.condition);
        QCOMPARE(Caption(w, "lblEVOLUTION_HOLD"), want.hold);
        w.clickLabel("lblLANG", 0);
        QVERIFY(want.chosen >= 0 || Caption(w, "lblEVOLUTION_CONDITION") == u"КОНЕЧНАЯ ФОРМА"_qs);
    }

    // An entry clicked on each page changes the details only; a language switch keeps every
    // page's choice and details it in the new language.
    void choicesSurviveTheLanguage() {
        Window w;
        w.show(11);  // 2 steps (the second chosen), 11 level moves, 10 TMs, 2 HMs
        const std::pair<int, int> clicks[] = {{kEvolution, 0}, {kMoves, 2}, {kTm, 4}, {kHm, 1}};
        const auto rows = std::pair(w.view.topRow, w.view.selectedRow);
        for (const auto& [page, entry] : clicks) {
            w.clickLabel(kPages[page].tab);
            w.clickLabel(page == kMoves ? "lblMOVES_LEVEL" : kPages[page].group, entry);
        }
        QCOMPARE(std::pair(w.view.topRow, w.view.selectedRow), rows);
        QCOMPARE(w.shownNumber(), 11);
        w.clickLabel("lblLANG", 0);
        const SpeciesRecord& s = w.db->species[10];
        for (const auto& [page, entry] : clicks) {
            QCOMPARE(Entries(w, page, true), QList<int>{entry});
            QCOMPARE(Caption(w, kPages[page].detail),
                     page == kEvolution ? s.evolutionCondition[entry][0].toString()
                                        : MoveName(w, MoveOf(s, page, entry)));
        }
        QCOMPARE(Caption(w, "lblMOVES_MOVE", 2), MoveName(w, s.levelMoveMove[2]));
        QCOMPARE(Caption(w, "lblTM_POWER", 0), u"СИЛА   АТАКИ"_qs);
    }

    // The evolution bar's timer runs from the start, whatever page is open; each tick applies
    // the cycle's rule (its table: test_browse), and the grabbed window shows it. A click on a
    // small picture brings its species to the card and the list where the jump's rule (its
    // table: test_browse) puts it: species 22 on the third line starts the step 22 -> 23, which
    // keeps that line.
    void barAndJump() {
        Window w;
        auto* timer = w.get<toolkit::Timer>("tEVOLUTION");
        QVERIFY(timer->enabled());
        timer->tick();
        w.clickLabel("lblEVOLUTION");
        const QImage image = w.form->grab().toImage();
        const QColor want[] = {0x008000, 0x00FF00, 0x00C000};
        for (int i = 0; i < 3; ++i) {  // frame (8, 224) + segment (80 + 30 i, 30)
            QCOMPARE(image.pixelColor(102 + 30 * i, 258), want[i]);
        }
        w.show(22);
        w.scrollTo(20);
        QTest::mouseClick(w.get<toolkit::Image>("imgEVOLUTION_ZENTARI", 1), Qt::LeftButton);
        QCOMPARE(std::pair(w.view.topRow, w.list()->listIndex()), std::pair(21, 2));
        QCOMPARE(w.shownNumber(), 23);
    }

    // Each panel shows its move (moves 100, 101, 102 on the moves, TM and HM pages of species
    // 20): the captions, and each bar's segments and number as the bar's rule (its table:
    // test_browse) gives them; the orange segment probed in the window.
    void panel() {
        const std::array<int, 3> values[] = {{0, 0, 0}, {51, 76, 1}, {101, 100, 40}};
        Window w([&values](std::vector<QString>& f) {
            for (int i = 0; i < 3; ++i) {
                for (int b = 0; b < 3; ++b) {
                    f[MoveField(100 + i, 7 + b) - 1] = QString::number(values[i][b]);
                }
                SetSlot(f, kMoves + i, 20, 0, 100 + i, i == 0 ? "1" : "M1");
            }
        });
        w.show(20);
        const std::span<const int> steps[] = {kPowerSteps, kAccuracySteps, kPowerPointsSteps};
        for (int i = 0; i < 3; ++i) {
            const Page& p = kPages[kMoves + i];
            w.clickLabel(p.tab);
            const MoveRecord& m = w.db->moves[100 + i];
            QCOMPARE(Caption(w, p.detail), m.moveName[1].toString());
            QCOMPARE(Caption(w, p.type), m.moveType[1].toString());
            QCOMPARE(Caption(w, p.description), m.moveDescription[1].toString());
            for (int b = 0; b < 3; ++b) {
                const BarLook look = LookOfBar(values[i][b], steps[b]);
                const toolkit::Label* number = w.label(p.numbers[b], 1);
                QCOMPARE(number->caption(), QString::number(values[i][b]));
                QCOMPARE(std::pair(number->isHidden(), number->left()),
                         std::pair(!look.numberShown, look.numberLeft));
                const QByteArray bar = "shp" + QByteArray(p.numbers[b]).mid(3);
                for (int k = 0; k < (b == 0 ? 4 : 3); ++k) {
                    QCOMPARE(w.get<toolkit::Shape>(bar.constData(), k)->isHidden(),
                             !look.segment[k]);
                }
            }
            // Segment (3) of power: Left 1860 twips in the frame at (8, 224).
            QCOMPARE(w.form->grab().toImage().pixelColor(8 + 124, 224 + 20),
                     i == 2 ? QColor(0xFF8000) : kWhite);
        }
    }

    void moveEntries_data() { AddRows(kEntriesRows); }
    void moveEntries() {
        QFETCH(int, row);
        const EntriesRow& want = kEntriesRows[row];
        const int page = want.page;
        const Page& p = kPages[page];
        Window w([](std::vector<QString>& f) {
            for (int k = 0; k < kLevelMoveSlots; ++k) {
                SetSlot(f, kMoves, 5, k, -1, "-1");
            }
            SetSlot(f, kTm, 30, 5, 15, "");
            SetSlot(f, kTm, 31, 28, -1, "TM29");
            SetSlot(f, kTm, 32, 0, 0, "");
            SetSlot(f, kHm, 7, 0, 200, "");
        });
        w.show(2);  // one level move, TM and HM: each panel shows a move before the case
        w.clickLabel(p.tab);
        const QString before = Caption(w, p.detail);
        w.show(want.number);
        const SpeciesRecord& s = w.db->species[want.number - 1];
        QCOMPARE(Entries(w, page), want.shown);
        for (int k = 0; k < p.count; ++k) {
            const int move = MoveOf(s, page, k);
            QCOMPARE(Caption(w, p.group, k), move < 0         ? QString()
                                             : page == kMoves ? MoveName(w, move)
                                             : page == kTm    ? s.tmLabel[k].toString()
                                                              : s.hmLabel[k].toString());
            QVERIFY(page != kMoves || Caption(w, "lblMOVES_LEVEL", k) ==
                                          (move < 0 ? QString() : QString::number(5 * k)));
        }
        QCOMPARE(!w.get<toolkit::Shape>(p.blank)->isHidden(), want.blank);
        QCOMPARE(Entries(w, page, true), want.blank ? QList<int>() : QList<int>{0});
        QCOMPARE(Caption(w, p.detail), want.blank ? before : MoveName(w, MoveOf(s, page, 0)));
        if (want.blank) {  // the cover, white inside its border, over the panel
            const QImage image = w.form->grab().toImage();
            for (const QPoint q : {QPoint(18, 230), QPoint(132, 244), QPoint(222, 244)}) {
                QCOMPARE(image.pixelColor(q), kWhite);
            }
            QCOMPARE(image.pixelColor(8, 254), kBlack);
        }
        if (want.shown.isEmpty()) {
            return;
        }
        const int last = want.shown.last(), back = std::max(last - 1, 0);
        w.clickLabel(page == kMoves ? "lblMOVES_LEVEL" : p.group, last);
        QCOMPARE(Entries(w, page, true), QList<int>{last});
        // (That the panel shows the chosen move and both cells of a row are chosen together the
        // random session checks.) The keys step on only to a shown entry, back to any (but not
        // on from a hidden one); a slot without a move is chosen, the panel keeps its move.
        for (const int step : w.label(p.group, back)->isHidden() ? QList{1, -1} : QList{1, -1, 1}) {
            QVERIFY(w.pages.stepEntry(step));
            const int chosen = step < 0 ? back : last, move = MoveOf(s, page, chosen);
            QCOMPARE(Entries(w, page, true), QList<int>{chosen});
            QCOMPARE(Caption(w, p.detail), MoveName(w, move < 0 ? MoveOf(s, page, last) : move));
        }
    }
};

QTEST_MAIN(TestPages)
#include "test_pages.moc"
