// Replays the loader's fuzz corpus (fuzz_entry.h), and the synthetic database given raw, in
// every build. (The corpus's ok-unchanged is the same database through no edits.)
#include <QCoreApplication>

#include "database/testdata/testdata.h"
#include "database/tests/fuzz_entry.h"

using namespace zentaloger;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return fuzz::ReplayCorpus(
        ZENTALOGER_FUZZ_CORPUS, fuzz::RunLoaderCase,
        {{u"ok-synthetic database, raw"_qs, QByteArray(1, '\0') + testdata::TestDatabase()}});
}
