// The viewer as main joins it: the wheel turns over the list move the list, and every way out
// removes the capture before the program ends with status 0.
#include <QtTest>

#include "detailpages.h"
#include "testdata.h"
#include "viewer.h"
#include "writer.h"

using namespace zentaloger;

namespace {

struct Ending {
    int calls = 0;
    int status = -1;
    bool capturingAtEnd = true;
};

struct Running {
    std::unique_ptr<Database> db = LoadDatabase(EncodeResource(testdata::TestDatabaseFields()));
    ViewState view;
    pages::DetailPages pages{*db, view};
    Ending ending;
    std::unique_ptr<Viewer> viewer;
    Running() {
        viewer = std::make_unique<Viewer>(*db, view, pages, [this](int status) {
            ++ending.calls;
            ending.status = status;
            ending.capturingAtEnd = viewer->wheel().enabled();
        });
        viewer->Load();
        viewer->form().show();
        if (!QTest::qWaitForWindowExposed(&viewer->form())) {
            qWarning("the test window was not exposed");
        }
    }
    toolkit::ListBox* list() { return viewer->form().element<toolkit::ListBox>("lstZENTARI"); }
    void turn(int dy) {
        QWheelEvent event(QPointF(10, 10), QPointF(100, 100), QPoint(), QPoint(0, dy), {}, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(list()->viewport(), &event);
    }
};

}  // namespace

class TestViewer : public QObject {
    Q_OBJECT

  private slots:
    void wheelMovesTheList_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("topRow");
        QTest::newRow("one notch towards the user") << 10 << -120 << 11;
        QTest::newRow("-300, three rows down") << 10 << -300 << 13;
        QTest::newRow("+240, two rows up") << 10 << 240 << 8;
        QTest::newRow("away at the top") << 1 << 120 << 1;
        QTest::newRow("towards at the bottom") << 236 << -120 << 236;
    }
    void wheelMovesTheList() {
        QFETCH(int, from);
        QFETCH(int, dy);
        Running r;
        QVERIFY(r.viewer->wheel().enabled());
        QCOMPARE(r.viewer->wheel().hWndCapture(), r.list());
        r.view.topRow = from;
        r.viewer->form().RefillList(false);
        r.turn(dy);
        QTEST(r.view.topRow, "topRow");
        QCOMPARE(SpeciesNumberOfLabel(r.list()->list(0)), r.view.topRow);
    }

    // Each way out ends once, with status 0, after the capture was removed.
    void exitRemovesTheCaptureFirst_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("close box") << "close box";
        QTest::newRow("F4") << "F4";
        QTest::newRow("F4 with Alt") << "Alt+F4";
        QTest::newRow("window manager's close") << "close";
    }
    void exitRemovesTheCaptureFirst() {
        QFETCH(QString, how);
        Running r;
        if (how == u"close box") {
            QWidget* box = r.viewer->form().element<toolkit::Label>("lblEXIT");
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        } else if (how == u"F4") {
            QTest::keyClick(r.list(), Qt::Key_F4);
        } else if (how == u"Alt+F4") {
            QTest::keyClick(r.list(), Qt::Key_F4, Qt::AltModifier);
        } else {
            r.viewer->form().close();
        }
        QCOMPARE(r.ending.calls, 1);
        QCOMPARE(r.ending.status, 0);
        QVERIFY(!r.ending.capturingAtEnd);
        // The list has its own wheel handling back: a turn no longer moves the page.
        r.turn(-120);
        QCOMPARE(r.view.topRow, 1);
    }
};

QTEST_MAIN(TestViewer)
#include "test_viewer.moc"
