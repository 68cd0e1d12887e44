#include "tools/sources/compile.h"

#include <QHash>
#include <algorithm>
#include <map>
#include <set>

#include "database/codec.h"
#include "database/layout.h"
#include "tools/sources/rules.h"

namespace zentaloger::sources {

namespace {

QString Num(int n) {
    return QString::number(n);
}

QString Quote(const QString& value) {
    return rules::QuoteForMessage(value);
}

// Windows-1251 bytes compare as unsigned values, which is the code order the lists use. The
// reader has already rejected characters without a byte.
QByteArray SortKey(const QString& text) {
    return cp1251::EncodeText(text).value_or(QByteArray());
}

class Compiler {
  public:
    explicit Compiler(const SourceSet& set) : set_(set) {}

    CompileResult Run() {
        CheckTypes();
        CheckMoves();
        CheckMachines();
        CheckSpecies();
        CheckFamilies();
        CompileResult result;
        result.errors = std::move(errors_);
        if (result.errors.empty()) {
            result.fields = Fields();
        }
        return result;
    }

  private:
    void Error(const Where& where, const QString& message) {
        errors_.push_back({where.file, where.line, message});
    }

    void CheckTypes() {
        for (const TypeWord& t : set_.types) {
            if (types_.contains(t.en)) {
                Error(t.where, QStringLiteral("type word %1 is defined twice").arg(Quote(t.en)));
            }
            types_.insert(t.en, &t);
        }
        if (set_.types.empty()) {
            Error({QStringLiteral("types.toml"), 1}, QStringLiteral("defines no type words"));
        }
    }

    void CheckType(const QString& word, const Where& where) {
        if (!types_.contains(word)) {
            Error(where,
                  QStringLiteral("type %1 is not a type word of types.toml").arg(Quote(word)));
        }
    }

    void CheckMoves() {
        if (static_cast<int>(set_.moves.size()) != kMoveCount) {
            Error({QStringLiteral("moves"), 0},
                  QStringLiteral("there are %1 moves; the database holds exactly %2")
                      .arg(set_.moves.size())
                      .arg(kMoveCount));
        }
        // Moves are stored in ascending order of their English names; the index of a move is
        // its place in that order.
        for (const MoveSource& m : set_.moves) {
            sortedMoves_.push_back(&m);
            CheckType(m.type, m.where);
        }
        std::sort(sortedMoves_.begin(), sortedMoves_.end(),
                  [](const MoveSource* a, const MoveSource* b) {
                      return SortKey(rules::StoredMoveName(a->name.en)) <
                             SortKey(rules::StoredMoveName(b->name.en));
                  });
        // A name defined twice is reported where it is defined again, in reading order.
        QHash<QString, const MoveSource*> firstDefinition;
        for (const MoveSource& m : set_.moves) {
            if (const auto* first = firstDefinition.value(m.name.en)) {
                Error(m.where, QStringLiteral("move %1 is defined twice (also at %2:%3)")
                                   .arg(Quote(m.name.en), first->where.file)
                                   .arg(first->where.line));
            } else {
                firstDefinition.insert(m.name.en, &m);
            }
        }
        for (size_t i = 0; i < sortedMoves_.size(); ++i) {
            moveIndex_.insert(sortedMoves_[i]->name.en, static_cast<int>(i));
        }
        QHash<QString, const MoveSource*> russian;
        for (const MoveSource& m : set_.moves) {
            if (russian.contains(m.name.ru)) {
                Error(m.where, QStringLiteral("Russian move name %1 is also used by %2")
                                   .arg(Quote(m.name.ru), Quote(russian[m.name.ru]->name.en)));
            }
            russian.insert(m.name.ru, &m);
        }
    }

    void CheckMachines() {
        const auto lineOf = [this](const QString& key, int otherwise) {
            const auto it = set_.machineLine.find(key);
            return it != set_.machineLine.end() ? it->second : otherwise;
        };
        std::set<QString> taught;
        const auto check = [&](const std::map<int, QString>& table, int count,
                               const QString& label) {
            for (int n = 1; n <= count; ++n) {
                // A machine's own line, or for a machine not written its table's line.
                const Where where{QStringLiteral("machines.toml"),
                                  lineOf(label + QString::number(n), lineOf(label, 1))};
                const auto it = table.find(n);
                if (it == table.end()) {
                    Error(where, QStringLiteral("%1%2 teaches no move").arg(label).arg(n));
                    continue;
                }
                if (!moveIndex_.contains(it->second)) {
                    Error(where, QStringLiteral("%1%2 teaches %3, which is no move")
                                     .arg(label)
                                     .arg(n)
                                     .arg(Quote(it->second)));
                } else if (!taught.insert(it->second).second) {
                    Error(where,
                          QStringLiteral("%1%2 teaches %3, which another machine teaches too")
                              .arg(label)
                              .arg(n)
                              .arg(Quote(it->second)));
                }
            }
        };
        check(set_.tm, kTmSlots, QStringLiteral("TM"));
        check(set_.hm, kHmSlots, QStringLiteral("HM"));
    }

    void CheckSpecies() {
        std::vector<bool> present(kSpeciesCount + 1, false);
        QHash<QString, int> names[kLanguageCount];
        for (const SpeciesSource& s : set_.species) {
            present[static_cast<size_t>(s.number)] = true;
            byNumber_[static_cast<size_t>(s.number)] = &s;
            for (const QString& t : s.types) {
                CheckType(t, s.typesWhere);
            }
            if (s.types.size() == 2 && s.types[0] == s.types[1]) {
                Error(s.typesWhere,
                      QStringLiteral("type %1 is given twice").arg(Quote(s.types[0])));
            }
            for (int language = 0; language < kLanguageCount; ++language) {
                const QString& name = s.name[language];
                if (names[language].contains(name)) {
                    Error(s.nameWhere[language],
                          QStringLiteral("name %1 is also the name of species %2")
                              .arg(Quote(name))
                              .arg(names[language][name]));
                }
                names[language].insert(name, s.number);
            }
            for (const LevelMove& m : s.levelMoves) {
                if (!moveIndex_.contains(m.move)) {
                    Error(m.where,
                          QStringLiteral("level move %1 names no move").arg(Quote(m.move)));
                }
            }
        }
        for (int n = 1; n <= kSpeciesCount; ++n) {
            if (!present[static_cast<size_t>(n)]) {
                Error({QStringLiteral("species/%1.toml").arg(n, 3, 10, QLatin1Char('0')), 0},
                      QStringLiteral("species %1 is missing").arg(n));
            }
        }
    }

    void CheckFamilies() {
        familyOf_.assign(kSpeciesCount + 1, -1);
        for (size_t f = 0; f < set_.families.size(); ++f) {
            const FamilySource& family = set_.families[f];
            if (family.steps.empty() || family.steps.size() > kEvolutionSlots) {
                Error(family.where,
                      QStringLiteral("a family has 1 to 5 steps, not %1").arg(family.steps.size()));
                continue;
            }
            // Each member with the step that brought it in, so a clash points at that line.
            std::map<int, Where> members{{family.steps.front().from, family.steps.front().where}};
            for (const StepSource& step : family.steps) {
                if (!members.count(step.from)) {
                    Error(step.where,
                          QStringLiteral("species %1 evolves before it has joined the family; a "
                                         "step must start at the base or an earlier step's \"to\"")
                              .arg(step.from));
                }
                if (!members.emplace(step.to, step.where).second) {
                    Error(step.where, QStringLiteral("species %1 is already in this family; every "
                                                     "species evolves from at most one other")
                                          .arg(step.to));
                }
            }
            for (const auto& [member, where] : members) {
                int& owner = familyOf_[static_cast<size_t>(member)];
                if (owner >= 0 && owner != static_cast<int>(f)) {
                    Error(where, QStringLiteral("species %1 is also in the family at line %2")
                                     .arg(member)
                                     .arg(set_.families[static_cast<size_t>(owner)].where.line));
                }
                owner = static_cast<int>(f);
            }
        }
    }

    // Fields are written only when every number 1..251 has its species.
    const SpeciesSource& Species(int number) const {
        return *byNumber_[static_cast<size_t>(number)];
    }

    QString TypeText(const QStringList& words, int language) const {
        QStringList texts;
        for (const QString& w : words) {
            texts << (language == 0 ? types_[w]->ru : types_[w]->en);
        }
        return texts.join(rules::kTypeJoin);
    }

    std::vector<QString> Fields() const {
        std::vector<QString> f;
        f.reserve(kFieldCount);
        for (const MoveSource* m : sortedMoves_) {
            f.push_back(rules::StoredMoveName(m->name.ru));
            f.push_back(rules::StoredMoveName(m->name.en));
            f.push_back(types_[m->type]->ru);
            f.push_back(types_[m->type]->en);
            f.push_back(m->description.ru);
            f.push_back(m->description.en);
            f.push_back(Num(m->power));
            f.push_back(Num(m->accuracy));
            f.push_back(Num(m->pp));
        }
        const std::vector<int> evolutionary = EvolutionaryOrder(set_);
        const std::vector<int> alphabetical[kLanguageCount] = {AlphabeticalOrder(set_, 0),
                                                               AlphabeticalOrder(set_, 1)};
        const auto label = [this](int number, int language) {
            return rules::ListLabel(number, Species(number).name[language]);
        };
        for (int r = 0; r < kSpeciesCount; ++r) {
            const SpeciesSource& s = Species(r + 1);
            for (int stat : s.stats) {
                f.push_back(Num(stat));
            }
            for (int language = 0; language < kLanguageCount; ++language) {
                f.push_back(label(r + 1, language));
            }
            for (int language = 0; language < kLanguageCount; ++language) {
                f.push_back(label(evolutionary[static_cast<size_t>(r)], language));
            }
            for (int language = 0; language < kLanguageCount; ++language) {
                f.push_back(label(alphabetical[language][static_cast<size_t>(r)], language));
            }
            for (int language = 0; language < kLanguageCount; ++language) {
                f.push_back(TypeText(s.types, language));
            }
            for (int language = 0; language < kLanguageCount; ++language) {
                f.push_back(rules::HeightText(s.heightCm, language));
            }
            for (int language = 0; language < kLanguageCount; ++language) {
                f.push_back(rules::WeightText(s.weightG, language));
            }
            f.push_back(s.description.ru);
            f.push_back(s.description.en);
            for (int e = 0; e < kEditionEntries - 1; ++e) {
                f.push_back(e < s.editions.size() ? s.editions[e] : QString());
            }
            f.push_back(Num(static_cast<int>(s.editions.size()) - 1));
            // Every member of a family carries all of the family's steps.
            const int family = familyOf_[static_cast<size_t>(s.number)];
            const std::vector<StepSource> none;
            const std::vector<StepSource>& steps =
                family >= 0 ? set_.families[static_cast<size_t>(family)].steps : none;
            for (size_t k = 0; k < kEvolutionSlots; ++k) {
                if (k < steps.size()) {
                    const StepSource& step = steps[k];
                    const rules::Condition c = *rules::ConditionTexts(step.condition);
                    f.insert(f.end(), {Num(step.from - 1), Num(step.to - 1), c.ru, c.en,
                                       step.hold.ru, step.hold.en});
                } else {
                    f.insert(f.end(),
                             {Num(-1), Num(-1), QString(), QString(), QString(), QString()});
                }
            }
            for (size_t k = 0; k < kLevelMoveSlots; ++k) {
                if (k < s.levelMoves.size()) {
                    f.push_back(Num(moveIndex_[s.levelMoves[k].move]));
                    f.push_back(Num(s.levelMoves[k].level));
                } else {
                    f.insert(f.end(), {Num(-1), Num(-1)});
                }
            }
            const auto machines = [&](const std::vector<int>& list,
                                      const std::map<int, QString>& table, int slotCount,
                                      const QString& prefix) {
                for (size_t k = 0; k < static_cast<size_t>(slotCount); ++k) {
                    if (k < list.size()) {
                        f.push_back(prefix + Num(list[k]));
                        f.push_back(Num(moveIndex_[table.at(list[k])]));
                    } else {
                        f.insert(f.end(), {QString(), Num(-1)});
                    }
                }
            };
            machines(s.tm, set_.tm, kTmSlots, QStringLiteral("TM"));
            machines(s.hm, set_.hm, kHmSlots, QStringLiteral("HM"));
        }
        return f;
    }

    const SourceSet& set_;
    std::vector<Diagnostic> errors_;
    QHash<QString, const TypeWord*> types_;
    std::vector<const MoveSource*> sortedMoves_;
    QHash<QString, int> moveIndex_;
    std::vector<int> familyOf_;
    std::vector<const SpeciesSource*> byNumber_ =
        std::vector<const SpeciesSource*>(kSpeciesCount + 1);
};

}  // namespace

std::vector<int> EvolutionaryOrder(const SourceSet& set) {
    // Families in the order of their lowest member; a species in no family is a family of one.
    std::vector<std::vector<int>> groups;
    std::vector<bool> placed(kSpeciesCount + 1, false);
    for (const FamilySource& family : set.families) {
        std::vector<int> members;
        if (!family.steps.empty()) {
            members.push_back(family.steps.front().from);
        }
        for (const StepSource& step : family.steps) {
            members.push_back(step.to);
        }
        for (int m : members) {
            placed[static_cast<size_t>(m)] = true;
        }
        groups.push_back(std::move(members));
    }
    for (int n = 1; n <= kSpeciesCount; ++n) {
        if (!placed[static_cast<size_t>(n)]) {
            groups.push_back({n});
        }
    }
    std::stable_sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) {
        return *std::min_element(a.begin(), a.end()) < *std::min_element(b.begin(), b.end());
    });
    std::vector<int> order;
    for (const auto& g : groups) {
        order.insert(order.end(), g.begin(), g.end());
    }
    return order;
}

std::vector<int> AlphabeticalOrder(const SourceSet& set, int language) {
    std::vector<std::pair<QByteArray, int>> keyed;
    for (const SpeciesSource& s : set.species) {
        keyed.emplace_back(SortKey(s.name[language]), s.number);
    }
    // Windows-1251 code order (unsigned bytes); equal names, which Compile rejects, fall back
    // to the number so the order is always defined.
    std::sort(keyed.begin(), keyed.end());
    std::vector<int> order;
    for (const auto& [key, number] : keyed) {
        order.push_back(number);
    }
    return order;
}

CompileResult Compile(const SourceSet& set) {
    return Compiler(set).Run();
}

CompileResult Compile(const ReadResult& read) {
    return read.errors.empty() ? Compile(read.set) : CompileResult{{}, read.errors};
}

}  // namespace zentaloger::sources
