// Every chart file the tests know, opened in the window and by the command-line tool:
// both must show the same reading and zone and save the same bytes.
#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fake_user_interface.h"
#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/chartfile/text_shift.h"
#include "tamovid/cli/reading_output.h"
#include "tamovid/cli/run.h"
#include "tamovid/positions/tables.h"
#include "window_driver.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

std::string Shifted(const QStringList& lines) {
    std::string bytes;
    for (const QString& line : lines) bytes += tamovid::ScrambleText(line.toStdString()) + "\r\n";
    return bytes;
}

const QStringList kDelhi = {"Asha Rao", "8",     "15",    "1947",      "0",     "0",
                            "34",       "77",    "13",    "28",        "39",    "True",
                            "False",    "False", "New Delhi", "Delhi", "India"};

QStringList With(int line, const QString& value) {
    QStringList lines = kDelhi;
    lines[line] = value;
    return lines;
}

}  // namespace

class FrontEndsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void sameReadingZoneAndSavedBytes_data() {
        QTest::addColumn<QByteArray>("bytes");  // empty: the sample chart of the tests
        QTest::newRow("sample chart") << QByteArray();
        QTest::newRow("Delhi") << QByteArray::fromStdString(Shifted(kDelhi));
        QTest::newRow("exact zone lines")
            << QByteArray::fromStdString(Shifted(kDelhi) + "utc_offset=+05:45\r\ntz=Asia/Kathmandu\r\n");
    }

    void sameReadingZoneAndSavedBytes() {
        QFETCH(QByteArray, bytes);
        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        const QString chart =
            bytes.isEmpty() ? QStringLiteral(TAMOVID_SAMPLE_CHART) : Write(name, bytes);
        tamovid::testing::WindowDriver d;
        Open(d, chart);
        const auto printable = d.window->Printable();
        QVERIFY2(printable.has_value(), "the window calculated nothing");
        const QString windowSave = dir_.filePath(name + QStringLiteral("-window.vug"));
        d.ui.saveAnswers.push_back(windowSave);
        d.Click(QStringLiteral("cmdSave"));

        const std::string cliSave = dir_.filePath(name + QStringLiteral("-cli.vug")).toStdString();
        const std::string chartPath = QFile::encodeName(chart).toStdString();
        const std::vector<const char*> argv = {"tamovid-cli", "--open", chartPath.c_str(), "--json",
                                               "--save", cliSave.c_str()};
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        QCOMPARE(tamovid::cli::RunCli(static_cast<int>(argv.size()), argv.data(), in, out, err), 0);

        QCOMPARE(QString::fromStdString(out.str()),
                 QString::fromStdString(tamovid::cli::ReadingJsonText(printable->reading) + "\n"));
        const auto zoneRow = printable->reading.birth.TableRow();
        const std::string cliZone =
            zoneRow ? std::string(tamovid::strTimeZones[static_cast<std::size_t>(*zoneRow)]) : "";
        QCOMPARE(QString::fromStdString(printable->zoneLabel), QString::fromStdString(cliZone));
        QCOMPARE(ReadAll(windowSave), ReadAll(QString::fromStdString(cliSave)));
    }

    void damagedFilesAreRefusedAlike_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zone line unreadable")
            << QByteArray::fromStdString(Shifted(With(6, QStringLiteral("x"))));
        QTest::newRow("zone beyond the list")
            << QByteArray::fromStdString(Shifted(With(6, QStringLiteral("71"))));
        QTest::newRow("no daylight line")
            << QByteArray::fromStdString(Shifted(With(13, QStringLiteral("Maybe"))));
        // Lines that read well but give no birth: the form's own refusals, in its order.
        QTest::newRow("no name") << QByteArray::fromStdString(Shifted(With(0, QString())));
        QStringList february = With(2, QStringLiteral("30"));
        february[1] = QStringLiteral("2");
        QTest::newRow("30 February") << QByteArray::fromStdString(Shifted(february));
    }

    // A line that cannot be read as its field makes the file damaged, and a file whose
    // lines give no birth is refused: neither program calculates a chart, and both say the
    // same.
    void damagedFilesAreRefusedAlike() {
        QFETCH(QByteArray, bytes);
        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        const QString chart = Write(name + QStringLiteral("-damaged"), bytes);
        tamovid::testing::WindowDriver d;
        Open(d, chart);
        QVERIFY(!d.window->Printable().has_value());
        QCOMPARE(d.ui.messages.size(), std::size_t{1});

        const std::string chartPath = QFile::encodeName(chart).toStdString();
        const std::vector<const char*> argv = {"tamovid-cli", "--open", chartPath.c_str()};
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        QVERIFY(tamovid::cli::RunCli(static_cast<int>(argv.size()), argv.data(), in, out, err) != 0);
        QCOMPARE(QString::fromStdString(err.str()),
                 QStringLiteral("tamovid-cli: ") + d.ui.messages.front().text + u'\n');
    }

private:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString chart = dir_.filePath(name + QStringLiteral(".vug"));
        std::ofstream(QFile::encodeName(chart).toStdString(), std::ios::binary)
            << bytes.toStdString();
        return chart;
    }

    static void Open(tamovid::testing::WindowDriver& d, const QString& chart) {
        d.Start();
        d.ui.openAnswers.push_back(chart);
        d.Click(QStringLiteral("cmdOpen"));
    }

    QTemporaryDir dir_;
};

QTEST_MAIN(FrontEndsTest)
#include "front_ends_test.moc"
