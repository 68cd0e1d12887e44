// Replays the fuzz corpus through the fuzz entry in an ordinary build. Corpus files named
// "ok-*" must load and "bad-*" must be rejected; any other file (one the fuzzer found) may do
// either, but never break.
#include <QDir>
#include <QtTest>

#include "fuzz_entry.h"
#include "testdata.h"

using zentaloger::fuzz::Outcome;

Q_DECLARE_METATYPE(Outcome::Result)

namespace {

Outcome Run(const QByteArray& input) {
    return zentaloger::fuzz::RunLoaderCase(reinterpret_cast<const std::uint8_t*>(input.data()),
                                           static_cast<std::size_t>(input.size()));
}

const char* Name(Outcome::Result r) {
    return r == Outcome::Result::Loaded     ? "loaded"
           : r == Outcome::Result::Rejected ? "rejected"
                                            : "broken";
}

}  // namespace

class FuzzReplay : public QObject {
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
        // The valid database itself, as a raw resource (first byte even) and unedited.
        QTest::newRow("synthetic database, raw")
            << QByteArray(1, '\0') + zentaloger::testdata::TestDatabase() << u"ok"_qs;
        QTest::newRow("synthetic database, no edits") << QByteArray(1, '\1') << u"ok"_qs;
    }

    void corpus() {
        QFETCH(QByteArray, input);
        QFETCH(QString, expect);
        const Outcome outcome = Run(input);
        const QString got =
            QString::fromLatin1(Name(outcome.result)) + QStringLiteral(": ") + outcome.detail;
        QVERIFY2(outcome.result != Outcome::Result::Broken, qPrintable(got));
        if (expect == QStringLiteral("ok")) {
            QVERIFY2(outcome.result == Outcome::Result::Loaded, qPrintable(got));
        } else if (expect == QStringLiteral("bad")) {
            QVERIFY2(outcome.result == Outcome::Result::Rejected, qPrintable(got));
        }
    }
};

QTEST_GUILESS_MAIN(FuzzReplay)
#include "fuzz_replay.moc"
