// Replays the sources fuzz corpus through the fuzz entry in an ordinary build. Corpus files
// named "ok-*" must compile and "bad-*" must be refused; any other file (one the fuzzer found)
// may do either, but never break.
#include <QDir>
#include <QtTest>

#include "fuzz_sources_entry.h"

using zentaloger::fuzz::SourcesOutcome;

namespace {

SourcesOutcome Run(const QByteArray& input) {
    return zentaloger::fuzz::RunSourcesCase(reinterpret_cast<const std::uint8_t*>(input.data()),
                                            static_cast<std::size_t>(input.size()));
}

// A case that replaces `path` by the fixture's own file, with `find` replaced.
QByteArray Edited(const char* path, const char* find = nullptr, const char* replace = nullptr) {
    QByteArray text = zentaloger::fuzz::FixtureFile(QString::fromLatin1(path));
    if (text.isEmpty() || (find && !text.contains(find))) {
        qFatal("the fixture's %s has no \"%s\"", path, find ? find : "");
    }
    return QByteArray(path) + '\n' + (find ? text.replace(find, replace) : text);
}

}  // namespace

class FuzzSourcesReplay : public QObject {
    Q_OBJECT

  private slots:
    void corpus_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("expect");  // "ok", "bad" or "any"
        const QDir dir(QStringLiteral(ZENTALOGER_FUZZ_CORPUS));
        const QStringList files = dir.entryList(QDir::Files, QDir::Name);
        QVERIFY2(files.size() >= 10, "the seed corpus is missing");
        for (const QString& name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString expect = name.startsWith(QStringLiteral("ok-"))    ? u"ok"_qs
                                   : name.startsWith(QStringLiteral("bad-")) ? u"bad"_qs
                                                                             : u"any"_qs;
            QTest::newRow(qPrintable(name)) << file.readAll() << expect;
        }
        // Each kind of file, unchanged.
        for (const char* path : {"types.toml", "moves/typea.toml", "machines.toml", "families.toml",
                                 "species/001.toml", "species/251.toml"}) {
            QTest::newRow(path) << Edited(path) << u"ok"_qs;
        }
    }

    void corpus() {
        QFETCH(QByteArray, input);
        QFETCH(QString, expect);
        const SourcesOutcome outcome = Run(input);
        const QString got = QStringLiteral("%1: %2").arg(int(outcome.result)).arg(outcome.detail);
        QVERIFY2(outcome.result != SourcesOutcome::Result::Broken, qPrintable(got));
        if (expect == QStringLiteral("ok")) {
            QVERIFY2(outcome.result == SourcesOutcome::Result::Compiled, qPrintable(got));
        } else if (expect == QStringLiteral("bad")) {
            QVERIFY2(outcome.result == SourcesOutcome::Result::Refused, qPrintable(got));
        }
    }
};

QTEST_GUILESS_MAIN(FuzzSourcesReplay)
#include "fuzz_sources_replay.moc"
