#pragma once
// The statistics page: six rows of a caption and a three-segment bar.

#include "page.h"

namespace zentaloger::pages {

PageLayout StatisticsLayout();

}  // namespace zentaloger::pages
