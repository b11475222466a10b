#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

class QSettings;

namespace tamovid {

class FrmMain;
class SingleInstanceLock;
class UserInterface;

/// Everything start-up takes from the outside world, so tests can replace it.
struct StartupContext {
    UserInterface* ui = nullptr;
    QSettings* settings = nullptr;  ///< null when the settings cannot be used: no reminder
    std::function<QDate()> today;
    std::function<double()> random;  ///< uniform in [0, 1)
    QString lockPath;
};

/// A running copy of the program: the single-instance lock and the shown window.
class Session {
public:
    Session(std::unique_ptr<SingleInstanceLock> lock, std::unique_ptr<FrmMain> window);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    FrmMain& window() { return *window_; }

private:
    std::unique_ptr<SingleInstanceLock> lock_;
    std::unique_ptr<FrmMain> window_;
};

/// Start-up up to the shown window: refuses a second copy (after telling the user;
/// returns null then), runs the update reminder, shows the window and picks the
/// promotional label.
std::unique_ptr<Session> StartSession(const StartupContext& context);

/// The whole program; main() only calls this.
int RunApplication(int argc, char** argv);

}  // namespace tamovid
