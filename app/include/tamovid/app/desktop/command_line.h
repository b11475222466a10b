#pragma once

#include <QString>
#include <QStringList>

namespace tamovid {

/// What the window's command line asks for.
struct WindowCommandLine {
    enum class Action { kRun, kShowHelp, kShowVersion, kUsageError };

    Action action = Action::kRun;
    QString text;       ///< the help or version text, or what was wrong (kUsageError)
    QString chartFile;  ///< a chart file to open once the window is shown; empty for none
    // Hidden switches for automated runs and documentation, not for users.
    bool quitAfterShow = false;
    QString screenshotPath;  ///< save a picture of the shown window, then quit
};

/// Exit status for a command line the program cannot follow, as the command-line tool uses.
inline constexpr int kExitUsage = 64;

/// Reads the arguments, the program's own name first. Qt's own options must already be
/// taken out (QApplication does that), or they count as unknown.
WindowCommandLine ParseWindowCommandLine(const QStringList& arguments);

/// The arguments without the options Qt's application object would take out ("-platform
/// xcb", "--style=fusion", "-reverse"), so that they can be read before it exists: a
/// command line it cannot follow is answered without a display.
QStringList WithoutToolkitOptions(const QStringList& arguments);

}  // namespace tamovid
