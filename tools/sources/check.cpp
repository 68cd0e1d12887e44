#include "tools/sources/check.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>
#include <set>

#include "database/database.h"
#include "database/layout.h"
#include "tools/sources/rules.h"

namespace zentaloger::sources {

namespace {

QString Histogram(const std::map<int, int>& counts) {
    QStringList parts;
    for (const auto& [value, count] : counts) {
        parts << QStringLiteral("%1:%2").arg(value).arg(count);
    }
    return parts.join(u' ');
}

class Checker {
  public:
    explicit Checker(const Database& db) : db_(db) {}

    CheckReport Run() {
        Moves();
        Species();
        Families();
        return {problems_, lines_.join(u'\n') + u'\n'};
    }

  private:
    void Problem(const QString& text) { problems_ << text; }
    void Line(const QString& text) { lines_ << text; }

    void Length(const QString& what, Text text, int min, int max) {
        if (text.size() < min || text.size() > max) {
            Problem(QStringLiteral("%1 has %2 characters, not %3 to %4")
                        .arg(what)
                        .arg(text.size())
                        .arg(min)
                        .arg(max));
        }
    }

    void Moves() {
        int power0 = 0, powerAbove100 = 0, accuracy0 = 0, maxPower = 0;
        std::map<int, int> pp;
        QSet<int> powers, accuracies;
        for (int m = 0; m < kMoveCount; ++m) {
            const MoveRecord& r = db_.moves[static_cast<size_t>(m)];
            const QString what = QStringLiteral("move %1").arg(m);
            for (int language = 0; language < kLanguageCount; ++language) {
                Length(what + QStringLiteral(" name"), r.moveName[language],
                       rules::kMoveNameMin[language], rules::kMoveNameMax[language]);
                Length(what + QStringLiteral(" description"), r.moveDescription[language],
                       rules::kMoveDescriptionMin[language], rules::kMoveDescriptionMax[language]);
            }
            if (m > 0 && !(db_.moves[static_cast<size_t>(m - 1)].moveName[1] < r.moveName[1])) {
                Problem(what + QStringLiteral(" is not in ascending order of English names"));
            }
            if (r.movePower < 0 || r.movePower > rules::kPowerMax) {
                Problem(what + QStringLiteral(" has power %1").arg(r.movePower));
            }
            if (r.moveAccuracy < 0 || r.moveAccuracy > 100) {
                Problem(what + QStringLiteral(" has accuracy %1").arg(r.moveAccuracy));
            }
            if (!rules::IsPowerPointValue(r.movePowerPoints)) {
                Problem(what + QStringLiteral(" has %1 power points").arg(r.movePowerPoints));
            }
            power0 += r.movePower == 0;
            powerAbove100 += r.movePower > 100;
            accuracy0 += r.moveAccuracy == 0;
            maxPower = std::max(maxPower, r.movePower);
            ++pp[r.movePowerPoints];
            powers.insert(r.movePower);
            accuracies.insert(r.moveAccuracy);
        }
        Line(QStringLiteral("moves: %1").arg(kMoveCount));
        Line(QStringLiteral("  power 0: %1, above 100: %2 (highest %3), accuracy 0: %4")
                 .arg(power0)
                 .arg(powerAbove100)
                 .arg(maxPower)
                 .arg(accuracy0));
        Line(QStringLiteral("  power points: ") + Histogram(pp));
        QStringList present;
        for (int p : {50, 51, 75, 76, 100, 101}) {
            present << QStringLiteral("%1%2").arg(p).arg(
                powers.contains(p) ? QString() : QStringLiteral(" (missing)"));
        }
        Line(QStringLiteral("  powers at the bar thresholds: ") + present.join(u' '));
        Line(QStringLiteral("  accuracy 100: %1, accuracy 0: %2")
                 .arg(accuracies.contains(100) ? "yes" : "no",
                      accuracies.contains(0) ? "yes" : "no"));
    }

    void Species() {
        int doubleType = 0, legendary = 0, unknown = 0, twelve = 0, levelZero = 0;
        int noTm = 0, allTm = 0, noHm = 0, allHm = 0;
        std::map<int, int> editions, levelMoves;
        QHash<QString, int> machineMove;
        for (int s = 0; s < kSpeciesCount; ++s) {
            const SpeciesRecord& r = db_.species[static_cast<size_t>(s)];
            const QString what = QStringLiteral("species %1").arg(s + 1);
            for (int language = 0; language < kLanguageCount; ++language) {
                Length(what + QStringLiteral(" description"), r.description[language],
                       rules::kSpeciesDescriptionMin[language],
                       rules::kSpeciesDescriptionMax[language]);
                for (int order = 0; order < kOrderCount; ++order) {
                    const Text label =
                        db_.listLabel[static_cast<size_t>(s)][static_cast<size_t>(language)]
                                     [static_cast<size_t>(order)];
                    if (label.size() > rules::kListLabelMax || label.mid(3, 3) != u" - ") {
                        Problem(
                            QStringLiteral(
                                "row %1 label \"%2\" is not \"NNN - NAME\" within %3 characters")
                                .arg(s)
                                .arg(label.toString())
                                .arg(rules::kListLabelMax));
                    }
                }
                // Alphabetical rows ascend by the name part.
                if (s > 0 &&
                    !(db_.listLabel[static_cast<size_t>(s - 1)][static_cast<size_t>(language)][2]
                          .mid(6) <=
                      db_.listLabel[static_cast<size_t>(s)][static_cast<size_t>(language)][2].mid(
                          6))) {
                    // QStringView compares UTF-16 units; Windows-1251 order agrees for upper-case
                    // Cyrillic and ASCII.
                    Problem(QStringLiteral("alphabetical row %1 is out of order in language %2")
                                .arg(s)
                                .arg(language));
                }
            }
            bool allFour = true;
            for (Number level : r.statLevel) {
                if (level < 1 || level > 4) {
                    Problem(what + QStringLiteral(" has stat level %1").arg(level));
                }
                allFour = allFour && level == 4;
            }
            legendary += allFour;
            doubleType += r.typeLabel[1].contains(rules::kTypeJoin);
            const int used = std::stoi(r.editionInfo[6].toString().toStdString()) + 1;
            if (r.editionInfo[0] == rules::kUnknownEdition) {
                ++unknown;
                if (used != 1) {
                    Problem(what + QStringLiteral(": \"UNKNOWN\" does not stand alone"));
                }
            } else {
                ++editions[used];
            }
            int moves = 0;
            while (moves < kLevelMoveSlots && r.levelMoveLevel[static_cast<size_t>(moves)] >= 0) {
                levelZero += r.levelMoveLevel[static_cast<size_t>(moves)] == 0;
                ++moves;
            }
            if (moves == 0) {
                Problem(what + QStringLiteral(" has no level move"));
            }
            ++levelMoves[moves];
            twelve += moves == kLevelMoveSlots;
            const auto machines = [&](const auto& labels, const auto& movesOf, int slotCount,
                                      int& none, int& all) {
                int count = 0;
                for (int k = 0; k < slotCount; ++k) {
                    if (movesOf[static_cast<size_t>(k)] < 0) {
                        continue;
                    }
                    ++count;
                    const QString label = labels[static_cast<size_t>(k)].toString();
                    const int move = movesOf[static_cast<size_t>(k)];
                    const auto found = machineMove.constFind(label);
                    if (found == machineMove.cend()) {
                        machineMove.insert(label, move);
                    } else if (*found != move) {
                        Problem(QStringLiteral("%1: %2 teaches another move than elsewhere")
                                    .arg(what, label));
                    }
                }
                none += count == 0;
                all += count == slotCount;
            };
            machines(r.tmLabel, r.tmMove, kTmSlots, noTm, allTm);
            machines(r.hmLabel, r.hmMove, kHmSlots, noHm, allHm);
        }
        Line(QStringLiteral("species: %1, two types: %2, all six stats at 4: %3")
                 .arg(kSpeciesCount)
                 .arg(doubleType)
                 .arg(legendary));
        Line(QStringLiteral("  editions used: ") + Histogram(editions) +
             QStringLiteral(", UNKNOWN: %1").arg(unknown));
        Line(QStringLiteral("  level moves: ") + Histogram(levelMoves) +
             QStringLiteral(", twelve: %1, with a level-0 move: %2").arg(twelve).arg(levelZero));
        Line(QStringLiteral("  TM: none %1, all 50 %2; HM: none %3, all 7 %4")
                 .arg(noTm)
                 .arg(allTm)
                 .arg(noHm)
                 .arg(allHm));
    }

    void Families() {
        // Members of a family hold the same slotCount; group them by those slotCount.
        std::map<QString, std::vector<int>> families;
        int alone = 0;
        for (int s = 0; s < kSpeciesCount; ++s) {
            const SpeciesRecord& r = db_.species[static_cast<size_t>(s)];
            QString key;
            for (int k = 0; k < kEvolutionSlots && r.evolutionFrom[static_cast<size_t>(k)] >= 0;
                 ++k) {
                key += QStringLiteral("%1>%2;")
                           .arg(r.evolutionFrom[static_cast<size_t>(k)])
                           .arg(r.evolutionTo[static_cast<size_t>(k)]);
            }
            if (key.isEmpty()) {
                ++alone;
            } else {
                families[key].push_back(s);
            }
        }
        std::map<int, int> sizes, steps;
        int branching = 0, babies = 0;
        for (const auto& [key, members] : families) {
            const SpeciesRecord& r = db_.species[static_cast<size_t>(members.front())];
            int count = 0;
            std::map<int, int> fanOut;
            std::set<int> inFamily;
            for (; count < kEvolutionSlots && r.evolutionFrom[static_cast<size_t>(count)] >= 0;
                 ++count) {
                const int from = r.evolutionFrom[static_cast<size_t>(count)];
                const int to = r.evolutionTo[static_cast<size_t>(count)];
                ++fanOut[from];
                babies += from > to;
                inFamily.insert(from);
                inFamily.insert(to);
            }
            for (int m : inFamily) {
                if (std::find(members.begin(), members.end(), m) == members.end()) {
                    Problem(QStringLiteral(
                                "species %1 is in a family whose slotCount it does not carry")
                                .arg(m + 1));
                }
            }
            ++sizes[static_cast<int>(members.size())];
            ++steps[count];
            branching += std::any_of(fanOut.begin(), fanOut.end(),
                                     [](const auto& f) { return f.second > 1; });
        }
        Line(
            QStringLiteral("families: %1, standalone species: %2").arg(families.size()).arg(alone));
        Line(QStringLiteral("  members: ") + Histogram(sizes) + QStringLiteral("; steps: ") +
             Histogram(steps));
        Line(QStringLiteral(
                 "  branching families: %1, steps from a higher number to a lower (babies): %2")
                 .arg(branching)
                 .arg(babies));
    }

    const Database& db_;
    QStringList problems_;
    QStringList lines_;
};

}  // namespace

CheckReport CheckResource(const QByteArray& resource) {
    try {
        const std::unique_ptr<Database> db = LoadDatabase(resource);
        return Checker(*db).Run();
    } catch (const DatabaseError& e) {
        return {{QString::fromUtf8(e.what())}, QString()};
    }
}

}  // namespace zentaloger::sources
