#pragma once
// Editorial warnings on sources that read and compile: content the viewer can show but a
// reader would hold against it (a move no one would choose, a text that says more in one
// language than in the other, an evolution step that names no trigger). Each rule is exact,
// so a warning is never a matter of taste; the wording of each is in FORMAT.md.

#include <vector>

#include "tools/sources/sources.h"

namespace zentaloger::sources {

std::vector<Diagnostic> Review(const SourceSet& set);

// Sentence ends in a text: each run of . ! or … followed by a space or the end.
int SentenceCount(const QString& text);

}  // namespace zentaloger::sources
