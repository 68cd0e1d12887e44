// Reading the TOML sources into the model. Every file is read in full and every problem is
// collected, so an author sees all mistakes of a change at once, each with its file and line.

#include <toml++/toml.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "database/database.h"
#include "tools/sources/rules.h"
#include "tools/sources/sources.h"
#include "tools/sources/tomlreader.h"

namespace zentaloger::sources {

QString Diagnostic::ToString() const {
    QString text = file;
    if (line > 0) {
        text += QStringLiteral(":%1").arg(line);
    }
    return text.isEmpty() ? message : text + QStringLiteral(": ") + message;
}

QString Diagnostic::InFolder(const QString& folder) const {
    Diagnostic located = *this;
    located.file = file.isEmpty() ? folder : QDir(folder).filePath(file);
    return located.ToString();
}

namespace {

constexpr TextRule kUpperWord{1, 40, true, true, false};
constexpr TextRule kEffectClass{3, 40, false, true, false};

// A body plan word, reported at its line when it is none of kBodyPlans.
std::optional<QString> BodyPlan(FileReader& r, const toml::node* node, const QString& what) {
    const auto plan = r.Text(node, what, {1, 20, false, false, false});
    if (plan && !kBodyPlans.contains(*plan)) {
        r.Error(LineOf(*node), QStringLiteral("%1 %2 is no body plan; write one of %3")
                                   .arg(what, rules::QuoteForMessage(*plan),
                                        kBodyPlans.join(QStringLiteral(", "))));
        return std::nullopt;
    }
    return plan;
}

void ReadTypes(const SourceFile& file, ReadResult& out) {
    const QString& name = file.path;
    const auto root = ParseFile(file, out.errors);
    if (!root) {
        return;
    }
    FileReader r(name, out.errors);
    r.CheckKeys(*root, {"type"}, QStringLiteral("types.toml"));
    for (const toml::table* t : r.Tables(*root, "type")) {
        const int line = LineOf(*t);
        r.CheckKeys(*t, {"en", "ru"}, QStringLiteral("a type"));
        const auto en = r.Text(r.Required(*t, "en", QStringLiteral("type"), line),
                               QStringLiteral("type word en"), kUpperWord);
        const auto ru = r.Text(r.Required(*t, "ru", QStringLiteral("type"), line),
                               QStringLiteral("type word ru"), kUpperWord);
        if (en && ru) {
            out.set.types.push_back({*en, *ru, {name, line}});
        }
    }
}

void ReadMoveFile(const SourceFile& file, ReadResult& out) {
    const QString& name = file.path;
    const auto root = ParseFile(file, out.errors);
    if (!root) {
        return;
    }
    FileReader r(name, out.errors);
    r.CheckKeys(*root, {"move"}, name);
    for (const toml::table* t : r.Tables(*root, "move")) {
        const int line = LineOf(*t);
        const QString what = QStringLiteral("move");
        r.CheckKeys(*t,
                    {"name", "type", "power", "accuracy", "pp", "description", "effect", "bodies"},
                    what);
        MoveSource m;
        m.where = {name, line};
        const auto moveName =
            r.Local(*t, "name", what, line,
                    {rules::kMoveNameMin[0], rules::kMoveNameMax[0], true, true, true},
                    {rules::kMoveNameMin[1], rules::kMoveNameMax[1], true, true, true});
        const auto type =
            r.Text(r.Required(*t, "type", what, line), QStringLiteral("move type"), kUpperWord);
        const auto power = r.Integer(r.Required(*t, "power", what, line), QStringLiteral("power"),
                                     0, rules::kPowerMax);
        const auto accuracy =
            r.Integer(r.Required(*t, "accuracy", what, line), QStringLiteral("accuracy"), 0, 100);
        const toml::node* ppNode = r.Required(*t, "pp", what, line);
        const auto ppRead = r.Integer(ppNode, QStringLiteral("pp"), 0, 40);
        const bool pp = ppRead && rules::IsPowerPointValue(*ppRead);
        if (ppRead && !pp) {
            r.Error(LineOf(*ppNode),
                    QStringLiteral("pp is %1; it must be one of 0 1 5 10 15 20 25 30 35 40")
                        .arg(*ppRead));
        }
        const auto description = r.Local(
            *t, "description", what, line,
            {rules::kMoveDescriptionMin[0], rules::kMoveDescriptionMax[0], false, true, false},
            {rules::kMoveDescriptionMin[1], rules::kMoveDescriptionMax[1], false, true, false});
        bool effect = true;
        if (const toml::node* e = t->get("effect")) {
            const auto text = r.Text(e, QStringLiteral("effect"), kEffectClass);
            static const QRegularExpression kEffectWords(QStringLiteral("^[a-z0-9 -]+$"));
            effect = text && kEffectWords.match(*text).hasMatch();
            if (text && !effect) {
                r.Error(LineOf(*e),
                        QStringLiteral("effect \"%1\" may hold only a-z, digits, spaces and -")
                            .arg(*text));
            }
            m.effect = text.value_or(QString());
        }
        bool bodies = true;
        if (const toml::array* a = r.Array(t->get("bodies"), QStringLiteral("bodies"))) {
            for (const toml::node& b : *a) {
                const auto plan = BodyPlan(r, &b, QStringLiteral("body plan"));
                if (plan && m.bodies.contains(*plan)) {
                    r.Error(LineOf(b),
                            QStringLiteral("body plan \"%1\" is listed twice").arg(*plan));
                    bodies = false;
                } else if (plan) {
                    m.bodies << *plan;
                } else {
                    bodies = false;
                }
            }
            if (a->empty()) {
                r.Error(LineOf(*a), QStringLiteral("bodies must name at least one body plan; "
                                                   "leave it out when any body can"));
                bodies = false;
            }
        } else if (t->get("bodies")) {
            bodies = false;
        }
        if (moveName && type && power && accuracy && pp && description && effect && bodies) {
            m.name = *moveName;
            m.type = *type;
            m.power = *power;
            m.accuracy = *accuracy;
            m.pp = ppRead.value_or(0);
            m.description = *description;
            out.set.moves.push_back(std::move(m));
        }
    }
}

void ReadMachineTable(FileReader& r, const toml::table& root, std::string_view key, int count,
                      std::map<int, QString>& table, std::map<QString, int>& lines) {
    const toml::node* node = root.get(key);
    if (!node) {
        r.Error(1, QStringLiteral("has no [%1] table").arg(Q(key)));
        return;
    }
    const auto* t = node->as_table();
    if (!t) {
        r.Error(LineOf(*node), QStringLiteral("\"%1\" must be a table").arg(Q(key)));
        return;
    }
    const QString label = Q(key).toUpper();
    lines[label] = LineOf(*node);
    for (const auto& [k, value] : *t) {
        bool ok = false;
        const int number = Q(k.str()).toInt(&ok);
        if (!ok || number < 1 || number > count || Q(k.str()) != QString::number(number)) {
            r.Error(LineOf(value), QStringLiteral("%1 is no %2 number; they run from 1 to %3")
                                       .arg(rules::QuoteForMessage(Q(k.str())), label)
                                       .arg(count));
            continue;
        }
        const auto move = r.Text(&value, QStringLiteral("%1%2").arg(label).arg(number),
                                 {1, rules::kMoveNameMax[1], true, true, true});
        if (move) {
            table[number] = *move;
            lines[label + QString::number(number)] = LineOf(value);
        }
    }
}

void ReadMachines(const SourceFile& file, ReadResult& out) {
    const QString& name = file.path;
    const auto root = ParseFile(file, out.errors);
    if (!root) {
        return;
    }
    FileReader r(name, out.errors);
    r.CheckKeys(*root, {"tm", "hm"}, name);
    ReadMachineTable(r, *root, "tm", kTmSlots, out.set.tm, out.set.machineLine);
    ReadMachineTable(r, *root, "hm", kHmSlots, out.set.hm, out.set.machineLine);
}

void ReadFamilies(const SourceFile& file, ReadResult& out) {
    const QString& name = file.path;
    const auto root = ParseFile(file, out.errors);
    if (!root) {
        return;
    }
    FileReader r(name, out.errors);
    r.CheckKeys(*root, {"family"}, name);
    for (const toml::table* t : r.Tables(*root, "family")) {
        const int line = LineOf(*t);
        r.CheckKeys(*t, {"steps"}, QStringLiteral("a family"));
        FamilySource family;
        family.where = {name, line};
        const toml::array* steps = r.Array(r.Required(*t, "steps", QStringLiteral("family"), line),
                                           QStringLiteral("steps"));
        if (!steps) {
            continue;
        }
        bool ok = true;
        for (const toml::node& element : *steps) {
            const auto* s = element.as_table();
            if (!s) {
                r.Error(LineOf(element),
                        QStringLiteral("each step must be a table { from = .., to = .. }"));
                ok = false;
                continue;
            }
            const int at = LineOf(element);
            r.CheckKeys(*s, {"from", "to", "condition", "hold"}, QStringLiteral("a step"));
            StepSource step;
            step.where = {name, at};
            const auto from = r.Integer(r.Required(*s, "from", QStringLiteral("step"), at),
                                        QStringLiteral("from"), 1, kSpeciesCount);
            const auto to = r.Integer(r.Required(*s, "to", QStringLiteral("step"), at),
                                      QStringLiteral("to"), 1, kSpeciesCount);
            if (!from || !to) {
                ok = false;
                continue;
            }
            step.from = *from;
            step.to = *to;
            if (const toml::node* c = s->get("condition")) {
                const auto condition =
                    r.Text(c, QStringLiteral("condition"), {1, 20, false, true, false});
                if (!condition || !rules::ConditionTexts(*condition)) {
                    if (condition) {
                        r.Error(LineOf(*c), QStringLiteral("condition \"%1\" must be \"level N\" "
                                                           "(N 1..99), \"friendship\" or \"trade\"")
                                                .arg(*condition));
                    }
                    ok = false;
                    continue;
                }
                step.condition = *condition;
            }
            if (s->get("hold")) {
                const auto hold =
                    r.Local(*s, "hold", QStringLiteral("step"), at, kUpperWord, kUpperWord);
                if (!hold) {
                    ok = false;
                    continue;
                }
                step.hold = *hold;
            }
            family.steps.push_back(std::move(step));
        }
        if (ok) {
            out.set.families.push_back(std::move(family));
        }
    }
}

// One species file. Every part is read even after a mistake in another, so an author sees all
// mistakes of the file at once; the species joins the set only when every part was read.
struct SpeciesReader {
    FileReader& r;
    const toml::table& root;
    SpeciesSource& s;
    const QString what = QStringLiteral("species");
    bool ok = true;

    bool Read() {
        Name();
        Types();
        Body();
        Sizes();
        Stats();
        Editions();
        Description();
        LevelMoves();
        s.machinesWhere = {s.where, s.where};
        Machines("tm", kTmSlots, s.tm);
        Machines("hm", kHmSlots, s.hm);
        return ok;
    }

    void Name() {
        const TextRule nameRule{1, rules::kSpeciesNameMax, true, false, false};
        s.typesWhere = s.nameWhere[0] = s.nameWhere[1] = s.where;
        if (const auto n = r.Local(root, "name", what, 1, nameRule, nameRule)) {
            s.name = *n;
            s.nameWhere[0].line = LineOf(*root.at_path("name.ru").node());
            s.nameWhere[1].line = LineOf(*root.at_path("name.en").node());
        } else {
            ok = false;
        }
    }

    void Types() {
        const toml::array* types =
            r.Array(r.Required(root, "types", what, 1), QStringLiteral("types"));
        if (!types) {
            ok = false;
            return;
        }
        s.typesWhere.line = LineOf(*types);
        for (const toml::node& t : *types) {
            if (const auto word = r.Text(&t, QStringLiteral("type"), kUpperWord)) {
                s.types.push_back(*word);
            } else {
                ok = false;
            }
        }
        if (s.types.size() < 1 || s.types.size() > 2) {
            r.Error(LineOf(*types),
                    QStringLiteral("a species has one or two types, not %1").arg(s.types.size()));
            ok = false;
        }
    }

    void Body() {
        if (const toml::node* body = root.get("body")) {
            const auto plan = BodyPlan(r, body, QStringLiteral("body"));
            ok = ok && plan;
            s.body = plan.value_or(QString());
        }
    }

    void Sizes() {
        const auto height = r.Integer(r.Required(root, "height", what, 1),
                                      QStringLiteral("height (cm)"), 1, 100000);
        const auto weight = r.Integer(r.Required(root, "weight", what, 1),
                                      QStringLiteral("weight (g)"), 1, 100000000);
        ok = ok && height && weight;
        if (!height || !weight) {
            return;
        }
        s.heightCm = *height;
        s.weightG = *weight;
        if (rules::TenthsOfPound(*weight) == 0) {
            r.Error(LineOf(*root.get("weight")),
                    QStringLiteral("weight %1 g is too light to write in pounds (at least 23 g)")
                        .arg(*weight));
            ok = false;
        }
    }

    void Stats() {
        const toml::array* stats =
            r.Array(r.Required(root, "stats", what, 1), QStringLiteral("stats"));
        if (!stats) {
            ok = false;
            return;
        }
        if (stats->size() != kStatCount) {
            r.Error(LineOf(*stats),
                    QStringLiteral("stats must list six levels, not %1").arg(stats->size()));
            ok = false;
            return;
        }
        for (int i = 0; i < kStatCount; ++i) {
            const auto level = r.Integer(stats->get(static_cast<size_t>(i)),
                                         QStringLiteral("stat level %1").arg(i + 1), 1, 4);
            if (level) {
                s.stats[static_cast<size_t>(i)] = *level;
            } else {
                ok = false;
            }
        }
    }

    void Editions() {
        const toml::array* editions =
            r.Array(r.Required(root, "editions", what, 1), QStringLiteral("editions"));
        if (!editions) {
            ok = false;
            return;
        }
        for (const toml::node& e : *editions) {
            OneEdition(e);
        }
        if (s.editions.isEmpty() || s.editions.size() > 6) {
            r.Error(LineOf(*editions),
                    QStringLiteral("a species has 1 to 6 editions, not %1").arg(s.editions.size()));
            ok = false;
        } else if (s.editions.contains(rules::kUnknownEdition) && s.editions.size() != 1) {
            r.Error(LineOf(*editions), QStringLiteral("\"UNKNOWN\" must stand alone"));
            ok = false;
        }
    }

    void OneEdition(const toml::node& e) {
        const auto edition = r.Text(&e, QStringLiteral("edition"), kUpperWord);
        if (!edition) {
            ok = false;
        } else if (!rules::kEditionNames.contains(*edition) && *edition != rules::kUnknownEdition) {
            r.Error(LineOf(e), QStringLiteral("\"%1\" is no edition name").arg(*edition));
            ok = false;
        } else if (s.editions.contains(*edition)) {
            r.Error(LineOf(e), QStringLiteral("edition \"%1\" is listed twice").arg(*edition));
            ok = false;
        } else {
            s.editions.push_back(*edition);
        }
    }

    void Description() {
        if (const auto d = r.Local(root, "description", what, 1,
                                   {rules::kSpeciesDescriptionMin[0],
                                    rules::kSpeciesDescriptionMax[0], false, true, false},
                                   {rules::kSpeciesDescriptionMin[1],
                                    rules::kSpeciesDescriptionMax[1], false, true, false})) {
            s.description = *d;
        } else {
            ok = false;
        }
    }

    void LevelMoves() {
        const toml::array* moves =
            r.Array(r.Required(root, "level_moves", what, 1), QStringLiteral("level_moves"));
        if (!moves) {
            ok = false;
            return;
        }
        for (const toml::node& m : *moves) {
            OneLevelMove(m);
        }
        if (s.levelMoves.empty() || s.levelMoves.size() > kLevelMoveSlots) {
            r.Error(LineOf(*moves), QStringLiteral("a species has 1 to 12 level moves, not %1")
                                        .arg(s.levelMoves.size()));
            ok = false;
        }
    }

    void OneLevelMove(const toml::node& m) {
        const auto* t = m.as_table();
        if (!t) {
            r.Error(LineOf(m),
                    QStringLiteral("each level move must be { level = N, move = \"NAME\" }"));
            ok = false;
            return;
        }
        const int at = LineOf(m);
        r.CheckKeys(*t, {"level", "move"}, QStringLiteral("a level move"));
        const auto level = r.Integer(r.Required(*t, "level", QStringLiteral("level move"), at),
                                     QStringLiteral("level"), 0, rules::kLevelMax);
        const auto move =
            r.Text(r.Required(*t, "move", QStringLiteral("level move"), at),
                   QStringLiteral("level move"), {1, rules::kMoveNameMax[1], true, true, true});
        if (level && move) {
            s.levelMoves.push_back({*level, *move, {r.file(), at}});
        } else {
            ok = false;
        }
    }

    // The tm or hm list; a species without machines of a kind leaves the list out.
    void Machines(std::string_view key, int count, std::vector<int>& list) {
        const toml::node* node = root.get(key);
        if (!node) {
            return;
        }
        s.machinesWhere[key == "tm" ? 0 : 1].line = LineOf(*node);
        const toml::array* a = r.Array(node, Q(key));
        if (!a) {
            ok = false;
            return;
        }
        for (const toml::node& n : *a) {
            const auto number =
                r.Integer(&n, QStringLiteral("%1 number").arg(Q(key).toUpper()), 1, count);
            if (!number) {
                ok = false;
            } else if (std::find(list.begin(), list.end(), *number) != list.end()) {
                r.Error(LineOf(n),
                        QStringLiteral("%1%2 is listed twice").arg(Q(key).toUpper()).arg(*number));
                ok = false;
            } else {
                list.push_back(*number);
            }
        }
    }
};

void ReadSpecies(const SourceFile& file, int number, ReadResult& out) {
    const auto root = ParseFile(file, out.errors);
    if (!root) {
        return;
    }
    FileReader r(file.path, out.errors);
    r.CheckKeys(*root,
                {"name", "types", "body", "height", "weight", "stats", "editions", "description",
                 "level_moves", "tm", "hm"},
                QStringLiteral("species"));
    SpeciesSource s;
    s.number = number;
    s.where = {file.path, 1};
    if (SpeciesReader{r, *root, s}.Read()) {
        out.set.species.push_back(std::move(s));
    }
}

}  // namespace

std::vector<SourceFile> ListSourceFiles(const QString& folder, std::vector<Diagnostic>& errors) {
    std::vector<SourceFile> files;
    if (!QFileInfo(folder).isDir()) {
        errors.push_back({QString(), 0,
                          QFileInfo::exists(folder) ? QStringLiteral("is not a folder")
                                                    : QStringLiteral("no such folder")});
        return files;
    }
    const QDir dir(folder);
    const auto add = [&](const QString& path) {
        QFile file(dir.filePath(path));
        if (!file.open(QIODevice::ReadOnly)) {
            errors.push_back({path, 0, QStringLiteral("cannot be read: ") + file.errorString()});
            return;
        }
        files.push_back({path, file.readAll()});
    };
    const auto addRequired = [&](const QString& path) {
        if (!QFileInfo::exists(dir.filePath(path))) {
            errors.push_back({path, 0, QStringLiteral("file is missing")});
        } else {
            add(path);
        }
    };
    const auto tomlFiles = [&](const QString& sub) {
        return QDir(dir.filePath(sub))
            .entryList({QStringLiteral("*.toml")}, QDir::Files, QDir::Name);
    };
    addRequired(QStringLiteral("types.toml"));
    const QStringList moves = tomlFiles(QStringLiteral("moves"));
    if (moves.isEmpty()) {
        errors.push_back(
            {QStringLiteral("moves"), 0, QStringLiteral("no move files (moves/*.toml)")});
    }
    for (const QString& f : moves) {
        add(QStringLiteral("moves/") + f);
    }
    addRequired(QStringLiteral("machines.toml"));
    addRequired(QStringLiteral("families.toml"));
    for (const QString& f : tomlFiles(QStringLiteral("species"))) {
        add(QStringLiteral("species/") + f);
    }
    return files;
}

void ReadSourceFile(const SourceFile& file, ReadResult& out) {
    const QString& path = file.path;
    if (path == QLatin1String("types.toml")) {
        ReadTypes(file, out);
    } else if (path == QLatin1String("machines.toml")) {
        ReadMachines(file, out);
    } else if (path == QLatin1String("families.toml")) {
        ReadFamilies(file, out);
    } else if (path.startsWith(QLatin1String("moves/"))) {
        ReadMoveFile(file, out);
    } else {
        static const QRegularExpression pattern(QStringLiteral("^species/([0-9]{3})\\.toml$"));
        const QRegularExpressionMatch m = pattern.match(path);
        const int number = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (number < 1 || number > kSpeciesCount) {
            out.errors.push_back(
                {path, 0, QStringLiteral("species files are named 001.toml to 251.toml")});
            return;
        }
        ReadSpecies(file, number, out);
    }
}

ReadResult ReadSources(const QString& folder) {
    ReadResult out;
    for (const SourceFile& file : ListSourceFiles(folder, out.errors)) {
        ReadSourceFile(file, out);
    }
    return out;
}

}  // namespace zentaloger::sources
