// Replays the loader's fuzz corpus (fuzz_entry.h), and the synthetic database given raw and
// unedited, in every build.
#include <QCoreApplication>

#include "database/testdata/corpus_replay.h"
#include "database/testdata/testdata.h"
#include "database/tests/fuzz_entry.h"

using namespace zentaloger;
using testing::Replayed;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const auto run = [](const QByteArray& in) {
        using R = fuzz::Outcome::Result;
        const fuzz::Outcome o = fuzz::RunLoaderCase(
            reinterpret_cast<const std::uint8_t*>(in.data()), static_cast<std::size_t>(in.size()));
        return testing::ReplayResult{o.result == R::Loaded     ? Replayed::Passed
                                     : o.result == R::Rejected ? Replayed::Refused
                                                               : Replayed::Broken,
                                     o.detail};
    };
    return testing::ReplayCorpus(
        ZENTALOGER_FUZZ_CORPUS, run,
        {{u"ok-synthetic database, raw"_qs, QByteArray(1, '\0') + testdata::TestDatabase()},
         {u"ok-synthetic database, no edits"_qs, QByteArray(1, '\1')}});
}
