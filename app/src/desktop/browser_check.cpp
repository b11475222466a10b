#include "tamovid/app/desktop/browser_check.h"

#include <QProcess>
#include <QStandardPaths>

#include <array>

namespace tamovid {
namespace {

constexpr int kHandlerQueryMilliseconds = 2000;

// The browsers the desktop's opener falls back on when nothing else is set.
constexpr std::array kFallbackBrowsers = {
    "x-www-browser", "firefox",  "firefox-esr", "chromium",    "chromium-browser",
    "google-chrome", "epiphany", "konqueror",   "www-browser", "links2",
    "elinks",        "links",    "lynx",        "w3m"};

}  // namespace

BrowserProbe SystemBrowserProbe() {
    BrowserProbe probe;
    probe.environment = QProcessEnvironment::systemEnvironment();
    probe.hasProgram = [](const QString& name) {
        return !QStandardPaths::findExecutable(name).isEmpty();
    };
    probe.httpsHandler = [] {
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) return QString();
        QProcess query;
        query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                                 QStringLiteral("x-scheme-handler/https")});
        if (!query.waitForFinished(kHandlerQueryMilliseconds)) {
            query.kill();
            query.waitForFinished();
            return QString();
        }
        return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    };
    return probe;
}

bool BrowserAvailable(const BrowserProbe& probe) {
    for (const char* variable : {"XDG_CURRENT_DESKTOP", "BROWSER"}) {
        if (!probe.environment.value(QString::fromLatin1(variable)).trimmed().isEmpty())
            return true;
    }
    for (const char* name : kFallbackBrowsers) {
        if (probe.hasProgram(QString::fromLatin1(name))) return true;
    }
    return !probe.httpsHandler().isEmpty();
}

}  // namespace tamovid
