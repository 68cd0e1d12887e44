#include "tools/sources/tests/fixture.h"

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

QString MoveName(int index) {
    return QStringLiteral("MOVE ") + Letters(index, kLatin, 2);
}

}  // namespace

SourceSet Fixture() {
    SourceSet set;
    for (int t = 0; t < 17; ++t) {
        set.types.push_back(
            {QStringLiteral("TYPE") + kLatin[t], QStringLiteral("ТИП") + kCyrillic[t], {}});
    }
    const auto type = [&set](int k) { return set.types[static_cast<size_t>(k % 17)].en; };
    const auto plan = [](int k) { return kBodyPlans[k % kBodyPlans.size()]; };
    for (int m = 0; m < kMoveCount; ++m) {
        set.moves.push_back(
            {.name = {QStringLiteral("ПРИЕМ ") + Letters(m, kCyrillic, 2), MoveName(m)},
             .type = type(m),
             .power = (m * 7) % 251,
             .accuracy = (m * 3) % 101,
             .pp = 5 * (m % 9),
             .description = {QStringLiteral("Приём номер %1 для проверки.").arg(m),
                             QStringLiteral("Move number %1 for the tests.").arg(m)},
             .effect = m % 4 == 0 ? QStringLiteral("lowers attack") : QString(),
             .bodies = m % 25 == 0 ? QStringList{plan(m / 25), plan(m / 25 + 5)} : QStringList(),
             .where = {}});
    }
    for (int n = 1; n <= kTmSlots; ++n) {
        set.tm[n] = MoveName(n - 1);
    }
    for (int n = 1; n <= kHmSlots; ++n) {
        set.hm[n] = MoveName(100 + n);
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
        s.types = n % 3 == 0 ? QStringList{type(n), type(n + 5)} : QStringList{type(n)};
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
        s.levelMoves = {{1, MoveName(n % kMoveCount), {}},
                        {12, MoveName((n * 5) % kMoveCount), {}}};
        s.tm = {1 + n % 49, 50};
        s.hm = n % 4 == 0 ? std::vector<int>{} : std::vector<int>{1 + n % 7};
        s.body = plan(n);
        set.species.push_back(s);
    }
    return set;
}

}  // namespace zentaloger::sources
