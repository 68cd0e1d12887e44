#pragma once
// A compiled resource -> sources. The result is proven by compiling it again: the dump
// succeeds only when the sources it produces compile to exactly the fields of the resource.

#include <QByteArray>

#include "tools/sources/sources.h"

namespace zentaloger::sources {

struct DumpResult {
    SourceSet set;
    QString error;  // empty on success
};

DumpResult Decompile(const QByteArray& resource);

// Writes a dumped set as the sources in `folder`. A folder that already holds anything is
// refused, since old files would compile along with the new ones, unless `replace`: then the
// sources in it (the .toml files of the folder and of its moves/ and species/ folders) are
// removed first. Returns false and fills `error` otherwise.
bool WriteDump(const SourceSet& set, const QString& folder, bool replace, QString* error);

}  // namespace zentaloger::sources
