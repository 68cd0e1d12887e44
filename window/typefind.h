#pragma once
// Typing to find a species while the list has the focus: each typed search character (see
// browse/typefind.h) adds to the search text, and the row it finds is chosen as a jump to a
// species is, the list refilled around it. Nothing is drawn for the search text.
//
// It takes the list's KeyDown after the form's key table (connect it after Navigation), so the
// table's keys keep their meaning; it never swallows a key, and the list does nothing more with
// a typed character since its own search over the shown lines is off.

#include <QElapsedTimer>
#include <QObject>
#include <functional>

#include "browse/typefind.h"
#include "database/viewstate.h"
#include "window/toolkit/toolkit.h"

namespace zentaloger {

class TypeFind : public QObject {
    Q_OBJECT
  public:
    // Milliseconds of a steady clock.
    using Clock = std::function<qint64()>;

    // Listens to `list`'s KeyDown; `refillList` rebuilds the list from the ViewState.
    TypeFind(QObject* parent, const Database& db, ViewState& view, toolkit::ListBox* list,
             std::function<void()> refillList);

    // The random run sets its own clock, so that a seed replays the same pauses at any speed.
    void setClock(Clock clock) { clock_ = std::move(clock); }

    void lstZENTARI_KeyDown(int& keyCode, int shift, const QString& text);

  private:
    const Database& db_;
    ViewState& view_;
    toolkit::ListBox* list_;
    std::function<void()> refillList_;
    QElapsedTimer elapsed_;
    Clock clock_;
    TypedSearch search_;
};

}  // namespace zentaloger
