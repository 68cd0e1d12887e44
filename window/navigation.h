#pragma once
// Moving through the list: the UP and DOWN bars (a click, and press-and-hold with either
// button), the scroller thumb, the list's keys and the wheel. Each way changes the ViewState's
// topRow (the keys also the selected line) and refills the list; the form hands in the few
// things that are its own work, so this knows nothing of the card or the pages.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <array>
#include <functional>

#include "browse/thumb.h"
#include "database/viewstate.h"
#include "window/toolkit/elements.h"
#include "window/toolkit/toolkit.h"

class QWindow;

namespace zentaloger {

class Navigation : public QObject {
    Q_OBJECT
  public:
    struct Hooks {
        std::function<void()> refillList;              // the list rebuilt from the ViewState
        std::function<void(Language)> switchLanguage;  // the language label's click
        std::function<bool(int)> stepEntry;            // the open page's entry stepping
        std::function<void(int)> stepPage;             // the next (1) or previous (-1) tab's page
        std::function<void()> exit;                    // the program's end
        // A mouse move on the thumb while no drag holds it: the background's own handling, with
        // the button mask and the pointer's global place.
        std::function<void(int, QPoint)> backgroundMove;
    };

    // Binds the list, the bars, the thumb and the four timers of `elements`, and watches
    // `window` for the events after which a held button's release can no longer come.
    Navigation(QWidget* window, ViewState& view, const toolkit::Elements& elements, Hooks hooks);

    void ScrollRowsUp();
    void ScrollRowsDown();
    // One press-and-hold step: index 0 (left button) one row, index 1 (right button) 16.
    void tUP_Timer(int index);
    void tDOWN_Timer(int index);
    // Before the list's own key handling; keyCode -1 keeps the key from the list.
    void lstZENTARI_KeyDown(int& keyCode, int shift);
    void WheelScroll(int shift, int zDelta, float x, float y);

    // The window background's MouseMove at `y` twips: a thumb drag step while the thumb is
    // held (true); false otherwise, and the window may move.
    bool BackgroundMouseMove(int button, double y);
    bool thumbHeld() const { return thumb_.dragging(); }

    // No held button's release will come (the window lost its activation or was hidden):
    // every bar timer stops and the thumb lets go.
    void ReleaseAll();
    // The buttons (1 left, 2 right, 4 middle) held at a mouse event anywhere in the window: a bar
    // or the thumb held by a button no longer down missed its release, and lets go.
    void ButtonsHeld(int buttons);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BarMouseDown(std::array<toolkit::Timer*, 2>& timers, int button);
    void BarMouseUp(std::array<toolkit::Timer*, 2>& timers, int button);
    void Refill();
    // The list from `topRow`, refilled only if that moves it.
    void ScrollTo(int topRow);
    void SelectLine(int line);
    void WatchWindow();

    QWidget* window_;
    ViewState& view_;
    Hooks hooks_;
    toolkit::ListBox* list_;
    std::array<toolkit::Timer*, 2> up_{}, down_{};
    ThumbDrag thumb_;
    int thumbButton_ = 0;  // the button of the thumb's last MouseDown
    QPointer<QWindow> watched_;
};

}  // namespace zentaloger
