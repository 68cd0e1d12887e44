#include "database/testdata/testdata.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "database/layout.h"
#include "database/writer.h"

namespace zentaloger::testdata {
namespace {

const std::array<QString, 6> kEditions = {
    QStringLiteral("ZENTARI KALO"), QStringLiteral("ZENTARI MIRU"), QStringLiteral("ZENTARI TAVI"),
    QStringLiteral("ZENTARI SONE"), QStringLiteral("ZENTARI PELA"), QStringLiteral("ZENTARI DURO")};

const std::array<std::array<QString, 2>, 4> kTypes = {{
    {QStringLiteral("ЖАР"), QStringLiteral("EMBER")},
    {QStringLiteral("ПРИЛИВ"), QStringLiteral("TIDE")},
    {QStringLiteral("РОСТОК"), QStringLiteral("SPROUT")},
    {QStringLiteral("КАМЕНЬ"), QStringLiteral("STONE")},
}};

// Boundary values of the move panel's bars come round often.
const std::array<int, 10> kPower = {0, 50, 51, 75, 76, 100, 101, 250, 35, 0};
const std::array<int, 7> kAccuracy = {100, 0, 50, 51, 75, 76, 95};
const std::array<int, 9> kPowerPoints = {15, 16, 30, 31, 0, 1, 5, 40, 25};

QString Letters(int value, char16_t first, int alphabet, int length) {
    QString s;
    for (int i = 0; i < length; ++i) {
        s.prepend(QChar(static_cast<char16_t>(first + value % alphabet)));
        value /= alphabet;
    }
    return s;
}

// Families of three (base, middle, final) for species 0..89, a branching family 90 -> 91, 92,
// and the rest standalone.
struct Step {
    int from, to;
};
std::vector<Step> FamilyOf(int s) {
    if (s < 90) {
        const int base = s - s % 3;
        return {{base, base + 1}, {base + 1, base + 2}};
    }
    if (s >= 90 && s <= 92) {
        return {{90, 91}, {90, 92}};
    }
    return {};
}

std::vector<int> EvolutionaryOrder() {
    // Families keep their numbers together; standalone species follow in reverse so the order
    // differs visibly from the numerical one.
    std::vector<int> order(93);
    std::iota(order.begin(), order.end(), 0);
    for (int s = kSpeciesCount - 1; s >= 93; --s) {
        order.push_back(s);
    }
    return order;
}

QString Label(int s, int language) {
    return QStringLiteral("%1 - ").arg(s + 1, 3, 10, QLatin1Char('0')) +
           TestSpeciesName(s, language);
}

}  // namespace

QString TestSpeciesName(int s, int language) {
    // Scrambled so the alphabetical order differs from the numerical one, and differently per
    // language.
    return language == 1 ? QStringLiteral("Z") + Letters((s * 37 + 11) % 676, u'A', 26, 2) +
                               QStringLiteral("ENTA") + QString::number(s)
                         : QStringLiteral("З") + Letters((s * 53 + 5) % 1024, u'А', 32, 2) +
                               QStringLiteral("ЕНТА") + QString::number(s);
}

std::vector<QString> TestDatabaseFields() {
    std::vector<QString> f;
    f.reserve(kFieldCount);
    auto number = [&f](int n) { f.push_back(QString::number(n)); };

    for (int m = 0; m < kMoveCount; ++m) {
        f.push_back(QStringLiteral("ДЕЙСТВИЕ   %1").arg(m, 3, 10, QLatin1Char('0')));
        f.push_back(QStringLiteral("MOVE   %1").arg(m, 3, 10, QLatin1Char('0')));
        f.push_back(kTypes[m % kTypes.size()][0]);
        f.push_back(kTypes[m % kTypes.size()][1]);
        f.push_back(QStringLiteral("Описание действия номер %1.").arg(m));
        f.push_back(QStringLiteral("Description of move number %1.").arg(m));
        number(kPower[m % kPower.size()]);
        number(kAccuracy[m % kAccuracy.size()]);
        number(kPowerPoints[m % kPowerPoints.size()]);
    }

    const std::vector<int> evolutionary = EvolutionaryOrder();
    std::array<std::vector<int>, 2> alphabetical;
    for (int language = 0; language < 2; ++language) {
        alphabetical[language].resize(kSpeciesCount);
        std::iota(alphabetical[language].begin(), alphabetical[language].end(), 0);
        std::sort(alphabetical[language].begin(), alphabetical[language].end(),
                  [language](int a, int b) {
                      return TestSpeciesName(a, language) < TestSpeciesName(b, language);
                  });
    }

    for (int s = 0; s < kSpeciesCount; ++s) {
        for (int stat = 0; stat < kStatCount; ++stat) {
            number(s == 249 ? 4 : 1 + (s + stat) % 3);
        }
        for (int order = 0; order < 3; ++order) {
            for (int language = 0; language < 2; ++language) {
                const int shown[] = {s, evolutionary[s], alphabetical[language][s]};
                f.push_back(Label(shown[order], language));
            }
        }
        const auto& t1 = kTypes[s % kTypes.size()];
        const auto& t2 = kTypes[(s + 1) % kTypes.size()];
        const bool dual = s % 2 == 1;
        f.push_back(dual ? t1[0] + QStringLiteral("   /   ") + t2[0] : t1[0]);
        f.push_back(dual ? t1[1] + QStringLiteral("   /   ") + t2[1] : t1[1]);
        const int cm = 20 + s * 3;
        f.push_back(cm % 100 == 0 ? QStringLiteral("%1 м   ").arg(cm / 100)
                    : cm < 100    ? QStringLiteral("%1 см").arg(cm)
                                  : QStringLiteral("%1 м   %2 см").arg(cm / 100).arg(cm % 100));
        const int inches = static_cast<int>(cm / 2.54 + 0.5);
        f.push_back(QStringLiteral("%1 '   %2 \"").arg(inches / 12).arg(inches % 12));
        f.push_back(QStringLiteral("%1 кг").arg(1 + s));
        f.push_back(QStringLiteral("%1.%2 lbs").arg((1 + s) * 22 / 10).arg((1 + s) * 22 % 10));
        f.push_back(QStringLiteral("Это тестовый вид номер %1, придуманный только для "
                                   "проверок программы.")
                        .arg(s + 1));
        f.push_back(QStringLiteral("This is test species number %1, made up for the "
                                   "program's tests only.")
                        .arg(s + 1));

        // Editions: 1 to 6 used entries; the last two species are known only by rumour.
        const int editions = s >= 249 ? 1 : 1 + s % 6;
        for (int i = 0; i < 6; ++i) {
            f.push_back(i >= editions ? QString()
                        : s >= 249    ? QStringLiteral("UNKNOWN")
                                      : kEditions[(s + i) % 6]);
        }
        number(editions - 1);

        const std::vector<Step> family = FamilyOf(s);
        for (int k = 0; k < kEvolutionSlots; ++k) {
            if (k < static_cast<int>(family.size())) {
                number(family[k].from);
                number(family[k].to);
                f.push_back(QStringLiteral("УРОВЕНЬ %1").arg(10 + k * 10));
                f.push_back(QStringLiteral("LEVEL %1").arg(10 + k * 10));
                f.push_back(k == 1 ? QStringLiteral("НОЧЬЮ") : QString());
                f.push_back(k == 1 ? QStringLiteral("AT NIGHT") : QString());
            } else {
                f.insert(f.end(), {u"-1"_qs, u"-1"_qs, {}, {}, {}, {}});
            }
        }

        const int levelMoves = 1 + s % kLevelMoveSlots;
        for (int k = 0; k < kLevelMoveSlots; ++k) {
            number(k < levelMoves ? (s * 7 + k * 13) % kMoveCount : -1);
            number(k < levelMoves ? k * 5 : -1);
        }
        const int tms = s % (kTmSlots + 1);
        for (int k = 0; k < kTmSlots; ++k) {
            f.push_back(k < tms ? QStringLiteral("TM%1").arg(k + 1) : QString());
            number(k < tms ? (k * 3) % kMoveCount : -1);
        }
        const int hms = s % (kHmSlots + 1);
        for (int k = 0; k < kHmSlots; ++k) {
            f.push_back(k < hms ? QStringLiteral("HM%1").arg(k + 1) : QString());
            number(k < hms ? 200 + k : -1);
        }
    }
    return f;
}

QByteArray TestDatabase() {
    return EncodeResource(TestDatabaseFields());
}

}  // namespace zentaloger::testdata
