#pragma once
// The evolution page: the family's steps as entries, the chosen step's two species with
// pictures, condition and hold, and the animated bar between them.

#include "page.h"

namespace zentaloger::pages {

PageLayout EvolutionLayout();

}  // namespace zentaloger::pages
