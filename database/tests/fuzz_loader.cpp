// libFuzzer target: every input builds a resource (see fuzz_entry.h) that the loader must
// either load into safe tables or reject with a DatabaseError, the same way every time.
#include <cstdio>
#include <cstdlib>

#include "database/tests/fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using zentaloger::fuzz::Outcome;
    const Outcome outcome = zentaloger::fuzz::RunLoaderCase(data, size);
    if (outcome.result == Outcome::Result::Broken) {
        std::fprintf(stderr, "fuzz_loader: %s\n", outcome.detail.toUtf8().constData());
        std::abort();
    }
    return 0;
}
