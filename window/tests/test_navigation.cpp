// Moving through the list by every way there is: the keys with the list's own handling after
// them, the bars' press-and-hold by calling the timers' ticks, the thumb drag, the wheel's
// rows, and the releases that never come.
#include <QSignalSpy>
#include <QtTest>

#include "fixture.h"
#include "thumb.h"

using namespace zentaloger;
using namespace zentaloger::testing;

namespace {

// Pages whose open page has `entries` entries with entry `chosen` chosen (-1: none, as on
// the evolution page's final form); no entries stands for a page without entries.
struct SteppingPages : CountingPages {
    using CountingPages::CountingPages;
    int entries = 0;
    int chosen = -1;
    bool stepEntry(int step) override {
        if (entries == 0 || chosen < 0) {
            return false;
        }
        if (chosen + step >= 0 && chosen + step < entries) {
            chosen += step;
        }
        return true;
    }
};

// A shown form on the hand-ordered database (species n on numerical row n) that counts the
// list's refills and the exits it asks for.
struct Navigator {
    std::unique_ptr<Database> db = HandOrderedDatabase();
    ViewState view;
    SteppingPages pages{*db, view};
    std::unique_ptr<Form> form;
    int refills = 0;
    int exits = 0;

    Navigator() {
        form = std::make_unique<Form>(*db, view, pages);
        form->Load();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) {
            qWarning("the test window was not exposed");
        }
        QObject::connect(list()->model(), &QAbstractItemModel::modelReset, form.get(),
                         [this] { ++refills; });
        QObject::connect(form.get(), &Form::exitRequested, form.get(), [this] { ++exits; });
    }
    toolkit::ListBox* list() const { return form->element<toolkit::ListBox>("lstZENTARI"); }
    toolkit::Label* label(const char* name) const { return form->element<toolkit::Label>(name); }
    toolkit::Timer* timer(const char* name, int index) const {
        return form->element<toolkit::Timer>(name, index);
    }
    // The state a user reaches by scrolling and clicking: `selectedRow` chosen, the page
    // from `topRow`.
    void show(int topRow, int selectedRow) {
        view.selectedRow = selectedRow;
        view.topRow = topRow;
        form->RefillList(false);
        form->ShowSpecies();
        refills = 0;
    }
    int shownNumber() const { return SpeciesNumberOfLabel(label("lblNAME")->caption()); }
    bool anyTimer() const {
        for (const char* name : {"tUP", "tDOWN"}) {
            for (int i = 0; i < 2; ++i) {
                if (timer(name, i)->enabled()) {
                    return true;
                }
            }
        }
        return false;
    }
    // A move of the pointer to `local` (pixels, relative to `to`) with `buttons` held.
    static void move(QWidget* to, QPointF local, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, local, to->mapToGlobal(local), Qt::NoButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    }
};

}  // namespace

class TestNavigation : public QObject {
    Q_OBJECT

  private slots:
    // A key pressed in the list from a page and a selection, on an open page with `entries`
    // entries and `chosen` chosen (0 entries: a page without entries).
    void keys_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("topRow");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<bool>("swallowed");
        QTest::addColumn<int>("entryAfter");
        const int none = 0, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
                  alt = Qt::AltModifier;
        const int up = Qt::Key_Up, down = Qt::Key_Down, left = Qt::Key_Left, right = Qt::Key_Right,
                  pgUp = Qt::Key_PageUp, pgDn = Qt::Key_PageDown, home = Qt::Key_Home,
                  end = Qt::Key_End;
        // clang-format off
        QTest::newRow("Page Up at line 0 scrolls 16") << 20 << 20 << pgUp << none << 0 << -1 << 4 << 0 << 4 << false << -1;
        QTest::newRow("Page Up at line 0 stops at 1") << 10 << 10 << pgUp << none << 0 << -1 << 1 << 0 << 1 << false << -1;
        QTest::newRow("Page Up below line 0 goes to it") << 20 << 25 << pgUp << none << 0 << -1 << 20 << 0 << 20 << false << -1;
        QTest::newRow("Page Up at the first row") << 1 << 1 << pgUp << none << 0 << -1 << 1 << 0 << 1 << false << -1;
        QTest::newRow("Page Down at line 15 scrolls 16") << 20 << 35 << pgDn << none << 0 << -1 << 36 << 15 << 51 << false << -1;
        QTest::newRow("Page Down at line 15 stops at 236") << 230 << 245 << pgDn << none << 0 << -1 << 236 << 15 << 251 << false << -1;
        QTest::newRow("Page Down above line 15 goes to it") << 20 << 23 << pgDn << none << 0 << -1 << 20 << 15 << 35 << false << -1;
        QTest::newRow("Page Down at the last row") << 236 << 251 << pgDn << none << 0 << -1 << 236 << 15 << 251 << false << -1;
        QTest::newRow("End jumps to the last row") << 1 << 1 << end << none << 0 << -1 << 236 << 15 << 251 << false << -1;
        QTest::newRow("End on the last page") << 236 << 239 << end << none << 0 << -1 << 236 << 15 << 251 << false << -1;
        QTest::newRow("Home jumps to the first row") << 100 << 105 << home << none << 0 << -1 << 1 << 0 << 1 << false << -1;
        QTest::newRow("Home on the first page") << 1 << 5 << home << none << 0 << -1 << 1 << 0 << 1 << false << -1;
        QTest::newRow("Up at line 0 scrolls one") << 20 << 20 << up << none << 0 << -1 << 19 << 0 << 19 << false << -1;
        QTest::newRow("Left at line 0 scrolls one") << 20 << 20 << left << none << 0 << -1 << 19 << 0 << 19 << false << -1;
        QTest::newRow("Up at row 1") << 1 << 1 << up << none << 0 << -1 << 1 << 0 << 1 << false << -1;
        QTest::newRow("Up within the page") << 20 << 25 << up << none << 0 << -1 << 20 << 4 << 24 << false << -1;
        QTest::newRow("Down at line 15 scrolls one") << 20 << 35 << down << none << 0 << -1 << 21 << 15 << 36 << false << -1;
        QTest::newRow("Right at line 15 scrolls one") << 20 << 35 << right << none << 0 << -1 << 21 << 15 << 36 << false << -1;
        QTest::newRow("Down at row 251") << 236 << 251 << down << none << 0 << -1 << 236 << 15 << 251 << false << -1;
        QTest::newRow("Down to row 251") << 236 << 250 << down << none << 0 << -1 << 236 << 15 << 251 << false << -1;
        QTest::newRow("Down, selection scrolled off") << 50 << 10 << down << none << 0 << -1 << 50 << 0 << 50 << false << -1;
        QTest::newRow("End, selection scrolled off") << 50 << 10 << end << none << 0 << -1 << 236 << 15 << 251 << false << -1;
        QTest::newRow("Shift+Down steps to the next entry") << 20 << 25 << down << shift << 3 << 1 << 20 << 5 << 25 << true << 2;
        QTest::newRow("Shift+Down at the last entry") << 20 << 35 << down << shift << 3 << 2 << 20 << 15 << 35 << true << 2;
        QTest::newRow("Ctrl+Up steps back") << 20 << 25 << up << ctrl << 12 << 1 << 20 << 5 << 25 << true << 0;
        QTest::newRow("Alt+Left at the first entry") << 20 << 20 << left << alt << 50 << 0 << 20 << 0 << 20 << true << 0;
        QTest::newRow("Ctrl+Right steps on") << 20 << 25 << right << ctrl << 7 << 5 << 20 << 5 << 25 << true << 6;
        QTest::newRow("Shift+Down, no entries, at line 15") << 20 << 35 << down << shift << 0 << -1 << 20 << 15 << 35 << false << -1;
        QTest::newRow("Shift+Down, no entries, within the page") << 20 << 25 << down << shift << 0 << -1 << 20 << 6 << 26 << false << -1;
        QTest::newRow("Shift+Up, no entry chosen") << 20 << 25 << up << shift << 5 << -1 << 20 << 4 << 24 << false << -1;
        QTest::newRow("Shift+Up, no entry chosen, at line 0") << 20 << 20 << up << shift << 5 << -1 << 20 << 0 << 20 << false << -1;
        QTest::newRow("a letter does nothing here") << 20 << 25 << int(Qt::Key_Q) << none << 0 << -1 << 20 << 5 << 25 << false << -1;
        // clang-format on
    }
    void keys() {
        QFETCH(int, top);
        QFETCH(int, selected);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, selectedRow);
        Navigator n;
        QFETCH(int, entries);
        QFETCH(int, chosen);
        n.pages.entries = entries;
        n.pages.chosen = chosen;
        n.show(top, selected);
        bool swallowed = false;
        // Connected after the form's own handler: sees the key code it left.
        QObject::connect(n.list(), &toolkit::ListBox::keyDown, n.form.get(),
                         [&swallowed](int& keyCode, int) { swallowed = keyCode == -1; });
        QTest::keyClick(n.list(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTEST(n.view.topRow, "topRow");
        QTEST(n.list()->listIndex(), "line");
        QCOMPARE(n.view.selectedRow, selectedRow);
        QCOMPARE(n.shownNumber(), selectedRow);
        QCOMPARE(n.list()->list(0), LabelOf(n.view.topRow, 1));
        QTEST(swallowed, "swallowed");
        QTEST(n.pages.chosen, "entryAfter");
        QCOMPARE(n.exits, 0);
    }

    // The same keys with the viewer's own pages (species 1 to 3 of the test database form a
    // family of two steps): keys "S+Down" (Shift), "C+Up" (Ctrl), pressed in turn; the
    // evolution entries chosen afterwards are checked on the evolution page.
    void entryStepping_data() {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QList<int>>("chosen");
        QTest::newRow("evolution: to the next step")
            << "lblEVOLUTION" << 1 << "S+Down" << 1 << QList<int>{1};
        QTest::newRow("evolution: at the last step, kept")
            << "lblEVOLUTION" << 1 << "S+Down S+Right" << 1 << QList<int>{1};
        QTest::newRow("evolution: back with Ctrl")
            << "lblEVOLUTION" << 1 << "S+Down C+Up" << 1 << QList<int>{0};
        QTest::newRow("evolution: at the first step, kept")
            << "lblEVOLUTION" << 1 << "C+Left" << 1 << QList<int>{0};
        QTest::newRow("evolution: a final form moves the list")
            << "lblEVOLUTION" << 3 << "S+Up" << 2 << QList<int>{1};
        QTest::newRow("statistics: moves the list")
            << "lblSTATISTICS" << 5 << "S+Down" << 6 << QList<int>{0};
        QTest::newRow("statistics: no scroll at line 15")
            << "lblSTATISTICS" << 16 << "S+Down" << 16 << QList<int>{};
    }
    void entryStepping() {
        QFETCH(QString, tab);
        QFETCH(int, selected);
        QFETCH(QString, keys);
        Window w;
        w.clickLabel(tab.toLatin1().constData());
        w.clickLine(selected - 1);
        for (const QString& key : keys.split(u' ')) {
            const Qt::Key k = key.endsWith(u"Down")    ? Qt::Key_Down
                              : key.endsWith(u"Right") ? Qt::Key_Right
                              : key.endsWith(u"Left")  ? Qt::Key_Left
                                                       : Qt::Key_Up;
            QTest::keyClick(w.list(), k,
                            key.startsWith(u'S') ? Qt::ShiftModifier : Qt::ControlModifier);
        }
        QTEST(w.view.selectedRow, "selectedRow");
        QCOMPARE(w.view.topRow, 1);
        QCOMPARE(w.shownNumber(), w.view.selectedRow);
        QList<int> chosen;
        for (int i = 0; i < 5; ++i) {
            if (w.label("lblEVOLUTION_EVOLUTION", i)->backColor() == QColor(0xFFFF00)) {
                chosen << i;
            }
        }
        if (tab == u"lblEVOLUTION") {
            QTEST(chosen, "chosen");
        }
    }

    // Backspace switches the language on every press and never changes the list's place;
    // F4 asks for the end and leaves the key to the list.
    void backspaceAndF4() {
        Navigator n;
        n.show(20, 25);
        bool swallowed = false;
        QObject::connect(n.list(), &toolkit::ListBox::keyDown, n.form.get(),
                         [&swallowed](int& keyCode, int) { swallowed = keyCode == -1; });
        for (int language : {0, 1, 0}) {
            QTest::keyClick(n.list(), Qt::Key_Backspace);
            QCOMPARE(n.view.language, language);
            QVERIFY(swallowed);
            QCOMPARE(n.view.selectedRow, 25);
            QCOMPARE(n.list()->listIndex(), 5);
            QCOMPARE(n.label("lblNAME")->caption(), LabelOf(25, language));
        }
        QTest::keyClick(n.list(), Qt::Key_F4);
        QCOMPARE(n.exits, 1);
        QVERIFY(!swallowed);
        QCOMPARE(n.view.selectedRow, 25);
    }

    // Press-and-hold on a bar: L/R press (p) and release (r), a tick of timer 0 or 1 (t0,
    // t1, only while that timer runs); a left release over the bar also clicks.
    void pressAndHold_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("topRow");
        QTest::addColumn<int>("refills");
        QTest::newRow("left click moves one row") << "lblDOWN" << 10 << "pL rL" << 11 << 1;
        QTest::newRow("left hold: a row per tick, then the click")
            << "lblDOWN" << 10 << "pL t0 t0 rL" << 13 << 3;
        QTest::newRow("left hold on UP") << "lblUP" << 10 << "pL t0 t0 t0 rL" << 6 << 4;
        QTest::newRow("right on UP from 20 to 4") << "lblUP" << 20 << "pR t1 rR" << 4 << 1;
        QTest::newRow("right on UP from 20 to 4 to 1") << "lblUP" << 20 << "pR t1 t1 rR" << 1 << 2;
        QTest::newRow("right on DOWN from 230 to 236")
            << "lblDOWN" << 230 << "pR t1 rR" << 236 << 1;
        QTest::newRow("right press without a tick moves nothing")
            << "lblDOWN" << 10 << "pR rR" << 10 << 0;
        QTest::newRow("ticks at the top refill, the click does not")
            << "lblUP" << 1 << "pL t0 t0 rL" << 1 << 2;
        QTest::newRow("right ticks at the bottom refill")
            << "lblDOWN" << 236 << "pR t1 t1 rR" << 236 << 2;
        QTest::newRow("both buttons, each stops with its own release")
            << "lblDOWN" << 10 << "pL pR t0 t1 rL t1 rR" << 44 << 4;
        QTest::newRow("both buttons, right released first")
            << "lblUP" << 100 << "pR pL t1 t0 rR t0 rL" << 81 << 4;
        QTest::newRow("middle button does nothing") << "lblDOWN" << 10 << "pM rM" << 10 << 0;
    }
    void pressAndHold() {
        QFETCH(QString, bar);
        QFETCH(int, from);
        QFETCH(QString, steps);
        Navigator n;
        n.show(from, from);
        QWidget* w = n.label(bar.toLatin1().constData());
        const char* timers = bar == u"lblUP" ? "tUP" : "tDOWN";
        const QPoint at = w->rect().center();
        for (const QString& step : steps.split(u' ')) {
            const Qt::MouseButton button = step.endsWith(u'L')   ? Qt::LeftButton
                                           : step.endsWith(u'R') ? Qt::RightButton
                                                                 : Qt::MiddleButton;
            if (step.startsWith(u'p')) {
                QTest::mousePress(w, button, {}, at);
            } else if (step.startsWith(u'r')) {
                QTest::mouseRelease(w, button, {}, at);
            } else {
                toolkit::Timer* timer = n.timer(timers, step.mid(1).toInt());
                QVERIFY2(timer->enabled(), qPrintable(step));
                timer->tick();
            }
        }
        QTEST(n.view.topRow, "topRow");
        QTEST(n.refills, "refills");
        QVERIFY(!n.anyTimer());
        QCOMPARE(n.timer(timers, 0)->interval(), 100);
        QCOMPARE(n.view.selectedRow, from);
        QCOMPARE(n.list()->list(0), LabelOf(n.view.topRow, 1));
    }

    // A held bar or thumb whose release went elsewhere lets go at the next sign of it.
    void lostRelease_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("thumb");
        QTest::newRow("window deactivated") << "deactivate" << false;
        QTest::newRow("window hidden") << "hide" << false;
        QTest::newRow("a move with no button held") << "move" << false;
        QTest::newRow("thumb, window deactivated") << "deactivate" << true;
        QTest::newRow("thumb, a move with no button held") << "move" << true;
        QTest::newRow("a move with the right button still held") << "move right" << false;
    }
    void lostRelease() {
        QFETCH(QString, how);
        QFETCH(bool, thumb);
        Navigator n;
        n.show(100, 100);
        QWidget* held = thumb ? static_cast<QWidget*>(n.label("lblSCROLLER")) : n.label("lblDOWN");
        QTest::mousePress(held, Qt::LeftButton, {}, QPoint(3, 3));
        if (!thumb) {
            QTest::mousePress(held, Qt::RightButton, {}, QPoint(3, 3));
            QVERIFY(n.timer("tDOWN", 0)->enabled() && n.timer("tDOWN", 1)->enabled());
        }
        QVERIFY(n.form->navigation().thumbHeld() == thumb);
        if (how == u"deactivate") {
            QEvent event(QEvent::WindowDeactivate);
            QApplication::sendEvent(n.form.get(), &event);
        } else if (how == u"hide") {
            n.form->hide();
        } else {
            // Through the window, as the window system delivers it.
            const Qt::MouseButtons buttons = how == u"move right" ? Qt::RightButton : Qt::NoButton;
            QMouseEvent event(QEvent::MouseMove, QPointF(2, 100), QPointF(2, 100), Qt::NoButton,
                              buttons, Qt::NoModifier);
            QApplication::sendEvent(n.form->windowHandle(), &event);
        }
        if (how == u"move right") {  // the left button's timer stops, the right one's runs on
            QVERIFY(!n.timer("tDOWN", 0)->enabled());
            QVERIFY(n.timer("tDOWN", 1)->enabled());
            QTest::mouseRelease(held, Qt::RightButton, {}, QPoint(3, 3));
        }
        QVERIFY(!n.anyTimer());
        QVERIFY(!n.form->navigation().thumbHeld());
        // A move over the thumb now drags nothing.
        Navigator::move(n.label("lblSCROLLER"), QPointF(3, -50), Qt::NoButton);
        QCOMPARE(n.view.topRow, 100);
    }

    // The thumb's top edge dragged to `top` twips gives a first row; halfway between two rows
    // goes to the even one.
    void topRowOfThumb_data() {
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("row");
        QTest::newRow("above the track") << 524.99 << 1;
        QTest::newRow("far above") << -3000.0 << 1;
        QTest::newRow("track top") << 525.0 << 1;
        QTest::newRow("track bottom") << 3030.0 << 236;
        QTest::newRow("below the track") << 3030.01 << 236;
        QTest::newRow("row 48's exact place") << 1026.0 << 48;
        QTest::newRow("between 24 and 25") << 775.5 << 24;
        QTest::newRow("between 71 and 72") << 1276.5 << 72;
        QTest::newRow("just past between 24 and 25") << 775.6 << 25;
        QTest::newRow("just short of between 71 and 72") << 1276.4 << 71;
    }
    void topRowOfThumb() {
        QFETCH(double, top);
        QTEST(TopRowOfThumb(top), "row");
    }

    // A drag by real mouse events on the thumb, grabbed 3 px (45 twips) below its top, to
    // `to` px on the window; the thumb keeps getting moves outside it and outside the window.
    void thumbDrag_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("topRow");
        // The thumb's top at y - 3 px, that is (y - 3) x 15 twips.
        QTest::newRow("to the track's top") << 100 << 35 + 3 << 1;
        QTest::newRow("above the track") << 100 << 20 << 1;
        QTest::newRow("to the track's bottom") << 1 << 202 + 3 << 236;
        QTest::newRow("below the track") << 1 << 300 << 236;
        QTest::newRow("above the window") << 100 << -200 << 1;
        QTest::newRow("below the window") << 1 << 900 << 236;
        QTest::newRow("between rows 48 and 49") << 1 << 72 << 49;  // 1035 twips: row 48.84
    }
    void thumbDrag() {
        QFETCH(int, from);
        QFETCH(int, to);
        Navigator n;
        n.show(from, 1);
        toolkit::Label* thumb = n.label("lblSCROLLER");
        QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(3, 3));
        const QPointF local(3, to - thumb->y());
        Navigator::move(thumb, local, Qt::LeftButton);
        QTEST(n.view.topRow, "topRow");
        QCOMPARE(n.refills, 1);
        QCOMPARE(thumb->y(), toolkit::Px(int(std::lround(ThumbTop(n.view.topRow)))));
        QCOMPARE(n.list()->list(0), LabelOf(n.view.topRow, 1));
        // The same place again refills again: the thumb snaps on every move.
        Navigator::move(thumb, QPointF(3, to - thumb->y()), Qt::LeftButton);
        QTEST(n.view.topRow, "topRow");
        QCOMPARE(n.refills, 2);
        const int row = n.view.topRow;
        QTest::mouseRelease(thumb, Qt::LeftButton, {}, local.toPoint());
        Navigator::move(thumb, QPointF(3, 500), Qt::LeftButton);
        QCOMPARE(n.view.topRow, row);
        QCOMPARE(n.refills, 2);
    }

    // A thumb grabbed and moved by no distance keeps its row, for every row: the drag works
    // on the exact track, not on the label's place rounded to pixels.
    void heldThumbStaysOnItsRow() {
        Navigator n;
        toolkit::Label* thumb = n.label("lblSCROLLER");
        for (int row = 1; row <= 236; ++row) {
            n.show(row, 1);
            QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(3, 5));
            Navigator::move(thumb, QPointF(3, 5), Qt::LeftButton);
            QTest::mouseRelease(thumb, Qt::LeftButton, {}, QPoint(3, 5));
            QVERIFY2(n.view.topRow == row, qPrintable(QString::number(row)));
        }
    }

    // WheelScroll's distance to rows: |zDelta \ 150| + 1, down when negative, else up.
    void wheel_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("zDelta");
        QTest::addColumn<int>("topRow");
        QTest::addColumn<int>("refills");
        QTest::newRow("-120 one down") << 100 << -120 << 101 << 1;
        QTest::newRow("-149 one down") << 100 << -149 << 101 << 1;
        QTest::newRow("-150 two down") << 100 << -150 << 102 << 2;
        QTest::newRow("-300 three down") << 100 << -300 << 103 << 3;
        QTest::newRow("+240 two up") << 100 << 240 << 98 << 2;
        QTest::newRow("0 one up") << 100 << 0 << 99 << 1;
        QTest::newRow("100 notches at once") << 100 << 12000 << 19 << 81;
        QTest::newRow("away at the top, no refill") << 1 << 120 << 1 << 0;
        QTest::newRow("towards at the bottom, no refill") << 236 << -120 << 236 << 0;
        QTest::newRow("largest towards") << 200 << -32768 << 236 << 36;
    }
    void wheel() {
        QFETCH(int, from);
        QFETCH(int, zDelta);
        Navigator n;
        n.show(from, 1);
        n.form->navigation().WheelScroll(0, zDelta, 0, 0);
        QTEST(n.view.topRow, "topRow");
        QTEST(n.refills, "refills");
        QCOMPARE(n.view.selectedRow, 1);
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
