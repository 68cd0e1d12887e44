#pragma once
// One fuzz case for the sources compiler, shared by the libFuzzer target and the corpus replay
// test. The case starts from the written fixture (fixture.h), a valid source set, and
// replaces one of its files:
//
//   the input's first line names the file ("species/017.toml", "moves/typea.toml",
//   "families.toml", ...); the rest of the input is that file's new content. A first line
//   that names no file of the set picks one by the sum of its bytes.
//
// The set is then read and compiled as `zentadata compile` does. The case passes when the
// compiler either reports errors that each name a file of the set and a line inside it, or
// compiles fields that encode into a resource the viewer's loader accepts.

#include "database/testdata/corpus_replay.h"

namespace zentaloger::fuzz {

Outcome RunSourcesCase(const std::uint8_t* data, std::size_t size);

}  // namespace zentaloger::fuzz
