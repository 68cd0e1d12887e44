#pragma once
// Start-up: fetch the embedded database resource, load it, release the bytes, set the
// ViewState. The window is opened by the caller once this has succeeded.

#include <QString>
#include <future>
#include <memory>
#include <stdexcept>

#include "database/database.h"
#include "database/viewstate.h"

namespace zentaloger {

// Where the build embeds the database resource (type CUSTOM, number 101).
inline const QString kDatabaseResource = QStringLiteral(":/CUSTOM/101");

struct StartupState {
    std::unique_ptr<Database> database;
    ViewState view;  // English, numerical order, topRow 1, selectedRow 1
};

// Throws std::runtime_error (DatabaseError for a damaged resource) with a message that names
// the error; nothing is shown or written here.
StartupState StartUp(const QString& resourcePath = kDatabaseResource);

// StartUp on a thread of its own, so that the database loads while the caller registers its
// fonts; get() on the result waits for it and rethrows its error. Call it after the
// application object exists: the thread makes Qt objects, and Qt takes the thread that makes
// the first one for the main thread.
std::future<StartupState> StartUpInBackground(const QString& resourcePath = kDatabaseResource);

}  // namespace zentaloger
