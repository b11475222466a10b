#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "tamovid/app/chartwindow/chart_window.h"
#include "tamovid/app/options/preferences.h"
#include "tamovid/birthentry/chart_session.h"
#include "tamovid/test_support/sample_entries.h"
#include "tamovid/test_support/birth_of.h"
#include "window_driver.h"

using tamovid::ChartBody;
using tamovid::ChartStyle;
using tamovid::ChartWindow;
using tamovid::testing::WindowDriver;

namespace {

// The sign whose cell holds a body's label, or -1.
int SignOf(const tamovid::ChartLayout& layout, ChartBody body) {
    for (const tamovid::ChartCell& cell : layout.cells) {
        for (const tamovid::ChartLabel& label : cell.labels) {
            if (label.body == body) return cell.sign;
        }
    }
    return -1;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT

private:
    WindowDriver d_;
    QTemporaryDir dir_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<tamovid::Preferences> preferences_;
    std::unique_ptr<tamovid::Preferences> nextRun_;

    // A chart window as the next run opens it, from what this one stored.
    std::unique_ptr<ChartWindow> NextRunsWindow() {
        nextRun_ = std::make_unique<tamovid::Preferences>(settings_.get());
        return std::make_unique<ChartWindow>(d_.ui, *nextRun_);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    ChartWindow* OpenDelhiChart() {
        d_.EnterDelhi1947();
        d_.Click(QStringLiteral("cmdCalculate"));
        d_.Click(QStringLiteral("cmdChart"));
        ChartWindow* chart = d_.window->Chart();
        if (chart != nullptr && !QTest::qWaitForWindowExposed(chart)) return nullptr;
        return chart;
    }

    // Pictures for the documentation, when a folder for them is named.
    static void Photograph(QWidget* window, const char* name) {
        const QByteArray folder = qgetenv("TAMOVID_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(
                window->grab().save(QString::fromLocal8Bit(folder) + u'/' + QLatin1String(name)));
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void init() {
        settings_ =
            std::make_unique<QSettings>(path(QStringLiteral("settings.ini")), QSettings::IniFormat);
        settings_->clear();
        d_.Start();
        preferences_ = std::make_unique<tamovid::Preferences>(settings_.get());
        d_.window->UsePreferences(*preferences_);
    }
    void cleanup() { d_.window.reset(); }

    void opensSwitchesStyleAndRemembersIt() {
        ChartWindow* chart = OpenDelhiChart();
        QVERIFY(chart != nullptr);
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->Style(), ChartStyle::kSouth);
        QCOMPARE(SignOf(chart->Layout(), ChartBody::kAscendant), 1);  // Taurus
        chart->resize(1080, 640);  // the chart and its table side by side
        Photograph(chart, "chart-south.png");

        auto* view = chart->findChild<QWidget*>(QStringLiteral("chartView"));
        QVERIFY(view->accessibleDescription().contains(
            QStringLiteral("House 1, Taurus: Ra 5\u00B004' R, As 7\u00B045'.")));
        QVERIFY(view->accessibleDescription().contains(
            QStringLiteral("House 3, Cancer: Mo 3\u00B058', Me 13\u00B040', Vy 18\u00B041', "
                           "Sa 20\u00B028', Ve 22\u00B033', Su 27\u00B059'.")));

        // Alt+N, as a keyboard user would.
        QTest::keyClick(chart, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(chart->Style(), ChartStyle::kNorth);
        QVERIFY(chart->findChild<QRadioButton*>(QStringLiteral("optNorth"))->isChecked());
        QCOMPARE(chart->Layout().style, ChartStyle::kNorth);
        Photograph(chart, "chart-north.png");

        QCOMPARE(NextRunsWindow()->Style(), ChartStyle::kNorth);
        QCOMPARE(d_.window->Printable()->style, ChartStyle::kNorth);
        settings_->setValue(QStringLiteral("Chart/Style"), QStringLiteral("sideways"));
        QCOMPARE(NextRunsWindow()->Style(), ChartStyle::kSouth);
    }

    void followsEachNewCalculation() {
        ChartWindow* chart = OpenDelhiChart();
        QVERIFY(chart != nullptr);
        d_.Click(QStringLiteral("cmdBack"));
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(chart->Layout().centreLines.front(), std::string("Dana Brooks"));
        QCOMPARE(chart->windowTitle(), QStringLiteral("Rasi Chart - Dana Brooks"));
        QVERIFY(SignOf(chart->Layout(), ChartBody::kAscendant) != 1);
    }

    void savesBothFormatsAndReportsWhatFails() {
        ChartWindow* chart = OpenDelhiChart();
        QVERIFY(chart != nullptr);
        d_.ui.imageAnswers = {path(QStringLiteral("delhi.svg")), path(QStringLiteral("delhi.png")),
                              path(QStringLiteral("delhi.jpg")),
                              path(QStringLiteral("missing/delhi.png"))};
        for (int i = 0; i < 4; ++i) d_.Click(QStringLiteral("cmdSaveImage"));

        QVERIFY(ReadAll(path(QStringLiteral("delhi.svg"))).contains(">As 7\u00B045'</text>"));
        const QImage png(path(QStringLiteral("delhi.png")));
        QCOMPARE(png.size(), QSize(1000, 1000));
        QCOMPARE(png.pixelColor(375, 200), QColor(Qt::white));  // files are black on white
        QVERIFY(!QFile::exists(path(QStringLiteral("delhi.jpg"))));
        QCOMPARE(d_.ui.messages.size(), size_t{2});
        QVERIFY(d_.ui.messages[0].text.contains(QStringLiteral(".svg or .png")));
        QCOMPARE(d_.ui.messages[1].icon, QMessageBox::Warning);
        QVERIFY(d_.ui.messages[1].text.contains(QStringLiteral("delhi.png")));
        // The first dialog offers the person's name and birth date, each later one the name chosen last.
        QCOMPARE(d_.ui.imageDialogNames.at(0), QStringLiteral("Asha Rao 1947-08-15.png"));
        QCOMPARE(d_.ui.imageDialogNames.at(1), path(QStringLiteral("delhi.svg")));
    }

    void copiesThePicture() {
        ChartWindow* chart = OpenDelhiChart();
        QVERIFY(chart != nullptr);
        QApplication::clipboard()->clear();
        d_.Click(QStringLiteral("cmdCopy"));
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied != nullptr);
        QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), QSize(1000, 1000));
        QVERIFY(copied->data(QStringLiteral("image/svg+xml")).contains("<text"));
    }

    // Ctrl+C in the positions table copies its rows, not the chart; the button the table.
    void copiesTheSelectedRowsAndTheTableAsText() {
        ChartWindow* chart = OpenDelhiChart();
        QVERIFY(chart != nullptr);
        tamovid::ChartSession session;
        session.Calculate(tamovid::testing_support::BirthOf(tamovid::testing_support::Delhi1947()));
        chart->SetGrahaTable(ComputeGrahaTable(session.reading()));
        auto* grid = chart->findChild<QTableWidget*>(QStringLiteral("grdGrahas"));
        QVERIFY(grid != nullptr && grid->isVisible());
        Photograph(chart, "chart-window-table.png");
        grid->setFocus();
        grid->selectRow(1);  // the Sun
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        QApplication::clipboard()->clear();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Sun\tCancer\t27\u00B059'\tAshlesha\t4\t3\t\tPisces\n"
                                "Moon\tCancer\t3\u00B058'\tPushya\t1\t3\t\tLeo\n"));
        d_.Click(QStringLiteral("cmdCopyTable"));
        const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 17);  // the column names, 15 rows, the last line break
        QCOMPARE(lines[0],
                 QStringLiteral("Name\tSign\tDegrees\tNakshatra\tPada\tHouse\tRetrograde\tNavamsa"));
        QCOMPARE(lines[9],
                 QStringLiteral("Rahu\tTaurus\t5\u00B004'\tKrittika\t3\t1\tR\tAquarius"));
        // A new reading empties the table until its own is given.
        chart->ShowReading(session.reading());
        QVERIFY(!grid->isVisible());
    }

    // Alt+D reaches the divisional charts; the Navamsa is drawn in either style with every
    // body, by its sign alone, and stays chosen for the next calculation.
    void drawsTheChosenDivisionalChart() {
        ChartWindow* chart = OpenDelhiChart();
        QVERIFY(chart != nullptr);
        chart->resize(1080, 640);
        QTest::keyClick(chart, Qt::Key_D, Qt::AltModifier);
        auto* choice = chart->findChild<QComboBox*>(QStringLiteral("cboVarga"));
        QTRY_VERIFY(choice->hasFocus());
        QCOMPARE(choice->itemText(1), QStringLiteral("D9 Navamsa"));
        QCOMPARE(choice->itemText(15), QStringLiteral("D60 Shashtiamsa"));
        QTest::keyClick(choice, Qt::Key_Down);
        QCOMPARE(chart->Shown(), tamovid::Varga::kD9);
        QCOMPARE(chart->Layout().centreLines.front(), std::string("D9 Navamsa"));
        QCOMPARE(SignOf(chart->Layout(), ChartBody::kAscendant), 11);  // Pisces
        int labels = 0;
        for (const auto& cell : chart->Layout().cells) labels += static_cast<int>(cell.labels.size());
        QCOMPARE(labels, 17);  // the Ascendant, 9 grahas, 5 points, Gulika and Mandi
        Photograph(chart, "navamsa-south.png");
        chart->SetStyle(ChartStyle::kNorth);
        QCOMPARE(SignOf(chart->Layout(), ChartBody::kAscendant), 11);
        Photograph(chart, "navamsa-north.png");
        d_.Click(QStringLiteral("cmdBack"));
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(chart->Shown(), tamovid::Varga::kD9);
        chart->SetStyle(ChartStyle::kSouth);
        QCOMPARE(chart->Layout().centreLines.at(1), std::string("Dana Brooks"));
    }

    // The table lists the six; the chart draws Gulika and Mandi, the other four on request,
    // and remembers the request.
    void showsTheSixUpagrahasAndTheOtherFourOnRequest() {
        ChartWindow* chart = OpenDelhiChart();
        QVERIFY(chart != nullptr);
        auto* grid = chart->findChild<QTableWidget*>(QStringLiteral("grdGrahas"));
        QCOMPARE(grid->rowCount(), 21);
        QCOMPARE(grid->item(15, 0)->text(), QStringLiteral("Kala"));
        QCOMPARE(grid->item(20, 0)->text(), QStringLiteral("Mandi"));
        QVERIFY(SignOf(chart->Layout(), ChartBody::kGulika) >= 0);
        QVERIFY(SignOf(chart->Layout(), ChartBody::kMandi) >= 0);
        QCOMPARE(SignOf(chart->Layout(), ChartBody::kKala), -1);

        auto* all = chart->findChild<QCheckBox*>(QStringLiteral("chkAllUpagrahas"));
        QTest::keyClick(chart, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(all->isChecked());
        QVERIFY(SignOf(chart->Layout(), ChartBody::kKala) >= 0);
        chart->resize(1180, 700);
        Photograph(chart, "chart-six-south.png");
        chart->SetStyle(ChartStyle::kNorth);
        Photograph(chart, "chart-six-north.png");
        QVERIFY(NextRunsWindow()->findChild<QCheckBox*>(QStringLiteral("chkAllUpagrahas"))
                    ->isChecked());
    }

    void refusedBeforeAnyCalculationAndOpenedByItsMnemonic() {
        d_.window->cmdChart_Click();
        QCOMPARE(d_.window->Chart(), nullptr);
        QCOMPARE(d_.ui.messages.size(), size_t{1});

        d_.EnterDelhi1947();
        d_.Click(QStringLiteral("cmdCalculate"));
        Photograph(d_.window.get(), "chart-button.png");
        QTest::keyClick(d_.window.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(d_.window->Chart() != nullptr && d_.window->Chart()->isVisible());
    }
};

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"
