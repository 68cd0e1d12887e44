#pragma once
// Sources -> the 51,195 fields of the database resource, with every cross-reference checked:
// type words, move names, machine numbers, family trees, and the counts the format fixes.

#include <vector>

#include "tools/sources/sources.h"

namespace zentaloger::sources {

struct CompileResult {
    std::vector<QString> fields;  // field 1 at index 0; empty when there are errors
    std::vector<Diagnostic> errors;
};

CompileResult Compile(const SourceSet& set);

// What `zentadata compile` makes of what it read: reading errors, when there are any, stop it
// before the cross-reference checks, which would only repeat them.
CompileResult Compile(const ReadResult& read);

// The derived list orders: species numbers row by row.
std::vector<int> EvolutionaryOrder(const SourceSet& set);
std::vector<int> AlphabeticalOrder(const SourceSet& set, int language);

}  // namespace zentaloger::sources
