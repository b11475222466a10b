#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

class QSettings;

namespace tamovid {

class ChartHandoffServer;
class ChartOpenQueue;
class FrmMain;
class SingleInstanceLock;
class UserInterface;
class WatchedUserInterface;

/// Everything start-up takes from the outside world, so tests can replace it.
struct StartupContext {
    UserInterface* ui = nullptr;
    QSettings* settings = nullptr;  ///< null when the settings cannot be used: no reminder
    std::function<QDate()> today;
    std::function<double()> random;  ///< uniform in [0, 1)
    QString lockPath;
    QString chartFile;  ///< a chart to open once the window is shown; empty for none
    /// Where the running copy takes chart files from later copies; empty for nowhere.
    QString handoffPath;
};

/// A running copy of the program: the single-instance lock, the shown window, the place
/// where later copies hand over their chart files and the files waiting to be opened.
class Session {
public:
    Session(std::unique_ptr<SingleInstanceLock> lock, UserInterface& desktop);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    FrmMain& window() { return *window_; }
    /// Whether later copies can reach this one.
    bool listening() const;

private:
    /// A later copy's request: the window comes to the front, and its file, if any, is
    /// opened once nothing else is open.
    void Receive(const QString& chartFile);

    std::unique_ptr<SingleInstanceLock> lock_;
    std::unique_ptr<WatchedUserInterface> ui_;
    std::unique_ptr<ChartOpenQueue> queue_;
    std::unique_ptr<FrmMain> window_;
    std::unique_ptr<ChartHandoffServer> handoff_;

    friend std::unique_ptr<Session> StartSession(const StartupContext& context);
};

/// Start-up up to the shown window: refuses a second copy (returns null then), listens
/// for later copies, runs the update reminder, shows the window, picks the promotional
/// label and opens the chart file given, as Open does. A second copy started with a chart
/// file hands it to the running one, which comes to the front and opens it as Open does
/// once no box or dialog of its own is open; without a file it brings the running window
/// to the front and tells the user, and when the running copy cannot be reached it tells
/// the user and opens nothing.
std::unique_ptr<Session> StartSession(const StartupContext& context);

/// The whole program; main() only calls this.
int RunApplication(int argc, char** argv);

}  // namespace tamovid
