#pragma once
// The TM and HM pages: the machines a species can use as a grid of entries, and the move
// panel of the chosen one.

#include "page.h"

namespace zentaloger::pages {

PageLayout TmLayout();
PageLayout HmLayout();

}  // namespace zentaloger::pages
