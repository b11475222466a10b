#include "tamovid/app/startup.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QSettings>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

#include "tamovid/app/frm_main.h"
#include "tamovid/app/look.h"
#include "tamovid/app/promotion.h"
#include "tamovid/app/settings_file.h"
#include "tamovid/app/single_instance.h"
#include "tamovid/app/update_reminder.h"
#include "tamovid/app/user_interface.h"

namespace tamovid {

Session::Session(std::unique_ptr<SingleInstanceLock> lock, std::unique_ptr<FrmMain> window)
    : lock_(std::move(lock)), window_(std::move(window)) {}

// Out of line: the members' types are complete only here.
Session::~Session() = default;

std::unique_ptr<Session> StartSession(const StartupContext& context) {
    auto lock = std::make_unique<SingleInstanceLock>(context.lockPath);
    if (!lock->tryAcquire()) {
        context.ui->message(QStringLiteral("Application is already running"), QMessageBox::Information);
        return nullptr;
    }
    if (context.settings != nullptr) {
        RunUpdateReminder(*context.settings, context.today(), *context.ui);
    }

    auto window = std::make_unique<FrmMain>(*context.ui);
    window->show();
    window->ShowPromotion(PromotionForRandom(context.random()));
    return std::make_unique<Session>(std::move(lock), std::move(window));
}

namespace {

// Hidden switches for automated runs and documentation, not for users.
struct HiddenOptions {
    bool quitAfterShow = false;
    QString screenshotPath;
};

HiddenOptions ParseHiddenOptions(const QStringList& arguments) {
    HiddenOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--quit-after-show")) {
            options.quitAfterShow = true;
        } else if (arguments[i] == QLatin1String("--screenshot") && i + 1 < arguments.size()) {
            options.screenshotPath = arguments[++i];
            options.quitAfterShow = true;
        }
    }
    return options;
}

}  // namespace

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tamovid"));
    QApplication::setApplicationName(QStringLiteral("Tamovid"));
    QApplication::setApplicationVersion(QStringLiteral("1.15"));
    QApplication::setWindowIcon(AppIcon());
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    const HiddenOptions hidden = ParseHiddenOptions(QApplication::arguments());

    DesktopUserInterface ui;
    const std::unique_ptr<QSettings> settings = OpenSettingsFile(DefaultSettingsPath());
    const StartupContext context{
        .ui = &ui,
        .settings = settings.get(),
        .today = [] { return QDate::currentDate(); },
        .random = [] { return QRandomGenerator::global()->generateDouble(); },
        .lockPath = DefaultLockPath(),
    };
    const std::unique_ptr<Session> session = StartSession(context);
    if (!session) {
        return 0;
    }
    if (hidden.quitAfterShow) {
        QTimer::singleShot(300, &app, [&session, &hidden] {
            if (!hidden.screenshotPath.isEmpty() && !session->window().grab().save(hidden.screenshotPath)) {
                std::fprintf(stderr, "could not write %s\n", qPrintable(hidden.screenshotPath));
            }
            QApplication::quit();
        });
    }
    return QApplication::exec();
}

}  // namespace tamovid
