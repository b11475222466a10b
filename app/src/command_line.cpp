#include "tamovid/app/command_line.h"

#include <QCommandLineParser>

#include "tamovid/app/look.h"

namespace tamovid {

WindowCommandLine ParseWindowCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Computes the five Aprakasha Grahas of a birth. Opens CHART.vug, a chart saved "
        "earlier, when one is given."));
    // Not addHelpOption(): its --help-all promises Qt's own options, which only a
    // running application could list.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QStringLiteral("chart"),
                                 QStringLiteral("A chart file to open at start."),
                                 QStringLiteral("[CHART.vug]"));
    QCommandLineOption quitAfterShow(QStringLiteral("quit-after-show"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"), QString(),
                                  QStringLiteral("FILE.png"));
    for (QCommandLineOption* hidden : {&quitAfterShow, &screenshot}) {
        hidden->setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(*hidden);
    }

    WindowCommandLine result;
    const auto refuse = [&result](const QString& why) {
        result.action = WindowCommandLine::Action::kUsageError;
        result.text = why + QStringLiteral("\nTry 'tamovid --help' for more information.");
        return result;
    };
    if (!parser.parse(arguments)) {
        return refuse(parser.errorText());
    }
    if (parser.isSet(help)) {
        result.action = WindowCommandLine::Action::kShowHelp;
        result.text = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.action = WindowCommandLine::Action::kShowVersion;
        result.text = QStringLiteral("tamovid %1\n").arg(VersionNumber());
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return refuse(QStringLiteral("Only one chart file can be opened at a time."));
    }
    if (!files.isEmpty()) {
        if (files.front().isEmpty()) {
            return refuse(QStringLiteral("The chart file name is empty."));
        }
        result.chartFile = files.front();
    }
    result.quitAfterShow = parser.isSet(quitAfterShow) || parser.isSet(screenshot);
    result.screenshotPath = parser.value(screenshot);
    return result;
}

}  // namespace tamovid
