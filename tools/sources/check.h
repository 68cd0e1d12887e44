#pragma once
// Loads a resource with the viewer's own loader, checks the conventions the viewer's pages
// rely on beyond what the loader rejects, and summarises the content.

#include <QByteArray>
#include <QStringList>

namespace zentaloger::sources {

struct CheckReport {
    QStringList problems;  // empty when the resource follows every convention
    QString summary;       // human-readable figures, one per line
};

CheckReport CheckResource(const QByteArray& resource);

}  // namespace zentaloger::sources
