#pragma once
// The body of the fuzz corpus replay tests: every file of a corpus goes through the same case
// that the fuzzer runs, in an ordinary build. A file named "ok-*" must pass, "bad-*" must be
// refused, and any other (one the fuzzer found) may do either; nothing may break.

#include <QDir>
#include <QFile>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace zentaloger::testing {

enum class Replayed { Passed, Refused, Broken };
struct ReplayResult {
    Replayed result;
    QString detail;
};
using Inputs = std::vector<std::pair<QString, QByteArray>>;  // name, input

// Replays the files of `corpus` and then `extra`, prints each failure and returns the exit
// status of the test.
inline int ReplayCorpus(const char* corpus, const std::function<ReplayResult(QByteArray)>& run,
                        Inputs extra) {
    const QDir dir(QString::fromUtf8(corpus));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    if (files.size() < 10) {
        std::fprintf(stderr, "FAIL: the corpus %s is missing\n", corpus);
        return 1;
    }
    Inputs inputs;
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        inputs.push_back({name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()});
    }
    inputs.insert(inputs.end(), extra.begin(), extra.end());
    int failures = 0;
    for (const auto& [name, input] : inputs) {
        const ReplayResult r = run(input);
        const Replayed expected = name.startsWith(u"ok-"_qs)    ? Replayed::Passed
                                  : name.startsWith(u"bad-"_qs) ? Replayed::Refused
                                                                : r.result;
        if (r.result == Replayed::Broken || r.result != expected) {
            ++failures;
            const char* got[] = {"passed", "refused", "broke"};
            std::fprintf(stderr, "FAIL %s: %s: %s\n", qPrintable(name), got[int(r.result)],
                         qPrintable(r.detail));
        }
    }
    std::printf("%zu inputs replayed, %d failed\n", inputs.size(), failures);
    return failures == 0 ? 0 : 1;
}

}  // namespace zentaloger::testing
