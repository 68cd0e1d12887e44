#include "tools/sources/dump.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include "database/layout.h"
#include "database/writer.h"
#include "tools/sources/compile.h"
#include "tools/sources/rules.h"

namespace zentaloger::sources {

namespace {

class NotRepresentable : public std::runtime_error {
  public:
    explicit NotRepresentable(const QString& m) : std::runtime_error(m.toStdString()) {}
};

QString Quote(const QString& value) {
    return rules::QuoteForMessage(value);
}

QString Strip(Text text, QStringView prefix) {
    return text.mid(prefix.size()).toString();
}

class Decompiler {
  public:
    explicit Decompiler(const Database& db) : db_(db) {}

    SourceSet Run() {
        Moves();
        Species();
        return std::move(set_);
    }

  private:
    QString TypeOf(const QString& ru, const QString& en) {
        if (!typeRu_.contains(en)) {
            typeRu_.insert(en, ru);
            set_.types.push_back({en, ru, {}});
        } else if (typeRu_[en] != ru) {
            throw NotRepresentable(QStringLiteral("type %1 is called both %2 and %3 in Russian")
                                       .arg(Quote(en), Quote(typeRu_[en]), Quote(ru)));
        }
        return en;
    }

    void Moves() {
        for (int m = 0; m < kMoveCount; ++m) {
            const MoveRecord& r = db_.moves[static_cast<size_t>(m)];
            MoveSource s;
            s.name = {rules::WrittenMoveName(r.moveName[0].toString()),
                      rules::WrittenMoveName(r.moveName[1].toString())};
            s.type =
                TypeOf(Strip(r.moveType[0], kTypePrefix[0]), Strip(r.moveType[1], kTypePrefix[1]));
            s.description = {r.moveDescription[0].toString(), r.moveDescription[1].toString()};
            s.power = r.movePower;
            s.accuracy = r.moveAccuracy;
            s.pp = r.movePowerPoints;
            set_.moves.push_back(std::move(s));
        }
    }

    std::vector<int> Machines(int species, const QString& prefix, const Text* labels,
                              const Number* moves, int slotCount, std::map<int, QString>& table) {
        static const QRegularExpression pattern(QStringLiteral("^(TM|HM)([1-9][0-9]?)$"));
        std::vector<int> numbers;
        for (int k = 0; k < slotCount && moves[k] >= 0; ++k) {
            const QRegularExpressionMatch m = pattern.match(labels[k].toString());
            if (!m.hasMatch() || m.captured(1) != prefix) {
                throw NotRepresentable(QStringLiteral("species %1 has a %2 slot labelled %3")
                                           .arg(species)
                                           .arg(prefix, Quote(labels[k].toString())));
            }
            const int number = m.captured(2).toInt();
            const QString move = set_.moves[static_cast<size_t>(moves[k])].name.en;
            const auto [it, fresh] = table.emplace(number, move);
            if (!fresh && it->second != move) {
                throw NotRepresentable(QStringLiteral("%1%2 teaches both %3 and %4")
                                           .arg(prefix)
                                           .arg(number)
                                           .arg(Quote(it->second), Quote(move)));
            }
            numbers.push_back(number);
        }
        return numbers;
    }

    void Species() {
        QHash<QString, bool> familiesSeen;
        for (int r = 0; r < kSpeciesCount; ++r) {
            const SpeciesRecord& rec = db_.species[static_cast<size_t>(r)];
            SpeciesSource s;
            s.number = r + 1;
            const QString file =
                QStringLiteral("species/%1.toml").arg(s.number, 3, 10, QLatin1Char('0'));
            for (int language = 0; language < kLanguageCount; ++language) {
                const Text label =
                    db_.listLabel[static_cast<size_t>(r)][static_cast<size_t>(language)][0];
                (language == 0 ? s.name.ru : s.name.en) = label.mid(6).toString();
            }
            const QStringList ru = Strip(rec.typeLabel[0], kTypePrefix[0]).split(rules::kTypeJoin);
            const QStringList en = Strip(rec.typeLabel[1], kTypePrefix[1]).split(rules::kTypeJoin);
            if (ru.size() != en.size()) {
                throw NotRepresentable(
                    QStringLiteral("species %1 has %2 Russian and %3 English types")
                        .arg(s.number)
                        .arg(ru.size())
                        .arg(en.size()));
            }
            for (qsizetype i = 0; i < en.size(); ++i) {
                s.types << TypeOf(ru[i], en[i]);
            }
            const auto cm =
                rules::CentimetresOfRussianHeight(Strip(rec.heightLabel[0], kHeightPrefix[0]));
            const auto g = rules::GramsOfRussianWeight(Strip(rec.weightLabel[0], kWeightPrefix[0]));
            if (!cm || !g) {
                throw NotRepresentable(
                    QStringLiteral("species %1: height or weight is not in the written form")
                        .arg(s.number));
            }
            s.heightCm = *cm;
            s.weightG = *g;
            std::copy(rec.statLevel.begin(), rec.statLevel.end(), s.stats.begin());
            for (int e = 0;
                 e < kEditionEntries - 1 && !rec.editionInfo[static_cast<size_t>(e)].isEmpty();
                 ++e) {
                s.editions << rec.editionInfo[static_cast<size_t>(e)].toString();
            }
            s.description = {rec.description[0].toString(), rec.description[1].toString()};
            for (int k = 0; k < kLevelMoveSlots && rec.levelMoveLevel[static_cast<size_t>(k)] >= 0;
                 ++k) {
                s.levelMoves.push_back(
                    {rec.levelMoveLevel[static_cast<size_t>(k)],
                     set_.moves[static_cast<size_t>(rec.levelMoveMove[static_cast<size_t>(k)])]
                         .name.en,
                     {file, 0}});
            }
            s.tm = Machines(s.number, QStringLiteral("TM"), rec.tmLabel.data(), rec.tmMove.data(),
                            kTmSlots, set_.tm);
            s.hm = Machines(s.number, QStringLiteral("HM"), rec.hmLabel.data(), rec.hmMove.data(),
                            kHmSlots, set_.hm);
            set_.species.push_back(std::move(s));

            // The members of a family carry the same slotCount; the first member found writes it.
            FamilySource family;
            QString key;
            for (int k = 0; k < kEvolutionSlots && rec.evolutionFrom[static_cast<size_t>(k)] >= 0;
                 ++k) {
                StepSource step;
                step.from = rec.evolutionFrom[static_cast<size_t>(k)] + 1;
                step.to = rec.evolutionTo[static_cast<size_t>(k)] + 1;
                const auto condition = rules::WrittenCondition(
                    rec.evolutionCondition[static_cast<size_t>(k)][1].toString());
                if (!condition) {
                    throw NotRepresentable(
                        QStringLiteral("species %1: condition %2 is not one the sources can write")
                            .arg(r + 1)
                            .arg(Quote(
                                rec.evolutionCondition[static_cast<size_t>(k)][1].toString())));
                }
                step.condition = *condition;
                step.hold = {rec.evolutionHold[static_cast<size_t>(k)][0].toString(),
                             rec.evolutionHold[static_cast<size_t>(k)][1].toString()};
                key += QStringLiteral("%1>%2;").arg(step.from).arg(step.to);
                family.steps.push_back(std::move(step));
            }
            if (!family.steps.empty() && !familiesSeen.contains(key)) {
                familiesSeen.insert(key, true);
                set_.families.push_back(std::move(family));
            }
        }
    }

    const Database& db_;
    SourceSet set_;
    QHash<QString, QString> typeRu_;
};

}  // namespace

DumpResult Decompile(const QByteArray& resource) {
    DumpResult result;
    std::unique_ptr<Database> db;
    try {
        db = LoadDatabase(resource);
        result.set = Decompiler(*db).Run();
    } catch (const DatabaseError& e) {
        result.error = QString::fromUtf8(e.what());
        return result;
    } catch (const NotRepresentable& e) {
        result.error = QStringLiteral("the resource cannot be written as sources: ") +
                       QString::fromUtf8(e.what());
        return result;
    }
    // Whatever the sources cannot say (a hand-edited order, a slot out of place) shows up as a
    // field that compiles differently.
    const CompileResult again = Compile(result.set);
    if (!again.errors.empty()) {
        result.error = QStringLiteral("the resource cannot be written as sources: ") +
                       again.errors.front().ToString();
        return result;
    }
    const std::vector<QString> fields = SplitResource(resource, kFieldCount);
    for (int i = 0; i < kFieldCount; ++i) {
        if (fields[static_cast<size_t>(i)] != again.fields[static_cast<size_t>(i)]) {
            result.error = QStringLiteral(
                               "the resource cannot be written as sources: field %1 holds %2, "
                               "the sources would give %3")
                               .arg(GroupThousands(i + 1), Quote(fields[static_cast<size_t>(i)]),
                                    Quote(again.fields[static_cast<size_t>(i)]));
            return result;
        }
    }
    return result;
}

bool WriteDump(const SourceSet& set, const QString& folder, bool replace, QString* error) {
    const QDir dir(folder);
    if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (!replace) {
            *error = QStringLiteral(
                         "%1 is not empty; dump writes into a new or empty folder "
                         "(--force replaces the sources in it)")
                         .arg(folder);
            return false;
        }
        // Every .toml in moves/ and species/ is read as a source, so a stale one must go; at
        // the top only types, machines and families are sources, and those are written over.
        // Any other file there (a project's own .toml, notes) is the author's and stays.
        for (const QString& sub : {QStringLiteral("moves"), QStringLiteral("species")}) {
            const QDir d(dir.filePath(sub));
            for (const QString& f : d.entryList({QStringLiteral("*.toml")}, QDir::Files)) {
                if (!QFile::remove(d.filePath(f))) {
                    *error = QStringLiteral("%1: cannot be removed").arg(d.filePath(f));
                    return false;
                }
            }
        }
    }
    return WriteSources(set, folder, error);
}

}  // namespace zentaloger::sources
