#pragma once
// A compiled resource -> sources. The result is proven by compiling it again: the dump
// succeeds only when the sources it produces compile to exactly the fields of the resource.

#include <QByteArray>

#include "sources.h"

namespace zentaloger::sources {

struct DumpResult {
    SourceSet set;
    QString error;  // empty on success
};

DumpResult Decompile(const QByteArray& resource);

}  // namespace zentaloger::sources
