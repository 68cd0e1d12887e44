// Replays the sources fuzz corpus (fuzz_sources_entry.h), and each kind of fixture file
// unchanged, in every build.
#include <QCoreApplication>

#include "database/testdata/corpus_replay.h"
#include "tools/sources/tests/fuzz_sources_entry.h"

using namespace zentaloger;
using testing::Replayed;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const auto run = [](const QByteArray& in) {
        using R = fuzz::SourcesOutcome::Result;
        const fuzz::SourcesOutcome o = fuzz::RunSourcesCase(
            reinterpret_cast<const std::uint8_t*>(in.data()), static_cast<std::size_t>(in.size()));
        return testing::ReplayResult{o.result == R::Compiled  ? Replayed::Passed
                                     : o.result == R::Refused ? Replayed::Refused
                                                              : Replayed::Broken,
                                     o.detail};
    };
    testing::Inputs unchanged;
    for (const char* path : {"types.toml", "moves/typea.toml", "machines.toml", "families.toml",
                             "species/001.toml", "species/251.toml"}) {
        const QByteArray text = fuzz::FixtureFile(QString::fromLatin1(path));
        unchanged.push_back({u"ok-"_qs + QLatin1String(path), QByteArray(path) + '\n' + text});
    }
    return testing::ReplayCorpus(ZENTALOGER_FUZZ_CORPUS, run, unchanged);
}
