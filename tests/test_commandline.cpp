// Both programs answer the conventional options the same way: --help and --version on
// standard output with status 0, a mistake as one line and the usage on standard error with
// status 2. The viewer runs with a window system plugin that does not exist, so a row that
// reached QApplication would end in Qt's abort instead of the expected answer; a window
// system that cannot be opened is one line saying what and what to do, with status 1.

#include <QtTest>

#include "tests/support/runprogram.h"

namespace {

enum Program { kViewer, kDataTool, kFailingStart };
enum Stream { kOut, kErr };
const QStringList kNoPlatform{"QT_QPA_PLATFORM=no-such-platform"};

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
  private slots:
    void answers_data() {
        QTest::addColumn<int>("program");
        QTest::addColumn<QStringList>("environment");  // NAME=VALUE to set, NAME to remove
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("stream");
        QTest::addColumn<QString>("firstLine");  // with status 1, how it starts
        const QString viewerUsage = QStringLiteral(
            "Usage: zentaloger [-h | --help] [-v | --version] [--zoom N] [Qt window system "
            "options]");
        const QString toolUsage = QStringLiteral("Usage: zentadata compile SOURCES OUT");
        const QString version = QStringLiteral(ZENTALOGER_VERSION);
        const QString cannot = QStringLiteral("zentaloger: cannot open a window: ");
        auto row = [](const char* name, Program program, const QStringList& arguments, int status,
                      Stream stream, const QString& line, const QStringList& env = kNoPlatform) {
            QTest::newRow(name) << int(program) << env << arguments << status << int(stream)
                                << line;
        };
        row("viewer --help", kViewer, {"--help"}, 0, kOut, viewerUsage);
        row("viewer -h", kViewer, {"-h"}, 0, kOut, viewerUsage);
        row("viewer --version", kViewer, {"--version"}, 0, kOut, "zentaloger " + version);
        row("viewer unknown option", kViewer, {"--no-such-option=1"}, 2, kErr,
            "zentaloger: unknown option '--no-such-option'");
        row("viewer --help after a bad -platform", kViewer, {"-platform", "nosuch", "--help"}, 0,
            kOut, viewerUsage);
        row("viewer Qt option values are not arguments", kViewer,
            {"-display", ":7", "-style", "fusion", "-qwindowtitle", "T", "--frobnicate"}, 2, kErr,
            "zentaloger: unknown option '--frobnicate'");
        row("viewer --zoom out of range", kViewer, {"--zoom", "5"}, 2, kErr,
            "zentaloger: --zoom takes a whole number from 1 to 4, not '5'");
        row("viewer stray argument", kViewer, {"file.txt"}, 2, kErr,
            "zentaloger: unexpected argument 'file.txt'");
        row("viewer Qt option without its value", kViewer, {"-platform"}, 2, kErr,
            "zentaloger: missing value after '-platform'");
        row("viewer, no display, no platform chosen", kViewer, {}, 1, kErr,
            cannot + "no display found: DISPLAY is not set.",
            {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"});
        row("viewer, a display that is not there", kViewer, {}, 1, kErr,
            cannot + "cannot connect to the display \":97\"",
            {"QT_QPA_PLATFORM", "DISPLAY=:97", "WAYLAND_DISPLAY"});
        row("viewer, an unknown platform", kViewer, {}, 1, kErr,
            cannot +
                "the window system \"no-such-platform\" is not available here; choose one of: ");
        row("viewer, an unknown platform on the command line", kViewer, {"-platform", "nosuch"}, 1,
            kErr, cannot + "the window system \"nosuch\" is not available here",
            {"QT_QPA_PLATFORM"});

        // A private runtime folder, or Qt's warning about it would come first.
        static const QTemporaryDir runtime;
        row("viewer, a resource that is not a database", kFailingStart, {}, 1, kErr,
            "zentaloger: database: field 1 (byte 0): ",
            {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + runtime.path(),
             "ZENTALOGER_TEST_RESOURCE=" ZENTALOGER_SOURCES "/types.toml"});

        row("zentadata --help", kDataTool, {"--help"}, 0, kOut, toolUsage);
        row("zentadata --version", kDataTool, {"--version"}, 0, kOut, "zentadata " + version);
        row("zentadata unknown option", kDataTool, {"--bogus"}, 2, kErr,
            "zentadata: unknown option '--bogus'");
        row("zentadata --help before a bad -platform", kDataTool, {"--help", "-platform", "nosuch"},
            0, kOut, toolUsage);
        row("zentadata no command", kDataTool, {}, 2, kErr, "zentadata: no command given");
        row("zentadata unknown command", kDataTool, {"frob"}, 2, kErr,
            "zentadata: unknown command 'frob'");
        row("zentadata dump --help", kDataTool, {"dump", "--help"}, 0, kOut,
            "Usage: zentadata dump [-h | --help] [-f | --force] RESOURCE FOLDER");
        row("zentadata check unknown option", kDataTool, {"check", "--bogus", "x.db"}, 2, kErr,
            "zentadata: check: unknown option '--bogus'");
        row("zentadata dump one argument short", kDataTool, {"dump", "x.db"}, 2, kErr,
            "zentadata: dump: expected RESOURCE FOLDER, got 1 argument(s)");
    }
    void answers() {
        QFETCH(int, program);
        QFETCH(QStringList, environment);
        QFETCH(int, status);
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        const zentaloger::testing::Answer answer = zentaloger::testing::RunProgram(
            QString::fromUtf8(program == kViewer     ? ZENTALOGER_VIEWER
                              : program == kDataTool ? ZENTALOGER_DATATOOL
                                                     : ZENTALOGER_FAILING_START),
            arguments, environment);
        QVERIFY2(answer.status >= 0, qPrintable(answer.err));
        QCOMPARE(answer.status, status);
        QFETCH(int, stream);
        const QString& used = stream == kOut ? answer.out : answer.err;
        const QString& other = stream == kOut ? answer.err : answer.out;
        QVERIFY2(other.isEmpty(), qPrintable(other));
        QVERIFY2(used.endsWith(u'\n'), qPrintable(used));
        const QStringList lines = used.split(u'\n');
        if (status == 1) {  // one line only
            QVERIFY2(lines.size() == 2 && lines[0].startsWith(firstLine), qPrintable(used));
        } else {
            QCOMPARE(lines.constFirst(), firstLine);
        }
        // A mistake: one line that says what, then the usage.
        QVERIFY2(status != 2 || lines.value(1).startsWith(QStringLiteral("Usage: ")),
                 qPrintable(used));
    }

    // Each data tool command that succeeds says nothing on standard error: no Qt warning, no
    // editorial warning on the shipped sources. The rows run in order on one folder.
    void succeedsQuietly_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firstLine");  // of standard output; empty: no output
        const QString db = work_.filePath(QStringLiteral("out.db"));
        const QString dumped = work_.filePath(QStringLiteral("dumped"));
        const QString sources = QStringLiteral(ZENTALOGER_SOURCES);
        QTest::newRow("compile") << QStringList{"compile", sources, db} << QString();
        QTest::newRow("check a resource") << QStringList{"check", db} << db + ": ";
        QTest::newRow("check the sources") << QStringList{"check", sources} << sources + ": ";
        QTest::newRow("dump") << QStringList{"dump", db, dumped} << QString();
        QTest::newRow("dump --force") << QStringList{"dump", "--force", db, dumped} << QString();
        QTest::newRow("dump -f") << QStringList{"dump", "-f", db, dumped} << QString();
    }
    void succeedsQuietly() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        QVERIFY(work_.isValid());
        const zentaloger::testing::Answer answer =
            zentaloger::testing::RunProgram(QString::fromUtf8(ZENTALOGER_DATATOOL), arguments, {});
        QVERIFY2(answer.err.isEmpty(), qPrintable(answer.err));
        QCOMPARE(answer.status, 0);
        QVERIFY2(firstLine.isEmpty() ? answer.out.isEmpty() : answer.out.startsWith(firstLine),
                 qPrintable(answer.out));
    }

  private:
    QTemporaryDir work_;
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
