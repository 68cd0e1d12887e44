// The wheel capture through real wheel events sent to a list: what reaches WheelScroll, that
// nothing else sees a captured turn, and the life cycle of the capture.
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

#include "wheelcapture.h"

using zentaloger::wheel::WheelCapture;

namespace {

// A parent that counts the wheel events that travel up to it.
struct Parent : QWidget {
    int wheels = 0;
    void wheelEvent(QWheelEvent* event) override {
        ++wheels;
        event->accept();
    }
};

// A scrolling list of 100 lines (so its own wheel handling would show) in a parent.
struct ListWindow {
    Parent parent;
    QListWidget* list = new QListWidget(&parent);
    ListWindow() {
        parent.resize(200, 200);
        list->setGeometry(0, 0, 120, 120);
        for (int i = 0; i < 100; ++i) {
            list->addItem(QString::number(i));
        }
        parent.show();
    }
    // One wheel event over `target` (the list's viewport unless given) with the given vertical
    // and horizontal distances; true if it was taken before the target's own handling.
    void turn(int dy, int dx = 0, Qt::KeyboardModifiers modifiers = {},
              Qt::MouseButtons buttons = {}, QPoint global = QPoint(40, 50),
              QWidget* target = nullptr) {
        QWidget* to = target ? target : list->viewport();
        QWheelEvent event(QPointF(10, 10), QPointF(global), QPoint(), QPoint(dx, dy), buttons,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(to, &event);
    }
};

QList<int> Deltas(const QSignalSpy& spy) {
    QList<int> deltas;
    for (const QList<QVariant>& call : spy) {
        deltas << call.at(1).toInt();
    }
    return deltas;
}

}  // namespace

class TestWheel : public QObject {
    Q_OBJECT

  private slots:
    // The deltas that reach WheelScroll for a sequence of turns.
    void deltas_data() {
        QTest::addColumn<QList<int>>("turns");
        QTest::addColumn<QList<int>>("delivered");
        QTest::newRow("one notch away") << QList<int>{120} << QList<int>{120};
        QTest::newRow("one notch towards") << QList<int>{-120} << QList<int>{-120};
        QTest::newRow("a notch or more unchanged")
            << QList<int>{-360, 240, -300} << QList<int>{-360, 240, -300};
        QTest::newRow("touchpad steps of 15 make one notch")
            << QList<int>{15, 15, 15, 15, 15, 15, 15, 15} << QList<int>{120};
        QTest::newRow("seven steps are not yet a notch")
            << QList<int>{15, 15, 15, 15, 15, 15, 15} << QList<int>{};
        QTest::newRow("the rest is kept") << QList<int>{-100, -100, -100} << QList<int>{-120, -120};
        QTest::newRow("turning back starts afresh")
            << QList<int>{100, -30, -30, -30, -30} << QList<int>{-120};
        QTest::newRow("a notch keeps the sum of its own way")
            << QList<int>{60, 120, 60} << QList<int>{120, 120};
    }
    void deltas() {
        QFETCH(QList<int>, turns);
        ListWindow w;
        WheelCapture capture;
        capture.setHWndCapture(w.list);
        capture.EnableWheel();
        QSignalSpy spy(&capture, &WheelCapture::WheelScroll);
        for (int dy : turns) {
            w.turn(dy);
        }
        QTEST(Deltas(spy), "delivered");
    }

    // Key-state flags and the pointer's screen position, as signed 16-bit values.
    void flagsAndPosition_data() {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QPoint>("global");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QPointF>("position");
        QTest::newRow("nothing held") << 0 << 0 << QPoint(40, 50) << 0 << QPointF(40, 50);
        QTest::newRow("Shift") << int(Qt::ShiftModifier) << 0 << QPoint(40, 50) << 4
                               << QPointF(40, 50);
        QTest::newRow("Ctrl") << int(Qt::ControlModifier) << 0 << QPoint(40, 50) << 8
                              << QPointF(40, 50);
        QTest::newRow("Shift, Ctrl, left, right and middle buttons")
            << int(Qt::ShiftModifier | Qt::ControlModifier)
            << int(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton) << QPoint(40, 50)
            << 4 + 8 + 1 + 2 + 16 << QPointF(40, 50);
        QTest::newRow("left of and above the primary screen")
            << 0 << 0 << QPoint(-300, -20) << 0 << QPointF(-300, -20);
        QTest::newRow("beyond 16 bits stays at its end")
            << 0 << 0 << QPoint(40000, -40000) << 0 << QPointF(32767, -32768);
    }
    void flagsAndPosition() {
        QFETCH(int, modifiers);
        QFETCH(int, buttons);
        QFETCH(QPoint, global);
        ListWindow w;
        WheelCapture capture;
        capture.setHWndCapture(w.list);
        capture.EnableWheel();
        QSignalSpy spy(&capture, &WheelCapture::WheelScroll);
        w.turn(-120, 0, Qt::KeyboardModifiers(modifiers), Qt::MouseButtons(buttons), global);
        QCOMPARE(spy.count(), 1);
        QTEST(spy.at(0).at(0).toInt(), "shift");
        QCOMPARE(spy.at(0).at(1).toInt(), -120);
        QTEST(QPointF(spy.at(0).at(2).toFloat(), spy.at(0).at(3).toFloat()), "position");
    }

    // While capturing, a turn over the list, its viewport or its frame reaches only
    // WheelScroll; a sideways turn is taken too but raises nothing.
    void capturedTurnsGoNowhereElse_data() {
        QTest::addColumn<bool>("viewport");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("raised");
        QTest::newRow("over the lines") << true << -120 << 0 << 1;
        QTest::newRow("over the frame") << false << -120 << 0 << 1;
        QTest::newRow("sideways") << true << 0 << -120 << 0;
    }
    void capturedTurnsGoNowhereElse() {
        QFETCH(bool, viewport);
        QFETCH(int, dy);
        QFETCH(int, dx);
        ListWindow w;
        WheelCapture capture;
        capture.setHWndCapture(w.list);
        capture.EnableWheel();
        QSignalSpy spy(&capture, &WheelCapture::WheelScroll);
        const int before = w.list->verticalScrollBar()->value();
        const int beforeSideways = w.list->horizontalScrollBar()->value();
        w.turn(dy, dx, {}, {}, QPoint(40, 50), viewport ? w.list->viewport() : w.list);
        QTEST(int(spy.count()), "raised");
        QCOMPARE(w.list->verticalScrollBar()->value(), before);
        QCOMPARE(w.list->horizontalScrollBar()->value(), beforeSideways);
        QCOMPARE(w.parent.wheels, 0);
    }

    // Enabling twice installs once: one turn raises one event, and one disable gives the
    // list its own wheel handling back. Disabling when idle and enabling without a widget do
    // nothing.
    void lifeCycle() {
        ListWindow w;
        WheelCapture capture;
        QSignalSpy spy(&capture, &WheelCapture::WheelScroll);
        capture.EnableWheel();  // no widget yet
        QVERIFY(!capture.enabled());
        capture.DisableWheel();  // idle
        QVERIFY(capture.setHWndCapture(w.list));
        capture.EnableWheel();
        capture.EnableWheel();
        QVERIFY(capture.enabled());
        QVERIFY(!capture.setHWndCapture(&w.parent));  // no move while capturing
        QCOMPARE(capture.hWndCapture(), w.list);
        w.turn(-120);
        QCOMPARE(spy.count(), 1);
        capture.DisableWheel();
        QVERIFY(!capture.enabled());
        w.turn(-120);
        QCOMPARE(spy.count(), 1);
        QVERIFY(w.list->verticalScrollBar()->value() > 0);  // the list scrolls by itself again
    }

    // A capture that outlives its widget, or is destroyed while capturing, leaves nothing
    // behind that could be called.
    void widgetGoneFirst() {
        auto w = std::make_unique<ListWindow>();
        WheelCapture capture;
        capture.setHWndCapture(w->list);
        capture.EnableWheel();
        w.reset();
        QVERIFY(!capture.hWndCapture());
        capture.DisableWheel();
        QVERIFY(!capture.enabled());
    }
};

QTEST_MAIN(TestWheel)
#include "test_wheel.moc"
