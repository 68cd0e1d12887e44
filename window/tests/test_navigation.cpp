// Moving through the list by every way there is, through the window: the keys with the list's
// own handling after them, the bars' press-and-hold by calling the timers' ticks, the thumb
// drag, the wheel, and the releases that never come. The rules' arithmetic has its tables in
// test_browse; here each way reaches its rule and the list shows the result.
#include <QtTest>

#include "tests/support/fixture.h"

using namespace zentaloger;
using namespace zentaloger::testing;

class TestNavigation : public QObject {
    Q_OBJECT

  private slots:
    // Keys pressed in the list, in English, on the page of `tab`, from a page and a selection:
    // each key's rule (its table: test_browse) applied, then the list's own handling. Only
    // Backspace is kept from the list; F4 asks for the end. Shift, Ctrl or Alt ("S+", "C+",
    // "A+") with an arrow step through the open page's entries (species 1 to 3 form a family of
    // two steps, a final form has none chosen); a page without entries leaves them to the list.
    // Out: the first row, the line, the selected row and the evolution entries chosen.
    void keys_data() {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("keys");
        for (const char* column : {"topRow", "line", "selectedRow"}) {
            QTest::addColumn<int>(column);
        }
        QTest::addColumn<QList<int>>("chosen");
        const QString stats = "lblSTATISTICS", evolution = "lblEVOLUTION";
        const QList<int> none;
        // clang-format off
        QTest::newRow("Page Up at line 0 scrolls 16") << stats << 20 << 20 << "PgUp" << 4 << 0 << 4 << none;
        QTest::newRow("Page Down at line 15 scrolls 16") << stats << 20 << 35 << "PgDn" << 36 << 15 << 51 << none;
        QTest::newRow("End jumps to the last row") << stats << 1 << 1 << "End" << 236 << 15 << 251 << none;
        QTest::newRow("Home jumps to the first row") << stats << 100 << 105 << "Home" << 1 << 0 << 1 << none;
        QTest::newRow("Left at line 0 scrolls one") << stats << 20 << 20 << "Left" << 19 << 0 << 19 << none;
        QTest::newRow("Right at line 15 scrolls one") << stats << 20 << 35 << "Right" << 21 << 15 << 36 << none;
        QTest::newRow("Backspace switches the language") << stats << 20 << 25 << "Back" << 20 << 5 << 25 << none;
        QTest::newRow("F4 asks for the end, the list gets the key") << stats << 20 << 25 << "F4" << 20 << 5 << 25 << none;
        QTest::newRow("evolution: on, kept at the last step, back") << evolution << 1 << 1 << "S+Down A+Down C+Up" << 1 << 0 << 1 << QList{0};
        QTest::newRow("evolution: a final form moves the list") << evolution << 1 << 3 << "S+Up" << 1 << 1 << 2 << QList{1};
        QTest::newRow("statistics: moves the list") << stats << 1 << 5 << "C+Down" << 1 << 5 << 6 << none;
        // clang-format on
    }
    void keys() {
        QFETCH(QString, tab);
        QFETCH(int, top);
        QFETCH(int, selected);
        QFETCH(QString, keys);
        Window w;
        w.clickLabel(tab.toLatin1().constData());
        w.at(top, selected);
        bool swallowed = false;
        // Connected after the form's own handler: sees the key code it left.
        QObject::connect(w.list(), &toolkit::ListBox::keyDown, w.form,
                         [&swallowed](int& keyCode, int) { swallowed = keyCode == -1; });
        const QHash<QString, Qt::Key> codes{{"Up", Qt::Key_Up},          {"Down", Qt::Key_Down},
                                            {"Left", Qt::Key_Left},      {"Right", Qt::Key_Right},
                                            {"PgUp", Qt::Key_PageUp},    {"PgDn", Qt::Key_PageDown},
                                            {"Home", Qt::Key_Home},      {"End", Qt::Key_End},
                                            {"Back", Qt::Key_Backspace}, {"F4", Qt::Key_F4}};
        for (const QString& key : keys.split(u' ')) {
            QTest::keyClick(w.list(), codes.value(key.section(u'+', -1)),
                            key.startsWith(u"S+")   ? Qt::ShiftModifier
                            : key.startsWith(u"C+") ? Qt::ControlModifier
                            : key.startsWith(u"A+") ? Qt::AltModifier
                                                    : Qt::NoModifier);
        }
        QTEST(w.view.topRow, "topRow");
        QTEST(w.list()->listIndex(), "line");
        QTEST(w.view.selectedRow, "selectedRow");
        QCOMPARE(w.shownNumber(), w.view.selectedRow);
        QCOMPARE(w.view.language, keys == u"Back" ? Language::Russian : Language::English);
        QVERIFY(keys.contains(u'+') || swallowed == (keys == u"Back"));
        QCOMPARE(w.exits, keys == u"F4" ? 1 : 0);
        QList<int> chosen;
        for (int i = 0; tab == u"lblEVOLUTION" && i < 5; ++i) {
            if (w.label("lblEVOLUTION_EVOLUTION", i)->chosen()) {
                chosen << i;
            }
        }
        QTEST(chosen, "chosen");
    }

    // A letter with Ctrl or Alt is a shortcut, not a search. Two letters typed into the list
    // make one search text over all rows: "q" finds QARN, "qu" then QUILLBACK, whose row becomes
    // the first line (the chosen line 0 kept) and whose label the card shows. Typed apart, "u"
    // would find nothing; the list's own search over the shown lines would find nothing at all.
    void typingFindsAName() {
        Window w([](std::vector<QString>& f) {
            f[ListLabelField(149, 1, 0) - 1] = QStringLiteral("150 - QARN");
            f[ListLabelField(199, 1, 0) - 1] = QStringLiteral("200 - QUILLBACK");
        });
        for (const Qt::KeyboardModifier modifier : {Qt::ControlModifier, Qt::AltModifier}) {
            QTest::keyClick(w.list(), 'q', modifier);
            QCOMPARE(w.view.selectedRow, 1);
        }
        const int interval = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(60000);  // one text, however slow the machine
        QTest::keyClicks(w.list(), QStringLiteral("qU"));
        QApplication::setKeyboardInputInterval(interval);
        QCOMPARE(w.label("lblNAME")->caption(), QStringLiteral("200 - QUILLBACK"));
        QCOMPARE(w.view.topRow, 200);
        QCOMPARE(w.list()->listIndex(), 0);
    }

    // From row `from` (also the selected row), in turn: on `bar`, a press (p) or release (r)
    // of the L/R button at its centre (a left release over a bar also clicks), a pointer
    // move with the left button held to y px on the window (m<y>), which the held thumb gets
    // wherever it is; a tick of the bar's timer 0 or 1 (t0, t1, only while that timer runs);
    // a wheel turn (w<zDelta>: |zDelta \ 150| + 1 rows, down when negative, else up); the
    // window deactivated (D) or hidden (H): a held bar or thumb lets go; a move back to where
    // the press was (s), which keeps a held thumb on its row: the drag works on the exact track,
    // not on the label's place rounded to pixels (7 twips below it at row 20, above at row 27). (A
    // release that went elsewhere, learnt from the next move's buttons, the random session covers.)
    // The thumb is grabbed 5 px below its top: at m<y> its top stands at (y - 5) x 15 twips.
    void scrolling_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("topRow");
        QTest::addColumn<int>("refills");
        const QString up = "lblUP", down = "lblDOWN", thumb = "lblSCROLLER";
        // clang-format off
        QTest::newRow("left click moves one row") << down << 10 << "pL rL" << 11 << 1;
        QTest::newRow("left hold: a row per tick, then the click") << down << 10 << "pL t0 t0 rL" << 13 << 3;
        QTest::newRow("right on UP from 20 to 4 to 1") << up << 20 << "pR t1 t1 rR" << 1 << 2;
        QTest::newRow("ticks at the top refill, the click does not") << up << 1 << "pL t0 t0 rL" << 1 << 2;
        QTest::newRow("both buttons, each stops with its own release") << down << 10 << "pL pR t0 t1 rL t1 rR" << 44 << 4;
        QTest::newRow("bar, window deactivated") << down << 100 << "pL pR t0 t1 D" << 117 << 2;
        QTest::newRow("bar, window hidden") << down << 100 << "pL pR t0 H" << 101 << 1;
        QTest::newRow("thumb to the track's bottom, a refill a move") << thumb << 1 << "pL m207 m207 rL m500" << 236 << 2;
        QTest::newRow("thumb between rows 48 and 49") << thumb << 1 << "pL m74 rL" << 49 << 1;  // row 48.84
        QTest::newRow("thumb held still, row 20") << thumb << 20 << "pL s rL" << 20 << 1;
        QTest::newRow("thumb held still, row 27") << thumb << 27 << "pL s rL" << 27 << 1;
        QTest::newRow("thumb, window deactivated") << thumb << 100 << "pL m74 D m500" << 49 << 1;
        QTest::newRow("wheel -150: two down") << "" << 100 << "w-150" << 102 << 2;
        QTest::newRow("wheel away at the top, no refill") << "" << 1 << "w120" << 1 << 0;
        // clang-format on
    }
    void scrolling() {
        QFETCH(QString, bar);
        QFETCH(int, from);
        QFETCH(QString, steps);
        Window w;
        w.at(from, from);
        const QByteArray name = bar.isEmpty() ? "lblDOWN" : bar.toLatin1();
        QWidget* target = w.label(name.constData());
        const char* timers = bar == u"lblUP" ? "tUP" : "tDOWN";
        for (const QString& step : steps.split(u' ')) {
            const int n = step.mid(1).toInt();
            const Qt::MouseButton button = step.endsWith(u'L') ? Qt::LeftButton : Qt::RightButton;
            if (step[0] == u'p') {
                QTest::mousePress(target, button, {}, target->rect().center());
            } else if (step[0] == u'r') {
                QTest::mouseRelease(target, button, {}, target->rect().center());
            } else if (step == u"s") {
                SendMouse(target, QEvent::MouseMove, target->rect().center(), Qt::LeftButton);
            } else if (step[0] == u'm') {
                SendMouse(target, QEvent::MouseMove, QPointF(3, n - target->y()), Qt::LeftButton);
            } else if (step[0] == u't') {
                auto* timer = w.get<toolkit::Timer>(timers, n);
                QVERIFY2(timer->enabled(), qPrintable(step));
                timer->tick();
            } else if (step[0] == u'w') {
                w.form->navigation().WheelScroll(0, n, 0, 0);
            } else if (step == u"D") {
                QEvent event(QEvent::WindowDeactivate);
                QApplication::sendEvent(w.form, &event);
            } else {
                w.form->hide();
            }
        }
        QTEST(w.view.topRow, "topRow");
        QTEST(w.refills, "refills");
        QVERIFY(!w.anyTimer());
        QVERIFY(!w.form->navigation().thumbHeld());
        QCOMPARE(w.view.selectedRow, from);
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
