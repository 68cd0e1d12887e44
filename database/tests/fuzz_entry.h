#pragma once
// One fuzz case for the loader, shared by the libFuzzer target and the corpus replay test.
//
// The input's first byte chooses how the resource is built:
//   even: the rest of the input is the resource itself;
//   odd:  the rest is a list of edits applied to the synthetic valid database (its
//         descriptions cut to one letter, see ValidResource), so that the
//         fuzzer works on realistic resources. Each edit is
//           op (1 byte), position (3 bytes, big-endian), length n (1 byte), n payload bytes
//         with op % 5: 0 overwrite bytes at a byte position, 1 insert bytes, 2 delete n bytes,
//         3 replace the text of field (position % 51,195 + 1), 4 cut the resource at a byte
//         position. Positions wrap at the current size; a missing tail reads as zeros; edits
//         after the 32nd are ignored.
//
// The case loads the resource twice and checks that both loads agree, that a failure is a
// DatabaseError and nothing else, and that a success leaves no reference a reader could
// follow out of its table.

#include "database/testdata/corpus_replay.h"

namespace zentaloger::fuzz {

Outcome RunLoaderCase(const std::uint8_t* data, std::size_t size);

}  // namespace zentaloger::fuzz
