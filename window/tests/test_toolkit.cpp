// The element layer's behaviours that the form's handlers rely on, each checked through real
// widgets and real (synthetic) input: when Click is raised, the order of mouse events, key
// handling before the list's own, mouse capture, shapes and lines transparent to the mouse.
#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

#include "toolkit/toolkit.h"

using namespace zentaloger::toolkit;

namespace {

// A 200 x 100 window with a 16-line list at the top left.
struct ListWindow {
    QWidget window;
    ListBox* list;
    ListWindow() : list(new ListBox(&window, 11, Font(9, false))) {
        window.resize(200, 200);
        list->setGeometry(0, 0, 105, 178);
        for (int i = 0; i < 16; ++i) {
            list->addItem(QStringLiteral("%1 - LINE").arg(i + 1, 3, 10, QLatin1Char('0')));
        }
        window.show();
        list->setFocus();
    }
};

}  // namespace

class TestToolkit : public QObject {
    Q_OBJECT

  private slots:
    // Click comes once per new line, before the call that chose it returns, and the list
    // already reports the new line inside the handler.
    void listClick_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("line");
        QTest::newRow("from code") << "code 5" << -1 << 1 << 5;
        QTest::newRow("from code, same line") << "code 5" << 5 << 0 << 5;
        QTest::newRow("from code, out of range") << "code 16" << 3 << 0 << 3;
        QTest::newRow("clearing") << "clear" << 3 << 0 << -1;
        QTest::newRow("mouse") << "mouse 7" << 3 << 1 << 7;
        QTest::newRow("mouse on the selected line") << "mouse 3" << 3 << 0 << 3;
        QTest::newRow("right button chooses nothing") << "right 7" << 3 << 0 << 3;
        QTest::newRow("Down key") << "key down" << 3 << 1 << 4;
        QTest::newRow("Down at the last line") << "key down" << 15 << 0 << 15;
        QTest::newRow("Right steps down") << "key right" << 3 << 1 << 4;
        QTest::newRow("Left steps up") << "key left" << 3 << 1 << 2;
        QTest::newRow("End") << "key end" << 3 << 1 << 15;
        QTest::newRow("Home") << "key home" << 3 << 1 << 0;
    }
    void listClick() {
        QFETCH(QString, how);
        QFETCH(int, from);
        ListWindow w;
        if (from >= 0) {
            w.list->setSelected(from);
        }
        int clicks = 0;
        int lineSeen = -2;
        connect(w.list, &ListBox::click, w.list, [&] {
            ++clicks;
            lineSeen = w.list->listIndex();
        });
        if (how.startsWith(u"code")) {
            w.list->setSelected(how.mid(5).toInt());
            QCOMPARE(lineSeen, clicks ? w.list->listIndex() : -2);  // already inside the call
        } else if (how == u"clear") {
            w.list->clear();
        } else if (how.startsWith(u"mouse") || how.startsWith(u"right")) {
            const int line = how.mid(6).toInt();
            QTest::mouseClick(w.list->viewport(),
                              how.startsWith(u"right") ? Qt::RightButton : Qt::LeftButton, {},
                              w.list->visualItemRect(w.list->item(line)).center());
        } else {
            const QString key = how.mid(4);
            const Qt::Key k = key == u"down"    ? Qt::Key_Down
                              : key == u"right" ? Qt::Key_Right
                              : key == u"left"  ? Qt::Key_Left
                              : key == u"end"   ? Qt::Key_End
                                                : Qt::Key_Home;
            QTest::keyClick(w.list, k);
        }
        QTEST(clicks, "clicks");
        QTEST(w.list->listIndex(), "line");
    }

    // The list's own keys, as a standard single-selection list: one line per arrow (Left as
    // Up, Right as Down) whatever modifier is held, Page Up and Home to the first line, Page
    // Down and End to the last; the line moved to is the one selected and drawn so.
    void listOwnKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("line");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Up") << int(Qt::Key_Up) << 0 << 5 << 4;
        QTest::newRow("Up at the first line") << int(Qt::Key_Up) << 0 << 0 << 0;
        QTest::newRow("Down at the last line") << int(Qt::Key_Down) << 0 << 15 << 15;
        QTest::newRow("Ctrl+Down selects the next line") << int(Qt::Key_Down) << ctrl << 5 << 6;
        QTest::newRow("Shift+Up") << int(Qt::Key_Up) << int(Qt::ShiftModifier) << 5 << 4;
        QTest::newRow("Ctrl+Left") << int(Qt::Key_Left) << ctrl << 5 << 4;
        QTest::newRow("Page Up from the last line") << int(Qt::Key_PageUp) << 0 << 15 << 0;
        QTest::newRow("Page Down from the first line") << int(Qt::Key_PageDown) << 0 << 0 << 15;
        QTest::newRow("Ctrl+End") << int(Qt::Key_End) << ctrl << 3 << 15;
        QTest::newRow("Ctrl+Home") << int(Qt::Key_Home) << ctrl << 12 << 0;
        QTest::newRow("no line: Down chooses the first") << int(Qt::Key_Down) << 0 << -1 << 0;
        QTest::newRow("no line: Up chooses the first") << int(Qt::Key_Up) << 0 << -1 << 0;
        QTest::newRow("no line: End chooses the last") << int(Qt::Key_End) << 0 << -1 << 15;
    }
    void listOwnKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, from);
        QFETCH(int, line);
        ListWindow w;
        if (from >= 0) {
            w.list->setSelected(from);
        } else {
            w.list->setCurrentRow(-1);
        }
        QTest::keyClick(w.list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.list->listIndex(), line);
        QCOMPARE(w.list->selectedItems(), QList<QListWidgetItem*>{w.list->item(line)});
    }

    // KeyDown comes first with the key's code, while the old line is still selected; -1
    // keeps the key from the list.
    void keyDownBeforeTheList_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("swallow");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("line");
        QTest::newRow("Down") << int(Qt::Key_Down) << 0 << false << 40 << 0 << 6;
        QTest::newRow("Down swallowed") << int(Qt::Key_Down) << 0 << true << 40 << 0 << 5;
        QTest::newRow("Shift+Up") << int(Qt::Key_Up) << int(Qt::ShiftModifier) << false << 38 << 1
                                  << 4;
        QTest::newRow("Ctrl+Right swallowed")
            << int(Qt::Key_Right) << int(Qt::ControlModifier) << true << 39 << 2 << 5;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << false << 34 << 0 << 15;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0 << false << 33 << 0 << 0;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << true << 8 << 0 << 5;
        QTest::newRow("F4 with Alt")
            << int(Qt::Key_F4) << int(Qt::AltModifier) << false << 115 << 4 << 5;
    }
    void keyDownBeforeTheList() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, swallow);
        ListWindow w;
        w.list->setSelected(5);
        int code = 0, shift = -1, lineAtKeyDown = -2;
        connect(w.list, &ListBox::keyDown, w.list, [&](int& keyCode, int s) {
            code = keyCode;
            shift = s;
            lineAtKeyDown = w.list->listIndex();
            if (swallow) {
                keyCode = -1;
            }
        });
        QTest::keyClick(w.list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTEST(code, "code");
        QTEST(shift, "shift");
        QCOMPARE(lineAtKeyDown, 5);
        QTEST(w.list->listIndex(), "line");
    }

    // A handler that moves the selection itself leaves the list's own key nothing to do.
    void keyDownHandlerRunsFirst() {
        ListWindow w;
        w.list->setSelected(14);
        connect(w.list, &ListBox::keyDown, w.list, [&](int& keyCode, int) {
            if (keyCode == 40) {
                w.list->setSelected(15);
            }
        });
        QSignalSpy clicks(w.list, &ListBox::click);
        QTest::keyClick(w.list, Qt::Key_Down);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(w.list->listIndex(), 15);
    }

    // Regaining the focus with no line selected chooses none.
    void focusDoesNotChooseALine() {
        ListWindow w;
        QWidget other(&w.window);
        other.setFocusPolicy(Qt::StrongFocus);
        other.show();
        w.list->clear();
        w.list->addItem(QStringLiteral("001 - A"));
        other.setFocus();
        QSignalSpy clicks(w.list, &ListBox::click);
        w.list->setFocus();
        QCOMPARE(w.list->listIndex(), -1);
        QCOMPARE(clicks.count(), 0);
    }

    // The sequence of a label's mouse events for one press and release.
    void labelMouse_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("left click") << Qt::LeftButton << 0 << QPoint(3, 4)
                                    << QStringList{"down 1 0 45 60", "up 1 0 45 60", "click"};
        QTest::newRow("right click gives no Click")
            << Qt::RightButton << 0 << QPoint(3, 4)
            << QStringList{"down 2 0 45 60", "up 2 0 45 60"};
        QTest::newRow("shift held") << Qt::LeftButton << int(Qt::ShiftModifier) << QPoint(3, 4)
                                    << QStringList{"down 1 1 45 60", "up 1 1 45 60", "click"};
        QTest::newRow("released outside")
            << Qt::LeftButton << 0 << QPoint(70, 4)
            << QStringList{"down 1 0 45 60", "move 1 0 1050 60", "up 1 0 1050 60"};
    }
    void labelMouse() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, modifiers);
        QFETCH(QPoint, release);
        QWidget window;
        window.resize(200, 100);
        auto* label = new Label(&window, 3);
        label->setGeometry(10, 10, 50, 20);
        window.show();
        QStringList events;
        auto record = [&events](const char* what) {
            return [&events, what](int index, int b, int s, int x, int y) {
                QCOMPARE(index, 3);
                events << QStringLiteral("%1 %2 %3 %4 %5").arg(what).arg(b).arg(s).arg(x).arg(y);
            };
        };
        connect(label, &Label::mouseDown, label, record("down"));
        connect(label, &Label::mouseUp, label, record("up"));
        connect(label, &Label::mouseMove, label, record("move"));
        connect(label, &Label::click, label, [&events](int) { events << "click"; });
        const auto mods = Qt::KeyboardModifiers(modifiers);
        QWindow* handle = window.windowHandle();
        const QPoint origin(10, 10);
        QTest::mousePress(handle, button, mods, origin + QPoint(3, 4));
        if (release != QPoint(3, 4)) {
            QTest::mouseMove(handle, origin + release);
        }
        QTest::mouseRelease(handle, button, mods, origin + release);
        QTEST(events, "events");
    }

    // What lies at a point of the window gets a press there: never a shape or a line, which
    // the mouse passes through to the label or window behind.
    void mouseTransparency_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("receiver");
        QTest::newRow("shape over the label") << QPoint(15, 15) << "behind";
        QTest::newRow("line over the label") << QPoint(30, 20) << "behind";
        QTest::newRow("shape over the window") << QPoint(70, 15) << "window";
        QTest::newRow("label over a shape") << QPoint(85, 15) << "front";
    }
    void mouseTransparency() {
        QFETCH(QPoint, at);
        struct Window : QWidget {
            QString* got;
            void mousePressEvent(QMouseEvent*) override { *got = QStringLiteral("window"); }
        };
        QString got;
        Window window;
        window.got = &got;
        window.resize(200, 100);
        auto* behind = new Label(&window);
        behind->setGeometry(10, 10, 50, 30);
        auto* shape = new Shape(&window);
        shape->setGeometry(10, 10, 100, 10);
        new Line(&window, -1, QPoint(20, 20), QPoint(40, 20));
        auto* front = new Label(&window);
        front->setGeometry(80, 10, 20, 20);
        window.show();
        connect(behind, &Label::mouseDown, behind, [&got] { got = QStringLiteral("behind"); });
        connect(front, &Label::mouseDown, front, [&got] { got = QStringLiteral("front"); });
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, at);
        QTEST(got, "receiver");
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, at);
    }

    // Choosing an option raises its Click and clears the others of its group; clearing one
    // raises nothing.
    void optionValue_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<bool>>("values");
        QTest::newRow("code chooses 2")
            << "code 2" << QList<int>{2} << QList<bool>{false, false, true};
        QTest::newRow("code chooses the chosen one")
            << "code 0" << QList<int>{0} << QList<bool>{true, false, false};
        QTest::newRow("code clears 0")
            << "clear 0" << QList<int>{} << QList<bool>{false, false, false};
        QTest::newRow("mouse chooses 1")
            << "mouse 1" << QList<int>{1} << QList<bool>{false, true, false};
        QTest::newRow("mouse on the chosen one")
            << "mouse 0" << QList<int>{0} << QList<bool>{true, false, false};
        QTest::newRow("right button chooses nothing")
            << "right 1" << QList<int>{} << QList<bool>{true, false, false};
    }
    void optionValue() {
        QFETCH(QString, how);
        QWidget window;
        QList<OptionButton*> options;
        for (int i = 0; i < 3; ++i) {
            options << new OptionButton(&window, i);
            options[i]->setGeometry(0, 15 * i, 100, 13);
        }
        window.show();
        options[0]->setValue(true);
        QList<int> clicks;
        for (OptionButton* option : options) {
            connect(option, &OptionButton::click, option,
                    [&clicks](int index) { clicks << index; });
        }
        const int target = how.back().digitValue();
        if (how.startsWith(u"code")) {
            options[target]->setValue(true);
        } else if (how.startsWith(u"clear")) {
            options[target]->setValue(false);
        } else {
            QTest::mouseClick(options[target],
                              how.startsWith(u"right") ? Qt::RightButton : Qt::LeftButton, {},
                              QPoint(50, 6));
        }
        QTEST(clicks, "clicks");
        QList<bool> values;
        for (OptionButton* option : options) {
            values << option->value();
        }
        QTEST(values, "values");
    }

    // Borders, fills and transparency as painted.
    void labelPaint_data() {
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<bool>("border");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("opaque fill") << false << false << QPoint(0, 0) << QColor(0xFFFF00);
        QTest::newRow("border") << false << true << QPoint(0, 5) << QColor(Qt::black);
        QTest::newRow("inside the border") << false << true << QPoint(1, 5) << QColor(0xFFFF00);
        QTest::newRow("bottom right border")
            << false << true << QPoint(49, 19) << QColor(Qt::black);
        QTest::newRow("transparent shows what is behind")
            << true << false << QPoint(48, 18) << QColor(0x0000FF);
        QTest::newRow("transparent, bordered")
            << true << true << QPoint(48, 18) << QColor(0x0000FF);
    }
    void labelPaint() {
        QFETCH(bool, transparent);
        QFETCH(bool, border);
        QFETCH(QPoint, at);
        QWidget window;
        window.resize(60, 30);
        auto* shape = new Shape(&window);
        shape->setGeometry(0, 0, 60, 30);
        shape->setBackColor(QColor(0x0000FF));
        auto* label = new Label(&window);
        label->setGeometry(5, 5, 50, 20);
        label->setColors(Qt::black, QColor(0xFFFF00));
        label->setTransparent(transparent);
        label->setBorder(border);
        label->setCaption(QStringLiteral("AB"));
        window.show();
        const QImage image = window.grab().toImage();
        QTEST(image.pixelColor(at + QPoint(5, 5)), "colour");
    }

    // Text wraps at word boundaries inside the label: a second word that does not fit goes
    // to the next line, below the first.
    void labelWrapsAtWords() {
        QWidget window;
        window.resize(100, 60);
        auto* label = new Label(&window);
        label->setFont(Font(9, false));
        label->setGeometry(0, 0, 60, 40);
        label->setColors(Qt::black, Qt::white);
        label->setCaption(QStringLiteral("WWWW WWWW"));
        window.show();
        const QImage image = window.grab().toImage();
        auto inkInRows = [&image](int from, int to) {
            for (int y = from; y < to; ++y) {
                for (int x = 0; x < 60; ++x) {
                    if (image.pixelColor(x, y) != Qt::white) {
                        return true;
                    }
                }
            }
            return false;
        };
        QVERIFY(inkInRows(0, 11));
        QVERIFY(inkInRows(11, 22));
        QVERIFY(!inkInRows(24, 40));
    }

    // The tallest accents (the breve of Й) stay inside an 11-px list row and an 11-px
    // bordered label: each letter draws differently from its plain form.
    void accentsFitTheRow_data() {
        QTest::addColumn<QString>("accented");
        QTest::addColumn<QString>("plain");
        QTest::newRow("short i") << "Й"
                                 << "И";
        QTest::newRow("yo") << "Ё"
                            << "Е";
    }
    void accentsFitTheRow() {
        QFETCH(QString, accented);
        QFETCH(QString, plain);
        auto listRow = [](const QString& text) {
            ListWindow w;
            w.list->item(0)->setText(text);
            return w.list->viewport()->grab(w.list->visualItemRect(w.list->item(0))).toImage();
        };
        auto label = [](const QString& text) {
            QWidget window;
            auto* l = new Label(&window);
            l->setFont(Font(9, true));
            l->setBorder(true);
            l->setGeometry(0, 0, 40, 13);
            l->setCaption(text);
            window.show();
            // Only the rows inside the border: ink clipped by it would not count.
            return l->grab(QRect(1, 1, 38, 11)).toImage();
        };
        QVERIFY(listRow(accented) != listRow(plain));
        QVERIFY(label(accented) != label(plain));
    }

    void image_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QSize>("size");
        QTest::newRow("large picture") << 101 << true << QSize(245, 196);
        QTest::newRow("small picture") << 751 << true << QSize(56, 56);
        QTest::newRow("logo") << 1001 << true << QSize(105, 38);
        QTest::newRow("no such bitmap") << 352 << false << QSize(0, 0);
    }
    void image() {
        QFETCH(int, number);
        QWidget window;
        window.resize(300, 300);
        auto* image = new Image(&window);
        image->setGeometry(0, 0, 300, 250);
        image->setPicture(500 + 1);
        QTEST(image->setPicture(number), "loaded");
        QTEST(image->picture().size(), "size");
        QCOMPARE(image->pictureNumber(), image->picture().isNull() ? 0 : number);
    }
};

QTEST_MAIN(TestToolkit)
#include "test_toolkit.moc"
