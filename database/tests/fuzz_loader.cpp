// libFuzzer target: every input builds a resource (see fuzz_entry.h) that the loader must
// either load into safe tables or reject with a DatabaseError, the same way every time.
#include "database/tests/fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return zentaloger::fuzz::FuzzOne("fuzz_loader", zentaloger::fuzz::RunLoaderCase, data, size);
}
