// The window's figures in one run, with the baseline measured beside them:
//   start   cold start to the first painted frame, the viewer against the baseline program
//           (a bare window of 250 painted labels, a 16-row list and two images), each the
//           median of alternating runs, and the ratio;
//   memory  the peak resident set of each, and the difference;
//   refill  RefillList (16 lines rebuilt, one marked, the thumb placed);
//   card    ShowSpecies for a new species (every page refreshed) and the repaint it causes,
//           with the statistics page open and with the TM page open (its 50 cells shown);
//   pages   a page switch and its repaint; one tick of the evolution bar, its repaint and
//           how many elements it repaints;
//   TM cell a click on a TM cell (the cell chosen, its move in the panel) and its repaint;
//   scroll  one ScrollRowsDown with its refill and the repaint of what changed, beside a bare
//           16-row QListWidget refilled and repainted the same way;
//   wheel   100 wheel notches queued at once over the list, through the wheel capture, until
//           all are handled and what changed repainted;
//   zoom 2  ShowSpecies and its repaint at zoom 2, and a zoom change between 1 and 2 with its
//           repaint;
//   keys    Down held with key auto-repeat at 30 repeats per second from the first row to the
//           last with each page open in turn, at zoom 1 and then at zoom 2, every step (the key,
//           the list's scroll or line, the card and the pages, the repaint of what changed):
//           slowest, 99th, median; beside them, at the same pace, fixed work as long as the median
//           step;
//   typed   on each page after its held Down, a character typed at the same pace, each after
//           a pause so it is a new search: the first letter of a name, which finds the next
//           row with that letter (the key, the search over all rows, the refill, the card
//           and the pages, the repaint): slowest, 99th, median;
// on the offscreen platform, with the shipped database and pictures. `bench_window keys` runs
// only the last two, to profile a step (valgrind --tool=callgrind); `bench_window keys N` only
// with page N open.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QThread>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "app/viewer.h"
#include "database/startup.h"
#include "window/toolkit/toolkit.h"
#include "window/typefind.h"
#include "window/windowlayout.h"

extern char** environ;

namespace {

struct Run {
    double ms;
    long peakKb;
};

Run Spawn(const QByteArray& program) {
    char* argv[] = {const_cast<char*>(program.constData()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.constData());
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program.constData());
        std::exit(1);
    }
    return {ms, usage.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename T>
T Percentile(std::vector<T> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * v.size()))];
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Microseconds per call of `step`: the median of `rounds` timed calls.
template <typename Step>
double MedianMicros(int rounds, Step step) {
    std::vector<double> us;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        step(i);
        us.push_back(timer.nsecsElapsed() / 1000.0);
    }
    return Median(us);
}

// Work with no Qt in it: integer steps scattered over a 2 MB buffer, as painting touches
// the backing store. Run between the keys' steps and as long as their median, it shows how far
// the machine alone stretches a step of that length.
class FixedWork {
  public:
    FixedWork() : buffer_(1 << 19) {
        for (int i = 0; i < 15; ++i) {
            rates_.push_back(kProbe / timed(kProbe));
        }
    }

    // Runs the work that took `ms` by the median rate so far, and learns the rate again: in
    // between the keys its buffer is cold, which a probe run back to back does not see.
    double timedMs(double ms) {
        const long steps = long(ms * Median(rates_));
        const double took = timed(steps);
        rates_.push_back(steps / took);
        return took;
    }

  private:
    static constexpr long kProbe = 200000;

    double timed(long steps) {
        QElapsedTimer clock;
        clock.start();
        for (long i = 0; i < steps; ++i) {
            seed_ = seed_ * 1103515245u + 12345u;
            buffer_[(seed_ >> 8) & (buffer_.size() - 1)] += seed_;
        }
        return std::max<qint64>(clock.nsecsElapsed(), 1) / 1e6;
    }

    std::vector<unsigned> buffer_;
    unsigned seed_ = 1;
    std::vector<double> rates_;  // steps per ms
};

// Counts the paint events that reach any widget.
class PaintCounter : public QObject {
  public:
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// Lets the event loop run until `clock` reaches `ms`, as the time between a held key's repeats.
void WaitUntil(const QElapsedTimer& clock, qint64 ms) {
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

// Down held with key auto-repeat through the whole list with `page` open: a repeat every
// 33 ms; each step is the key's handling and the repaint of what it changed. Half-way between
// two repeats, fixed work as long as the median step so far runs as the baseline.
void HeldDown(zentaloger::StartupState& state, zentaloger::Form& form,
              zentaloger::pages::DetailPages& pages, int page) {
    static const char* const names[] = {"statistics", "description", "evolution",
                                        "moves",      "TM",          "HM"};
    auto* list = form.element<zentaloger::toolkit::ListBox>(zentaloger::kSpeciesList);
    pages.ShowPage(page);
    state.view.topRow = 1;
    state.view.selectedRow = 1;
    form.RefillList(false);
    form.ShowSpecies();
    QCoreApplication::processEvents();  // painted before the first key, not inside its step
    std::vector<double> steps, cpuSteps, fixed;
    FixedWork work;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < zentaloger::kSpeciesCount - 1; ++i) {
        WaitUntil(clock, 33LL * i);
        QElapsedTimer step;
        const double cpu = ThreadCpuMs();
        step.start();
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(list, &down);
        QCoreApplication::processEvents();
        steps.push_back(step.nsecsElapsed() / 1e6);
        cpuSteps.push_back(ThreadCpuMs() - cpu);
        WaitUntil(clock, 33LL * i + 16);
        fixed.push_back(work.timedMs(Median(steps)));
    }
    if (state.view.selectedRow != zentaloger::kSpeciesCount) {
        std::fprintf(stderr, "Down held ended at row %d\n", int(state.view.selectedRow));
        std::exit(1);
    }
    // The machine's other work can hold a step up; the thread's own CPU time shows the
    // step's cost without it.
    const int zoom = form.zoom();
    std::printf(
        "Down held at 30/s on the %s page at zoom %d, %zu steps: slowest %.2f ms (CPU %.2f ms), "
        "99th %.2f ms, median %.2f ms, %zd over 2 ms (limit %s)\n",
        names[page], zoom, steps.size(), *std::max_element(steps.begin(), steps.end()),
        *std::max_element(cpuSteps.begin(), cpuSteps.end()), Percentile(steps, 0.99), Median(steps),
        std::count_if(steps.begin(), steps.end(), [](double ms) { return ms > 2; }),
        zoom == 1 ? "2 each" : "median 4");
    std::printf(
        "  baseline, fixed work as long as the median step: slowest %.2f ms, 99th %.2f ms, "
        "median %.2f ms, %zd over 2 ms\n",
        *std::max_element(fixed.begin(), fixed.end()), Percentile(fixed, 0.99), Median(fixed),
        std::count_if(fixed.begin(), fixed.end(), [](double ms) { return ms > 2; }));
}

// A character typed every 33 ms with `page` open, each a new search (its clock jumps a second
// a key): the first letter of the name on a row spread over the list, so every key finds a
// row and moves to it.
void Typed(zentaloger::StartupState& state, zentaloger::Form& form,
           zentaloger::pages::DetailPages& pages, int page) {
    auto* list = form.element<zentaloger::toolkit::ListBox>(zentaloger::kSpeciesList);
    qint64 now = 0;
    form.findChild<zentaloger::TypeFind*>()->setClock([&now] { return now; });
    pages.ShowPage(page);
    state.view.topRow = 1;
    state.view.selectedRow = 1;
    form.RefillList(false);
    form.ShowSpecies();
    QCoreApplication::processEvents();
    std::vector<double> steps;
    int moved = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < zentaloger::kSpeciesCount - 1; ++i) {
        WaitUntil(clock, 33LL * i);
        const int row = (i * 53) % zentaloger::kSpeciesCount;
        const QString letter =
            state.database->listLabel[row][state.view.language][0].mid(6, 1).toString();
        const int before = state.view.selectedRow;
        now += 1000;
        QElapsedTimer step;
        step.start();
        QKeyEvent key(QEvent::KeyPress, letter[0].unicode(), Qt::NoModifier, letter.toLower());
        QCoreApplication::sendEvent(list, &key);
        QCoreApplication::processEvents();
        steps.push_back(step.nsecsElapsed() / 1e6);
        moved += state.view.selectedRow != before;
    }
    if (moved < int(steps.size()) * 9 / 10) {
        std::fprintf(stderr, "typed characters moved the list only %d times\n", moved);
        std::exit(1);
    }
    std::printf(
        "  a character typed at 30/s, %zu steps (%d moved): slowest %.2f ms, 99th %.2f ms, median "
        "%.2f ms, %zd over 2 ms\n",
        steps.size(), moved, *std::max_element(steps.begin(), steps.end()), Percentile(steps, 0.99),
        Median(steps), std::count_if(steps.begin(), steps.end(), [](double ms) { return ms > 2; }));
    form.findChild<zentaloger::TypeFind*>()->setClock([] { return qint64(0); });
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication app(argc, argv);
    const QByteArray dir = QCoreApplication::applicationDirPath().toLocal8Bit();
    const QByteArray viewer = dir + "/bench_start_viewer";
    const QByteArray baseline = dir + "/bench_start_baseline";

    const bool keysOnly = argc > 1 && std::strcmp(argv[1], "keys") == 0;
    if (!keysOnly) {
        const int runs = 15;
        std::vector<double> viewerMs, baselineMs;
        std::vector<long> viewerKb, baselineKb;
        Spawn(viewer);  // page cache and font cache warm for both
        Spawn(baseline);
        for (int i = 0; i < runs; ++i) {
            const Run v = Spawn(viewer);
            const Run b = Spawn(baseline);
            viewerMs.push_back(v.ms);
            viewerKb.push_back(v.peakKb);
            baselineMs.push_back(b.ms);
            baselineKb.push_back(b.peakKb);
        }
        const double vMs = Median(viewerMs), bMs = Median(baselineMs);
        const long vKb = Median(viewerKb), bKb = Median(baselineKb);
        std::printf(
            "start to first frame: viewer %.1f ms, baseline %.1f ms, ratio %.2f (limit 1.15)\n",
            vMs, bMs, vMs / bMs);
        std::printf("peak RSS: viewer %.1f MB, baseline %.1f MB, difference %+.1f MB (limit +8)\n",
                    vKb / 1024.0, bKb / 1024.0, (vKb - bKb) / 1024.0);
    }

    zentaloger::StartupState state = zentaloger::StartUp();
    const std::unique_ptr<zentaloger::Viewer> whole = zentaloger::BuildViewer(state);
    zentaloger::Form& form = whole->form();
    zentaloger::pages::DetailPages& pages = whole->pages();
    whole->Load();
    form.show();
    QCoreApplication::processEvents();
    form.repaint();
    if (keysOnly) {
        // `bench_window keys N` holds Down on page N (0 statistics .. 5 HM) only.
        const int only = argc > 2 ? std::atoi(argv[2]) : -1;
        for (int zoom : {1, 2}) {
            form.setZoom(zoom);
            for (int page = 0; page < zentaloger::pages::kPageCount; ++page) {
                if (only < 0 || page == only) {
                    HeldDown(state, form, pages, page);
                    if (zoom == 1) {
                        Typed(state, form, pages, page);
                    }
                }
            }
        }
        return 0;
    }

    const double refill = MedianMicros(2000, [&](int i) {
        state.view.topRow = 1 + (i * 37) % 236;
        form.RefillList(false);
    });
    std::printf("RefillList: %.1f us (limit 300)\n", refill);

    // A new species each call: the card's texts, the picture loaded, the window repainted.
    state.view.topRow = 1;
    form.RefillList(false);
    const double card = MedianMicros(500, [&](int i) {
        state.view.selectedRow = 1 + (i * 53) % 251;
        form.ShowSpecies();
        form.repaint();
    });
    std::printf("ShowSpecies (every page refreshed) + repaint: %.1f us (limit 2000)\n", card);
    // The same at zoom 2, four times the pixels; and a zoom change itself, with its repaint.
    const double zoomIn = MedianMicros(40, [&](int i) {
        form.setZoom(1 + (i + 1) % 2);
        form.repaint();
    });
    form.setZoom(2);
    const double card2 = MedianMicros(500, [&](int i) {
        state.view.selectedRow = 1 + (i * 53) % 251;
        form.ShowSpecies();
        form.repaint();
    });
    form.setZoom(1);
    std::printf(
        "at zoom 2: ShowSpecies + repaint %.1f us (limit 2000); a zoom change + repaint %.1f ms "
        "(limit 50)\n",
        card2, zoomIn / 1000.0);

    const double pageSwitch = MedianMicros(600, [&](int i) {
        pages.ShowPage(i % zentaloger::pages::kPageCount);
        form.repaint();
    });
    std::printf("page switch + repaint: %.1f us (limit 1000)\n", pageSwitch);

    // One tick of the evolution bar with the page open, and the repaint it causes: counted
    // paint events show what is repainted.
    pages.ShowPage(zentaloger::pages::kEvolution);
    QCoreApplication::processEvents();
    PaintCounter painted;
    app.installEventFilter(&painted);
    auto* timer = form.element<zentaloger::toolkit::Timer>("tEVOLUTION");
    const int ticks = 600;
    const double tick = MedianMicros(ticks, [&](int) {
        timer->tick();
        QCoreApplication::processEvents();
    });
    app.removeEventFilter(&painted);
    std::printf("evolution bar tick + repaint: %.1f us (limit 200), %.1f elements painted a tick\n",
                tick, double(painted.count) / ticks);

    pages.ShowPage(zentaloger::pages::kTm);
    const double cardTm = MedianMicros(500, [&](int i) {
        state.view.selectedRow = 1 + (i * 53) % 251;
        form.ShowSpecies();
        form.repaint();
    });
    std::printf("ShowSpecies + repaint with the TM page open: %.1f us (limit 2000)\n", cardTm);

    // The species with the most TMs, its cells clicked in turn.
    const auto tmCount = [&](int s) {
        const auto& moves = state.database->species[s].tmMove;
        return std::count_if(moves.begin(), moves.end(), [](int m) { return m >= 0; });
    };
    int most = 0;
    for (int s = 1; s < zentaloger::kSpeciesCount; ++s) {
        most = tmCount(s) > tmCount(most) ? s : most;
    }
    state.view.selectedRow =
        1 + zentaloger::FindRowOfSpecies(*state.database, state.view.language,
                                         zentaloger::Order::Numerical, most + 1);
    form.RefillList(false);
    form.ShowSpecies();
    form.repaint();
    std::vector<zentaloger::toolkit::Label*> cells;
    for (int k = 0; k < zentaloger::kTmSlots; ++k) {
        auto* cell = form.element<zentaloger::toolkit::Label>("lblTM_TM", k);
        if (cell->isVisible()) {
            cells.push_back(cell);
        }
    }
    QCoreApplication::processEvents();
    const auto clickCell = [&](int i) {
        zentaloger::toolkit::Label* cell = cells[(i * 7) % cells.size()];
        const QPointF at = cell->rect().center();
        const QPointF global = cell->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(cell, &press);
        QCoreApplication::sendEvent(cell, &release);
    };
    // The repaint the event loop makes of what the click changed (the two cells and the
    // panel), with the elements it paints counted; and for comparison the whole window.
    PaintCounter clickPainted;
    app.installEventFilter(&clickPainted);
    const int clicks = 2000;
    const double click = MedianMicros(clicks, [&](int i) {
        clickCell(i);
        QCoreApplication::processEvents();
    });
    app.removeEventFilter(&clickPainted);
    const double clickWhole = MedianMicros(clicks, [&](int i) {
        clickCell(i);
        form.repaint();
    });
    std::printf(
        "TM cell click + repaint: %.1f us (limit 500), %.1f elements painted a click; "
        "with the whole window repainted %.1f us\n",
        click, double(clickPainted.count) / clicks, clickWhole);
    // One row down and the repaint of what it changed (the list's lines, the thumb's strip),
    // as the event loop runs it.
    auto* list = form.element<zentaloger::toolkit::ListBox>(zentaloger::kSpeciesList);
    state.view.topRow = 1;
    form.RefillList(false);
    const double scroll = MedianMicros(2000, [&](int) {
        if (state.view.topRow == zentaloger::kLastTopRow) {
            state.view.topRow = 1;
        }
        form.navigation().ScrollRowsDown();
        QCoreApplication::processEvents();  // the repaint of what changed
    });
    // The baseline: a bare list of the same size rebuilt with 16 lines, one marked, repainted.
    QWidget bare;
    bare.resize(form.size());
    QListWidget bareList(&bare);
    bareList.setGeometry(list->geometry());
    bareList.setUniformItemSizes(true);
    bareList.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bare.show();
    QCoreApplication::processEvents();
    const double bareScroll = MedianMicros(2000, [&](int i) {
        bareList.clear();
        for (int r = 0; r < 16; ++r) {
            bareList.addItem(state.database->listLabel[(i + r) % 251][1][0].toString());
        }
        bareList.setCurrentRow(i % 16);
        QCoreApplication::processEvents();
    });
    bare.hide();
    std::printf("ScrollRowsDown + repaint: %.1f us, bare list baseline %.1f us (limit 300)\n",
                scroll, bareScroll);

    // 100 notches queued at once, as a fast wheel spun while the window was busy.
    const double wheel = MedianMicros(20, [&](int) {
        state.view.topRow = 1;
        form.RefillList(false);
        for (int n = 0; n < 100; ++n) {
            QCoreApplication::postEvent(
                list->viewport(),
                new QWheelEvent(QPointF(10, 10), QPointF(300, 300), QPoint(), QPoint(0, -120),
                                Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false));
        }
        QCoreApplication::processEvents();
        if (state.view.topRow != 101) {
            std::fprintf(stderr, "the wheel moved to row %d, not 101\n", int(state.view.topRow));
            std::exit(1);
        }
    });
    std::printf("100 wheel notches at once: %.2f ms (limit 30)\n", wheel / 1000.0);

    for (int page = 0; page < zentaloger::pages::kPageCount; ++page) {
        HeldDown(state, form, pages, page);
        Typed(state, form, pages, page);
    }
    // At zoom 2 a step paints four times the pixels.
    form.setZoom(2);
    for (int page = 0; page < zentaloger::pages::kPageCount; ++page) {
        HeldDown(state, form, pages, page);
    }
    return 0;
}
