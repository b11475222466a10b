#include "tamovid/app/desktop/command_line.h"

#include <QCommandLineParser>

#include "tamovid/app/mainform/look.h"

#include <array>
#include <string_view>

namespace tamovid {
namespace {

struct ToolkitOption {
    std::string_view name;  // without its dashes
    bool takesValue;        // as the next argument, or after '='
};

// The options that Qt's application object takes out of the arguments itself: its own,
// the widgets' and the X11 platform's.
constexpr std::array kToolkitOptions = {
    ToolkitOption{"platform", true},        ToolkitOption{"platformpluginpath", true},
    ToolkitOption{"platformtheme", true},   ToolkitOption{"plugin", true},
    ToolkitOption{"qwindowgeometry", true}, ToolkitOption{"qwindowicon", true},
    ToolkitOption{"qwindowtitle", true},    ToolkitOption{"geometry", true},
    ToolkitOption{"title", true},           ToolkitOption{"icon", true},
    ToolkitOption{"display", true},         ToolkitOption{"name", true},
    ToolkitOption{"session", true},         ToolkitOption{"style", true},
    ToolkitOption{"stylesheet", true},      ToolkitOption{"qmljsdebugger", true},
    ToolkitOption{"reverse", false},        ToolkitOption{"widgetcount", false},
    ToolkitOption{"nograb", false},         ToolkitOption{"dograb", false},
    ToolkitOption{"sync", false},
};

const ToolkitOption* FindToolkitOption(const QString& argument) {
    if (!argument.startsWith(u'-')) return nullptr;
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    name = name.left(name.indexOf(u'='));
    for (const ToolkitOption& option : kToolkitOptions) {
        if (name == QLatin1String(option.name.data(), static_cast<qsizetype>(option.name.size()))) {
            return &option;
        }
    }
    return nullptr;
}

}  // namespace

QStringList WithoutToolkitOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--")) {
            kept += arguments.mid(i);
            break;
        }
        const ToolkitOption* option = i == 0 ? nullptr : FindToolkitOption(argument);
        if (option == nullptr) {
            kept << argument;
        } else if (option->takesValue && !argument.contains(u'=')) {
            ++i;  // its value
        }
    }
    return kept;
}

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
