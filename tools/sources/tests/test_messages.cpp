// What `zentadata` tells its user, run as a user runs it: the exit status and the messages
// for values a terminal cannot show whole, characters outside the database's set, a missing
// sources folder, and a dump into a folder that already holds files.

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include "database/writer.h"
#include "tests/support/runprogram.h"
#include "tools/sources/compile.h"
#include "tools/sources/sources.h"
#include "tools/sources/tests/fixture.h"

using namespace zentaloger;
using namespace zentaloger::sources;

using zentaloger::testing::RunProgram;

class TestMessages : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(sources_.isValid() && work_.isValid());
        QString error;
        QVERIFY2(WriteSources(Fixture(), sources_.path(), &error), qPrintable(error));
        resource_ = work_.filePath(QStringLiteral("fixture.db"));
        QVERIFY(WriteFile(resource_, EncodeResource(Compile(Fixture()).fields)));
    }

    void messages_data() {
        QTest::addColumn<QString>("command");  // compile, compile-missing, dump, dump-force
        QTest::addColumn<QString>("find");     // an edit of species/005.toml for compile
        QTest::addColumn<QString>("replace");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expect");  // in the error output; %1 is the folder used
        QTest::addColumn<QString>("absent");

        const auto row = [](const char* name, const char* command, const QString& find,
                            const QString& replace, int status, const QString& expect,
                            const char* absent = "") {
            QTest::newRow(name) << QString::fromLatin1(command) << find << replace << status
                                << expect << QString::fromLatin1(absent);
        };
        const QString name = u"name.en = \"BEASTAAF\""_qs;
        const QString longText = QString(100000, u'A');
        row("character outside the BMP, by its code point", "compile", name,
            u"name.en = \"BEAST\U0001F600\""_qs, 1,
            u"species/005.toml:1: species name.en contains the character '\U0001F600' (U+1F600)"_qs,
            "U+D83D");
        row("character inside the BMP, shown", "compile", name, u"name.en = \"BEAST?\""_qs, 1,
            u"contains the character '?' (U+003F)"_qs);
        row("long value quoted in part", "compile", u"a plain creature"_qs,
            u"a  plain creature "_qs + longText, 1,
            u"species/005.toml:9: species description.en \"Species number 005 of the fixture, "
            "a  pl...\" has a leading, trailing or doubled space"_qs);
        row("long key quoted in part", "compile", name, name + u"\n"_qs + longText + u" = 1"_qs, 1,
            u"unknown key \""_qs + QString(40, u'A') + u"...\" in species"_qs);
        row("missing sources folder, named once", "compile-missing", {}, {}, 1,
            u"%1: no such folder"_qs, "%1/%1");
        row("dump into a folder that holds files", "dump", {}, {}, 1,
            u"%1 is not empty; dump writes into a new or empty folder"_qs);
        row("dump --force replaces the sources", "dump-force", {}, {}, 0, {});
    }

    void messages() {
        QFETCH(QString, command);
        QFETCH(QString, find);
        QFETCH(QString, replace);
        const QString species = sources_.filePath(QStringLiteral("species/005.toml"));
        const auto restore =
            qScopeGuard([species, bytes = ReadFile(species)] { WriteFile(species, bytes); });
        QTemporaryDir target;
        QString folder = sources_.path();
        QStringList args;
        if (command == QLatin1String("compile")) {
            QVERIFY(EditFile(species, find, replace) > 0);
            args = {QStringLiteral("compile"), folder, work_.filePath(QStringLiteral("out.db"))};
        } else if (command == QLatin1String("compile-missing")) {
            folder = target.filePath(QStringLiteral("missing"));
            args = {QStringLiteral("compile"), folder, work_.filePath(QStringLiteral("out.db"))};
        } else {
            // The folder holds an old species file, which must not survive into the new
            // sources, and a file that is no source, which is left alone.
            folder = target.path();
            QVERIFY(WriteFile(target.filePath(QStringLiteral("species/300.toml")), "x = 1\n"));
            QVERIFY(WriteFile(target.filePath(QStringLiteral("notes.txt")), "mine\n"));
            args = {QStringLiteral("dump"), resource_, folder};
            if (command == QLatin1String("dump-force")) {
                args.insert(1, QStringLiteral("--force"));
            }
        }

        const auto run = RunProgram(QStringLiteral(ZENTADATA), args, {});
        QTEST(run.status, "status");
        QFETCH(QString, expect);
        QFETCH(QString, absent);
        const auto in = [&folder](QString text) { return text.replace(u"%1"_qs, folder); };
        QVERIFY2(run.err.contains(in(expect)), qPrintable(run.err));
        QVERIFY2(absent.isEmpty() || !run.err.contains(in(absent)), qPrintable(run.err));
        for (const QString& line : run.err.split(u'\n')) {
            QVERIFY2(line.size() <= 200 + folder.size(), qPrintable(line.left(300)));
        }

        if (command.startsWith(QLatin1String("dump"))) {
            QVERIFY(QFile::exists(target.filePath(QStringLiteral("notes.txt"))));
            const bool replaced = run.status == 0;
            QCOMPARE(QFile::exists(target.filePath(QStringLiteral("species/300.toml"))), !replaced);
            QCOMPARE(QFile::exists(target.filePath(QStringLiteral("types.toml"))), replaced);
            if (replaced) {
                const ReadResult read = ReadSources(folder);
                QVERIFY(read.errors.empty());
                QCOMPARE(EncodeResource(Compile(read.set).fields), ReadFile(resource_));
            }
        }
    }

  private:
    QTemporaryDir sources_;  // the written fixture
    QTemporaryDir work_;
    QString resource_;  // the fixture compiled
};

QTEST_GUILESS_MAIN(TestMessages)
#include "test_messages.moc"
