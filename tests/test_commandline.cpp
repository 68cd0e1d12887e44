// Both programs answer the conventional options the same way: --help and --version on
// standard output with status 0, a mistake as one line and the usage on standard error with
// status 2. The viewer runs with a window system plugin that does not exist, so a row that
// reached QApplication would end in Qt's abort instead of the expected answer.

#include <QtTest>

#include "runprogram.h"

namespace {

enum Program { kViewer, kDataTool };
enum Stream { kOut, kErr };

using zentaloger::testing::Answer;

Answer Run(Program program, const QStringList& arguments,
           const QStringList& environment = {"QT_QPA_PLATFORM=no-such-platform"}) {
    return zentaloger::testing::RunProgram(
        QString::fromUtf8(program == kViewer ? ZENTALOGER_VIEWER : ZENTALOGER_DATATOOL), arguments,
        environment);
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
  private slots:
    void answers_data();
    void answers();
    void badEnvironment_data();
    void badEnvironment();
};

void TestCommandLine::answers_data() {
    QTest::addColumn<int>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("stream");
    QTest::addColumn<QString>("firstLine");

    const QString viewerUsage = QStringLiteral(
        "Usage: zentaloger [-h | --help] [-v | --version] [Qt window system options]");
    const QString toolUsage = QStringLiteral("Usage: zentadata compile SOURCES OUT");
    const QString version = QStringLiteral(ZENTALOGER_VERSION);
    auto row = [](const char* name, Program program, const QStringList& arguments, int status,
                  Stream stream, const QString& firstLine) {
        QTest::newRow(name) << int(program) << arguments << status << int(stream) << firstLine;
    };

    row("viewer --help", kViewer, {"--help"}, 0, kOut, viewerUsage);
    row("viewer -h", kViewer, {"-h"}, 0, kOut, viewerUsage);
    row("viewer --version", kViewer, {"--version"}, 0, kOut, "zentaloger " + version);
    row("viewer unknown option", kViewer, {"--no-such-option=1"}, 2, kErr,
        "zentaloger: unknown option '--no-such-option'");
    row("viewer --help after a bad -platform", kViewer, {"-platform", "nosuch", "--help"}, 0, kOut,
        viewerUsage);
    row("viewer Qt option values are not arguments", kViewer,
        {"-display", ":7", "-style", "fusion", "-qwindowtitle", "T", "--frobnicate"}, 2, kErr,
        "zentaloger: unknown option '--frobnicate'");
    row("viewer stray argument", kViewer, {"file.txt"}, 2, kErr,
        "zentaloger: unexpected argument 'file.txt'");
    row("viewer Qt option without its value", kViewer, {"-platform"}, 2, kErr,
        "zentaloger: missing value after '-platform'");

    row("zentadata --help", kDataTool, {"--help"}, 0, kOut, toolUsage);
    row("zentadata --version", kDataTool, {"--version"}, 0, kOut, "zentadata " + version);
    row("zentadata unknown option", kDataTool, {"--bogus"}, 2, kErr,
        "zentadata: unknown option '--bogus'");
    row("zentadata --help before a bad -platform", kDataTool, {"--help", "-platform", "nosuch"}, 0,
        kOut, toolUsage);
    row("zentadata no command", kDataTool, {}, 2, kErr, "zentadata: no command given");
    row("zentadata unknown command", kDataTool, {"frob"}, 2, kErr,
        "zentadata: unknown command 'frob'");
    row("zentadata compile --help", kDataTool, {"compile", "--help"}, 0, kOut,
        "Usage: zentadata compile [-h | --help] SOURCES OUT");
    row("zentadata check -h", kDataTool, {"check", "-h"}, 0, kOut,
        "Usage: zentadata check [-h | --help] RESOURCE");
    row("zentadata dump --help", kDataTool, {"dump", "--help"}, 0, kOut,
        "Usage: zentadata dump [-h | --help] [-f | --force] RESOURCE FOLDER");
    row("zentadata check unknown option", kDataTool, {"check", "--bogus", "x.db"}, 2, kErr,
        "zentadata: check: unknown option '--bogus'");
    row("zentadata dump one argument short", kDataTool, {"dump", "x.db"}, 2, kErr,
        "zentadata: dump: expected RESOURCE FOLDER, got 1 argument(s)");
}

void TestCommandLine::answers() {
    QFETCH(int, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(int, stream);
    QFETCH(QString, firstLine);

    const Answer answer = Run(Program(program), arguments);
    const QString& used = stream == kOut ? answer.out : answer.err;
    const QString& other = stream == kOut ? answer.err : answer.out;
    QVERIFY2(other.isEmpty(), qPrintable(QStringLiteral("the other stream holds: ") + other));
    QCOMPARE(answer.status, status);
    QVERIFY(used.endsWith(u'\n'));
    const QStringList lines = used.split(u'\n');
    QCOMPARE(lines.constFirst(), firstLine);
    if (status == 2) {
        // One line that says what, then the usage.
        QVERIFY2(lines.size() >= 2 && lines[1].startsWith(QStringLiteral("Usage: ")),
                 qPrintable(used));
    }
}

// A window system that cannot be opened: one line saying what and what to do, status 1, no
// abort and no core dump.
void TestCommandLine::badEnvironment_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("start");
    const QString prefix = QStringLiteral("zentaloger: cannot open a window: ");
    QTest::newRow("no display, no platform chosen")
        << QStringList{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"} << QStringList()
        << prefix + "no display found: DISPLAY is not set.";
    QTest::newRow("a display that is not there")
        << QStringList{"QT_QPA_PLATFORM", "DISPLAY=:97", "WAYLAND_DISPLAY"} << QStringList()
        << prefix + "cannot connect to the display \":97\"";
    QTest::newRow("an unknown platform")
        << QStringList{"QT_QPA_PLATFORM=no-such-platform"} << QStringList()
        << prefix +
               "the window system \"no-such-platform\" is "
               "not available here; choose one of: ";
    QTest::newRow("an unknown platform on the command line")
        << QStringList{"QT_QPA_PLATFORM"} << QStringList{"-platform", "nosuch"}
        << prefix + "the window system \"nosuch\" is not available here";
}

void TestCommandLine::badEnvironment() {
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(QString, start);
    const Answer answer = Run(kViewer, arguments, environment);
    QCOMPARE(answer.status, 1);
    QVERIFY2(answer.out.isEmpty(), qPrintable(answer.out));
    QCOMPARE(answer.err.count(u'\n'), 1);
    QVERIFY2(answer.err.startsWith(start), qPrintable(answer.err));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
