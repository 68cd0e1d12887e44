// The viewer: load the embedded database, then show the window and run on its events.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <optional>

#include "app/commandline.h"
#include "app/platformguard.h"
#include "app/viewer.h"

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

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = zentaloger::HandleCommandLine(argc, argv)) {
        return *status;
    }
    std::optional<QApplication> application;
    zentaloger::OpenWindowSystem(zentaloger::RequestedPlatform(argc, argv),
                                 [&] { application.emplace(argc, argv); });
    QApplication& app = *application;
    // The database loads on a thread of its own while the fonts are registered: the two are
    // most of the time to the first frame, and neither needs the other. It starts only now, as
    // Qt takes the thread that makes the first object for the main one.
    std::future<zentaloger::StartupState> loading = zentaloger::StartUpInBackground();
    zentaloger::toolkit::RegisterEmbeddedFonts();
    zentaloger::StartupState state;
    try {
        state = loading.get();
    } catch (const std::exception& error) {
        ReportStartupError(QString::fromUtf8(error.what()));
        return 1;
    }
    // Ending the event loop: no further event is handled, and main returns the status.
    const std::unique_ptr<zentaloger::Viewer> viewer =
        zentaloger::BuildViewer(state, [](int status) { QCoreApplication::exit(status); });
    viewer->Load();
    viewer->form().show();
    return app.exec();
}
