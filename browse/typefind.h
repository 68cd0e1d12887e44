#pragma once
// Typing to find a species in the list: the characters typed in quick succession make a search
// text, which finds a row among all 251 of the current order and language, not only among the
// 16 lines on the page.
//
// A search text of digits only is a species number; any other text is the start of a name
// (the label from its 7th character), compared without regard to case. So digits followed by
// letters without a pause ("12b") find nothing until a pause starts a new text: one rule for a
// text, never a mix of the two.

#include <QString>
#include <QStringView>
#include <optional>

#include "database/database.h"

namespace zentaloger {

// The characters a search text is made of: letters, digits, blank, hyphen and apostrophe.
bool IsSearchCharacter(QChar c);

// The search text and the time of its last key. Times are milliseconds of any steady clock.
class TypedSearch {
  public:
    // Adds `typed` (search characters only) at `nowMs`; more than `intervalMs` since the last
    // key first starts a new text.
    void type(QStringView typed, qint64 nowMs, int intervalMs);
    const QString& text() const { return text_; }
    // The text was started by the last key.
    bool fresh() const { return fresh_; }

  private:
    QString text_;
    qint64 lastMs_ = 0;
    bool fresh_ = false;
};

// The 1-based row of `order` and `language` that `text` finds from the selected row, or none.
//   Digits: the row of that species; none outside 1..251.
//   A name: the first row whose name starts with the text, wrapping past the last row. A
//   fresh text, and a text of one letter typed again and again ("bbb", as one "b" pressed
//   three times), starts from the row after the selected one, so the same letter steps
//   through the names it begins; a longer text starts from the selected row itself, so a
//   match that still fits stays.
std::optional<int> FindTypedRow(const Database& db, Language language, Order order, int selectedRow,
                                QStringView text, bool fresh);

}  // namespace zentaloger
