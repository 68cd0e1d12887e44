#pragma once
// A seeded random session over the viewer as main joins it (the shipped database, the pages,
// the wheel capture). Every input goes to the window's window-system window, as the window
// system delivers it, so Qt routes it as in use: the widget under the pointer takes a press
// and keeps every move and release until the last button is up, keys go to the focus widget.
// After each event the window's invariants are checked.
//
// The inputs: clicks, double clicks, presses, moves and releases with the left, right and
// middle buttons on every element (list lines, bars, thumb, tabs, page entries, small
// pictures, language labels, order options, edition marks, the large picture, the
// background) and beyond the window, in any order, with releases that never come or come
// unpressed; keys with and without modifiers; characters typed to find a species, quickly or
// after pauses of a clock the run keeps; wheel turns of any size; the timers' ticks; the
// window losing and regaining activation. The close box is left for Close().

#include <QString>
#include <memory>

namespace zentaloger::testing {

class RandomRun {
  public:
    // Starts the viewer and shows its window; needs a QApplication.
    explicit RandomRun(quint32 seed);
    ~RandomRun();

    // One random event; what is wrong afterwards, empty when all holds.
    QString Step();
    // `events` steps; the first fault with its event number, empty when all held.
    QString Steps(long events);
    // A click on each tab in turn, checked after each.
    QString OpenEveryPage();
    // A click on the close box: the viewer must end with status 0, its capture removed.
    QString Close();

  private:
    struct Session;
    std::unique_ptr<Session> s_;
};

}  // namespace zentaloger::testing
