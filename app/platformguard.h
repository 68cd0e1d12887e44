#pragma once
// Opening the window system is the one step of start-up that the program's own checks cannot
// see: without a display, or with a window system that is not installed, Qt ends the program
// with an abort and a text that suggests reinstalling it. The guard turns that into one line
// that says what is wrong and what to do, and status 1.

#include <QString>
#include <functional>

namespace zentaloger {

// Runs `open` (the construction of the application object) with Qt's messages captured; if it
// fails fatally, prints the explanation to standard error and ends the program with status 1.
// `platform` is the window system asked for (-platform or QT_QPA_PLATFORM), empty for Qt's
// default.
void OpenWindowSystem(const QString& platform, const std::function<void()>& open);

// The explanation for a failed start: what went wrong and what to do, in one line. `display`
// is the value of DISPLAY, `messages` Qt's messages up to the failure.
QString WindowSystemProblem(const QString& platform, const QString& display,
                            const QString& waylandDisplay, const QStringList& messages);

// The window system asked for on the command line or in QT_QPA_PLATFORM.
QString RequestedPlatform(int argc, char* argv[]);

}  // namespace zentaloger
