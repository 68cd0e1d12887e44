#include "tools/sources/tests/fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "database/database.h"
#include "tools/sources/rules.h"

namespace zentaloger::sources {

namespace {

const QString kLatin = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kCyrillic = QStringLiteral("АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЭЮЯ");

// Two or three letters that spell `n` in the given alphabet, so every generated name differs.
QString Letters(int n, const QString& alphabet, int count) {
    QString out;
    for (int i = 0; i < count; ++i) {
        out.prepend(alphabet[n % alphabet.size()]);
        n /= static_cast<int>(alphabet.size());
    }
    return out;
}

}  // namespace

QString FixtureMoveName(int index) {
    return QStringLiteral("MOVE ") + Letters(index, kLatin, 2);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

int EditFile(const QString& path, const QString& find, const QString& replace) {
    QString text = QString::fromUtf8(ReadFile(path));
    const qsizetype at = text.indexOf(find);
    if (at < 0 || !WriteFile(path, text.replace(at, find.size(), replace).toUtf8())) {
        return 0;
    }
    return static_cast<int>(text.left(at).count(u'\n')) + 1;
}

SourceSet Fixture() {
    SourceSet set;
    for (int t = 0; t < 17; ++t) {
        set.types.push_back(
            {QStringLiteral("TYPE") + kLatin[t], QStringLiteral("ТИП") + kCyrillic[t], {}});
    }
    for (int m = 0; m < kMoveCount; ++m) {
        MoveSource move;
        move.name = {QStringLiteral("ПРИЕМ ") + Letters(m, kCyrillic, 2), FixtureMoveName(m)};
        move.type = set.types[static_cast<size_t>(m % 17)].en;
        move.power = (m * 7) % 251;
        move.accuracy = (m * 3) % 101;
        move.pp = 5 * (m % 9);
        if (m % 4 == 0) {
            move.effect = QStringLiteral("lowers attack");
        }
        move.description = {QStringLiteral("Приём номер %1 для проверки.").arg(m),
                            QStringLiteral("Move number %1 for the tests.").arg(m)};
        set.moves.push_back(move);
    }
    for (int n = 1; n <= kTmSlots; ++n) {
        set.tm[n] = FixtureMoveName(n - 1);
    }
    for (int n = 1; n <= kHmSlots; ++n) {
        set.hm[n] = FixtureMoveName(100 + n);
    }
    const auto step = [](int from, int to, const char* condition, LocalText hold = {}) {
        return StepSource{from, to, QString::fromLatin1(condition), hold, {}};
    };
    set.families = {
        {{step(1, 2, "level 16"),
          step(2, 3, "trade",
               {QStringLiteral("С УГОЛЬНЫМ ОСКОЛКОМ"), QStringLiteral("HOLDING A COAL SHARD")})},
         {}},
        {{step(10, 11, "friendship"), step(10, 12, "")}, {}},
        {{step(200, 20, "friendship"), step(20, 21, "level 30")}, {}},
        {{step(30, 31, "level 5"), step(31, 32, "level 10"), step(32, 33, "level 15"),
          step(33, 34, "level 20"), step(34, 35, "level 25")},
         {}},
    };
    for (int n = 1; n <= kSpeciesCount; ++n) {
        SpeciesSource s;
        s.number = n;
        s.name = {QStringLiteral("ВИД") + Letters(n, kCyrillic, 3),
                  QStringLiteral("BEAST") + Letters(n, kLatin, 3)};
        s.types = {set.types[static_cast<size_t>(n % 17)].en};
        if (n % 3 == 0) {
            s.types << set.types[static_cast<size_t>((n + 5) % 17)].en;
        }
        s.heightCm = 10 + n * 3;
        s.weightG = 500 + n * 250;
        s.stats = {1 + n % 3, 1 + (n + 1) % 3, 2, 1, 3, 2};
        s.editions = rules::kEditionNames.mid(0, 1 + n % 6);
        s.description = {
            QStringLiteral("Вид номер %1 из набора для проверки компилятора: простое существо.")
                .arg(n),
            QStringLiteral("Species number %1 of the fixture, a plain creature that lives in the "
                           "compiler tests.")
                .arg(n, 3, 10, QLatin1Char('0'))};
        s.levelMoves = {{1, FixtureMoveName(n % kMoveCount), {}},
                        {12, FixtureMoveName((n * 5) % kMoveCount), {}}};
        s.tm = {1 + n % 49, 50};
        s.hm = n % 4 == 0 ? std::vector<int>{} : std::vector<int>{1 + n % 7};
        s.body = kBodyPlans[n % kBodyPlans.size()];
        set.species.push_back(s);
    }
    // Every 25th move names the plans of the species that learn it, so each can perform it.
    for (int m = 0; m < kMoveCount; m += 25) {
        MoveSource& move = set.moves[static_cast<size_t>(m)];
        for (const SpeciesSource& s : set.species) {
            const auto teaches = [&](const std::map<int, QString>& table, int n) {
                return table.at(n) == move.name.en;
            };
            const bool learns =
                std::any_of(s.levelMoves.begin(), s.levelMoves.end(),
                            [&](const LevelMove& l) { return l.move == move.name.en; }) ||
                std::any_of(s.tm.begin(), s.tm.end(), [&](int n) { return teaches(set.tm, n); }) ||
                std::any_of(s.hm.begin(), s.hm.end(), [&](int n) { return teaches(set.hm, n); });
            if (learns && !move.bodies.contains(s.body)) {
                move.bodies << s.body;
            }
        }
    }
    return set;
}

}  // namespace zentaloger::sources
