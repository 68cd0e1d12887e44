#pragma once
// The level-up moves page: twelve rows of level and move, and the move panel.

#include "page.h"

namespace zentaloger::pages {

PageLayout MovesLayout();

}  // namespace zentaloger::pages
