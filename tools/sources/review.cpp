#include "tools/sources/review.h"

#include <QRegularExpression>
#include <cstdlib>
#include <map>
#include <set>

namespace zentaloger::sources {

namespace {

// Accuracy 0 never misses, so it ranks above 100.
int AccuracyRank(const MoveSource& m) {
    return m.accuracy == 0 ? 101 : m.accuracy;
}

bool SameNumbers(const MoveSource& a, const MoveSource& b) {
    return a.power == b.power && a.accuracy == b.accuracy && a.pp == b.pp;
}

// `b` is at least as good as `a` in power, accuracy and power points, and better in one.
bool BetterNumbers(const MoveSource& b, const MoveSource& a) {
    return b.power >= a.power && AccuracyRank(b) >= AccuracyRank(a) && b.pp >= a.pp &&
           !SameNumbers(a, b);
}

bool IsPrice(const QString& effect) {
    return effect.startsWith(QLatin1String("but "));
}

QString Named(const MoveSource& m) {
    return QStringLiteral("\"%1\" (%2:%3)").arg(m.name.en, m.where.file).arg(m.where.line);
}

QString Numbers(const MoveSource& m) {
    return QStringLiteral("%1/%2/%3").arg(m.power).arg(m.accuracy).arg(m.pp);
}

class Reviewer {
  public:
    explicit Reviewer(const SourceSet& set) : set_(set) {}

    std::vector<Diagnostic> Run() {
        for (const MoveSource& m : set_.moves) {
            moves_.emplace(m.name.en, &m);
        }
        for (size_t i = 0; i < set_.moves.size(); ++i) {
            Move(i);
        }
        UnusedMoves();
        for (const SpeciesSource& s : set_.species) {
            Sentences(s.where, QStringLiteral("species"), s.description);
            Body(s);
        }
        for (const FamilySource& f : set_.families) {
            for (const StepSource& step : f.steps) {
                Step(step);
            }
        }
        return warnings_;
    }

  private:
    void Warn(const Where& where, const QString& message) {
        warnings_.push_back({where.file, where.line, message});
    }

    void Move(size_t index) {
        const MoveSource& a = set_.moves[index];
        const QString what = QStringLiteral("move \"%1\"").arg(a.name.en);
        Sentences(a.where, what, a.description);
        // A field use added with "Also" must read as an addition in Russian too, not as a
        // second battle effect.
        static const QRegularExpression kAlso(QStringLiteral("(^|[.!] )Also "));
        static const QRegularExpression kRussianAlso(QStringLiteral("также|ещё"),
                                                     QRegularExpression::CaseInsensitiveOption);
        if (a.description.en.contains(kAlso) && !a.description.ru.contains(kRussianAlso)) {
            Warn(a.where, what + QStringLiteral(": the English \"Also\" has no «также» or «ещё» "
                                                "in the Russian text"));
        }
        if (a.power == 0 && a.effect.isEmpty()) {
            // Without a class it cannot be compared with the others.
            Warn(a.where, what + QStringLiteral(" deals no damage and names no effect"));
            return;
        }
        for (size_t j = 0; j < set_.moves.size(); ++j) {
            const MoveSource& b = set_.moves[j];
            if (j == index) {
                continue;
            }
            // A status move's type hardly matters, so its twin may be of any type; damaging
            // moves of different types are different choices.
            if (j < index && SameNumbers(a, b) && a.effect == b.effect &&
                (a.type == b.type || a.power == 0)) {
                Warn(a.where, what + QStringLiteral(" has the numbers %1 and the effect of %2")
                                         .arg(Numbers(a), Named(b)));
            }
            // Nothing makes `a` worth choosing over `b`: the same effect, or none against an
            // effect that costs its user nothing.
            const bool noReason =
                a.effect == b.effect || (a.effect.isEmpty() && !IsPrice(b.effect));
            if (a.type == b.type && noReason && BetterNumbers(b, a)) {
                Warn(a.where, what + QStringLiteral(" (%1) is outdone by %2 (%3) of its type")
                                         .arg(Numbers(a), Named(b), Numbers(b)));
            }
        }
    }

    void UnusedMoves() {
        std::set<QString> used;
        for (const auto& [n, move] : set_.tm) {
            used.insert(move);
        }
        for (const auto& [n, move] : set_.hm) {
            used.insert(move);
        }
        for (const SpeciesSource& s : set_.species) {
            for (const LevelMove& m : s.levelMoves) {
                used.insert(m.move);
            }
        }
        for (const MoveSource& m : set_.moves) {
            if (!used.count(m.name.en)) {
                Warn(m.where, QStringLiteral("move \"%1\" is learned by no species and taught by "
                                             "no machine, so no page shows it")
                                  .arg(m.name.en));
            }
        }
    }

    // Until every species declares its body plan, a missing one is a reminder, not an error.
    // A declared plan must be able to perform every move the species learns.
    void Body(const SpeciesSource& s) {
        const QString species =
            QStringLiteral("species %1 %2").arg(s.number, 3, 10, QLatin1Char('0')).arg(s.name.en);
        if (s.body.isEmpty()) {
            Warn(s.where, species + QStringLiteral(" has no body plan"));
            return;
        }
        const auto learns = [&](const Where& where, const QString& move, const QString& how) {
            const auto m = moves_.find(move);
            if (m != moves_.end() && !m->second->bodies.isEmpty() &&
                !m->second->bodies.contains(s.body)) {
                Warn(where, QStringLiteral("%1 (%2) learns \"%3\" %4, which no %2 body can "
                                           "perform")
                                .arg(species, s.body, move, how));
            }
        };
        for (const LevelMove& m : s.levelMoves) {
            learns(m.where, m.move, QStringLiteral("at level %1").arg(m.level));
        }
        const auto machines = [&](const std::vector<int>& list, const std::map<int, QString>& table,
                                  const Where& where, const char* kind) {
            for (int n : list) {
                if (const auto it = table.find(n); it != table.end()) {
                    learns(where, it->second,
                           QStringLiteral("by %1%2").arg(QLatin1String(kind)).arg(n));
                }
            }
        };
        machines(s.tm, set_.tm, s.machinesWhere[0], "TM");
        machines(s.hm, set_.hm, s.machinesWhere[1], "HM");
    }

    void Sentences(const Where& where, const QString& what, const LocalText& text) {
        const int ru = SentenceCount(text.ru), en = SentenceCount(text.en);
        if (std::abs(ru - en) > 1) {
            Warn(where, QStringLiteral("%1: the English description has %2 sentences and the "
                                       "Russian %3; one of them leaves something out")
                            .arg(what)
                            .arg(en)
                            .arg(ru));
        }
    }

    void Step(const StepSource& step) {
        const QString what = QStringLiteral("step %1 > %2").arg(step.from).arg(step.to);
        const QString hold = step.hold.en;
        const bool holding = hold.startsWith(QLatin1String("HOLDING "));
        const bool using_ = hold.startsWith(QLatin1String("USING "));
        if (using_ && !step.condition.isEmpty()) {
            Warn(step.where, what + QStringLiteral(": using an item is the trigger itself, so "
                                                   "\"USING\" takes no condition"));
        }
        if (holding && step.condition.isEmpty()) {
            Warn(step.where, what + QStringLiteral(": a held item needs a trigger (a level, "
                                                   "friendship or a trade)"));
        }
        static const QRegularExpression kArticle(QStringLiteral("^(HOLDING|USING) (A|AN|THE) "));
        if ((holding || using_) && !hold.contains(kArticle)) {
            Warn(step.where,
                 what + QStringLiteral(": the item in \"%1\" has no article").arg(hold));
        }
        // An item must not read like a species: no run of its words spells a species name.
        const QStringList words = hold.split(u' ');
        for (qsizetype first = 0; first < words.size(); ++first) {
            QString run;
            for (qsizetype last = first; last < words.size(); ++last) {
                run += words[last];
                for (const SpeciesSource& s : set_.species) {
                    if (s.name.en == run) {
                        Warn(step.where, what + QStringLiteral(": \"%1\" spells the species %2")
                                                    .arg(hold, s.name.en));
                    }
                }
            }
        }
    }

    const SourceSet& set_;
    std::map<QString, const MoveSource*> moves_;  // by English name
    std::vector<Diagnostic> warnings_;
};

}  // namespace

int SentenceCount(const QString& text) {
    static const QRegularExpression kEnd(QStringLiteral("[.!…]+(?= |$)"));
    int count = 0;
    for (auto it = kEnd.globalMatch(text); it.hasNext(); it.next()) {
        ++count;
    }
    return count;
}

std::vector<Diagnostic> Review(const SourceSet& set) {
    return Reviewer(set).Run();
}

}  // namespace zentaloger::sources
