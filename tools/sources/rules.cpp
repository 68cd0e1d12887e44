#include "tools/sources/rules.h"

#include <QRegularExpression>
#include <algorithm>

namespace zentaloger::rules {

bool IsAllowedCharacter(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9')) {
        return true;
    }
    if (u >= 0x0410 && u <= 0x044F) {  // А..я
        return true;
    }
    switch (u) {
        case u' ':
        case u'!':
        case u'"':
        case u'%':
        case u'\'':
        case u'(':
        case u')':
        case u',':
        case u'-':
        case u'.':
        case u'/':
        case u':':
        case u'=':
        case u'<':
        case u'>':
        case 0x0451:  // ё
        case 0x2019:  // ’
        case 0x2013:  // –
        case 0x2014:  // —
        case 0x00AB:  // «
        case 0x00BB:  // »
            return true;
        default:
            return false;
    }
}

std::optional<QString> FirstDisallowedCharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsAllowedCharacter(text[i])) {
            continue;
        }
        // A character outside the Basic Multilingual Plane is a surrogate pair: describe the
        // character, not its first half.
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t code =
            pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t{text[i].unicode()};
        const QString shown = QChar::isPrint(code)
                                  ? QStringLiteral("'%1' ").arg(text.mid(i, pair ? 2 : 1))
                                  : QString();
        const QString hex = QString::number(code, 16).rightJustified(4, u'0').toUpper();
        return shown + QStringLiteral("(U+%1)").arg(hex);
    }
    return std::nullopt;
}

QString QuoteForMessage(const QString& text) {
    if (text.size() <= kQuotedMax) {
        return u'"' + text + u'"';
    }
    // Never cut a surrogate pair in half.
    const qsizetype cut = text[kQuotedMax - 1].isHighSurrogate() ? kQuotedMax - 1 : kQuotedMax;
    return u'"' + text.left(cut) + QStringLiteral("...\"");
}

bool HasLowerCase(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLower(); });
}

bool HasSingleSpaces(const QString& text) {
    return !text.startsWith(u' ') && !text.endsWith(u' ') && !text.contains(QStringLiteral("  "));
}

bool IsPowerPointValue(int pp) {
    return std::find(std::begin(kPowerPointValues), std::end(kPowerPointValues), pp) !=
           std::end(kPowerPointValues);
}

QString StoredMoveName(const QString& written) {
    QString stored = written;
    return stored.replace(u' ', kWordGap);
}

QString WrittenMoveName(const QString& stored) {
    QString written = stored;
    return written.replace(kWordGap, QStringLiteral(" "));
}

QString HeightText(int centimetres, int language) {
    if (language == 1) {
        // Nearest inch, halves up, in integers so every build rounds alike.
        const int inches = (centimetres * 200 + 254) / 508;
        return QStringLiteral("%1 '   %2 \"").arg(inches / 12).arg(inches % 12);
    }
    if (centimetres < 100) {
        return QStringLiteral("%1 см").arg(centimetres);
    }
    if (centimetres % 100 == 0) {
        return QStringLiteral("%1 м   ").arg(centimetres / 100);
    }
    return QStringLiteral("%1 м   %2 см").arg(centimetres / 100).arg(centimetres % 100);
}

qint64 TenthsOfPound(int grams) {
    // grams * 10 / 453.59237, to the nearest tenth, halves up, in integers.
    const qint64 numerator = qint64{grams} * 10 * 100000 * 2 + 45359237;
    return numerator / (qint64{45359237} * 2);
}

QString WeightText(int grams, int language) {
    if (language == 1) {
        const qint64 tenths = TenthsOfPound(grams);
        return tenths % 10 == 0 ? QStringLiteral("%1 lbs").arg(tenths / 10)
                                : QStringLiteral("%1.%2 lbs").arg(tenths / 10).arg(tenths % 10);
    }
    if (grams < 1000) {
        return QStringLiteral("%1 г").arg(grams);
    }
    if (grams % 1000 == 0) {
        return QStringLiteral("%1 кг").arg(grams / 1000);
    }
    return QStringLiteral("%1 кг   %2 г").arg(grams / 1000).arg(grams % 1000);
}

namespace {

std::optional<int> ParseUnits(const QString& text, const QString& pattern, int bigUnit) {
    const QRegularExpression re(QRegularExpression::anchoredPattern(pattern));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const int big = m.captured(1).isEmpty() ? 0 : m.captured(1).toInt();
    const int small = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
    return big * bigUnit + small;
}

}  // namespace

std::optional<int> CentimetresOfRussianHeight(const QString& text) {
    // "70 см", "1 м   ", "1 м   20 см"
    std::optional<int> cm = ParseUnits(text, QStringLiteral("()([1-9][0-9]*) см"), 100);
    if (!cm)
        cm = ParseUnits(text, QStringLiteral("([1-9][0-9]*) м   ()"), 100);
    if (!cm)
        cm = ParseUnits(text, QStringLiteral("([1-9][0-9]*) м   ([1-9][0-9]?) см"), 100);
    return cm && HeightText(*cm, 0) == text ? cm : std::nullopt;
}

std::optional<int> GramsOfRussianWeight(const QString& text) {
    // "850 г", "12 кг", "12 кг   500 г"
    std::optional<int> g = ParseUnits(text, QStringLiteral("()([1-9][0-9]*) г"), 1000);
    if (!g)
        g = ParseUnits(text, QStringLiteral("([1-9][0-9]*) кг()"), 1000);
    if (!g)
        g = ParseUnits(text, QStringLiteral("([1-9][0-9]*) кг   ([1-9][0-9]{0,2}) г"), 1000);
    return g && WeightText(*g, 0) == text ? g : std::nullopt;
}

QString ListLabel(int number, const QString& name) {
    return QStringLiteral("%1 - ").arg(number, 3, 10, QLatin1Char('0')) + name;
}

std::optional<Condition> ConditionTexts(const QString& written) {
    if (written.isEmpty()) {
        return Condition{};
    }
    if (written == QLatin1String("friendship")) {
        return Condition{QStringLiteral("ДРУЖБА"), QStringLiteral("FRIENDSHIP")};
    }
    if (written == QLatin1String("trade")) {
        return Condition{QStringLiteral("ОБМЕН"), QStringLiteral("TRADE")};
    }
    static const QRegularExpression level(QStringLiteral("^level ([1-9][0-9]?)$"));
    const QRegularExpressionMatch m = level.match(written);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    return Condition{QStringLiteral("УРОВЕНЬ ") + m.captured(1),
                     QStringLiteral("LEVEL ") + m.captured(1)};
}

std::optional<QString> WrittenCondition(const QString& storedEnglish) {
    if (storedEnglish.isEmpty()) {
        return QString();
    }
    if (storedEnglish == QLatin1String("FRIENDSHIP") || storedEnglish == QLatin1String("TRADE")) {
        return storedEnglish.toLower();
    }
    if (storedEnglish.startsWith(QLatin1String("LEVEL "))) {
        const QString written = storedEnglish.toLower();
        return ConditionTexts(written) ? std::optional<QString>(written) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace zentaloger::rules
