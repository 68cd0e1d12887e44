// The moves, TM and HM pages and their move panels through the real window over the synthetic
// test database, edited per case: which entries show, which one is chosen, what each panel
// shows, and what the grabbed window draws.
//
// In the unedited test database species s (number s + 1) has 1 + s % 12 level moves with
// levels 0, 5, 10, ..., s % 51 TMs ("TM1".., teaching moves 0, 3, 6, ...) and s % 8 HMs
// ("HM1".., teaching moves 200, 201, ...); numerical row r holds species r.
#include <QtTest>
#include <functional>
#include <memory>

#include "detailpages.h"
#include "form.h"
#include "layout.h"
#include "movepanel.h"
#include "testdata.h"
#include "writer.h"

using namespace zentaloger;
using toolkit::Label;

namespace {

// The test database's fields, with setters for the slots and moves the cases edit.
struct Fields {
    std::vector<QString> f = testdata::TestDatabaseFields();
    QString& at(int field) { return f[field - 1]; }
    void levelMove(int number, int k, int move, int level) {
        at(LevelMoveField(number - 1, k)) = QString::number(move);
        at(LevelMoveField(number - 1, k) + 1) = QString::number(level);
    }
    void noLevelMoves(int number) {
        for (int k = 0; k < kLevelMoveSlots; ++k) {
            levelMove(number, k, -1, -1);
        }
    }
    void tm(int number, int k, const QString& label, int move) {
        at(TmMoveField(number - 1, k) - 1) = label;
        at(TmMoveField(number - 1, k)) = QString::number(move);
    }
    void hm(int number, int k, const QString& label, int move) {
        at(HmMoveField(number - 1, k) - 1) = label;
        at(HmMoveField(number - 1, k)) = QString::number(move);
    }
    void bars(int move, int power, int accuracy, int powerPoints) {
        at(MoveField(move, 7)) = QString::number(power);
        at(MoveField(move, 8)) = QString::number(accuracy);
        at(MoveField(move, 9)) = QString::number(powerPoints);
    }
};
using Edit = std::function<void(Fields&)>;

bool Chosen(const Label* entry) {
    return entry->foreColor() == QColor(Qt::black) && entry->backColor() == QColor(0xFFFF00);
}
bool Idle(const Label* entry) {
    return entry->foreColor() == QColor(0xFFFFFF) && entry->backColor() == QColor(0x800000);
}

// The form with the viewer's pages over the (edited) test database, loaded and shown.
struct Window {
    std::unique_ptr<Database> db;
    ViewState view;
    std::unique_ptr<pages::DetailPages> pages;
    std::unique_ptr<Form> form;

    explicit Window(const Edit& edit = {}) {
        Fields fields;
        if (edit) {
            edit(fields);
        }
        db = LoadDatabase(EncodeResource(fields.f));
        pages = std::make_unique<pages::DetailPages>(*db, view);
        form = std::make_unique<Form>(*db, view, *pages);
        form->Load();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) {
            qWarning("the test window was not exposed");
        }
    }

    Label* label(const char* name, int index = -1) const {
        return form->element<Label>(name, index);
    }
    toolkit::Shape* shape(const char* name, int index = -1) const {
        return form->element<toolkit::Shape>(name, index);
    }
    void click(const char* name, int index = -1) const {
        QWidget* w = label(name, index);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    // Species `number` through the list, as scrolling to it and marking it does.
    void show(int number) {
        view.selectedRow = number;
        view.topRow = ClampTopRow(number);
        form->RefillList(false);
    }
    QString moveName(int move) const { return db->moves[move].moveName[view.language].toString(); }
    // The indices of the visible entries of a group of `count`.
    QList<int> shown(const char* name, int count) const {
        QList<int> indices;
        for (int i = 0; i < count; ++i) {
            if (label(name, i)->isVisible()) {
                indices << i;
            }
        }
        return indices;
    }
    QList<int> chosen(const char* name, int count) const {
        QList<int> indices;
        for (int i = 0; i < count; ++i) {
            if (Chosen(label(name, i))) {
                indices << i;
            } else if (!Idle(label(name, i))) {
                indices << -1 - i;  // neither look: shows as a negative index
            }
        }
        return indices;
    }
};

QList<int> Range(int first, int count) {
    QList<int> r;
    for (int i = first; i < first + count; ++i) {
        r << i;
    }
    return r;
}

// The bars' table: one move per row, its value in the row's bar; the others hold 0.
struct BarRow {
    const char* name;
    int bar;  // 0 power, 1 accuracy, 2 power points
    int value;
    const char* lit;  // segments (3), (0), (1), (2), left to right: '#' lit
    bool numberShown;
    int numberLeft;
};
constexpr BarRow kBarRows[] = {
    {"power -1", 0, -1, "....", false, 2760},
    {"power 0", 0, 0, "....", false, 2760},
    {"power 1", 0, 1, "...#", true, 2760},
    {"power 50", 0, 50, "...#", true, 2760},
    {"power 51", 0, 51, "..##", true, 2310},
    {"power 75", 0, 75, "..##", true, 2310},
    {"power 76", 0, 76, ".###", true, 1860},
    {"power 100", 0, 100, ".###", true, 1860},
    {"power 101", 0, 101, "####", true, 1410},
    {"power 250", 0, 250, "####", true, 1410},
    {"power, the largest 32-bit value", 0, 2147483647, "####", true, 1410},
    {"power, the smallest 32-bit value", 0, -2147483647 - 1, "....", false, 2760},
    {"accuracy 0", 1, 0, "....", false, 2760},
    {"accuracy 50", 1, 50, "...#", true, 2760},
    {"accuracy 51", 1, 51, "..##", true, 2310},
    {"accuracy 75", 1, 75, "..##", true, 2310},
    {"accuracy 76", 1, 76, ".###", true, 1860},
    {"accuracy 100", 1, 100, ".###", true, 1860},
    {"power points 0", 2, 0, "....", false, 2760},
    {"power points 15", 2, 15, "...#", true, 2760},
    {"power points 16", 2, 16, "..##", true, 2310},
    {"power points 30", 2, 30, "..##", true, 2310},
    {"power points 31", 2, 31, ".###", true, 1860},
    {"power points 40", 2, 40, ".###", true, 1860},
};
constexpr int kBarMove = 100;  // the first move of the bars' table

// Each panel's elements by role, spelt as the design spells them, independently of the code.
struct SetNames {
    const char* title;
    const char* type;
    const char* power;
    const char* powerBar;
    const char* accuracy;
    const char* accuracyBar;
    const char* powerPoints;
    const char* powerPointsBar;
    const char* description;
    const char* blank;
    const char* background;
    const char* titleBox;
    const char* descriptionBox;
};
const SetNames kSets[] = {
    {"lblMOVES_TITLE", "lblMOVES_TYPE", "lblMOVES_POWER", "shpMOVES_POWER", "lblMOVES_ACCURACY",
     "shpMOVES_ACCURACY", "lblMOVES_PP", "shpMOVES_PP", "lblMOVES_DESCRIPTION", "shpMOVES_Null",
     "shpMOVES", "shpMOVES_TITLE", "shpMOVES_DESCRIPTION"},
    {"lblTM_TITLE", "lblTM_TYPE", "lblTM_POWER", "shpTM_POWER", "lblTM_ACCURACY", "shpTM_ACCURACY",
     "lblTM_PP", "shpTM_PP", "lblTM_Description", "shpTM_Null", "shpTM", "shpTM_TITLE",
     "shpTM_Description"},
    {"lblHM_Title", "lblHM_Type", "lblHM_POWER", "shpHM_POWER", "lblHM_ACCURACY", "shpHM_ACCURACY",
     "lblHM_PP", "shpHM_PP", "lblHM_Description", "shpHM_Null", "shpHM", "shpHM_Title",
     "shpHM_Description"},
};

}  // namespace

class TestMovePages : public QObject {
    Q_OBJECT

    std::unique_ptr<Window> bars_;

  private slots:
    void initTestCase() {
        bars_ = std::make_unique<Window>([](Fields& f) {
            for (int i = 0; i < static_cast<int>(std::size(kBarRows)); ++i) {
                int values[3] = {0, 0, 0};
                values[kBarRows[i].bar] = kBarRows[i].value;
                f.bars(kBarMove + i, values[0], values[1], values[2]);
            }
        });
    }
    void cleanupTestCase() { bars_.reset(); }

    // Each bar for one value: the pure rule, and the MOVES panel's elements after the panel
    // showed a move with that value.
    void bars_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < static_cast<int>(std::size(kBarRows)); ++i) {
            QTest::newRow(kBarRows[i].name) << i;
        }
    }
    void bars() {
        QFETCH(int, row);
        const BarRow& expected = kBarRows[row];
        static const std::span<const int> kSteps[] = {pages::kPowerSteps, pages::kAccuracySteps,
                                                      pages::kPowerPointsSteps};
        // Left to right on the screen: segment (3), (0), (1), (2).
        constexpr int kLeftToRight[] = {3, 0, 1, 2};
        const pages::BarLook look = pages::LookOfBar(expected.value, kSteps[expected.bar]);
        QString lit;
        for (int i : kLeftToRight) {
            lit += look.segment[i] ? u'#' : u'.';
        }
        QCOMPARE(lit, QString::fromLatin1(expected.lit));
        QCOMPARE(look.numberShown, expected.numberShown);
        QCOMPARE(look.numberLeft, expected.numberLeft);

        pages::MovePanel panel;
        panel.attach(bars_->form->elements(), pages::kMovesPanel);
        panel.ShowMovePanel(*bars_->db, 1, kBarMove + row);
        const char* numbers[] = {"lblMOVES_POWER", "lblMOVES_ACCURACY", "lblMOVES_PP"};
        const char* segments[] = {"shpMOVES_POWER", "shpMOVES_ACCURACY", "shpMOVES_PP"};
        QString shown;
        for (int i : kLeftToRight) {
            const bool exists = i < 3 || expected.bar == 0;
            shown += exists && !bars_->shape(segments[expected.bar], i)->isHidden() ? u'#' : u'.';
        }
        QCOMPARE(shown, QString::fromLatin1(expected.lit));
        const Label* number = bars_->label(numbers[expected.bar], 1);
        QCOMPARE(!number->isHidden(), expected.numberShown);
        QCOMPARE(number->left(), expected.numberLeft);
        QCOMPARE(number->caption(), QString::number(expected.value));
        // Only the Left moves.
        const int kTops[] = {210, 390, 570};
        QCOMPARE(number->top(), kTops[expected.bar]);
    }

    // Each set through its own elements: species 10 has move 120 in its first level row, TM
    // and HM slot, species 20 move 121; a misspelt name in one set shows the wrong move or
    // none.
    void everySetShowsItsMove_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("tab");
        QTest::newRow("moves") << 0 << "lblMOVES";
        QTest::newRow("TM") << 1 << "lblTM";
        QTest::newRow("HM") << 2 << "lblHM";
    }
    void everySetShowsItsMove() {
        QFETCH(int, set);
        QFETCH(QString, tab);
        Window w([](Fields& f) {
            f.bars(120, 101, 76, 16);
            f.bars(121, 0, 51, 31);
            for (const auto& [number, move] : {std::pair{10, 120}, std::pair{20, 121}}) {
                f.levelMove(number, 0, move, 3);
                f.tm(number, 0, QStringLiteral("TM7"), move);
                f.hm(number, 0, QStringLiteral("HM2"), move);
            }
        });
        const SetNames& n = kSets[set];
        w.click(tab.toLatin1().constData());
        QCOMPARE(w.form->findChild<QWidget*>(n.background)->isVisible(), true);
        QVERIFY(w.form->findChild<QWidget*>(n.titleBox));
        QVERIFY(w.form->findChild<QWidget*>(n.descriptionBox));
        struct Case {
            int number, move;
            QString power, accuracy, powerPoints;  // the lit segments by index (0..3)
            int powerLeft, accuracyLeft, powerPointsLeft;
        };
        for (const Case& c : {Case{10, 120, "0123", "012", "12", 1410, 1860, 2310},
                              Case{20, 121, "", "12", "012", 2760, 2310, 1860}}) {
            w.show(c.number);
            const MoveRecord& m = w.db->moves[c.move];
            QCOMPARE(w.label(n.title)->caption(), m.moveName[1].toString());
            QCOMPARE(w.label(n.type)->caption(), m.moveType[1].toString());
            QCOMPARE(w.label(n.description)->caption(), m.moveDescription[1].toString());
            QVERIFY(!w.shape(n.blank)->isVisible());
            const struct {
                const char* number;
                const char* bar;
                int count;
                int value;
                QString lit;
                int left;
            } bars[] = {{n.power, n.powerBar, 4, m.movePower, c.power, c.powerLeft},
                        {n.accuracy, n.accuracyBar, 3, m.moveAccuracy, c.accuracy, c.accuracyLeft},
                        {n.powerPoints, n.powerPointsBar, 3, m.movePowerPoints, c.powerPoints,
                         c.powerPointsLeft}};
            for (const auto& bar : bars) {
                QString lit;
                for (int i = 0; i < bar.count; ++i) {
                    if (w.shape(bar.bar, i)->isVisible()) {
                        lit += QString::number(i);
                    }
                }
                QCOMPARE(lit, bar.lit);
                QCOMPARE(w.label(bar.number, 1)->caption(), QString::number(bar.value));
                QCOMPARE(w.label(bar.number, 1)->isVisible(), bar.value > 0);
                QCOMPARE(w.label(bar.number, 1)->left(), bar.left);
            }
        }
    }

    // The level rows of a species shown while the moves page is open: how many show, their
    // captions, the chosen row and the panel.
    void levelRows_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("rows");
        QTest::newRow("twelve rows") << 12 << 12;
        QTest::newRow("three rows from the top") << 3 << 3;
        QTest::newRow("one row, at level 0") << 1 << 1;
        QTest::newRow("no level moves") << 5 << 0;
    }
    void levelRows() {
        QFETCH(int, number);
        QFETCH(int, rows);
        Window w([](Fields& f) { f.noLevelMoves(5); });
        w.show(2);
        w.click("lblMOVES");
        const QString before = w.label("lblMOVES_TITLE")->caption();
        w.show(number);
        QCOMPARE(w.shown("lblMOVES_LEVEL", 12), Range(0, rows));
        QCOMPARE(w.shown("lblMOVES_MOVE", 12), Range(0, rows));
        const SpeciesRecord& species = w.db->species[number - 1];
        for (int k = 0; k < rows; ++k) {
            QCOMPARE(w.label("lblMOVES_LEVEL", k)->caption(), QString::number(5 * k));
            QCOMPARE(w.label("lblMOVES_MOVE", k)->caption(), w.moveName(species.levelMoveMove[k]));
        }
        for (int k = rows; k < 12; ++k) {
            QCOMPARE(w.label("lblMOVES_LEVEL", k)->caption(), QString());
            QCOMPARE(w.label("lblMOVES_MOVE", k)->caption(), QString());
        }
        QCOMPARE(w.chosen("lblMOVES_LEVEL", 12), rows ? QList<int>{0} : QList<int>{});
        QCOMPARE(w.chosen("lblMOVES_MOVE", 12), rows ? QList<int>{0} : QList<int>{});
        QCOMPARE(w.shape("shpMOVES_Null")->isVisible(), rows == 0);
        // Without rows the old panel stays under the cover.
        QCOMPARE(w.label("lblMOVES_TITLE")->caption(),
                 rows ? w.moveName(species.levelMoveMove[0]) : before);
    }

    // Either cell of a row chooses the row; the panel shows its move.
    void clickEitherCell_data() {
        QTest::addColumn<QString>("cell");
        QTest::newRow("level cell") << "lblMOVES_LEVEL";
        QTest::newRow("move cell") << "lblMOVES_MOVE";
    }
    void clickEitherCell() {
        QFETCH(QString, cell);
        Window w;
        w.show(12);
        w.click("lblMOVES");
        w.click(cell.toLatin1().constData(), 7);
        QCOMPARE(w.chosen("lblMOVES_LEVEL", 12), QList<int>{7});
        QCOMPARE(w.chosen("lblMOVES_MOVE", 12), QList<int>{7});
        const int move = w.db->species[11].levelMoveMove[7];
        QCOMPARE(w.label("lblMOVES_TITLE")->caption(), w.moveName(move));
        QCOMPARE(w.label("lblMOVES_POWER", 1)->caption(),
                 QString::number(w.db->moves[move].movePower));
    }

    // A species shown while another page is open: the closed page's entries stay hidden, and
    // it opens filled, with its first entry chosen and shown.
    void speciesChangedWhileClosed_data() {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("title");
        QTest::newRow("moves") << "lblMOVES"
                               << "lblMOVES_MOVE" << 12 << "lblMOVES_TITLE";
        QTest::newRow("TM") << "lblTM"
                            << "lblTM_TM" << 50 << "lblTM_TITLE";
        QTest::newRow("HM") << "lblHM"
                            << "lblHM_HM" << 7 << "lblHM_Title";
    }
    void speciesChangedWhileClosed() {
        QFETCH(QString, tab);
        QFETCH(QString, entries);
        QFETCH(int, count);
        QFETCH(QString, title);
        const QByteArray group = entries.toLatin1();
        Window w;
        w.show(4);
        w.click(tab.toLatin1().constData());
        w.click(group.constData(), 2);
        w.click("lblDESCRIPTION");
        w.show(15);  // 3 level moves, 14 TMs, 6 HMs
        QCOMPARE(w.shown(group.constData(), count), QList<int>{});
        w.click(tab.toLatin1().constData());
        const SpeciesRecord& species = w.db->species[14];
        const int rows = count == 12 ? 3 : count == 50 ? 14 : 6;
        QCOMPARE(w.shown(group.constData(), count), Range(0, rows));
        QCOMPARE(w.chosen(group.constData(), count), QList<int>{0});
        const int move = count == 12   ? species.levelMoveMove[0]
                         : count == 50 ? species.tmMove[0]
                                       : species.hmMove[0];
        QCOMPARE(w.label(title.toLatin1().constData())->caption(), w.moveName(move));
    }

    // The TM and HM cells of a species, with the TM page or the HM page open.
    void machineCells_data() {
        QTest::addColumn<bool>("tm");
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<bool>("blank");
        QTest::newRow("no TM") << true << 1 << QList<int>{} << true;
        QTest::newRow("all 50 TMs") << true << 51 << Range(0, 50) << false;
        QTest::newRow("13 TMs: first column and the top of the second")
            << true << 14 << Range(0, 13) << false;
        QTest::newRow("a used slot without label leaves a gap")
            << true << 30 << (Range(0, 5) + Range(6, 23)) << false;
        QTest::newRow("a label without move is hidden")
            << true << 31 << (Range(0, 7) + Range(8, 22)) << false;
        QTest::newRow("cell 0 empty, later cells shown: the panel stays blank")
            << true << 32 << Range(1, 30) << true;
        QTest::newRow("no HM") << false << 9 << QList<int>{} << true;
        QTest::newRow("all 7 HMs") << false << 8 << Range(0, 7) << false;
        QTest::newRow("HM cell 0 without label") << false << 7 << Range(1, 5) << true;
    }
    void machineCells() {
        QFETCH(bool, tm);
        QFETCH(int, number);
        QFETCH(QList<int>, shown);
        QFETCH(bool, blank);
        Window w([](Fields& f) {
            f.tm(30, 5, QString(), 15);
            f.tm(31, 7, QStringLiteral("TM8"), -1);
            f.tm(32, 0, QString(), 0);
            f.hm(7, 0, QString(), 200);
        });
        const char* group = tm ? "lblTM_TM" : "lblHM_HM";
        const int count = tm ? 50 : 7;
        w.show(2);  // one TM, one HM: their panels show a move before the case's species
        w.click(tm ? "lblTM" : "lblHM");
        const char* title = tm ? "lblTM_TITLE" : "lblHM_Title";
        const QString before = w.label(title)->caption();
        QVERIFY(!before.isEmpty());
        w.show(number);
        QCOMPARE(w.shown(group, count), shown);
        const SpeciesRecord& species = w.db->species[number - 1];
        for (int k = 0; k < count; ++k) {
            const Number move = tm ? species.tmMove[k] : species.hmMove[k];
            const Text label = tm ? species.tmLabel[k] : species.hmLabel[k];
            QCOMPARE(w.label(group, k)->caption(), move < 0 ? QString() : label.toString());
        }
        QCOMPARE(w.shape(tm ? "shpTM_Null" : "shpHM_Null")->isVisible(), blank);
        QCOMPARE(w.chosen(group, count), blank ? QList<int>{} : QList<int>{0});
        QCOMPARE(w.label(title)->caption(),
                 blank ? before : w.moveName(tm ? species.tmMove[0] : species.hmMove[0]));
        if (!shown.isEmpty()) {
            // A click on the last cell chooses it; a blank panel stays blank.
            w.click(group, shown.last());
            QCOMPARE(w.chosen(group, count), QList<int>{shown.last()});
            QCOMPARE(w.shape(tm ? "shpTM_Null" : "shpHM_Null")->isVisible(), blank);
            const int move = tm ? species.tmMove[shown.last()] : species.hmMove[shown.last()];
            QCOMPARE(w.label(title)->caption(), w.moveName(move));
        }
        if (number == 14) {
            QCOMPARE(w.label(group, 12)->pos(), QPoint(83, 32));
        }
    }

    // Stepping back from a cell with the keyboard may land on a hidden slot that names a
    // machine but no move: it is chosen, and the panel keeps the move it showed rather than
    // reading a move before the first.
    void steppingOntoASlotWithoutMove() {
        Window w([](Fields& f) { f.tm(31, 7, QStringLiteral("TM8"), -1); });
        w.show(31);
        w.click("lblTM");
        w.click("lblTM_TM", 8);
        const QString shown = w.label("lblTM_TITLE")->caption();
        QVERIFY(w.pages->stepEntry(-1));
        QCOMPARE(w.chosen("lblTM_TM", 50), QList<int>{7});
        QCOMPARE(w.label("lblTM_TITLE")->caption(), shown);
    }

    // The cell captions do not follow the language; a switch keeps every chosen entry and
    // shows its move in the new language.
    void languageSwitchKeepsTheChosenEntries() {
        Window w;
        w.show(11);  // 11 level moves, 10 TMs, 2 HMs
        w.click("lblTM");
        w.click("lblTM_TM", 4);
        w.click("lblMOVES");
        w.click("lblMOVES_LEVEL", 2);
        w.click("lblHM");
        w.click("lblHM_HM", 1);
        const QString tmCaption = w.label("lblTM_TM", 4)->caption();
        w.click("lblLANG", 0);
        QCOMPARE(w.view.language, 0);
        QCOMPARE(w.chosen("lblMOVES_LEVEL", 12), QList<int>{2});
        QCOMPARE(w.chosen("lblMOVES_MOVE", 12), QList<int>{2});
        QCOMPARE(w.chosen("lblTM_TM", 50), QList<int>{4});
        QCOMPARE(w.chosen("lblHM_HM", 7), QList<int>{1});
        const SpeciesRecord& species = w.db->species[10];
        const struct {
            const char* title;
            const char* description;
            const char* power;
            int move;
        } panels[] = {
            {"lblMOVES_TITLE", "lblMOVES_DESCRIPTION", "lblMOVES_POWER", species.levelMoveMove[2]},
            {"lblTM_TITLE", "lblTM_Description", "lblTM_POWER", species.tmMove[4]},
            {"lblHM_Title", "lblHM_Description", "lblHM_POWER", species.hmMove[1]},
        };
        for (const auto& p : panels) {
            QCOMPARE(w.label(p.title)->caption(), w.db->moves[p.move].moveName[0].toString());
            QCOMPARE(w.label(p.description)->caption(),
                     w.db->moves[p.move].moveDescription[0].toString());
            QCOMPARE(w.label(p.power, 0)->caption(), QStringLiteral("СИЛА   АТАКИ"));
        }
        QCOMPARE(w.label("lblMOVES_MOVE", 2)->caption(),
                 w.db->moves[species.levelMoveMove[2]].moveName[0].toString());
        QCOMPARE(w.label("lblTM_TM", 4)->caption(), tmCaption);
        QCOMPARE(w.shown("lblHM_HM", 7), QList<int>({0, 1}));
    }

    // The grabbed window: the panel's segments at their Left edges, the orange one, the
    // number's right edge, and the blank cover.
    void panelPixels() {
        Window w([](Fields& f) {
            f.bars(130, 101, 76, 16);
            f.levelMove(40, 0, 130, 1);
            f.noLevelMoves(41);
        });
        w.show(40);
        w.click("lblMOVES");
        QImage image = w.form->grab().toImage();
        // The frame's origin in the window: Left 120, Top 3360 twips.
        const QPoint frame(8, 224);
        auto at = [&](int x, int y) { return image.pixelColor(frame + QPoint(x, y)); };
        const int power = 16 + 4, accuracy = 28 + 4, powerPoints = 40 + 4;  // the bars' rows
        QCOMPARE(at(124, power), QColor(0xFF8000));                         // (3) at 1860
        QCOMPARE(at(123, power), QColor(0xFFFFFF));
        QCOMPARE(at(154, power), QColor(0x00FF00));     // (0) at 2310
        QCOMPARE(at(153, power), QColor(0xFFFFFF));     // the 1-px gap before it
        QCOMPARE(at(184, power), QColor(0x00C000));     // (1) at 2760
        QCOMPARE(at(214, power), QColor(0x008000));     // (2) at 3210
        QCOMPARE(at(124, accuracy), QColor(0xFFFFFF));  // no orange on the other bars
        QCOMPARE(at(154, accuracy), QColor(0x00FF00));
        QCOMPARE(at(154, powerPoints), QColor(0xFFFFFF));
        QCOMPARE(at(184, powerPoints), QColor(0x00C000));
        // Each number ends just left of its bar: its ink's right edge within the 2 px before
        // the end of its label (Left + 360 twips), nothing between it and the bar.
        const struct {
            int y;
            int left;                                        // twips
        } numbers[] = {{14, 1410}, {26, 1860}, {38, 2310}};  // the labels' tops, in pixels
        for (const auto& n : numbers) {
            const int end = (n.left + 360) / 15;  // the first column after the label
            int right = -1;
            for (int x = n.left / 15; x < end + 6; ++x) {
                for (int y = n.y; y < n.y + 12; ++y) {  // above the description box
                    if (at(x, y) == QColor(Qt::black)) {
                        right = x;
                    }
                }
            }
            QVERIFY2(right >= end - 3 && right < end,
                     qPrintable(QStringLiteral("number at %1: ink ends at %2, label at %3")
                                    .arg(n.left)
                                    .arg(right)
                                    .arg(end)));
        }
        // A species without level moves: the cover, white inside its border, over the panel.
        w.show(41);
        image = w.form->grab().toImage();
        for (const QPoint p : {QPoint(124, power), QPoint(214, power), QPoint(10, 6),
                               QPoint(100, 60), QPoint(200, 10)}) {
            QCOMPARE(at(p.x(), p.y()), QColor(0xFFFFFF));
        }
        QCOMPARE(at(0, 30), QColor(Qt::black));
    }
};

QTEST_MAIN(TestMovePages)
#include "test_movepages.moc"
