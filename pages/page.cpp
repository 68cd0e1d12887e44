#include "pages/page.h"

#include "window/toolkit/toolkit.h"

namespace zentaloger::pages {

QString PageContext::speciesLabel(int s) const {
    return db.listLabel[s][view.language][Order::Numerical].toString();
}

}  // namespace zentaloger::pages
