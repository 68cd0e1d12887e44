// The wheel capture through real wheel events sent to a list: what reaches WheelScroll, that
// nothing else sees a captured turn, and the life cycle of the capture.
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "wheel/wheelcapture.h"

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
    WheelCapture capture;
    QSignalSpy spy{&capture, &WheelCapture::WheelScroll};
    ListWindow() {
        list->setGeometry(0, 0, 120, 120);
        for (int i = 0; i < 100; ++i) {
            list->addItem(QString::number(i));
        }
        parent.show();
    }
    // One turn over `to` (the list's viewport unless given).
    void turn(int dy, int dx = 0, int keys = 0, int buttons = 0, QPoint global = QPoint(40, 50),
              QWidget* to = nullptr) {
        QWheelEvent event(QPointF(10, 10), QPointF(global), QPoint(), QPoint(dx, dy),
                          Qt::MouseButtons(buttons), Qt::KeyboardModifiers(keys), Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(to ? to : list->viewport(), &event);
    }
};

// What WheelScroll raises for a sequence of turns while capturing: the deltas, each with the
// key-state flags and the pointer's screen position as signed 16-bit values.
struct Row {
    const char* name;
    QList<int> turns, deltas;
    int flags = 0, keys = 0, buttons = 0;
    QPoint global{40, 50}, position{40, 50};
    int dx = 0;          // each turn's sideways part
    bool frame = false;  // over the list's frame rather than its lines
};
// clang-format off
const Row kRows[] = {
    {"a notch or more unchanged", {120, -360, 240, -300}, {120, -360, 240, -300}},
    {"touchpad steps of 15 make one notch", {15, 15, 15, 15, 15, 15, 15, 15}, {120}},
    {"seven steps are not yet a notch", {15, 15, 15, 15, 15, 15, 15}, {}},
    {"the rest is kept", {-100, -100, -100}, {-120, -120}},
    {"turning back starts afresh", {100, -30, -30, -30, -30}, {-120}},
    {"a notch keeps the sum of its own way", {60, 120, 60}, {120, 120}},
    {"Shift", {-120}, {-120}, 4, int(Qt::ShiftModifier)},
    {"Shift, Ctrl, left, right and middle buttons", {-120}, {-120}, 4 + 8 + 1 + 2 + 16,
     int(Qt::ShiftModifier | Qt::ControlModifier),
     int(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)},
    {"left of and above the screen", {-120}, {-120}, 0, 0, 0, {-300, -20}, {-300, -20}},
    {"beyond 16 bits stays at its end", {-120}, {-120}, 0, 0, 0, {40000, -40000}, {32767, -32768}},
    {"sideways: taken, nothing raised", {0}, {}, 0, 0, 0, {40, 50}, {40, 50}, -120},
    {"Alt: sideways is the turn", {0, 0}, {-120, -120}, 0, int(Qt::AltModifier), 0, {40, 50},
     {40, 50}, -120},
    {"over the frame", {-120}, {-120}, 0, 0, 0, {40, 50}, {40, 50}, 0, true},
};
// clang-format on

}  // namespace

class TestWheel : public QObject {
    Q_OBJECT

  private slots:
    // The list does not scroll and its parent sees nothing.
    void captured_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < static_cast<int>(std::size(kRows)); ++i) {
            QTest::newRow(kRows[i].name) << i;
        }
    }
    void captured() {
        QFETCH(int, row);
        const Row& r = kRows[row];
        ListWindow w;
        w.capture.setHWndCapture(w.list);
        w.capture.EnableWheel();
        for (int dy : r.turns) {
            w.turn(dy, r.dx, r.keys, r.buttons, r.global, r.frame ? w.list : nullptr);
        }
        QList<QVariantList> want;
        for (int delta : r.deltas) {
            want << QVariantList{r.flags, delta, float(r.position.x()), float(r.position.y())};
        }
        QCOMPARE(QList<QVariantList>(w.spy), want);
        QCOMPARE(w.list->verticalScrollBar()->value(), 0);
        QCOMPARE(w.list->horizontalScrollBar()->value(), 0);
        QCOMPARE(w.parent.wheels, 0);
    }

    // Enabling without a widget does nothing, nor does moving the capture while it is on or
    // enabling it twice (half a notch is kept); one disable gives the list its own wheel
    // handling back. A capture that outlives its widget leaves nothing that could be called.
    void lifeCycle() {
        ListWindow w;
        w.capture.EnableWheel();
        QVERIFY(!w.capture.enabled());
        QVERIFY(w.capture.setHWndCapture(w.list));
        w.capture.EnableWheel();
        w.turn(60);
        w.capture.EnableWheel();
        QVERIFY(!w.capture.setHWndCapture(&w.parent));
        QCOMPARE(w.capture.hWndCapture(), w.list);
        w.turn(60);
        QCOMPARE(w.spy.count(), 1);
        w.capture.DisableWheel();
        QVERIFY(!w.capture.enabled());
        for (QWidget* over : {w.list->viewport(), static_cast<QWidget*>(w.list)}) {
            w.turn(-120, 0, 0, 0, QPoint(40, 50), over);
        }
        QCOMPARE(w.spy.count(), 1);
        QVERIFY(w.list->verticalScrollBar()->value() > 0);
        w.capture.EnableWheel();
        delete w.list;
        QVERIFY(!w.capture.hWndCapture());
        w.capture.DisableWheel();
        QVERIFY(!w.capture.enabled());
    }
};

QTEST_MAIN(TestWheel)
#include "test_wheel.moc"
