#include "tamovid/app/startup.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QSettings>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

#include "tamovid/app/chart_handoff.h"
#include "tamovid/app/command_line.h"
#include "tamovid/app/engine_menu.h"
#include "tamovid/app/frm_main.h"
#include "tamovid/app/look.h"
#include "tamovid/app/promotion.h"
#include "tamovid/app/chart_options_menu.h"
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
        if (context.chartFile.isEmpty() ||
            !HandChartToRunningCopy(context.handoffPath, context.chartFile)) {
            context.ui->message(QStringLiteral("Application is already running"),
                                QMessageBox::Information);
        }
        return nullptr;
    }
    if (context.settings != nullptr) {
        RunUpdateReminder(*context.settings, context.today(), *context.ui);
    }

    auto window = std::make_unique<FrmMain>(*context.ui);
    window->SetSettings(context.settings);
    auto* engineMenu = new EngineMenu(*window, context.settings);  // owned by the window
    new ChartOptionsMenu(*window, *engineMenu, context.settings);
    window->show();
    window->ShowPromotion(PromotionForRandom(context.random()));
    if (!context.chartFile.isEmpty()) {
        window->OpenChartFile(context.chartFile);
    }
    auto session = std::make_unique<Session>(std::move(lock), std::move(window));
    FrmMain* shown = &session->window();
    session->handoff_ = std::make_unique<ChartHandoffServer>(
        context.handoffPath, [shown](const QString& file) {
            shown->setWindowState(shown->windowState() & ~Qt::WindowMinimized);
            shown->show();
            shown->raise();
            shown->activateWindow();
            shown->OpenChartFile(file);
        });
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
