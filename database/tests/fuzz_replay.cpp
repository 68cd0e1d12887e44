// Replays the loader's fuzz corpus (fuzz_entry.h), and the synthetic database given raw and
// unedited, in every build.
#include <QCoreApplication>

#include "database/testdata/testdata.h"
#include "database/tests/fuzz_entry.h"

using namespace zentaloger;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return fuzz::ReplayCorpus(
        ZENTALOGER_FUZZ_CORPUS, fuzz::RunLoaderCase,
        {{u"ok-synthetic database, raw"_qs, QByteArray(1, '\0') + testdata::TestDatabase()},
         {u"ok-synthetic database, no edits"_qs, QByteArray(1, '\1')}});
}
