#include "browse/typefind.h"

#include <algorithm>

#include "database/viewstate.h"

namespace zentaloger {

namespace {

constexpr qsizetype kNameStart = 6;  // "NNN - " before the name

// Names are written in capitals, with Е for Ё as capitals usually are; a typed ё must still find
// them, so both sides compare with ё read as е, and without case.
char16_t Folded(QChar c) {
    const char16_t folded = c.toCaseFolded().unicode();
    return folded == u'ё' ? u'е' : folded;
}

bool NameBegins(Text name, QStringView typed) {
    return name.size() >= typed.size() &&
           std::equal(typed.begin(), typed.end(), name.begin(),
                      [](QChar a, QChar b) { return Folded(a) == Folded(b); });
}

}  // namespace

bool IsSearchCharacter(QChar c) {
    return c.isLetter() || (c >= u'0' && c <= u'9') || c == u' ' || c == u'-' || c == u'\'';
}

void TypedSearch::type(QStringView typed, qint64 nowMs, int intervalMs) {
    fresh_ = text_.isEmpty() || nowMs - lastMs_ > intervalMs;
    if (fresh_) {
        text_.clear();
    }
    text_ += typed;
    lastMs_ = nowMs;
}

std::optional<int> FindTypedRow(const Database& db, Language language, Order order, int selectedRow,
                                QStringView text, bool fresh) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        // A number beyond 251 (or too long for an int, read as 0) is on no row.
        const int row = FindRowOfSpecies(db, language, order, text.toInt());
        return row < 0 ? std::nullopt : std::optional<int>(row + 1);
    }
    const bool oneLetterAgain =
        std::all_of(text.begin(), text.end(), [&](QChar c) { return c == text.front(); });
    if (oneLetterAgain) {
        text = text.first(1);
    }
    // 0-based: the selected row itself, or the one after it.
    const int from = (selectedRow - 1 + (fresh || oneLetterAgain ? 1 : 0)) % kSpeciesCount;
    for (int k = 0; k < kSpeciesCount; ++k) {
        const int row = (from + k) % kSpeciesCount;
        const Text label = db.listLabel[row][language][order];
        if (label.size() > kNameStart && NameBegins(label.sliced(kNameStart), text)) {
            return row + 1;
        }
    }
    return std::nullopt;
}

}  // namespace zentaloger
