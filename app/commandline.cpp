#include "app/commandline.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>

#include "window/toolkit/toolkit.h"

namespace zentaloger {

namespace {

const QString kUsage = QStringLiteral(
    "Usage: zentaloger [-h | --help] [-v | --version] [--zoom N] [Qt window system options]\n");

const QString kHelp = kUsage + QStringLiteral(
                                   "Zentaloger: a field guide to all 251 Zentari, in English "
                                   "and Russian.\n"
                                   "\n"
                                   "Options:\n"
                                   "  -h, --help     Show this help and exit.\n"
                                   "  -v, --version  Show the version and exit.\n"
                                   "  --zoom N       Open the window at N times its size, N from "
                                   "1 to 4\n"
                                   "                 (as far as it fits on the screen); Ctrl+=, "
                                   "Ctrl+- and\n"
                                   "                 Ctrl+0 change the zoom while it runs.\n"
                                   "\n"
                                   "Qt's window system options are accepted as well, among them\n"
                                   "-platform NAME, -display DISPLAY, -qwindowgeometry WxH+X+Y "
                                   "and -style NAME.\n");

// The options that Qt's application objects take out of the command line themselves (Qt 6.4:
// the GUI application, the widget application and the X11 platform). Those with a value are
// listed so that their value is not read as an argument of ours.
constexpr const char* kQtValueOptions[] = {"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "qwindowgeometry",
                                           "geometry",
                                           "qwindowtitle",
                                           "title",
                                           "qwindowicon",
                                           "icon",
                                           "session",
                                           "style",
                                           "stylesheet",
                                           "display",
                                           "name",
                                           "visual",
                                           "qmljsdebugger"};
constexpr const char* kQtFlagOptions[] = {"reverse", "testability", "widgetcount", "nograb",
                                          "dograb"};

CommandLineAnswer Mistake(const QString& what) {
    return {2, QString(), QStringLiteral("zentaloger: ") + what + u'\n' + kUsage};
}

// The parser names an option without its dashes and value; the message quotes it as written.
QString AsWritten(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        const QString written = argument.section(u'=', 0, 0);
        qsizetype dashes = 0;
        while (dashes < written.size() && written[dashes] == u'-') {
            ++dashes;
        }
        if (dashes > 0 && written.mid(dashes) == name) {
            return written;
        }
    }
    return name;
}

}  // namespace

std::optional<CommandLineAnswer> ReadCommandLine(const QStringList& arguments,
                                                 StartOptions* options) {
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform), so ours are read the same way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption zoom(QStringLiteral("zoom"), QString(), QStringLiteral("N"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(zoom);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const bool parsed = parser.parse(arguments);
    // Someone who asks for help gets it, whatever else the line holds.
    if (parser.isSet(help)) {
        return CommandLineAnswer{0, kHelp, QString()};
    }
    if (parser.isSet(version)) {
        return CommandLineAnswer{0, QStringLiteral("zentaloger " ZENTALOGER_VERSION "\n"),
                                 QString()};
    }
    if (!parsed) {
        if (!parser.unknownOptionNames().isEmpty()) {
            return Mistake(
                QStringLiteral("unknown option '%1'")
                    .arg(AsWritten(arguments, parser.unknownOptionNames().constFirst())));
        }
        QString error = parser.errorText();
        if (error.endsWith(u'.')) {
            error.chop(1);
        }
        if (!error.isEmpty()) {
            error[0] = error[0].toLower();
        }
        return Mistake(error);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Mistake(QStringLiteral("unexpected argument '%1'")
                           .arg(parser.positionalArguments().constFirst()));
    }
    StartOptions start;
    if (parser.isSet(zoom)) {
        const QString value = parser.value(zoom);
        bool number = false;
        start.zoom = value.toInt(&number);
        if (!number || start.zoom < toolkit::kMinZoom || start.zoom > toolkit::kMaxZoom) {
            return Mistake(QStringLiteral("%1 takes a whole number from %2 to %3, not '%4'")
                               .arg(AsWritten(arguments, zoom.names().constFirst()))
                               .arg(toolkit::kMinZoom)
                               .arg(toolkit::kMaxZoom)
                               .arg(value));
        }
    }
    if (options) {
        *options = start;
    }
    return std::nullopt;
}

std::optional<int> HandleCommandLine(int argc, char** argv, StartOptions* options) {
    QGuiApplication::setApplicationName(QStringLiteral("zentaloger"));
    QGuiApplication::setApplicationVersion(QStringLiteral(ZENTALOGER_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZENTALOGER_APP_ID));
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const std::optional<CommandLineAnswer> answer = ReadCommandLine(arguments, options);
    if (!answer) {
        return std::nullopt;
    }
    std::fputs(answer->out.toLocal8Bit().constData(), stdout);
    std::fputs(answer->err.toLocal8Bit().constData(), stderr);
    return answer->status;
}

}  // namespace zentaloger
