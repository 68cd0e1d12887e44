// Replays the sources fuzz corpus (fuzz_sources_entry.h), and each kind of fixture file
// unchanged, in every build.
#include <QCoreApplication>

#include "tools/sources/tests/fuzz_sources_entry.h"

using namespace zentaloger;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    fuzz::Inputs unchanged;
    for (const char* path : {"types.toml", "moves/typea.toml", "machines.toml", "families.toml",
                             "species/001.toml", "species/251.toml"}) {
        const QByteArray text = fuzz::FixtureFile(QString::fromLatin1(path));
        unchanged.push_back({u"ok-"_qs + QLatin1String(path), QByteArray(path) + '\n' + text});
    }
    return fuzz::ReplayCorpus(ZENTALOGER_FUZZ_CORPUS, fuzz::RunSourcesCase, unchanged);
}
