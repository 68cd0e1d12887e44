// libFuzzer target: every input replaces one file of a valid source set (see
// fuzz_sources_entry.h); the compiler must either report errors that each name a file and a
// line, or compile a resource the viewer's loader accepts.
#include "tools/sources/tests/fuzz_sources_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return zentaloger::fuzz::FuzzOne("fuzz_sources", zentaloger::fuzz::RunSourcesCase, data, size);
}
