// Writing a source set as files, in the shape an author would write them by hand.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>

#include "tools/sources/sources.h"

namespace zentaloger::sources {

namespace {

// A TOML basic string. The database's characters need no escape but the double quote.
QString Quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

QString QuotedList(const QStringList& list) {
    QStringList items;
    for (const QString& item : list) {
        items << Quoted(item);
    }
    return u'[' + items.join(QStringLiteral(", ")) + u']';
}

QString Numbers(const std::vector<int>& list) {
    QStringList items;
    for (int n : list) {
        items << QString::number(n);
    }
    return u'[' + items.join(QStringLiteral(", ")) + u']';
}

bool Save(const QString& path, const QString& text, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        if (error) {
            *error = QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString());
        }
        return false;
    }
    return true;
}

QString TypesFile(const SourceSet& set) {
    QString out = QStringLiteral("# The type words of the world, English and Russian.\n");
    for (const TypeWord& t : set.types) {
        out += QStringLiteral("\n[[type]]\nen = %1\nru = %2\n").arg(Quoted(t.en), Quoted(t.ru));
    }
    return out;
}

QString MoveEntry(const MoveSource& m) {
    QString effect =
        m.effect.isEmpty() ? QString() : QStringLiteral("effect = %1\n").arg(Quoted(m.effect));
    if (!m.bodies.isEmpty()) {
        effect += QStringLiteral("bodies = %1\n").arg(QuotedList(m.bodies));
    }
    return QStringLiteral(
               "\n[[move]]\nname.en = %1\nname.ru = %2\ntype = %3\npower = %4\naccuracy = %5\npp = "
               "%6\n"
               "%7description.en = %8\ndescription.ru = %9\n")
        .arg(Quoted(m.name.en), Quoted(m.name.ru), Quoted(m.type))
        .arg(m.power)
        .arg(m.accuracy)
        .arg(m.pp)
        .arg(effect, Quoted(m.description.en), Quoted(m.description.ru));
}

QString MachinesFile(const SourceSet& set) {
    QString out = QStringLiteral("# What each machine teaches, by English move name.\n\n[tm]\n");
    for (const auto& [n, move] : set.tm) {
        out += QStringLiteral("%1 = %2\n").arg(n).arg(Quoted(move));
    }
    out += QStringLiteral("\n[hm]\n");
    for (const auto& [n, move] : set.hm) {
        out += QStringLiteral("%1 = %2\n").arg(n).arg(Quoted(move));
    }
    return out;
}

QString FamiliesFile(const SourceSet& set) {
    QString out = QStringLiteral("# The evolution families; a species in none stands alone.\n");
    for (const FamilySource& f : set.families) {
        out += QStringLiteral("\n[[family]]\nsteps = [\n");
        for (const StepSource& s : f.steps) {
            out += QStringLiteral("  { from = %1, to = %2").arg(s.from).arg(s.to);
            if (!s.condition.isEmpty()) {
                out += QStringLiteral(", condition = %1").arg(Quoted(s.condition));
            }
            if (!s.hold.en.isEmpty() || !s.hold.ru.isEmpty()) {
                out += QStringLiteral(", hold = { en = %1, ru = %2 }")
                           .arg(Quoted(s.hold.en), Quoted(s.hold.ru));
            }
            out += QStringLiteral(" },\n");
        }
        out += QStringLiteral("]\n");
    }
    return out;
}

QString SpeciesFile(const SpeciesSource& s) {
    QString out = QStringLiteral("name.en = %1\nname.ru = %2\ntypes = %3\n")
                      .arg(Quoted(s.name.en), Quoted(s.name.ru), QuotedList(s.types));
    if (!s.body.isEmpty()) {
        out += QStringLiteral("body = %1\n").arg(Quoted(s.body));
    }
    out += QStringLiteral("height = %1\nweight = %2\n").arg(s.heightCm).arg(s.weightG);
    out += QStringLiteral(
               "stats = %1\neditions = %2\ndescription.en = %3\ndescription.ru = %4\nlevel_moves "
               "= [\n")
               .arg(Numbers({s.stats.begin(), s.stats.end()}), QuotedList(s.editions),
                    Quoted(s.description.en), Quoted(s.description.ru));
    for (const LevelMove& m : s.levelMoves) {
        out += QStringLiteral("  { level = %1, move = %2 },\n").arg(m.level).arg(Quoted(m.move));
    }
    out += QStringLiteral("]\n");
    if (!s.tm.empty()) {
        out += QStringLiteral("tm = %1\n").arg(Numbers(s.tm));
    }
    if (!s.hm.empty()) {
        out += QStringLiteral("hm = %1\n").arg(Numbers(s.hm));
    }
    return out;
}

}  // namespace

bool WriteSources(const SourceSet& set, const QString& folder, QString* error) {
    QDir dir(folder);
    for (const QString& sub : {QStringLiteral("moves"), QStringLiteral("species")}) {
        if (!dir.mkpath(sub)) {
            if (error) {
                *error = QStringLiteral("%1: cannot create the folder").arg(dir.filePath(sub));
            }
            return false;
        }
    }
    if (!Save(dir.filePath(QStringLiteral("types.toml")), TypesFile(set), error) ||
        !Save(dir.filePath(QStringLiteral("machines.toml")), MachinesFile(set), error) ||
        !Save(dir.filePath(QStringLiteral("families.toml")), FamiliesFile(set), error)) {
        return false;
    }
    // One move file per type, in the order of the type words.
    QHash<QString, QString> byType;
    for (const MoveSource& m : set.moves) {
        byType[m.type] += MoveEntry(m);
    }
    for (const TypeWord& t : set.types) {
        if (byType.contains(t.en)) {
            const QString text = QStringLiteral("# %1 moves.\n").arg(t.en) + byType[t.en];
            if (!Save(dir.filePath(QStringLiteral("moves/%1.toml").arg(t.en.toLower())), text,
                      error)) {
                return false;
            }
        }
    }
    for (const SpeciesSource& s : set.species) {
        const QString path =
            dir.filePath(QStringLiteral("species/%1.toml").arg(s.number, 3, 10, QLatin1Char('0')));
        if (!Save(path, SpeciesFile(s), error)) {
            return false;
        }
    }
    return true;
}

}  // namespace zentaloger::sources
