// The viewer's home folder and locale change nothing: with a read-only or missing home and
// with any locale (installed or not) both `zentaloger --version` and a short offscreen
// session of the window (start, every page, 300 random events, close) end with status 0,
// and neither writes anything into the home folder, the folder for temporary files or the
// runtime folder. (Without a runtime folder, as on no desktop, Qt makes one of its own in the
// folder for temporary files.)
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/runprogram.h"

using zentaloger::testing::RunProgram;

namespace {

// Every file and folder below `root`.
QStringList Tree(const QString& root) {
    QStringList paths;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        paths << it.next();
    }
    paths.sort();
    return paths;
}

}  // namespace

class TestEnvironment : public QObject {
    Q_OBJECT

  private slots:
    void changesNothing_data() {
        QTest::addColumn<QString>("home");  // read-only, missing or empty
        QTest::addColumn<QStringList>("locale");
        QTest::newRow("HOME read-only") << "read-only" << QStringList();
        QTest::newRow("HOME missing") << "missing" << QStringList();
        QTest::newRow("LANG=C") << "empty" << QStringList{"LANG=C", "LC_ALL"};
        QTest::newRow("LANG=ru_RU.UTF-8") << "empty" << QStringList{"LANG=ru_RU.UTF-8", "LC_ALL"};
        QTest::newRow("LC_ALL=tr_TR, not installed") << "empty" << QStringList{"LC_ALL=tr_TR"};
    }
    void changesNothing() {
        QFETCH(QString, home);
        QFETCH(QStringList, locale);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString homePath = dir.filePath(QStringLiteral("home"));
        for (const char* folder : {"tmp", "run"}) {
            QVERIFY(QDir().mkpath(dir.filePath(QLatin1String(folder))));
        }
        // Qt takes a runtime folder only when it is its user's alone.
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("run")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (home != u"missing") {
            QVERIFY(QDir().mkpath(homePath));
        }
        if (home == u"read-only") {
            QVERIFY(QFile::setPermissions(homePath, QFile::ReadOwner | QFile::ExeOwner));
        }
        const QStringList before = Tree(dir.path());
        const QStringList environment =
            QStringList{"HOME=" + homePath,
                        "TMPDIR=" + dir.filePath(QStringLiteral("tmp")),
                        "XDG_CONFIG_HOME",
                        "XDG_CACHE_HOME",
                        "XDG_DATA_HOME",
                        "XDG_STATE_HOME",
                        "XDG_RUNTIME_DIR=" + dir.filePath(QStringLiteral("run")),
                        "QT_QPA_PLATFORM=offscreen"} +
            locale;

        const auto version = RunProgram(ZENTALOGER_VIEWER, {"--version"}, environment);
        QCOMPARE(version.status, 0);
        QVERIFY2(version.out.startsWith(QStringLiteral("zentaloger ")), qPrintable(version.out));
        const auto session =
            RunProgram(ZENTALOGER_RANDOMRUN, {"--events", "300", "--seed", "7"}, environment);
        QVERIFY2(session.status == 0 && session.out.endsWith(QStringLiteral("\nOK\n")),
                 qPrintable(session.out + session.err));
        QCOMPARE(Tree(dir.path()), before);
        QFile::setPermissions(homePath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestEnvironment)
#include "test_environment.moc"
