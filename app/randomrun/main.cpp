// The random session from the command line, offscreen unless QT_QPA_PLATFORM says otherwise:
//   randomrun [--events N] [--seed S] [--rss]
// starts the viewer, opens every page, sends N random events (a million unless told) and
// closes the window by its close box. It prints the seed, the events, the events a second and
// OK, or the first broken invariant with its event number (status 1).
// With --rss it also reports the resident memory before and after the N events (100,000
// unless told), measured after a warm-up of 1,000 events that fills the caches, and fails
// when it grew by more than 1 MB.
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>

#include "app/randomrun/randomrun.h"

namespace {

long ResidentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    long events = -1;
    quint32 seed = QRandomGenerator::system()->generate();
    bool rss = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        bool ok = true;
        if (arg == "--rss") {
            rss = true;
        } else if ((arg == "--events" || arg == "--seed") && i + 1 < argc) {
            const QByteArray value = argv[++i];
            if (arg == "--events") {
                events = value.toLong(&ok);
                ok = ok && events >= 0;
            } else {
                seed = value.toUInt(&ok);
            }
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr,
                         "randomrun: bad argument '%s'\n"
                         "Usage: randomrun [--events N] [--seed S] [--rss]\n",
                         argv[i]);
            return 2;
        }
    }
    if (events < 0) {
        events = rss ? 100000 : 1000000;
    }
    QApplication app(argc, argv);
    std::printf("seed %u\n", seed);
    zentaloger::testing::RandomRun run(seed);
    QString fault = run.OpenEveryPage();
    long before = 0;
    if (rss && fault.isEmpty()) {
        fault = run.Steps(1000);
        before = ResidentKb();
    }
    QElapsedTimer clock;
    clock.start();
    if (fault.isEmpty()) {
        fault = run.Steps(events);
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    const long after = ResidentKb();
    if (fault.isEmpty()) {
        fault = run.Close();
    }
    std::printf("events %ld\nevents/s %.0f\n", events, events / std::max(seconds, 1e-9));
    if (rss) {
        std::printf("resident before %ld kB, after %ld kB, growth %ld kB\n", before, after,
                    after - before);
        if (fault.isEmpty() && (before <= 0 || after - before > 1024)) {
            fault = QStringLiteral("the resident memory grew by more than 1 MB");
        }
    }
    std::printf("%s\n", fault.isEmpty() ? "OK" : qPrintable(u"FAILED " + fault));
    return fault.isEmpty() ? 0 : 1;
}
