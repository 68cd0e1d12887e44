// libFuzzer target: every input replaces one file of a valid source set (see
// fuzz_sources_entry.h); the compiler must either report errors that each name a file and a
// line, or compile a resource the viewer's loader accepts.
#include <cstdio>
#include <cstdlib>

#include "tools/sources/tests/fuzz_sources_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using zentaloger::fuzz::SourcesOutcome;
    const SourcesOutcome outcome = zentaloger::fuzz::RunSourcesCase(data, size);
    if (outcome.result == SourcesOutcome::Result::Broken) {
        std::fprintf(stderr, "fuzz_sources: %s\n", outcome.detail.toUtf8().constData());
        std::abort();
    }
    return 0;
}
