#pragma once
// A small, complete source set whose every value is generated, so that the tests and the
// sources fuzzer do not change when the shipped content does: 17 type words, 250 moves, every
// machine, 251 species and four families that cover a chain with a hold, a branch, a baby
// numbered above the species it grows into and a family of five steps.

#include "sources.h"

namespace zentaloger::sources {

SourceSet Fixture();

// The English name of fixture move `index` ("MOVE AA", "MOVE AB", ...).
QString FixtureMoveName(int index);

}  // namespace zentaloger::sources
