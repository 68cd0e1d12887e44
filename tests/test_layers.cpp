// No file includes a subsystem above its own. The viewer's subsystems stand in
// one order, database < browse < wheel < window < pages < app: each may include
// its own headers and those of the subsystems below. The tools and the embedded
// resources build on the database alone; a subsystem's tests, test data and
// benchmarks may also use the shared test support (tests/support) and the test
// data of the subsystems below, never another subsystem's tests folder; the
// cross-cutting tests in tests/ may use anything. Product code never includes a
// test folder.
#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QStringList kOrder = {"database", "browse", "wheel", "window", "pages", "app"};

int RankOf(const QString& top) {
    return int(kOrder.indexOf(top));
}

// Test code: anything in a tests, testdata or bench folder, or in tests/ at the
// top.
bool IsTestCode(const QStringList& parts) {
    return parts.first() == u"tests" || parts.contains(u"tests") || parts.contains(u"testdata") ||
           parts.contains(u"bench");
}

// Whether `from` may include `to`, both paths from the project root.
bool MayInclude(const QString& from, const QString& to) {
    const QStringList f = from.split(u'/'), t = to.split(u'/');
    if (f.first() == u"tests") {
        return true;
    }
    const bool fromTest = IsTestCode(f);
    if (IsTestCode(t) && !fromTest) {
        return false;
    }
    if (t.first() == u"tests") {
        return fromTest && t.value(1) == u"support";
    }
    if (t.contains(u"tests") && t.first() != f.first()) {
        return false;  // another subsystem's tests are its own
    }
    if (f.first() == u"tools" || f.first() == u"resources") {
        return t.first() == u"database" || t.first() == u"tools";
    }
    const int fromRank = RankOf(f.first()), toRank = RankOf(t.first());
    return fromRank >= 0 && toRank >= 0 && toRank <= fromRank;
}

// Every quoted include of the files under `folder` that names a file of the
// tree, as "file: include" for each that breaks the order. An include is found
// as the compiler finds it: beside the including file first, then from the
// project root, then in the database's folder (which the tools still name that
// way); generated files (.moc) are not in the tree.
QStringList UpwardIncludes(const QString& root, const QString& folder) {
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*"([^"]+)\")"),
                                            QRegularExpression::MultilineOption);
    const QDir top(root);
    QStringList faults;
    QDirIterator files(top.filePath(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString from = top.relativeFilePath(path);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            faults << from + u": cannot be read";
            continue;
        }
        const QString text = QString::fromUtf8(file.readAll());
        for (auto it = include.globalMatch(text); it.hasNext();) {
            const QString name = it.next().captured(1);
            QString to;
            for (const QString& candidate :
                 {QFileInfo(path).dir().filePath(name), top.filePath(name),
                  top.filePath(u"database/" + name)}) {
                if (QFileInfo::exists(candidate)) {
                    to = top.relativeFilePath(QFileInfo(candidate).canonicalFilePath());
                    break;
                }
            }
            if (!to.isEmpty() && !MayInclude(from, to)) {
                faults << from + u": " + name;
            }
        }
    }
    return faults;
}

}  // namespace

class TestLayers : public QObject {
    Q_OBJECT

  private slots:
    // The rule on paths: a row for each branch that forbids. What it allows, the tree below
    // uses (app/viewer.h includes pages/, tools/art/art.h the database, window/tests the test
    // support, tests/ the tools), so a rule that wrongly forbade it fails there.
    void forbidden_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const auto row = [](const char* name, const char* from, const char* to) {
            QTest::newRow(name) << QString::fromLatin1(from) << QString::fromLatin1(to);
        };
        row("the rules may not use the toolkit", "browse/listrules.cpp",
            "window/toolkit/toolkit.h");
        row("database may not use the wheel", "database/startup.cpp", "wheel/wheelcapture.h");
        row("tools may not use the window", "tools/art/art.cpp", "window/toolkit/look.h");
        row("product code may not use the test support", "window/form.cpp",
            "tests/support/fixture.h");
        row("product code may not use test data", "pages/page.cpp", "database/testdata/testdata.h");
        row("pages tests may not reach into the window's tests", "pages/tests/test_pages.cpp",
            "window/tests/helper.h");
        row("database tests may not use the window", "database/tests/test_database.cpp",
            "window/form.h");
    }
    void forbidden() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QVERIFY(!MayInclude(from, to));
    }

    // The tree as it is: no file of any folder includes above its own subsystem.
    void tree_data() {
        QTest::addColumn<QString>("folder");
        for (const char* folder : {"database", "browse", "wheel", "window", "pages", "app", "tools",
                                   "resources", "tests"}) {
            QTest::newRow(folder) << QString::fromLatin1(folder);
        }
    }
    void tree() {
        QFETCH(QString, folder);
        const QStringList faults = UpwardIncludes(QStringLiteral(ZENTALOGER_SOURCE_ROOT), folder);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n")));
    }
};

QTEST_MAIN(TestLayers)
#include "test_layers.moc"
