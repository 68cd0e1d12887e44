#include "app/platformguard.h"

#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace zentaloger {

namespace {

QString g_platform;
QStringList g_messages;

void Capture(QtMsgType type, const QMessageLogContext&, const QString& message) {
    g_messages << message;
    if (type != QtFatalMsg) {
        return;
    }
    const QString problem =
        WindowSystemProblem(g_platform, qEnvironmentVariable("DISPLAY"),
                            qEnvironmentVariable("WAYLAND_DISPLAY"), g_messages);
    std::fprintf(stderr, "zentaloger: cannot open a window: %s\n", qPrintable(problem));
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

QString RequestedPlatform(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i) {
        const QLatin1String arg(argv[i]);
        if (arg == QLatin1String("-platform") || arg == QLatin1String("--platform")) {
            return QString::fromLocal8Bit(argv[i + 1]);
        }
    }
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

QString WindowSystemProblem(const QString& platform, const QString& display,
                            const QString& waylandDisplay, const QStringList& messages) {
    const QString all = messages.join(u'\n');
    const QString name = platform.section(u':', 0, 0);
    static const QRegularExpression available(
        QStringLiteral("Available platform plugins are: ([^\\n]*?)\\.?(\\n|$)"));
    const QRegularExpressionMatch list = available.match(all);
    if (all.contains(QStringLiteral("Could not find the Qt platform plugin"))) {
        return QStringLiteral("the window system \"%1\" is not available here; choose one of: %2")
            .arg(name, list.hasMatch() ? list.captured(1) : QStringLiteral("(none found)"));
    }
    if (name.isEmpty() || name == u"xcb") {
        if (display.isEmpty()) {
            return waylandDisplay.isEmpty()
                       ? QStringLiteral(
                             "no display found: DISPLAY is not set. Start it from a "
                             "desktop session, or set DISPLAY (for example DISPLAY=:0)")
                       : QStringLiteral(
                             "no X display found: DISPLAY is not set. Set DISPLAY, "
                             "or use -platform wayland");
        }
        return QStringLiteral(
                   "cannot connect to the display \"%1\": check that its X server "
                   "runs and accepts this user, or set DISPLAY to another one")
            .arg(display);
    }
    if (name == u"wayland" && waylandDisplay.isEmpty()) {
        return QStringLiteral("no Wayland display found: WAYLAND_DISPLAY is not set");
    }
    return QStringLiteral("the window system \"%1\" cannot be started").arg(name);
}

void OpenWindowSystem(const QString& platform, const std::function<void()>& open) {
    g_platform = platform;
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Capture);
    open();
    qInstallMessageHandler(previous);
    // What Qt said on the way to a working window system still matters to the user.
    for (const QString& message : std::as_const(g_messages)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    g_messages.clear();
}

}  // namespace zentaloger
