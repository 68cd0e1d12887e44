#include "tools/art/traits.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <set>

#include "tools/sources/rules.h"

namespace zentaloger::art {
namespace {

QString AfterPrefix(QStringView text, QStringView prefix) {
    if (text.startsWith(prefix)) {
        text = text.mid(prefix.size());
    }
    return text.toString();
}

// English "5 '   7 \"" as a fallback when the Russian text does not parse.
std::optional<double> CentimetresOfEnglishHeight(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d+) '   (\\d+) \"$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    return (m.captured(1).toInt() * 12 + m.captured(2).toInt()) * 2.54;
}

std::optional<double> KilogramsOfEnglishWeight(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d+(?:\\.\\d)?) lbs$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    return m.captured(1).toDouble() * 0.45359237;
}

}  // namespace

QStringList TypeWords(QStringView typeLabel) {
    const QString body = AfterPrefix(typeLabel, u"TYPE:   ");
    QStringList words;
    for (const QString& part : body.split(rules::kTypeJoin)) {
        const QString word = part.trimmed();
        if (!word.isEmpty()) {
            words.append(word);
        }
    }
    if (words.isEmpty()) {
        words.append(QStringLiteral("?"));
    }
    return words;
}

std::vector<SpeciesTraits> DeriveTraits(const Database& db) {
    std::vector<SpeciesTraits> traits(kSpeciesCount);
    // Edges of every family, gathered from all records (each member lists its whole family).
    std::set<std::pair<int, int>> edges;
    for (int s = 0; s < kSpeciesCount; ++s) {
        const SpeciesRecord& r = db.species[s];
        for (int k = 0; k < kEvolutionSlots; ++k) {
            const int from = r.evolutionFrom[k];
            const int to = r.evolutionTo[k];
            if (from >= 0 && from < kSpeciesCount && to >= 0 && to < kSpeciesCount && from != to) {
                edges.insert({from, to});
            }
        }
    }
    std::vector<std::vector<int>> children(kSpeciesCount), parents(kSpeciesCount);
    for (const auto& [from, to] : edges) {
        children[from].push_back(to);
        parents[to].push_back(from);
    }

    // Families: connected components, named by their lowest member for now.
    std::vector<int> component(kSpeciesCount, -1);
    for (int s = 0; s < kSpeciesCount; ++s) {
        if (component[s] >= 0) {
            continue;
        }
        std::vector<int> stack = {s};
        component[s] = s;
        while (!stack.empty()) {
            const int v = stack.back();
            stack.pop_back();
            for (const auto* list : {&children[v], &parents[v]}) {
                for (int w : *list) {
                    if (component[w] < 0) {
                        component[w] = s;
                        stack.push_back(w);
                    }
                }
            }
        }
    }

    std::vector<bool> baby(kSpeciesCount, false);
    for (int s = 0; s < kSpeciesCount; ++s) {
        for (int to : children[s]) {
            if (to < s) {
                baby[s] = true;
            }
        }
    }
    // Level: the longest chain of regular forms above a species. A malformed family with a
    // cycle cannot make this loop forever: levels are capped by the species count.
    std::vector<int> level(kSpeciesCount, 0);
    for (bool changed = true; changed;) {
        changed = false;
        for (const auto& [from, to] : edges) {
            if (baby[from] || baby[to]) {
                continue;
            }
            if (level[to] < level[from] + 1 && level[from] + 1 < kSpeciesCount) {
                level[to] = level[from] + 1;
                changed = true;
            }
        }
    }

    for (int s = 0; s < kSpeciesCount; ++s) {
        const SpeciesRecord& r = db.species[s];
        SpeciesTraits& t = traits[s];
        t.number = s + 1;
        t.types = TypeWords(r.typeLabel[1]);
        t.level = baby[s] ? 0 : level[s];

        const QString ruHeight = AfterPrefix(r.heightLabel[0], u"РОСТ:   ");
        const QString ruWeight = AfterPrefix(r.weightLabel[0], u"ВЕС:   ");
        if (const auto cm = rules::CentimetresOfRussianHeight(ruHeight)) {
            t.heightCm = *cm;
        } else if (const auto en =
                       CentimetresOfEnglishHeight(AfterPrefix(r.heightLabel[1], u"HEIGHT:   "))) {
            t.heightCm = std::max(1.0, *en);
        }
        if (const auto g = rules::GramsOfRussianWeight(ruWeight)) {
            t.weightKg = *g / 1000.0;
        } else if (const auto en =
                       KilogramsOfEnglishWeight(AfterPrefix(r.weightLabel[1], u"WEIGHT:   "))) {
            t.weightKg = std::max(0.01, *en);
        }

        t.legendary =
            std::all_of(r.statLevel.begin(), r.statLevel.end(), [](Number n) { return n == 4; });
        t.secret = r.editionInfo[0] == u"UNKNOWN";
    }

    for (int s = 0; s < kSpeciesCount; ++s) {
        SpeciesTraits& t = traits[s];
        std::vector<int> members;
        for (int v = 0; v < kSpeciesCount; ++v) {
            if (component[v] == component[s]) {
                members.push_back(v);
            }
        }
        t.familySize = static_cast<int>(members.size());
        if (t.familySize == 1) {
            t.stage = Stage::Single;
            t.familyId = t.number;
            t.familyTypes = t.types;
            continue;
        }
        // The base: the lowest-numbered regular member without a regular parent.
        int base = -1;
        int levels = 1;
        for (int v : members) {
            if (!baby[v]) {
                levels = std::max(levels, level[v] + 1);
                if (level[v] == 0 && base < 0) {
                    base = v;
                }
            }
        }
        if (base < 0) {
            base = members.front();
        }
        t.familyId = base + 1;
        t.familyTypes = traits[base].types;
        t.familyLevels = levels;
        if (baby[s]) {
            t.stage = Stage::Baby;
        } else if (children[s].empty()) {
            t.stage = Stage::Final;
        } else {
            t.stage = level[s] == 0 ? Stage::Base : Stage::Middle;
        }
        if (!parents[s].empty()) {
            const std::vector<int>& siblings = children[parents[s].front()];
            std::vector<int> sorted = siblings;
            std::sort(sorted.begin(), sorted.end());
            t.branch =
                static_cast<int>(std::find(sorted.begin(), sorted.end(), s) - sorted.begin());
        }
    }
    return traits;
}

}  // namespace zentaloger::art
