#include "window/navigation.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include "browse/listrules.h"
#include "window/windowlayout.h"

namespace zentaloger {

namespace {

using toolkit::kLeftButton;
using toolkit::kRightButton;

ListKey ListKeyOf(int keyCode) {
    using namespace toolkit::keys;
    switch (keyCode) {
        case kBackspace:
            return ListKey::kBackspace;
        case kPageUp:
            return ListKey::kPageUp;
        case kPageDown:
            return ListKey::kPageDown;
        case kEnd:
            return ListKey::kEnd;
        case kHome:
            return ListKey::kHome;
        case kLeft:
            return ListKey::kLeft;
        case kUp:
            return ListKey::kUp;
        case kRight:
            return ListKey::kRight;
        case kDown:
            return ListKey::kDown;
        case kF4:
            return ListKey::kF4;
        case kTab:
            return ListKey::kTab;
        default:
            return ListKey::kOther;
    }
}

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
        up_[i] = elements.require<Timer>(kScrollUpTimers, i);
        down_[i] = elements.require<Timer>(kScrollDownTimers, i);
        connect(up_[i], &Timer::timer, this, &Navigation::tUP_Timer);
        connect(down_[i], &Timer::timer, this, &Navigation::tDOWN_Timer);
    }
    auto* up = elements.require<Label>(kScrollUp);
    auto* down = elements.require<Label>(kScrollDown);
    connect(up, &Label::click, this, &Navigation::ScrollRowsUp);
    connect(down, &Label::click, this, &Navigation::ScrollRowsDown);
    connect(up, &Label::mouseDown, this, [this](int, int button) { BarMouseDown(up_, button); });
    connect(up, &Label::mouseUp, this, [this](int, int button) { BarMouseUp(up_, button); });
    connect(down, &Label::mouseDown, this,
            [this](int, int button) { BarMouseDown(down_, button); });
    connect(down, &Label::mouseUp, this, [this](int, int button) { BarMouseUp(down_, button); });

    auto* scroller = elements.require<Label>(kScrollThumb);
    connect(scroller, &Label::mouseDown, this, [this](int, int button, int, int, int y) {
        thumbButton_ = button;
        thumb_.grab(y);
    });
    connect(scroller, &Label::mouseUp, this, [this] { thumb_.release(); });
    // The thumb gets every move while held, also outside it; its place on the window is the
    // thumb's exact Top plus the pointer's place within it.
    // Without a drag the move is the background's, so a left-button move drags the window.
    connect(
        scroller, &Label::mouseMove, this, [this, scroller](int, int button, int, int x, int y) {
            if (!BackgroundMouseMove(button, ThumbTop(view_.topRow) + y)) {
                hooks_.backgroundMove(
                    button, scroller->mapToGlobal(QPoint(toolkit::PixelsAt(x, scroller->zoom()),
                                                         toolkit::PixelsAt(y, scroller->zoom()))));
            }
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

void Navigation::ScrollTo(int topRow) {
    if (topRow != view_.topRow) {
        view_.topRow = topRow;
        Refill();
    }
}

void Navigation::ScrollRowsUp() {
    ScrollTo(ScrolledUp(view_.topRow));
}

void Navigation::ScrollRowsDown() {
    ScrollTo(ScrolledDown(view_.topRow));
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
    view_.topRow = UpTick(view_.topRow, index);
    Refill();
}

void Navigation::tDOWN_Timer(int index) {
    view_.topRow = DownTick(view_.topRow, index);
    Refill();
}

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

bool Navigation::BackgroundMouseMove(int, double y) {
    if (!thumb_.dragging()) {
        return false;
    }
    // Every move refills, so the thumb snaps to its row's place even when the row stays.
    view_.topRow = thumb_.topRowAt(y);
    Refill();
    return true;
}

void Navigation::lstZENTARI_KeyDown(int& keyCode, int shift) {
    const KeyStep step = StepOfKey(view_, ListKeyOf(keyCode), list_->listIndex(), shift);
    if (step.language) {
        hooks_.switchLanguage(*step.language);
    }
    if (step.pageStep != 0) {
        hooks_.stepPage(step.pageStep);
    }
    if (step.keep || (step.entryStep != 0 && hooks_.stepEntry(step.entryStep))) {
        keyCode = -1;
    }
    if (step.refill) {
        view_.topRow = step.topRow;
        Refill();
        SelectLine(step.selectLine);
    }
    if (step.exit) {
        hooks_.exit();
    }
}

void Navigation::WheelScroll(int, int zDelta, float, float) {
    for (int i = WheelRows(zDelta); i > 0; --i) {
        ScrollTo(WheelStep(view_.topRow, zDelta));
    }
}

}  // namespace zentaloger
