#pragma once
// What the fuzz cases share: their outcome, and the body of the corpus replay tests, which run
// every file of a corpus through the same case the fuzzer runs, in an ordinary build. A file
// named "ok-*" must pass, "bad-*" must be refused, and any other (one the fuzzer found) may do
// either; nothing may break.

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace zentaloger::fuzz {

struct Outcome {
    // Passed: loaded or compiled; Refused: an error the user is shown.
    enum class Result { Passed, Refused, Broken };
    Result result;
    QString detail;  // the error message, or for Broken what went wrong
};

using Case = Outcome (*)(const std::uint8_t* data, std::size_t size);
using Inputs = std::vector<std::pair<QString, QByteArray>>;  // name, input

// Replays the files of `corpus` and then `extra`, prints each failure and returns the exit
// status of the test.
inline int ReplayCorpus(const char* corpus, Case run, Inputs extra) {
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
        using R = Outcome::Result;
        const Outcome o = run(reinterpret_cast<const std::uint8_t*>(input.data()),
                              static_cast<std::size_t>(input.size()));
        const R expected = name.startsWith(u"ok-"_qs)    ? R::Passed
                           : name.startsWith(u"bad-"_qs) ? R::Refused
                                                         : o.result;
        if (o.result == R::Broken || o.result != expected) {
            ++failures;
            const char* got[] = {"passed", "refused", "broke"};
            std::fprintf(stderr, "FAIL %s: %s: %s\n", qPrintable(name), got[int(o.result)],
                         qPrintable(o.detail));
        }
    }
    std::printf("%zu inputs replayed, %d failed\n", inputs.size(), failures);
    return failures == 0 ? 0 : 1;
}

// The body of a libFuzzer target: a broken case aborts, so that the fuzzer keeps its input.
inline int FuzzOne(const char* target, Case run, const std::uint8_t* data, std::size_t size) {
    const Outcome outcome = run(data, size);
    if (outcome.result == Outcome::Result::Broken) {
        std::fprintf(stderr, "%s: %s\n", target, outcome.detail.toUtf8().constData());
        std::abort();
    }
    return 0;
}

}  // namespace zentaloger::fuzz
