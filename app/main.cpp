// The viewer: load the embedded database, then (once the window exists) show it.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "startup.h"

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
    QApplication app(argc, argv);
    zentaloger::StartupState state;
    try {
        state = zentaloger::StartUp();
    } catch (const std::exception& error) {
        ReportStartupError(QString::fromUtf8(error.what()));
        return 1;
    }
    std::fprintf(stderr, "zentaloger: the database is loaded; the window is not built yet.\n");
    return 0;
}
