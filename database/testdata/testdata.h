#pragma once
// Synthetic test data: a complete, valid database resource of 250 moves and 251 species
// whose values are generated, not authored. Tests edit its fields to build the cases they
// need; nothing here is shipped.

#include <QByteArray>
#include <QString>
#include <vector>

namespace zentaloger::testdata {

// The 51,195 fields of the test database, field 1 at index 0.
std::vector<QString> TestDatabaseFields();

// TestDatabaseFields() encoded as a resource, with the four trailing NULs.
QByteArray TestDatabase();

// The generated names (upper case, at most 11 characters) of species index s.
QString TestSpeciesName(int s, int language);

}  // namespace zentaloger::testdata
