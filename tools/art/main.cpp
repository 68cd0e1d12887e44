// zentaart: draws every picture of the viewer from a compiled database resource.
//
//   zentaart DATABASE OUT_DIR [SOURCES]          bitmaps <number>.bmp and icon-<size>.png
//   zentaart sheet DATABASE OUT_DIR [SOURCES]    contact sheets sheet-large.png, sheet-small.png
//
// SOURCES, the database's sources folder, gives the body plans the species declare (the
// resource has no field for them); without it every species is drawn in its family's plan.
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

#include "database/database.h"
#include "tools/art/art.h"

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "zentaart: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool sheet = argc >= 2 && QByteArray(argv[1]) == "sheet";
    const int first = sheet ? 2 : 1;  // the DATABASE argument
    if (argc - first != 2 && argc - first != 3) {
        std::fprintf(stderr,
                     "usage: zentaart DATABASE OUT_DIR [SOURCES]\n"
                     "       zentaart sheet DATABASE OUT_DIR [SOURCES]\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[first]);
    const QString out = QString::fromLocal8Bit(argv[first + 1]);
    zentaloger::art::DeclaredBodies bodies;
    if (argc - first == 3) {
        const QString folder = QString::fromLocal8Bit(argv[first + 2]);
        if (const QString error = zentaloger::art::ReadDeclaredBodies(folder, &bodies);
            !error.isEmpty()) {
            return Fail(error);
        }
    }
    QFile file(input);
    if (!file.open(QIODevice::ReadOnly)) {
        return Fail(
            QStringLiteral("cannot read the database %1: %2").arg(input, file.errorString()));
    }
    std::unique_ptr<zentaloger::Database> db;
    try {
        db = zentaloger::LoadDatabase(file.readAll());
    } catch (const std::exception& e) {
        return Fail(QStringLiteral("%1: %2").arg(input, QString::fromUtf8(e.what())));
    }
    const zentaloger::art::ArtSet art = zentaloger::art::GenerateArt(*db, bodies);
    if (sheet) {
        if (!QDir().mkpath(out)) {
            return Fail(QStringLiteral("cannot create the folder %1").arg(out));
        }
        for (bool small : {false, true}) {
            const QString path = out + (small ? QStringLiteral("/sheet-small.png")
                                              : QStringLiteral("/sheet-large.png"));
            if (!zentaloger::art::ContactSheet(art, small).save(path, "PNG")) {
                return Fail(QStringLiteral("cannot write %1").arg(path));
            }
        }
        int perturbed = 0;
        for (const auto& s : art.species) {
            perturbed += s.variant > 0 ? 1 : 0;
        }
        std::printf("%d species, %d perturbed to stay distinct\n",
                    static_cast<int>(art.species.size()), perturbed);
        return 0;
    }
    if (const QString error = zentaloger::art::WriteArt(art, out); !error.isEmpty()) {
        return Fail(error);
    }
    return 0;
}
