// The viewer as main joins it: the wheel turns over the list move the list, and every way out
// removes the capture before the program ends with status 0.
#include <QtTest>

#include "detailpages.h"
#include "testdata.h"
#include "viewer.h"
#include "writer.h"

using namespace zentaloger;

namespace {

struct Running {
    std::unique_ptr<Database> db = LoadDatabase(EncodeResource(testdata::TestDatabaseFields()));
    ViewState view;
    pages::DetailPages pages{*db, view};
    QList<std::pair<int, bool>> endings;  // status, and whether the capture was still on
    Viewer viewer{*db, view, pages,
                  [this](int status) { endings << std::pair(status, viewer.wheel().enabled()); }};
    Running() {
        viewer.Load();
        viewer.form().show();
        if (!QTest::qWaitForWindowExposed(&viewer.form())) {
            qWarning("the test window was not exposed");
        }
    }
    toolkit::ListBox* list() { return viewer.form().element<toolkit::ListBox>("lstZENTARI"); }
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
        QTest::newRow("-300, three rows down") << 10 << -300 << 13;
        QTest::newRow("+240, two rows up") << 10 << 240 << 8;
        QTest::newRow("towards at the bottom") << 236 << -120 << 236;
    }
    void wheelMovesTheList() {
        QFETCH(int, from);
        QFETCH(int, dy);
        Running r;
        r.view.topRow = from;
        r.viewer.form().RefillList(false);
        r.turn(dy);
        QTEST(r.view.topRow, "topRow");
        QCOMPARE(SpeciesNumberOfLabel(r.list()->list(0)), r.view.topRow);
    }

    // Each way out ends once, with status 0, after the capture was removed; the list has its
    // own wheel handling back, so a turn no longer moves the page.
    void exitRemovesTheCaptureFirst_data() {
        QTest::addColumn<int>("key");  // 0: the close box, -1: the window manager's close
        QTest::addColumn<int>("keys");
        QTest::newRow("close box") << 0 << 0;
        QTest::newRow("F4") << int(Qt::Key_F4) << 0;
        QTest::newRow("F4 with Alt") << int(Qt::Key_F4) << int(Qt::AltModifier);
        QTest::newRow("window manager's close") << -1 << 0;
    }
    void exitRemovesTheCaptureFirst() {
        QFETCH(int, key);
        QFETCH(int, keys);
        Running r;
        if (key > 0) {
            QTest::keyClick(r.list(), Qt::Key(key), Qt::KeyboardModifiers(keys));
        } else if (key == 0) {
            QWidget* box = r.viewer.form().element<toolkit::Label>("lblEXIT");
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        } else {
            r.viewer.form().close();
        }
        QCOMPARE(r.endings, (QList<std::pair<int, bool>>{{0, false}}));
        r.turn(-120);
        QCOMPARE(r.view.topRow, 1);
    }
};

QTEST_MAIN(TestViewer)
#include "test_viewer.moc"
