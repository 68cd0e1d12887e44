#pragma once
// The viewer's command line, read before any QApplication exists: --help and --version must
// answer on a machine with no display (or with a -platform that cannot load), and a mistyped
// option must be reported instead of opening the window.

#include <QString>
#include <QStringList>
#include <optional>

namespace zentaloger {

struct CommandLineAnswer {
    int status = 0;
    QString out;  // for standard output
    QString err;  // for standard error
};

// How the viewer starts: the options of its own that a command line can set.
struct StartOptions {
    int zoom = 1;  // --zoom N, 1 to 4: the window at N times its size
};

// Reads the arguments (the program name first). Returns nothing when the viewer should start,
// with `options` (if given) filled in; otherwise what to print and the exit status: 0 for
// --help and --version, 2 for a mistake. Qt's own window system options (-platform, -display,
// ...) are let through to QApplication.
std::optional<CommandLineAnswer> ReadCommandLine(const QStringList& arguments,
                                                 StartOptions* options = nullptr);

// For main(), first thing: names the application (with the application id, so that desktops
// match its window to its menu entry and icon) and answers the command line. Returns the exit
// status when the program must end without opening its window.
std::optional<int> HandleCommandLine(int argc, char** argv, StartOptions* options = nullptr);

}  // namespace zentaloger
