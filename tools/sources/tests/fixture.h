#pragma once
// A small, complete source set whose every value is generated, so that the tests and the
// sources fuzzer do not change when the shipped content does: 17 type words, 250 moves, every
// machine, 251 species (each with a body plan; every 25th move names two plans) and four
// families that cover a chain with a hold, a branch, a baby numbered above the species it grows
// into and a family of five steps.

#include "tools/sources/sources.h"

namespace zentaloger::sources {

SourceSet Fixture();

}  // namespace zentaloger::sources
