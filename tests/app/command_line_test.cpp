#include <QtTest>

#include "tamovid/app/desktop/command_line.h"
#include "tamovid/version.h"

using tamovid::WindowCommandLine;
using Action = WindowCommandLine::Action;

Q_DECLARE_METATYPE(WindowCommandLine::Action)

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void arguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("chartFile");
        QTest::addColumn<bool>("quitAfterShow");

        QTest::newRow("nothing: the empty form")
            << QStringList{} << Action::kRun << QString() << false;
        QTest::newRow("a chart file")
            << QStringList{"charts/ravi.vug"} << Action::kRun << "charts/ravi.vug" << false;
        QTest::newRow("a chart whose name looks like an option, after --")
            << QStringList{"--", "-odd.vug"} << Action::kRun << "-odd.vug" << false;
        QTest::newRow("hidden screenshot switch quits after showing")
            << QStringList{"--screenshot", "shot.png", "ravi.vug"} << Action::kRun << "ravi.vug"
            << true;
        QTest::newRow("--help") << QStringList{"--help"} << Action::kShowHelp << QString() << false;
        QTest::newRow("--version wins over a file")
            << QStringList{"ravi.vug", "--version"} << Action::kShowVersion << QString() << false;
        QTest::newRow("two chart files")
            << QStringList{"a.vug", "b.vug"} << Action::kUsageError << QString() << false;
        QTest::newRow("an unknown option")
            << QStringList{"--open", "a.vug"} << Action::kUsageError << QString() << false;
        QTest::newRow("an empty file name")
            << QStringList{""} << Action::kUsageError << QString() << false;
        QTest::newRow("Qt's own options with their values are left to Qt")
            << QStringList{"-platform", "offscreen", "--style=fusion", "-reverse", "ravi.vug"}
            << Action::kRun << "ravi.vug" << false;
        QTest::newRow("an unknown option beside Qt's")
            << QStringList{"-platform", "offscreen", "--bogus"} << Action::kUsageError << QString()
            << false;
    }

    void arguments() {
        QFETCH(QStringList, arguments);
        arguments.prepend(QStringLiteral("tamovid"));

        // As read before the application object exists, Qt's options still in.
        const WindowCommandLine parsed =
            tamovid::ParseWindowCommandLine(tamovid::WithoutToolkitOptions(arguments));

        QTEST(parsed.action, "action");
        QTEST(parsed.chartFile, "chartFile");
        QTEST(parsed.quitAfterShow, "quitAfterShow");
        if (parsed.action == Action::kUsageError) {
            QVERIFY2(parsed.text.contains(QStringLiteral("--help")), qPrintable(parsed.text));
        }
    }

    void versionAndHelpTexts() {
        const QString version = tamovid::ParseWindowCommandLine({"tamovid", "--version"}).text;
        QCOMPARE(version,
                 QStringLiteral("tamovid %1\n").arg(QString::fromUtf8(tamovid::kVersion.data())));
        const QString help = tamovid::ParseWindowCommandLine({"tamovid", "-h"}).text;
        QVERIFY2(help.contains(QStringLiteral("CHART.vug")), qPrintable(help));
        QVERIFY2(!help.contains(QStringLiteral("screenshot")),
                 "hidden switches stay out of the help");
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
