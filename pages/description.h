#pragma once
// The description page, and the six edition marks of the card.

#include "page.h"

namespace zentaloger::pages {

PageLayout DescriptionLayout();

}  // namespace zentaloger::pages
