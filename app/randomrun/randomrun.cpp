#include "app/randomrun/randomrun.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "app/randomrun/pageentries.h"
#include "app/viewer.h"
#include "browse/thumb.h"
#include "database/pictures.h"
#include "database/startup.h"
#include "pages/description.h"
#include "pages/detailpages.h"
#include "pages/evolution.h"
#include "pages/machinepage.h"
#include "pages/movespage.h"
#include "pages/statistics.h"
#include "window/typefind.h"
#include "window/windowlayout.h"

namespace zentaloger::testing {

namespace {

using toolkit::Label;
using toolkit::Timer;

const char* const kTabs[] = {pages::kStatisticsTab, pages::kDescriptionTab, pages::kEvolutionTab,
                             pages::kMovesTab,      pages::kTmTab,          pages::kHmTab};
const char* const kFrames[] = {pages::kStatisticsFrame, pages::kDescriptionFrame,
                               pages::kEvolutionFrame,  pages::kMovesFrame,
                               pages::kTmFrame,         pages::kHmFrame};
// What a pointer is aimed at: each group as likely as the others, then one of its elements.
const struct {
    const char* name;
    int count;  // 0 for a single element
} kTargets[] = {{kScrollUp, 0},
                {kScrollDown, 0},
                {kScrollThumb, 0},
                {kSpeciesPicture, 0},
                {kLanguages, 2},
                {kOrders, 3},
                {pages::kEditionMarks, 6},
                {pages::kEvolutionPictures, 2},
                {pages::kStatisticsTab, 0},
                {pages::kDescriptionTab, 0},
                {pages::kEvolutionTab, 0},
                {pages::kMovesTab, 0},
                {pages::kTmTab, 0},
                {pages::kHmTab, 0},
                {pages::kEvolutionEntries, kEvolutionSlots},
                {pages::kMovesLevelEntries, kLevelMoveSlots},
                {pages::kMovesMoveEntries, kLevelMoveSlots},
                {pages::kTmMachineEntries, kTmSlots},
                {pages::kHmMachineEntries, kHmSlots}};
// F4 is left out: it closes the window, as the close box does.
const Qt::Key kKeys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Left,   Qt::Key_Right,
                         Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home,   Qt::Key_End,
                         Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Tab,    Qt::Key_Backspace,
                         Qt::Key_Space,  Qt::Key_Return,   Qt::Key_Escape, Qt::Key_A,
                         Qt::Key_5,      Qt::Key_F1,       Qt::Key_Delete, Qt::Key_Insert,
                         Qt::Key_Equal,  Qt::Key_Minus,    Qt::Key_0};
// What typing to find gets: letters of both alphabets in both cases, digits, blank, hyphen,
// apostrophe, and a few characters no search takes.
const QString kTyped = QStringLiteral("abrzABRZабвзАБВЗ0123456789 -'.,/!");
const Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                    Qt::RightButton, Qt::MiddleButton};
const QColor kChosen(0xFFFF00);

// Where the press of each held button went: Qt's routing decides (the widget that took the
// first press keeps the others, unless it was hidden meanwhile), so it is watched, not foretold.
struct PressWatch : QObject {
    std::map<Qt::MouseButton, QPointer<QObject>> down;
    bool seen = false;  // the press on its way was delivered (it may travel on to parents)
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if ((event->type() == QEvent::MouseButtonPress ||
             event->type() == QEvent::MouseButtonDblClick) &&
            receiver->isWidgetType() && !seen) {
            down[static_cast<QMouseEvent*>(event)->button()] = receiver;
            seen = true;
        }
        return false;
    }
};

}  // namespace

struct RandomRun::Session {
    QRandomGenerator random;
    StartupState state = StartUp();
    int endings = 0, status = -1;
    std::unique_ptr<Viewer> whole = BuildViewer(state, [this](int s) {
        ++endings;
        status = s;
    });
    Viewer& viewer = *whole;
    Form& form = viewer.form();
    QWindow* window = nullptr;
    std::vector<std::vector<QWidget*>> targets;
    Qt::MouseButtons buttons;  // as the window last saw them
    qint64 clock = 0;          // ms, the time typing to find sees
    PressWatch presses;
    long events = 0;

    explicit Session(quint32 seed) : random(seed) {
        viewer.Load();
        form.show();
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form)) {
            qWarning("the window did not become active");
        }
        window = form.windowHandle();
        qApp->installEventFilter(&presses);
        // Typing's pauses come from the run, not from how fast it runs.
        form.findChild<TypeFind*>()->setClock([this] { return clock; });
        for (const auto& [name, count] : kTargets) {
            targets.emplace_back();
            for (int i = count ? 0 : -1; i < std::max(count, 0); ++i) {
                targets.back().push_back(form.element<QWidget>(name, i));
            }
        }
    }

    template <typename T = Label>
    T* get(const char* name, int index = -1) const {
        return form.element<T>(name, index);
    }
    int bounded(int n) { return int(random.bounded(quint32(n))); }
    int between(int low, int high) { return random.bounded(low, high + 1); }
    Qt::KeyboardModifiers modifiers() {
        const int bits = bounded(2) ? 0 : bounded(8);
        Qt::KeyboardModifiers with;
        with.setFlag(Qt::ShiftModifier, bits & 1);
        with.setFlag(Qt::ControlModifier, bits & 2);
        with.setFlag(Qt::AltModifier, bits & 4);
        return with;
    }

    // A point in window coordinates: on an element, a list line, the background, or (only
    // while a button is held, as the window sees nothing of the pointer otherwise) beyond the
    // window. Never on the close box.
    QPoint somewhere() {
        for (;;) {
            QPoint at;
            const int kind = bounded(10);
            if (kind == 0) {
                auto* list = get<toolkit::ListBox>(kSpeciesList);
                const QRect r = list->visualItemRect(list->item(bounded(kListLines)));
                at = list->viewport()->mapTo(
                    &form, r.topLeft() + QPoint(bounded(r.width()), bounded(r.height())));
            } else if (kind == 1 || (kind == 2 && !buttons)) {
                at = QPoint(bounded(form.width()), bounded(form.height()));
            } else if (kind == 2) {
                at = QPoint(between(-2000, 2000), between(-2000, 2000));
            } else {
                const auto& group = targets[bounded(int(targets.size()))];
                QWidget* w = group[bounded(int(group.size()))];
                at = w->mapTo(&form, QPoint(bounded(w->width()), bounded(w->height())));
            }
            const QWidget* under = form.childAt(at);
            if (!under || !under->objectName().contains(QLatin1String("EXIT"))) {
                return at;
            }
        }
    }

    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        presses.seen = false;
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            buttons |= button;
        } else if (type == QEvent::MouseButtonRelease) {
            buttons &= ~button;
        }
        QMouseEvent event(type, at, at, window->mapToGlobal(at), button, buttons, modifiers());
        QCoreApplication::sendEvent(window, &event);
    }

    void key(Qt::Key code, Qt::KeyboardModifiers with, int repeats) {
        for (int i = 0; i <= repeats; ++i) {
            QKeyEvent press(QEvent::KeyPress, code, with, QString(), i > 0);
            QCoreApplication::sendEvent(window, &press);
        }
        QKeyEvent release(QEvent::KeyRelease, code, with);
        QCoreApplication::sendEvent(window, &release);
    }

    // A character typed, with the key a keyboard gives it and its text.
    void type(QChar c, Qt::KeyboardModifiers with) {
        const int code = c.toUpper().unicode();  // Qt's key is the character's upper case
        QKeyEvent press(QEvent::KeyPress, code, with, QString(c));
        QCoreApplication::sendEvent(window, &press);
        QKeyEvent release(QEvent::KeyRelease, code, with, QString(c));
        QCoreApplication::sendEvent(window, &release);
    }

    Qt::MouseButton anyButton() { return kButtons[bounded(5)]; }
    std::array<Timer*, 4> timers() const {
        return {get<Timer>(kScrollUpTimers, 0), get<Timer>(kScrollUpTimers, 1),
                get<Timer>(kScrollDownTimers, 0), get<Timer>(kScrollDownTimers, 1)};
    }

    void step() {
        switch (bounded(17)) {
            case 0:
            case 1:
            case 2: {  // a click
                const Qt::MouseButton button = anyButton();
                if (!(buttons & button)) {
                    const QPoint at = somewhere();
                    mouse(QEvent::MouseButtonPress, button, at);
                    mouse(QEvent::MouseButtonRelease, button, at);
                }
                break;
            }
            case 3: {  // a double click
                const Qt::MouseButton button = anyButton();
                if (!buttons) {
                    const QPoint at = somewhere();
                    mouse(QEvent::MouseButtonPress, button, at);
                    mouse(QEvent::MouseButtonRelease, button, at);
                    mouse(QEvent::MouseButtonDblClick, button, at);
                    mouse(QEvent::MouseButtonRelease, button, at);
                }
                break;
            }
            case 4: {  // a button goes down
                const Qt::MouseButton button = anyButton();
                if (!(buttons & button)) {
                    mouse(QEvent::MouseButtonPress, button, somewhere());
                }
                break;
            }
            case 5: {  // a button comes up: mostly a held one, else one that was never down
                Qt::MouseButton button = anyButton();
                while (buttons && !(buttons & button) && bounded(5)) {
                    button = anyButton();
                }
                mouse(QEvent::MouseButtonRelease, button, somewhere());
                break;
            }
            case 6:
            case 7:  // moves, dragging while a button is held, also out of the window
                for (int i = between(1, 4); i > 0; --i) {
                    mouse(QEvent::MouseMove, Qt::NoButton, somewhere());
                }
                break;
            case 8:  // a release the window never sees, over another program; it learns of it
                     // from the buttons of the next move
                buttons &= ~anyButton();
                mouse(QEvent::MouseMove, Qt::NoButton, somewhere());
                break;
            case 9:
            case 10:
            case 11:
                key(kKeys[bounded(std::size(kKeys))], modifiers(), bounded(8) ? 0 : between(1, 3));
                break;
            case 12: {  // a wheel turn of any size, mostly over the list
                const int delta = bounded(4) ? between(-600, 600) : between(-32768, 32767);
                const QPoint at = bounded(3) ? get<toolkit::ListBox>(kSpeciesList)
                                                   ->mapTo(&form, QPoint(between(1, 100), 50))
                                             : somewhere();
                QWheelEvent event(at, window->mapToGlobal(at), QPoint(),
                                  bounded(8) ? QPoint(0, delta) : QPoint(delta, 0), buttons,
                                  modifiers(), Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(window, &event);
                break;
            }
            case 13:
            case 14:  // a tick of every running timer
                for (Timer* timer : timers()) {
                    if (timer->enabled()) {
                        timer->tick();
                    }
                }
                if (get<Timer>(pages::kEvolutionTimer)->enabled()) {
                    get<Timer>(pages::kEvolutionTimer)->tick();
                }
                break;
            case 15:  // a few characters typed, mostly quickly, now and then after a pause
                for (int i = between(1, 4); i > 0; --i) {
                    clock += bounded(4) ? between(0, 300) : between(300, 2000);
                    type(kTyped[bounded(int(kTyped.size()))],
                         bounded(3) ? Qt::NoModifier : modifiers());
                }
                break;
            default:  // another program takes the focus for a while
                QApplication::setActiveWindow(nullptr);
                QApplication::setActiveWindow(&form);
                break;
        }
        // What the event loop does between two inputs: paint, and deliver what was posted or
        // queued by the window system. A held bar's timer would tick on its own after 100 ms,
        // as it does in use; here it ticks only when told, so that a seed replays the same
        // events at any speed (under valgrind too).
        const auto timers = this->timers();
        if (std::any_of(timers.begin(), timers.end(), [](Timer* t) { return t->enabled(); })) {
            QCoreApplication::sendPostedEvents();
        } else {
            QCoreApplication::processEvents();
        }
        ++events;
    }

    QString faults() {
        const ViewState& v = state.view;
        const Database& db = *state.database;
        if (endings) {
            return QStringLiteral("the viewer ended");
        }
        if (!viewer.wheel().enabled()) {
            return QStringLiteral("the wheel capture is off");
        }
        if (v.topRow < kFirstTopRow || v.topRow > kLastTopRow || v.selectedRow < 1 ||
            v.selectedRow > kSpeciesCount || Index(v.language) < 0 ||
            Index(v.language) >= kLanguageCount || Index(v.listOrder) < 0 ||
            Index(v.listOrder) >= kOrderCount) {
            return QStringLiteral(
                       "view out of range: topRow %1, selectedRow %2, language %3, "
                       "order %4")
                .arg(v.topRow)
                .arg(v.selectedRow)
                .arg(Index(v.language))
                .arg(Index(v.listOrder));
        }
        const auto row = [&](int r) { return db.listLabel[r - 1][v.language][v.listOrder]; };
        auto* list = get<toolkit::ListBox>(kSpeciesList);
        for (int p = 0; p < kListLines; ++p) {
            if (list->list(p) != row(v.topRow + p).toString()) {
                return QStringLiteral("list line %1 shows \"%2\", not row %3")
                    .arg(p)
                    .arg(list->list(p))
                    .arg(v.topRow + p);
            }
        }
        const int line = v.selectedRow - v.topRow;
        if (list->listIndex() != (line >= 0 && line < kListLines ? line : -1)) {
            return QStringLiteral("the list marks line %1 with row %2 selected and row %3 on top")
                .arg(list->listIndex())
                .arg(v.selectedRow)
                .arg(v.topRow);
        }
        // The card shows the selected species.
        const int number = SpeciesNumberOfLabel(row(v.selectedRow));
        if (get(kSpeciesName)->caption() != row(v.selectedRow).toString() ||
            get<toolkit::Image>(kSpeciesPicture)->pictureNumber() != LargePicture(number) ||
            get(kSpeciesType)->caption() !=
                db.species[number - 1].typeLabel[v.language].toString()) {
            return QStringLiteral("the card shows \"%1\", not the selected row %2 (species %3)")
                .arg(get(kSpeciesName)->caption())
                .arg(v.selectedRow)
                .arg(number);
        }
        // Ctrl and the wheel outside the list zoom the window: its size and every place in it
        // are the zoom times their 1x pixels.
        const int zoom = form.zoom();
        if (form.size() != QSize(377, 349) * zoom) {
            return QStringLiteral("the window is %1 x %2 at zoom %3")
                .arg(form.width())
                .arg(form.height())
                .arg(zoom);
        }
        const int thumb = toolkit::Px(int(std::lround(ThumbTop(v.topRow)))) * zoom;
        if (get(kScrollThumb)->y() != thumb) {
            return QStringLiteral("the thumb stands at %1 px, not at %2 px for row %3")
                .arg(get(kScrollThumb)->y())
                .arg(thumb)
                .arg(v.topRow);
        }
        for (int i = 0; i < kOrderCount; ++i) {
            if (get<toolkit::OptionButton>(kOrders, i)->value() != (i == Index(v.listOrder))) {
                return QStringLiteral("order option %1 is wrong for order %2")
                    .arg(i)
                    .arg(Index(v.listOrder));
            }
        }
        for (int i = 0; i < kLanguageCount; ++i) {
            if ((get(kLanguages, i)->backColor() == kChosen) != (i == Index(v.language))) {
                return QStringLiteral("language label %1 is wrong for language %2")
                    .arg(i)
                    .arg(Index(v.language));
            }
        }
        int open = 0;
        for (int p = 0; p < 6; ++p) {
            const bool shown = !get<toolkit::Frame>(kFrames[p])->isHidden();
            open += shown;
            if ((get(kTabs[p])->backColor() == kChosen) != shown) {
                return QStringLiteral("%1 is %2 chosen, its page %3")
                    .arg(kTabs[p], shown ? "not" : "", shown ? "open" : "closed");
            }
        }
        if (open != 1) {
            return QStringLiteral("%1 pages open").arg(open);
        }
        if (const QStringList f = EntryPageFaults(form.elements(), db, v.language); !f.isEmpty()) {
            return f.join(QLatin1String("; "));
        }
        // A bar's timer runs only while its button (0 left, 1 right), pressed on that bar, is
        // held; the thumb is held only while a button pressed on it is.
        const auto holds = [&](Qt::MouseButton button, const char* name) {
            return buttons & button && presses.down[button] == get(name);
        };
        for (const char* bar : {"UP", "DOWN"}) {
            const QByteArray timer = QByteArray("t") + bar, label = QByteArray("lbl") + bar;
            for (int i = 0; i < 2; ++i) {
                if (get<Timer>(timer.constData(), i)->enabled() &&
                    !holds(i == 0 ? Qt::LeftButton : Qt::RightButton, label.constData())) {
                    return QStringLiteral("%1(%2) runs without its button held on %3")
                        .arg(QLatin1String(timer))
                        .arg(i)
                        .arg(QLatin1String(label));
                }
            }
        }
        if (form.navigation().thumbHeld() && !holds(Qt::LeftButton, kScrollThumb) &&
            !holds(Qt::RightButton, kScrollThumb) && !holds(Qt::MiddleButton, kScrollThumb)) {
            return QStringLiteral("the thumb is held with no button down that took it");
        }
        return {};
    }
};

RandomRun::RandomRun(quint32 seed) {
    static const bool fonts = (toolkit::RegisterEmbeddedFonts(), true);
    Q_UNUSED(fonts);
    s_ = std::make_unique<Session>(seed);
}

RandomRun::~RandomRun() = default;

QString RandomRun::Step() {
    s_->step();
    return s_->faults();
}

QString RandomRun::Steps(long events) {
    for (long i = 0; i < events; ++i) {
        if (const QString fault = Step(); !fault.isEmpty()) {
            return QStringLiteral("event %1: %2").arg(s_->events).arg(fault);
        }
    }
    return {};
}

QString RandomRun::OpenEveryPage() {
    for (int p = 0; p < 6; ++p) {
        const QWidget* tab = s_->get(kTabs[p]);
        const QPoint at = tab->mapTo(&s_->form, tab->rect().center());
        s_->buttons = {};
        s_->mouse(QEvent::MouseButtonPress, Qt::LeftButton, at);
        s_->mouse(QEvent::MouseButtonRelease, Qt::LeftButton, at);
        QCoreApplication::processEvents();
        if (QString fault = s_->faults();
            !fault.isEmpty() || s_->get<toolkit::Frame>(kFrames[p])->isHidden()) {
            return QStringLiteral("page %1: %2")
                .arg(kTabs[p], fault.isEmpty() ? "not open" : fault);
        }
    }
    return {};
}

QString RandomRun::Close() {
    QWidget* box = s_->get(kCloseBox);
    const QPoint at = box->mapTo(&s_->form, box->rect().center());
    s_->buttons = {};  // every button up (released over another program, say)
    s_->mouse(QEvent::MouseButtonPress, Qt::LeftButton, at);
    s_->mouse(QEvent::MouseButtonRelease, Qt::LeftButton, at);
    if (s_->endings != 1 || s_->status != 0 || s_->viewer.wheel().enabled()) {
        return QStringLiteral("the close box ended the viewer %1 times, status %2, capture %3")
            .arg(s_->endings)
            .arg(s_->status)
            .arg(s_->viewer.wheel().enabled() ? "on" : "off");
    }
    return {};
}

}  // namespace zentaloger::testing
