#include "app/run.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <optional>

#include "app/commandline.h"
#include "app/platformguard.h"
#include "app/viewer.h"

namespace zentaloger {

namespace {

// The only message the program ever shows: why it cannot start. Without a display (the
// offscreen and minimal platforms of tests and scripts) it goes to standard error alone.
void ReportStartupError(const QString& message) {
    std::fprintf(stderr, "zentaloger: %s\n", qPrintable(message));
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
        QMessageBox::critical(nullptr, QStringLiteral("Zentaloger"), message);
    }
}

}  // namespace

int RunViewer(int argc, char* argv[], const QString& resourcePath) {
    StartOptions options;
    if (const std::optional<int> status = HandleCommandLine(argc, argv, &options)) {
        return *status;
    }
    std::optional<QApplication> application;
    OpenWindowSystem(RequestedPlatform(argc, argv), [&] { application.emplace(argc, argv); });
    QApplication& app = *application;
    // The database loads on a thread of its own while the fonts are registered: the two are
    // most of the time to the first frame, and neither needs the other. It starts only now, as
    // Qt takes the thread that makes the first object for the main one.
    std::future<StartupState> loading = StartUpInBackground(resourcePath);
    toolkit::RegisterEmbeddedFonts();
    StartupState state;
    try {
        state = loading.get();
    } catch (const std::exception& error) {
        ReportStartupError(QString::fromUtf8(error.what()));
        return 1;
    }
    // Ending the event loop: no further event is handled, and main returns the status.
    const std::unique_ptr<Viewer> viewer =
        BuildViewer(state, [](int status) { QCoreApplication::exit(status); });
    viewer->Load();
    // Before the first show, so the window opens centred at its size; on a screen too small
    // for the zoom asked for, at the largest that fits.
    int zoom = options.zoom;
    while (zoom > 1 && !viewer->form().setZoom(zoom)) {
        --zoom;
    }
    viewer->form().show();
    return app.exec();
}

}  // namespace zentaloger
