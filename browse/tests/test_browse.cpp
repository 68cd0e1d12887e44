// The rules of the list, as tables: a state and an event in, the state the window must show out.
#include <QtTest>

#include "browse/listrules.h"

using namespace zentaloger;

class TestBrowse : public QObject {
    Q_OBJECT

  private slots:
    // A jump to a species: with a chosen line the species keeps it, without one the page
    // moves just far enough to show it (first line from below, last line from above); the
    // first row stays within 1..236.
    void jump_data() {
        QTest::addColumn<int>("topRow");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("expected");
        QTest::newRow("keeps the chosen line") << 50 << 120 << 4 << 116;
        QTest::newRow("chosen line, first row raised to 1") << 50 << 3 << 7 << 1;
        QTest::newRow("chosen line, first row lowered to 236") << 50 << 251 << 0 << 236;
        QTest::newRow("no line, target above the page") << 50 << 20 << -1 << 20;
        QTest::newRow("no line, target below the page") << 50 << 120 << -1 << 105;
        QTest::newRow("no line, target on the page") << 50 << 60 << -1 << 45;
        QTest::newRow("no line, target on the first row") << 50 << 50 << -1 << 35;
        QTest::newRow("no line, from the top, raised to 1") << 1 << 10 << -1 << 1;
    }
    void jump() {
        QFETCH(int, topRow);
        QFETCH(int, selectedRow);
        QFETCH(int, line);
        QFETCH(int, expected);
        QCOMPARE(TopRowAfterJump(topRow, selectedRow, line), expected);
    }
};

QTEST_MAIN(TestBrowse)
#include "test_browse.moc"
