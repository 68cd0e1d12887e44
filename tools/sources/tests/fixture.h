#pragma once
// A small, complete source set whose every value is generated, so that the tests and the
// sources fuzzer do not change when the shipped content does: 17 type words, 250 moves, every
// machine, 251 species (each with a body plan; every 25th move names the plans that perform it)
// and four families that cover a chain with a hold, a branch, a baby
// numbered above the species it grows into and a family of five steps.

#include "tools/sources/sources.h"

namespace zentaloger::sources {

SourceSet Fixture();

// The English name of fixture move `index` ("MOVE AA", "MOVE AB", ...).
QString FixtureMoveName(int index);

// Whole files, for tests that edit written sources: empty when unreadable; the folder is made.
QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);
// Replaces the first `find` in the file; returns the 1-based line of the edit, or 0.
int EditFile(const QString& path, const QString& find, const QString& replace);

}  // namespace zentaloger::sources
