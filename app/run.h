#pragma once
// The viewer's whole run: the command line, the window system, the database, the window and
// its events, with the program's exit status. `main` runs it over the embedded database.

#include <QString>

#include "database/startup.h"

namespace zentaloger {

// Returns the status the program ends with: 0 after the window closed, 1 when the window
// system or the database could not be opened (one line on standard error saying why), 0 or 2
// for the conventional options.
int RunViewer(int argc, char* argv[], const QString& resourcePath = kDatabaseResource);

}  // namespace zentaloger
