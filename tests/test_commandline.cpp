// Both programs run as a user runs them. They answer the conventional options the same way:
// --help and --version on standard output with status 0, a mistake as one line and the usage on
// standard error with status 2. The viewer runs with a window system plugin that does not
// exist, so a row that reached QApplication would end in Qt's abort instead of the expected
// answer; a window system that cannot be opened is one line saying what and what to do, with
// status 1. The viewer's home folder and locale change nothing: with a read-only or missing
// home and any locale (installed or not), `zentaloger --version` and a short offscreen session
// of the window (start, every page, 300 random events, close) end with status 0 and write
// nothing into the home folder, the folder for temporary files or the runtime folder. (Without
// a runtime folder, as on no desktop, Qt makes one of its own in the folder for temporary
// files.)

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The programs, as the build made them.
const QString kViewer = QStringLiteral(ZENTALOGER_VIEWER);
const QString kDataTool = QStringLiteral(ZENTALOGER_DATATOOL);
const QString kFailingStart = QStringLiteral(ZENTALOGER_FAILING_START);
enum Stream { kOut, kErr };
const QStringList kNoPlatform{"QT_QPA_PLATFORM=no-such-platform"};

struct Answer {
    int status = -1;
    QString out;
    QString err;
};

// `environment` holds NAME=VALUE to set and NAME alone to remove; a program that does not end
// normally within 60 s answers status -1 with the reason in `err`.
Answer RunProgram(const QString& program, const QStringList& arguments,
                  const QStringList& environment) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : environment) {
        const qsizetype equals = variable.indexOf(u'=');
        if (equals < 0) {
            env.remove(variable);
        } else {
            env.insert(variable.left(equals), variable.mid(equals + 1));
        }
    }
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Answer answer;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        answer.err = QStringLiteral("did not end normally: ") + process.readAllStandardError();
        return answer;
    }
    answer.status = process.exitCode();
    answer.out = QString::fromUtf8(process.readAllStandardOutput());
    answer.err = QString::fromUtf8(process.readAllStandardError());
    return answer;
}

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

class TestCommandLine : public QObject {
    Q_OBJECT
  private slots:
    void answers_data() {
        QTest::addColumn<QString>("program");
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
        auto row = [](const char* name, const QString& program, const QStringList& arguments,
                      int status, Stream stream, const QString& line,
                      const QStringList& env = kNoPlatform) {
            QTest::newRow(name) << program << env << arguments << status << int(stream) << line;
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
        QFETCH(QString, program);
        QFETCH(QStringList, environment);
        QFETCH(int, status);
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        const Answer answer = RunProgram(program, arguments, environment);
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

    // The data tool's commands in order on one folder: one that succeeds says nothing on
    // standard error (no Qt warning, no editorial warning on the shipped sources), one that
    // refuses says why there and ends with status 1.
    void dataTool_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");  // how standard output starts; empty: no output
        QTest::addColumn<QString>("err");  // how standard error starts; empty: no output
        const QString db = work_.filePath(QStringLiteral("out.db"));
        const QString dumped = work_.filePath(QStringLiteral("dumped"));
        const QString missing = work_.filePath(QStringLiteral("missing"));
        const QString sources = QStringLiteral(ZENTALOGER_SOURCES);
        const auto row = [](const char* name, const QStringList& arguments, int status = 0,
                            const QString& out = {}, const QString& err = {}) {
            QTest::newRow(name) << arguments << status << out << err;
        };
        row("compile", {"compile", sources, db});
        row("check a resource", {"check", db}, 0, db + ": ");
        row("check the sources", {"check", sources}, 0, sources + ": ");
        row("compile a missing folder", {"compile", missing, db}, 1, {},
            missing + ": no such folder\n");
        row("dump", {"dump", db, dumped});
        row("dump into a folder that holds files", {"dump", db, dumped}, 1, {},
            "zentadata: " + dumped + " is not empty; dump writes into a new or empty folder");
        row("dump --force", {"dump", "--force", db, dumped});
        row("dump -f", {"dump", "-f", db, dumped});
    }
    void dataTool() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QVERIFY(work_.isValid());
        const Answer answer = RunProgram(kDataTool, arguments, {});
        QTEST(answer.status, "status");
        QVERIFY2(out.isEmpty() ? answer.out.isEmpty() : answer.out.startsWith(out),
                 qPrintable(answer.out));
        QVERIFY2(err.isEmpty() ? answer.err.isEmpty() : answer.err.startsWith(err),
                 qPrintable(answer.err));
    }

    void environmentChangesNothing_data() {
        QTest::addColumn<QString>("home");  // read-only, missing or empty
        QTest::addColumn<QStringList>("locale");
        QTest::newRow("HOME read-only") << "read-only" << QStringList();
        QTest::newRow("HOME missing") << "missing" << QStringList();
        QTest::newRow("LANG=C") << "empty" << QStringList{"LANG=C", "LC_ALL"};
        QTest::newRow("LANG=ru_RU.UTF-8") << "empty" << QStringList{"LANG=ru_RU.UTF-8", "LC_ALL"};
        QTest::newRow("LC_ALL=tr_TR, not installed") << "empty" << QStringList{"LC_ALL=tr_TR"};
    }
    void environmentChangesNothing() {
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

        const auto version = RunProgram(kViewer, {"--version"}, environment);
        QCOMPARE(version.status, 0);
        QVERIFY2(version.out.startsWith(QStringLiteral("zentaloger ")), qPrintable(version.out));
        const auto session =
            RunProgram(ZENTALOGER_RANDOMRUN, {"--events", "300", "--seed", "7"}, environment);
        QVERIFY2(session.status == 0 && session.out.endsWith(QStringLiteral("\nOK\n")),
                 qPrintable(session.out + session.err));
        QCOMPARE(Tree(dir.path()), before);
        QFile::setPermissions(homePath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

  private:
    QTemporaryDir work_;
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
