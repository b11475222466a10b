#include "tamovid/app/desktop/startup.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QSettings>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

#include "tamovid/app/desktop/chart_handoff.h"
#include "tamovid/app/desktop/chart_open_queue.h"
#include "tamovid/app/desktop/command_line.h"
#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/mainform/look.h"
#include "tamovid/app/mainform/promotion.h"
#include "tamovid/app/options/options_menus.h"
#include "tamovid/app/options/settings_file.h"
#include "tamovid/app/desktop/single_instance.h"
#include "tamovid/app/desktop/update_reminder.h"
#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/app/dialogs/watched_user_interface.h"

namespace tamovid {

Session::Session(std::unique_ptr<SingleInstanceLock> lock, UserInterface& desktop)
    : lock_(std::move(lock)),
      ui_(std::make_unique<WatchedUserInterface>(desktop)),
      queue_(std::make_unique<ChartOpenQueue>([ui = ui_.get()] { return ui->busy(); })) {
    ui_->setOnIdle([queue = queue_.get()] { queue->DrainSoon(); });
}

// Out of line: the members' types are complete only here.
Session::~Session() = default;

bool Session::listening() const { return handoff_ && handoff_->listening(); }

void Session::Receive(const QString& chartFile) {
    if (window_) {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->show();
        window_->raise();
        window_->activateWindow();
        // A box still open stays in front of the window it belongs to.
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->raise();
            box->activateWindow();
        }
    }
    if (!chartFile.isEmpty()) queue_->Add(chartFile);
}

std::unique_ptr<Session> StartSession(const StartupContext& context) {
    auto lock = std::make_unique<SingleInstanceLock>(context.lockPath);
    if (!lock->tryAcquire()) {
        // Without a file, the request only brings the running window forward.
        const bool handedOver = HandChartToRunningCopy(context.handoffPath, context.chartFile);
        if (context.chartFile.isEmpty() || !handedOver) {
            context.ui->message(QStringLiteral("Application is already running"),
                                QMessageBox::Information);
        }
        return nullptr;
    }
    auto session = std::make_unique<Session>(std::move(lock), *context.ui);
    Session& s = *session;
    // The file named at start goes first; a later copy may hand over its own as soon as
    // this one listens, which is before any box below.
    if (!context.chartFile.isEmpty()) s.queue_->Add(context.chartFile);
    s.handoff_ = std::make_unique<ChartHandoffServer>(
        context.handoffPath, [&s](const QString& file) { s.Receive(file); });
    if (context.settings != nullptr) {
        RunUpdateReminder(*context.settings, context.today(), *s.ui_);
    }

    s.window_ = std::make_unique<FrmMain>(*s.ui_);
    FrmMain& window = *s.window_;
    AddOptionsMenus(window, context.settings);
    window.show();
    window.ShowPromotion(PromotionForRandom(context.random()));
    s.queue_->SetOpener([&window](const QString& file) { window.OpenChartFile(file); });
    return session;
}

namespace {

bool AnswersWithText(const WindowCommandLine& commandLine) {
    return commandLine.action == WindowCommandLine::Action::kShowHelp ||
           commandLine.action == WindowCommandLine::Action::kShowVersion;
}

// Help, version and usage errors; the status to end with.
int Answer(const WindowCommandLine& commandLine) {
    if (commandLine.action == WindowCommandLine::Action::kUsageError) {
        std::fprintf(stderr, "tamovid: %s\n", qPrintable(commandLine.text));
        return kExitUsage;
    }
    std::fputs(qPrintable(commandLine.text), stdout);
    return 0;
}

QStringList RawArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

}  // namespace

int RunApplication(int argc, char** argv) {
    // Help, version and usage errors need no display: answer them before the window
    // system starts (a core application gives the help text the program's name).
    const WindowCommandLine early =
        ParseWindowCommandLine(WithoutToolkitOptions(RawArguments(argc, argv)));
    if (AnswersWithText(early)) {
        const QCoreApplication core(argc, argv);
        return Answer(ParseWindowCommandLine(WithoutToolkitOptions(QCoreApplication::arguments())));
    }
    if (early.action == WindowCommandLine::Action::kUsageError) {
        return Answer(early);
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tamovid"));
    QApplication::setApplicationName(QStringLiteral("Tamovid"));
    QApplication::setApplicationVersion(VersionNumber());
    QApplication::setDesktopFileName(DesktopId());
    QApplication::setWindowIcon(AppIcon());
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    // Qt has taken its own options out of the arguments by now.
    const WindowCommandLine commandLine = ParseWindowCommandLine(QApplication::arguments());
    if (commandLine.action != WindowCommandLine::Action::kRun) {
        return Answer(commandLine);
    }

    DesktopUserInterface ui;
    const std::unique_ptr<QSettings> settings = OpenSettingsFile(DefaultSettingsPath());
    const StartupContext context{
        .ui = &ui,
        .settings = settings.get(),
        .today = [] { return QDate::currentDate(); },
        .random = [] { return QRandomGenerator::global()->generateDouble(); },
        .lockPath = DefaultLockPath(),
        .chartFile = commandLine.chartFile,
        .handoffPath = DefaultHandoffPath(),
    };
    const std::unique_ptr<Session> session = StartSession(context);
    if (!session) {
        return 0;
    }
    if (commandLine.quitAfterShow) {
        QTimer::singleShot(300, &app, [&session, &commandLine] {
            const QString& shot = commandLine.screenshotPath;
            if (!shot.isEmpty() && !session->window().grab().save(shot)) {
                std::fprintf(stderr, "could not write %s\n", qPrintable(shot));
            }
            QApplication::quit();
        });
    }
    return QApplication::exec();
}

}  // namespace tamovid
