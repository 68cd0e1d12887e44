// The viewer as main joins it: a wheel turn over the list moves the list, and every way out
// removes the capture before the program ends with status 0. (The rows a turn moves, its
// direction and the clamps are the navigation's and the capture's own tests.)
#include <QtTest>

#include "app/viewer.h"
#include "database/testdata/testdata.h"
#include "database/writer.h"

using namespace zentaloger;

class TestViewer : public QObject {
    Q_OBJECT

  private slots:
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
        const auto db = LoadDatabase(EncodeResource(testdata::TestDatabaseFields()));
        ViewState view;
        QList<std::pair<int, bool>> endings;  // status, and whether the capture was still on
        std::unique_ptr<Viewer> whole;
        whole = BuildViewer(
            *db, view, [&](int status) { endings << std::pair(status, whole->wheel().enabled()); });
        Viewer& viewer = *whole;
        viewer.Load();
        viewer.form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer.form()));
        auto* list = viewer.form().element<toolkit::ListBox>("lstZENTARI");
        auto turn = [list](int dy) {
            QWheelEvent event(QPointF(10, 10), QPointF(100, 100), QPoint(), QPoint(0, dy), {}, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(list->viewport(), &event);
        };
        turn(-300);  // three rows down, as the list shows
        QCOMPARE(view.topRow, 4);
        QCOMPARE(SpeciesNumberOfLabel(list->list(0)), 4);
        if (key > 0) {
            QTest::keyClick(list, Qt::Key(key), Qt::KeyboardModifiers(keys));
        } else if (key == 0) {
            QWidget* box = viewer.form().element<toolkit::Label>("lblEXIT");
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        } else {
            viewer.form().close();
        }
        QCOMPARE(endings, (QList<std::pair<int, bool>>{{0, false}}));
        turn(-120);  // the list's own wheel handling is back: the page stays
        QCOMPARE(view.topRow, 4);
    }
};

QTEST_MAIN(TestViewer)
#include "test_viewer.moc"
