#include "window/navigation.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

#include "window/windowlayout.h"

namespace zentaloger {

namespace {

using namespace toolkit::keys;
using toolkit::kLeftButton;
using toolkit::kRightButton;
constexpr int kFirstLine = 0, kLastLine = kListLines - 1;
constexpr int kPageRows = kListLines;

}  // namespace

Navigation::Navigation(QWidget* window, ViewState& view, const toolkit::Elements& elements,
                       Hooks hooks)
    : QObject(window),
      window_(window),
      view_(view),
      hooks_(std::move(hooks)),
      list_(elements.require<toolkit::ListBox>(kSpeciesList)) {
    using toolkit::Label;
    using toolkit::Timer;
    for (int i = 0; i < 2; ++i) {
        up_[i] = elements.require<Timer>("tUP", i);
        down_[i] = elements.require<Timer>("tDOWN", i);
        connect(up_[i], &Timer::timer, this, &Navigation::tUP_Timer);
        connect(down_[i], &Timer::timer, this, &Navigation::tDOWN_Timer);
    }
    auto* up = elements.require<Label>("lblUP");
    auto* down = elements.require<Label>("lblDOWN");
    connect(up, &Label::click, this, &Navigation::ScrollRowsUp);
    connect(down, &Label::click, this, &Navigation::ScrollRowsDown);
    connect(up, &Label::mouseDown, this, [this](int, int button) { BarMouseDown(up_, button); });
    connect(up, &Label::mouseUp, this, [this](int, int button) { BarMouseUp(up_, button); });
    connect(down, &Label::mouseDown, this,
            [this](int, int button) { BarMouseDown(down_, button); });
    connect(down, &Label::mouseUp, this, [this](int, int button) { BarMouseUp(down_, button); });

    auto* scroller = elements.require<Label>("lblSCROLLER");
    connect(scroller, &Label::mouseDown, this, [this](int, int button, int, int, int y) {
        thumbButton_ = button;
        thumb_.grab(y);
    });
    connect(scroller, &Label::mouseUp, this, [this] { thumb_.release(); });
    // The thumb gets every move while held, also outside it; its place on the window is the
    // thumb's exact Top plus the pointer's place within it.
    connect(scroller, &Label::mouseMove, this, [this](int, int button, int, int, int y) {
        BackgroundMouseMove(button, ThumbTop(view_.topRow) + y);
    });

    connect(list_, &toolkit::ListBox::keyDown, this, &Navigation::lstZENTARI_KeyDown);
    window_->installEventFilter(this);
}

void Navigation::Refill() {
    hooks_.refillList();
}

void Navigation::SelectLine(int line) {
    list_->setSelected(line);  // the list's click shows the species before this returns
}

// ---- The bars

void Navigation::ScrollRowsUp() {
    if (view_.topRow >= kFirstTopRow + 1) {
        --view_.topRow;
        Refill();
    }
}

void Navigation::ScrollRowsDown() {
    if (view_.topRow <= kLastTopRow - 1) {
        ++view_.topRow;
        Refill();
    }
}

void Navigation::BarMouseDown(std::array<toolkit::Timer*, 2>& timers, int button) {
    if (button == kLeftButton) {
        timers[0]->setEnabled(true);
    } else if (button == kRightButton) {
        timers[1]->setEnabled(true);
    }
}

void Navigation::BarMouseUp(std::array<toolkit::Timer*, 2>& timers, int button) {
    if (button == kLeftButton) {
        timers[0]->setEnabled(false);
    } else if (button == kRightButton) {
        timers[1]->setEnabled(false);
    }
}

// The refill runs on every tick, also when the row stayed at its clamp.
void Navigation::tUP_Timer(int index) {
    if (index == 0) {
        view_.topRow = std::max(view_.topRow - 1, kFirstTopRow);
    } else {
        view_.topRow = view_.topRow <= kPageRows ? kFirstTopRow : view_.topRow - kPageRows;
    }
    Refill();
}

void Navigation::tDOWN_Timer(int index) {
    if (index == 0) {
        view_.topRow = std::min(view_.topRow + 1, kLastTopRow);
    } else {
        view_.topRow = std::min(view_.topRow + kPageRows, kLastTopRow);
    }
    Refill();
}

// ---- Lost releases

void Navigation::ReleaseAll() {
    for (toolkit::Timer* timer : {up_[0], up_[1], down_[0], down_[1]}) {
        timer->setEnabled(false);
    }
    thumb_.release();
}

void Navigation::ButtonsHeld(int buttons) {
    if (!(buttons & kLeftButton)) {
        up_[0]->setEnabled(false);
        down_[0]->setEnabled(false);
    }
    if (!(buttons & kRightButton)) {
        up_[1]->setEnabled(false);
        down_[1]->setEnabled(false);
    }
    // The thumb's own release can be lost too: a press that Qt routes to the thumb while
    // another button is held, after the widget that took that button was hidden, has its
    // release dropped.
    if (!(buttons & thumbButton_)) {
        thumb_.release();
    }
}

void Navigation::WatchWindow() {
    QWindow* window = window_->windowHandle();
    if (window && window != watched_) {
        if (watched_) {
            watched_->removeEventFilter(this);
        }
        watched_ = window;
        window->installEventFilter(this);
    }
}

bool Navigation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        switch (event->type()) {
            case QEvent::Show:
                WatchWindow();  // the window system's window exists from the first show
                break;
            case QEvent::WindowDeactivate:
            case QEvent::Hide:
                ReleaseAll();
                break;
            default:
                break;
        }
    } else if (watched == watched_) {
        // Every mouse event of the window passes here before any element sees it.
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseMove:
                ButtonsHeld(toolkit::ButtonOf(static_cast<QMouseEvent*>(event)->buttons()));
                break;
            default:
                break;
        }
    }
    return false;
}

// ---- The thumb

bool Navigation::BackgroundMouseMove(int, double y) {
    if (!thumb_.dragging()) {
        return false;
    }
    // Every move refills, so the thumb snaps to its row's place even when the row stays.
    view_.topRow = thumb_.topRowAt(y);
    Refill();
    return true;
}

// ---- The keys

void Navigation::lstZENTARI_KeyDown(int& keyCode, int shift) {
    const int line = list_->listIndex();
    switch (keyCode) {
        case kBackspace:
            hooks_.switchLanguage(view_.language == 0 ? 1 : 0);
            keyCode = -1;
            return;
        case kPageUp:
            if (view_.topRow > kFirstTopRow && line == kFirstLine) {
                view_.topRow = std::max(view_.topRow - kPageRows, kFirstTopRow);
                Refill();
                SelectLine(kFirstLine);
            }
            return;
        case kPageDown:
            if (view_.topRow < kLastTopRow && line == kLastLine) {
                view_.topRow = std::min(view_.topRow + kPageRows, kLastTopRow);
                Refill();
                SelectLine(kLastLine);
            }
            return;
        case kEnd:
            if (view_.topRow < kLastTopRow) {
                view_.topRow = kLastTopRow;
                Refill();
                SelectLine(kLastLine);
            }
            return;
        case kHome:
            if (view_.topRow > kFirstTopRow) {
                view_.topRow = kFirstTopRow;
                Refill();
                SelectLine(kFirstLine);
            }
            return;
        case kLeft:
        case kUp:
        case kRight:
        case kDown:
            break;
        case kF4:
            hooks_.exit();
            return;
        default:
            return;
    }
    const bool up = keyCode == kLeft || keyCode == kUp;
    if (shift != 0) {
        // Shift, Ctrl or Alt step through the open page's entries; a page with entries keeps
        // the key, also at its first or last entry.
        if (hooks_.stepEntry(up ? -1 : 1)) {
            keyCode = -1;
        }
        return;
    }
    if (up && view_.selectedRow > 1 && line == kFirstLine) {
        if (view_.topRow > kFirstTopRow) {
            --view_.topRow;
        }
        Refill();
        SelectLine(kFirstLine);
    } else if (!up && view_.selectedRow < kSpeciesCount && line == kLastLine) {
        if (view_.topRow < kLastTopRow) {
            ++view_.topRow;
        }
        Refill();
        SelectLine(kLastLine);
    }
}

// ---- The wheel

int Navigation::WheelRows(int zDelta) {
    return std::abs(zDelta / 150) + 1;  // C++ division truncates towards zero, as meant
}

void Navigation::WheelScroll(int, int zDelta, float, float) {
    const int rows = WheelRows(zDelta);
    for (int i = 0; i < rows; ++i) {
        if (zDelta < 0) {
            ScrollRowsDown();
        } else {
            ScrollRowsUp();
        }
    }
}

}  // namespace zentaloger
