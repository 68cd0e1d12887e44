#pragma once
// Start-up: fetch the embedded database resource, load it, release the bytes, set the
// ViewState. The window is opened by the caller once this has succeeded.

#include <QString>
#include <memory>
#include <stdexcept>

#include "database.h"
#include "viewstate.h"

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

}  // namespace zentaloger
