#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <functional>

namespace tamovid {

/// What the desktop's opener of web addresses would find, asked of the system.
struct BrowserProbe {
    QProcessEnvironment environment;
    /// Whether a program of that name is on the search path.
    std::function<bool(const QString&)> hasProgram;
    /// The desktop file registered for https addresses ("" when none), as xdg-mime tells it.
    std::function<QString()> httpsHandler;
};

/// The probe of this system.
BrowserProbe SystemBrowserProbe();

/// Whether anything could show a web page. On desktops without one, handing an address to
/// the opener "succeeds" and then nothing happens, so the user would never learn that the
/// page did not open: a desktop session, a BROWSER setting, a registered handler or one
/// of the browsers the opener tries counts as a browser.
bool BrowserAvailable(const BrowserProbe& probe);

}  // namespace tamovid
