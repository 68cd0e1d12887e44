// The seeded random session over the viewer: 20,000 events (4 seeds), the window's invariants
// checked after each; a failure names the seed, the event and what broke.
#include <QtTest>

#include "app/randomrun/randomrun.h"

using zentaloger::testing::RandomRun;

class TestRandomRun : public QObject {
    Q_OBJECT

  private slots:
    void keepsTheInvariants_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 20261208u}) {
            QTest::addRow("seed %u", seed) << seed;
        }
    }
    void keepsTheInvariants() {
        QFETCH(quint32, seed);
        RandomRun run(seed);
        QString fault = run.OpenEveryPage();
        if (fault.isEmpty()) {
            fault = run.Steps(ZENTALOGER_RANDOM_EVENTS / 4);
        }
        if (fault.isEmpty()) {
            fault = run.Close();
        }
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1, ").arg(seed) + fault));
    }
};

QTEST_MAIN(TestRandomRun)
#include "test_randomrun.moc"
