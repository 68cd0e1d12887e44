// Replays the sources fuzz corpus (fuzz_sources_entry.h) in every build. Every case reads the
// whole fixture with one file replaced, so the corpus's "ok-" files also show that the fixture
// itself compiles.
#include <QCoreApplication>

#include "tools/sources/tests/fuzz_sources_entry.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return zentaloger::fuzz::ReplayCorpus(ZENTALOGER_FUZZ_CORPUS, zentaloger::fuzz::RunSourcesCase,
                                          {});
}
