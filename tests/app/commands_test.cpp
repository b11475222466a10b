#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QDropEvent>
#include <QGroupBox>
#include <QListView>
#include <QMimeData>
#include <QPrinter>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <string>

#include "tamovid/app/dialogs/chart_dialog.h"
#include "tamovid/app/chartwindow/chart_window.h"
#include "tamovid/app/mainform/field_filter.h"
#include "tamovid/app/dialogs/reading_export.h"
#include "tamovid/app/desktop/web_links.h"
#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/chartfile/text_shift.h"
#include "window_driver.h"

using tamovid::testing::WindowDriver;

Q_DECLARE_METATYPE(tamovid::ChartDialog)

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A chart file written by hand: each value shifted, CR LF after each line.
void WriteChart(const QString& path, const QStringList& values) {
    std::string bytes;
    for (const QString& value : values) {
        bytes += tamovid::ScrambleText(value.toLatin1().toStdString()) + "\r\n";
    }
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << bytes;
}

const QStringList kDelhiLines = {"Asha Rao", "8",     "15",        "1947",  "0",    "0",
                                 "34",       "77",    "13",        "28",    "39",   "True",
                                 "False",    "False", "New Delhi", "Delhi", "India"};

QStringList Lines(const std::array<std::string, 5>& lines) {
    QStringList out;
    for (const std::string& line : lines) {
        out << QString::fromStdString(line);
    }
    return out;
}

// The state of every input control, for comparing two windows.
QStringList InputState(const WindowDriver& d) {
    QStringList state;
    for (const char* name : {"txtName", "txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin",
                             "txtCity", "txtState", "txtCountry"}) {
        state << d.field(QString::fromLatin1(name))->text();
    }
    for (const char* name :
         {"cboDate", "cboMonth", "cboYear", "cboHour", "cboMinute", "cboTimeZone"}) {
        state << d.child<QComboBox>(QString::fromLatin1(name))->currentText();
    }
    for (const char* name : {"optLat0", "optLat1", "optLong0", "optLong1", "chkDST"}) {
        state << (d.child<QAbstractButton>(QString::fromLatin1(name))->isChecked() ? "on" : "off");
    }
    return state;
}

// Runs the action with files limited to this many bytes, as a full disk refuses them; the
// write that crosses the limit fails instead of stopping the test.
void WithFileSizeLimit(rlim_t bytes, const std::function<void()>& action) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = bytes;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    action();
    ::setrlimit(RLIMIT_FSIZE, &saved);
}

// Leaves both options of a pair unchosen, which the window itself never does.
void ClearPair(WindowDriver& d, const char* first, const char* second) {
    for (const char* name : {first, second}) {
        auto* option = d.child<QRadioButton>(QString::fromLatin1(name));
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private:
    WindowDriver d_;
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    void CalculateDelhi() {
        d_.EnterDelhi1947();
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.Text(QStringLiteral("lblSun")), QStringLiteral("27 Can 59"));
    }

    void SaveAs(const QString& file) {
        d_.ui.saveAnswers.push_back(file);
        d_.Click(QStringLiteral("cmdSave"));
    }

    // Exactly one message was shown, a warning, and its text holds every part.
    void ExpectOneWarning(const QStringList& parts) {
        QCOMPARE(d_.ui.messages.size(), std::size_t{1});
        for (const QString& part : parts) {
            QVERIFY2(d_.ui.messages.front().text.contains(part),
                     qPrintable(d_.ui.messages.front().text));
        }
        QCOMPARE(d_.ui.messages.front().icon, QMessageBox::Warning);
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void init() { d_.Start(); }
    void cleanup() { d_.window.reset(); }

    void delhi1947ShowsSunAscendantAndDhuma() {
        d_.EnterDelhi1947();
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.MessageTexts(), QStringList());
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
        QCOMPARE(d_.Text(QStringLiteral("lblSun")), QStringLiteral("27 Can 59"));
        QCOMPARE(d_.Text(QStringLiteral("lblAsc")), QStringLiteral("07 Tau 45"));
        const QStringList dhuma = d_.ResultLines();
        QCOMPARE(dhuma.at(0), QStringLiteral("Position at 11 Sag 19"));
        QCOMPARE(dhuma.at(1), QStringLiteral("Lord is Mars"));
        QVERIFY(!dhuma.at(2).isEmpty());
        QCOMPARE(dhuma.at(3), QStringLiteral("Dhuma is in the house 8 from the Ascendant"));
        QVERIFY(!dhuma.at(4).isEmpty());
        QCOMPARE(d_.child<QTabBar>(QStringLiteral("TS"))->currentIndex(), 0);
        QCOMPARE(d_.window->LastRecord().intYear, 1947);
        QCOMPARE(d_.window->LastRecord().vntZoneMinute, -30);
    }

    void everyTabShowsItsPointOfTheCalculation_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("house");
        QTest::newRow("Vyatipata") << 1 << "Position at 18 Can 41"
                                   << "Vyatipata is in the house 3 from the Ascendant";
        QTest::newRow("Parivesha") << 2 << "Position at 18 Cap 41"
                                   << "Parivesha is in the house 9 from the Ascendant";
        QTest::newRow("Chapa") << 3 << "Position at 11 Gem 19"
                               << "Chapa is in the house 2 from the Ascendant";
        QTest::newRow("Upaketu") << 4 << "Position at 27 Gem 59"
                                 << "Upaketu is in the house 2 from the Ascendant";
        QTest::newRow("back to Dhuma") << 0 << "Position at 11 Sag 19"
                                       << "Dhuma is in the house 8 from the Ascendant";
    }
    void everyTabShowsItsPointOfTheCalculation() {
        QFETCH(int, tab);
        QFETCH(QString, position);
        QFETCH(QString, house);
        CalculateDelhi();
        auto* tabs = d_.child<QTabBar>(QStringLiteral("TS"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab == 0 ? 2 : 0).center());
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        const QStringList lines = d_.ResultLines();
        QCOMPARE(lines.at(0), position);
        QCOMPARE(lines.at(3), house);
        QCOMPARE(lines, Lines(tamovid::ResultLines(d_.window->LastReading(),
                                                   static_cast<tamovid::AprakashaPoint>(tab))));
        QCOMPARE(d_.Text(QStringLiteral("lblSun")), QStringLiteral("27 Can 59"));
    }

    void menuItemCalculatesAsTheButtonDoes() {
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        const QStringList byButton = d_.ResultLines() << d_.Text(QStringLiteral("lblSun"))
                                                      << d_.Text(QStringLiteral("lblAsc"));
        const tamovid::BirthRecord record = d_.window->LastRecord();
        d_.Click(QStringLiteral("cmdBack"));
        d_.window->findChild<QAction*>(QStringLiteral("mnuCalculate"))->trigger();
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
        QCOMPARE(d_.ResultLines() << d_.Text(QStringLiteral("lblSun"))
                                  << d_.Text(QStringLiteral("lblAsc")),
                 byButton);
        QVERIFY(d_.window->LastRecord() == record);
        QCOMPARE(d_.MessageTexts(), QStringList());
        // and then shows the chart, which the button leaves to "Rasi Chart"
        QVERIFY(d_.window->Chart() != nullptr && d_.window->Chart()->isVisible());
        QVERIFY(record.blnDST);
        QVERIFY(!record.blnEast);
    }

    // An opened chart showed only the Sun and the Ascendant, never whose chart it was.
    void resultPanelSaysWhoseChartItIsAfterTypingAndAfterOpening() {
        CalculateDelhi();
        QCOMPARE(d_.Text(QStringLiteral("lblHeadline")),
                 QString::fromUtf8("Asha Rao \u00B7 15 August 1947 \u00B7 00:00 \u00B7 New Delhi, "
                                   "Delhi, India"));
        SaveAs(path(QStringLiteral("other.vug")));
        d_.Click(QStringLiteral("cmdBack"));
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        QVERIFY(d_.Text(QStringLiteral("lblHeadline")).startsWith(QStringLiteral("Dana Brooks")));
        d_.window->OpenChartFile(path(QStringLiteral("other.vug")));
        QVERIFY(d_.Text(QStringLiteral("lblHeadline")).startsWith(QStringLiteral("Asha Rao")));
    }

    void menuItemRefusesAsTheButtonDoes() {
        d_.window->findChild<QAction*>(QStringLiteral("mnuCalculate"))->trigger();
        QCOMPARE(d_.MessageTexts(), QStringList{"Please Enter Your Name"});
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
        QVERIFY(d_.window->Chart() == nullptr);
    }

    void emptyFieldIsRefusedWithItsMessageAndFocus_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("name") << "txtName"
                              << "Please Enter Your Name";
        QTest::newRow("latitude degrees") << "txtLatDeg"
                                          << "Please Enter Degree of Latitude";
        QTest::newRow("latitude minutes") << "txtLatMin"
                                          << "Please Enter Minutes of Latitude";
        QTest::newRow("longitude degrees") << "txtLonDeg"
                                           << "Please Enter Degree of Longitude";
        QTest::newRow("longitude minutes") << "txtLonMin"
                                           << "Please Enter Minute of Longitude";
        QTest::newRow("city") << "txtCity"
                              << "Please Enter Your City name";
        QTest::newRow("state") << "txtState"
                               << "Please Enter Your State name";
        QTest::newRow("country") << "txtCountry"
                                 << "Please Enter Your Country name";
    }
    void emptyFieldIsRefusedWithItsMessageAndFocus() {
        QFETCH(QString, field);
        QFETCH(QString, message);
        d_.EnterDelhi1947();
        d_.Type(field, QString());
        d_.field(QStringLiteral("txtName"))->setFocus();
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.MessageTexts(), QStringList{message});
        QCOMPARE(d_.ui.messages.front().icon, QMessageBox::Critical);
        QCOMPARE(d_.FocusName(), field);
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
    }

    void emptyFormGivesOnlyTheNameMessage() {
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.MessageTexts(), QStringList{"Please Enter Your Name"});
    }

    void blankNameCountsAsAName() {
        d_.EnterDelhi1947();
        d_.Type(QStringLiteral("txtName"), QStringLiteral("   "));
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.MessageTexts(), QStringList());
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
    }

    void impossibleDateOrPlaceIsRefused_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QString>("focus");
        const auto info = QMessageBox::Information;
        QTest::newRow("29 February 1905") << "29"
                                          << "February"
                                          << "1905"
                                          << "28"
                                          << "Please Enter Correct Date Or Month!" << info << "";
        QTest::newRow("30 February 2000") << "30"
                                          << "February"
                                          << "2000"
                                          << "28"
                                          << "Please Enter Correct Date Or Month!" << info << "";
        QTest::newRow("31 April") << "31"
                                  << "April"
                                  << "1947"
                                  << "28"
                                  << "Please Enter Correct Date Or Month !" << info << "";
        QTest::newRow("31 November") << "31"
                                     << "November"
                                     << "1947"
                                     << "28"
                                     << "Please Enter Correct Date Or Month !" << info << "";
        QTest::newRow("latitude beyond the pole")
            << "15"
            << "August"
            << "1947"
            << "91"
            << "Please Enter Correct Degree of Latitude" << QMessageBox::Critical << "txtLatDeg";
        QTest::newRow("29 February 1904 passes") << "29"
                                                 << "February"
                                                 << "1904"
                                                 << "28"
                                                 << "" << info << "";
        QTest::newRow("31 May passes") << "31"
                                       << "May"
                                       << "1947"
                                       << "28"
                                       << "" << info << "";
    }
    void impossibleDateOrPlaceIsRefused() {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, latitude);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QString, focus);
        d_.EnterDelhi1947();
        d_.Choose(QStringLiteral("cboDate"), day);
        d_.Choose(QStringLiteral("cboMonth"), month);
        d_.Choose(QStringLiteral("cboYear"), year);
        d_.Type(QStringLiteral("txtLatDeg"), latitude);
        d_.Click(QStringLiteral("cmdCalculate"));
        if (message.isEmpty()) {
            QCOMPARE(d_.MessageTexts(), QStringList());
            QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
            return;
        }
        QCOMPARE(d_.MessageTexts(), QStringList{message});
        QCOMPARE(d_.ui.messages.front().icon, icon);
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
        if (!focus.isEmpty()) {
            QCOMPARE(d_.FocusName(), focus);
        }
    }

    void missingDirectionIsChosenAndTheUserAskedAgain_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        QTest::newRow("latitude: North chosen") << "optLat0"
                                                << "optLat1"
                                                << "Please Select Direction For The Latitude";
        QTest::newRow("longitude: East chosen") << "optLong0"
                                                << "optLong1"
                                                << "Please Select Direction For The Longitude";
    }
    void missingDirectionIsChosenAndTheUserAskedAgain() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, message);
        d_.EnterDelhi1947();
        ClearPair(d_, qPrintable(first), qPrintable(second));
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.MessageTexts(), QStringList{message});
        QCOMPARE(d_.ui.messages.front().icon, QMessageBox::Critical);
        QVERIFY(d_.child<QRadioButton>(first)->isChecked());
        QVERIFY(!d_.child<QRadioButton>(second)->isChecked());
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));  // the user presses again
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
    }

    void refusedCalculationKeepsThePreviousChart() {
        CalculateDelhi();
        const tamovid::BirthRecord record = d_.window->LastRecord();
        const QStringList shown = d_.ResultLines();
        d_.Click(QStringLiteral("cmdBack"));
        d_.EnterNewYork1976();
        d_.Type(QStringLiteral("txtCountry"), QString());
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.MessageTexts(), QStringList{"Please Enter Your Country name"});
        QVERIFY(d_.window->LastRecord() == record);
        QCOMPARE(d_.ResultLines(), shown);
        QCOMPARE(d_.Text(QStringLiteral("lblSun")), QStringLiteral("27 Can 59"));
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
    }

    void calculatingTwiceGivesTheSameChart() {
        CalculateDelhi();
        const tamovid::BirthRecord record = d_.window->LastRecord();
        const QStringList shown = d_.ResultLines();
        d_.Click(QStringLiteral("cmdBack"));
        d_.Click(QStringLiteral("cmdCalculate"));
        QVERIFY(d_.window->LastRecord() == record);
        QCOMPARE(d_.ResultLines(), shown);
    }

    // --- place lookup ---

    void lookupNeedsCityStateAndCountry_data() {
        QTest::addColumn<QString>("empty");
        QTest::addColumn<QString>("message");
        QTest::newRow("city") << "txtCity"
                              << "Please Enter City";
        QTest::newRow("state; the country is not looked at") << "txtState"
                                                             << "Please Enter State";
        QTest::newRow("country") << "txtCountry"
                                 << "Please Enter Country";
    }
    void lookupNeedsCityStateAndCountry() {
        QFETCH(QString, empty);
        QFETCH(QString, message);
        d_.Type(QStringLiteral("txtCity"), QStringLiteral("Pune"));
        d_.Type(QStringLiteral("txtState"), QStringLiteral("Maharashtra"));
        if (empty != QLatin1String("txtState")) {
            d_.Type(QStringLiteral("txtCountry"), QStringLiteral("India"));
        }
        d_.Type(empty, QString());
        d_.field(QStringLiteral("txtName"))->setFocus();
        d_.Click(QStringLiteral("Command1"));
        QCOMPARE(d_.MessageTexts(), QStringList{message});
        QCOMPARE(d_.ui.messages.front().icon, QMessageBox::Critical);
        QCOMPARE(d_.FocusName(), empty);
        QVERIFY(d_.ui.urls.empty());
    }

    void lookupOpensAWebSearchForThePlace() {
        d_.Type(QStringLiteral("txtCity"), QStringLiteral("Pune"));
        d_.Type(QStringLiteral("txtState"), QStringLiteral("Maharashtra"));
        d_.Type(QStringLiteral("txtCountry"), QStringLiteral("India "));
        d_.Click(QStringLiteral("Command1"));
        QCOMPARE(d_.MessageTexts(), QStringList());
        QCOMPARE(d_.ui.urls.size(), std::size_t{1});
        const QUrl url = d_.ui.urls.front();
        QCOMPARE(url.toString(QUrl::FullyEncoded),
                 tamovid::SearchTemplate().arg(
                     QStringLiteral("Pune%20Maharashtra%20India%20%20Latitude%20Longitude")));
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
                 QStringLiteral("Pune Maharashtra India  Latitude Longitude"));
    }

    void lookupWithoutABrowserTellsTheUser() {
        d_.ui.browserOpens = false;
        d_.Type(QStringLiteral("txtCity"), QStringLiteral("Pune"));
        d_.Type(QStringLiteral("txtState"), QStringLiteral("Maharashtra"));
        d_.Type(QStringLiteral("txtCountry"), QStringLiteral("India"));
        const QStringList before = InputState(d_);
        d_.Click(QStringLiteral("Command1"));
        ExpectOneWarning({QStringLiteral("web browser")});
        QCOMPARE(InputState(d_), before);
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
    }

    // A page link that no browser takes says so with the address, once per page.
    void pageWithoutABrowserIsToldOncePerPageWithItsAddress() {
        d_.ui.browserOpens = false;
        QAction* donate = d_.window->findChild<QAction*>(QStringLiteral("mnuDonate"));
        donate->trigger();
        donate->trigger();
        QTest::mouseClick(d_.child(QStringLiteral("Label8")), Qt::LeftButton);
        QCOMPARE(d_.ui.urls.size(), std::size_t{3});  // every click still tries the browser
        QCOMPARE(d_.ui.messages.size(), std::size_t{2});
        QVERIFY(d_.ui.messages[0].text.endsWith(
            tamovid::WebAddress(tamovid::WebPage::kDonate).toString()));
        QVERIFY(d_.ui.messages[1].text.endsWith(
            tamovid::WebAddress(tamovid::WebPage::kHomePage).toString()));
        QCOMPARE(d_.ui.messages[1].icon, QMessageBox::Warning);
    }

    void searchAddressEncodesTheWholeQuery_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("searchTemplate");
        QTest::addColumn<QString>("address");
        const QString ddg = QStringLiteral("https://duckduckgo.com/?q=%1");
        QTest::newRow("blanks") << "Pune Maharashtra" << ddg
                                << "https://duckduckgo.com/?q=Pune%20Maharashtra";
        QTest::newRow("ampersand and hash cannot split the address")
            << "A&b=c#d" << ddg << "https://duckduckgo.com/?q=A%26b%3Dc%23d";
        QTest::newRow("plus and percent")
            << "1+1 100%" << ddg << "https://duckduckgo.com/?q=1%2B1%20100%25";
        QTest::newRow("non-ASCII as UTF-8") << QString::fromUtf8("S\u00e3o Paulo") << ddg
                                            << "https://duckduckgo.com/?q=S%C3%A3o%20Paulo";
        QTest::newRow("another search site") << "Pune"
                                             << "https://search.example/find?lang=en&text=%1"
                                             << "https://search.example/find?lang=en&text=Pune";
    }
    void searchAddressEncodesTheWholeQuery() {
        QFETCH(QString, query);
        QFETCH(QString, searchTemplate);
        QFETCH(QString, address);
        const QUrl url = tamovid::WebSearchAddress(query, searchTemplate);
        QVERIFY(url.isValid());
        QCOMPARE(url.toString(QUrl::FullyEncoded), address);
    }

    // --- save and open ---

    void chartDialogsCarryTheirSettings_data() {
        QTest::addColumn<tamovid::ChartDialog>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QFileDialog::AcceptMode>("acceptMode");
        QTest::addColumn<QFileDialog::FileMode>("fileMode");
        QTest::newRow("Save") << tamovid::ChartDialog::kSave << "Tamovid" << QFileDialog::AcceptSave
                              << QFileDialog::AnyFile;
        QTest::newRow("Open") << tamovid::ChartDialog::kOpen << "Select the source file"
                              << QFileDialog::AcceptOpen << QFileDialog::ExistingFile;
    }
    void chartDialogsCarryTheirSettings() {
        QFETCH(tamovid::ChartDialog, kind);
        QFETCH(QString, title);
        QFETCH(QFileDialog::AcceptMode, acceptMode);
        QFETCH(QFileDialog::FileMode, fileMode);
        const auto dialog = tamovid::MakeChartDialog(kind, QString(), nullptr);
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(dialog->nameFilters(), QStringList{"Zerin Vedic Apraksha Grahas (*.vug)"});
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("vug"));
        QCOMPARE(dialog->acceptMode(), acceptMode);
        QCOMPARE(dialog->fileMode(), fileMode);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(!dialog->testOption(QFileDialog::ReadOnly));
    }

    // The dialog listed "B.VUG" too, which Open then refused.
    void chartDialogsListOnlyTheFilesOpenTakes() {
        QTemporaryDir dir;
        for (const char* name : {"a.vug", "B.VUG", "c.Vug", "d.txt"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const auto dialog = tamovid::MakeChartDialog(tamovid::ChartDialog::kOpen, QString(), nullptr);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setDirectory(dir.path());
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(view != nullptr);
        const auto listed = [view] {
            QStringList names;
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
                const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
                if (index.flags() & Qt::ItemIsEnabled) names << index.data().toString();
            }
            return names;
        };
        QTRY_COMPARE(listed(), QStringList{QStringLiteral("a.vug")});
    }

    void saveAndOpenGiveTheSameControlsAndResults_data() {
        QTest::addColumn<int>("chart");
        QTest::newRow("Delhi 1947, north and east") << 0;
        QTest::newRow("New York 1976, west with daylight saving") << 1;
        QTest::newRow("Sao Paulo 1990, south and west") << 2;
    }
    void saveAndOpenGiveTheSameControlsAndResults() {
        QFETCH(int, chart);
        switch (chart) {
            case 0:
                d_.EnterDelhi1947();
                break;
            case 1:
                d_.EnterNewYork1976();
                break;
            default:
                d_.EnterSaoPaulo1990();
                break;
        }
        d_.Click(QStringLiteral("cmdCalculate"));
        const QStringList controls = InputState(d_);
        const QStringList results = d_.ResultLines() << d_.Text(QStringLiteral("lblSun"))
                                                     << d_.Text(QStringLiteral("lblAsc"));
        const tamovid::BirthRecord record = d_.window->LastRecord();
        const QString file = path(QStringLiteral("round-trip-%1.vug").arg(chart));
        SaveAs(file);
        QCOMPARE(d_.MessageTexts(), QStringList());
        QCOMPARE(ReadAll(file).count("\r\n"), 17);

        d_.Start();  // a new session: every control at its start value
        d_.ui.openAnswers.push_back(file);
        d_.Click(QStringLiteral("cmdOpen"));
        QCOMPARE(d_.MessageTexts(), QStringList());
        QCOMPARE(InputState(d_), controls);
        QCOMPARE(d_.ResultLines() << d_.Text(QStringLiteral("lblSun"))
                                  << d_.Text(QStringLiteral("lblAsc")),
                 results);
        QVERIFY(d_.window->LastRecord() == record);
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
        QCOMPARE(d_.window->SaveFileName(), QString());  // Open does not change it
    }

    void saveOffersTheLastNameAndCancelChangesNothing() {
        CalculateDelhi();
        const QString file = path(QStringLiteral("offered.vug"));
        SaveAs(file);
        const QByteArray written = ReadAll(file);
        d_.Click(QStringLiteral("cmdBack"));
        d_.Type(QStringLiteral("txtName"), QStringLiteral("Someone Else"));
        d_.Click(QStringLiteral("cmdCalculate"));
        d_.Click(QStringLiteral("cmdSave"));  // no answer scripted: the dialog is cancelled
        QCOMPARE(d_.ui.saveDialogNames, (std::vector<QString>{QString(), file}));
        QCOMPARE(ReadAll(file), written);
        QCOMPARE(d_.window->SaveFileName(), file);
        QCOMPARE(d_.MessageTexts(), QStringList());
    }

    void saveBeforeAnyCalculationSaysSo() {
        d_.Click(QStringLiteral("cmdSave"));
        QCOMPARE(d_.ui.messages.size(), std::size_t{1});
        QCOMPARE(d_.ui.messages.front().icon, QMessageBox::Information);
        QVERIFY(d_.ui.saveDialogNames.empty());
    }

    void printAndExportBeforeAnyCalculationSaySo_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("print") << "mnuPrint";
        QTest::newRow("export") << "mnuExportPdf";
    }
    void printAndExportBeforeAnyCalculationSaySo() {
        QFETCH(QString, action);
        d_.window->findChild<QAction*>(action)->trigger();
        QCOMPARE(d_.ui.messages.size(), std::size_t{1});
        QVERIFY(d_.ui.messages.front().text.startsWith(QStringLiteral("There is no reading to")));
        QCOMPARE(d_.ui.messages.front().icon, QMessageBox::Information);
        QVERIFY(d_.ui.pdfDialogNames.empty());
        QVERIFY(d_.ui.printRequests.empty());
    }

    void ctrlPShowsThePreviewOfTheReadingsPages() {
        CalculateDelhi();
        QTest::keyClick(d_.window.get(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(d_.ui.printRequests.size(), std::size_t{1});
        const tamovid::PrintRequest& request = d_.ui.printRequests.front();
        QCOMPARE(request.documentName, QStringLiteral("Asha Rao 1947-08-15"));
        const QString file = path(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        request.setUp(printer);
        request.paint(printer);
        QVERIFY(ReadAll(file).startsWith("%PDF"));
        QCOMPARE(d_.MessageTexts(), QStringList());
    }

    void ctrlEExportsThePdfAndOffersTheNameAgain() {
        CalculateDelhi();
        const QString file = path(QStringLiteral("exported.pdf"));
        d_.ui.pdfAnswers.push_back(file);
        QTest::keyClick(d_.window.get(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(ReadAll(file).startsWith("%PDF"));
        d_.window->findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();  // cancelled
        QCOMPARE(d_.ui.pdfDialogNames,
                 (std::vector<QString>{QStringLiteral("Asha Rao 1947-08-15.pdf"), file}));
        QCOMPARE(d_.MessageTexts(), QStringList());
    }

    void failedExportTellsTheFileAndKeepsTheEarlierOne() {
        CalculateDelhi();
        const QString file = path(QStringLiteral("kept.pdf"));
        d_.ui.pdfAnswers.push_back(file);
        d_.window->findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
        const QByteArray earlier = ReadAll(file);
        QVERIFY(earlier.startsWith("%PDF"));

        d_.ui.pdfAnswers.push_back(file);
        WithFileSizeLimit(4096, [this] {
            d_.window->findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
        });

        ExpectOneWarning({file});
        QCOMPARE(ReadAll(file), earlier);
    }

    // The next person's reading is offered under their own name, in the folder chosen last.
    void exportOffersAnotherChartItsOwnNameInTheLastFolder() {
        CalculateDelhi();
        d_.ui.pdfAnswers.push_back(path(QStringLiteral("mine.pdf")));
        d_.window->findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
        d_.Click(QStringLiteral("cmdBack"));
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        d_.window->findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
        QCOMPARE(d_.ui.pdfDialogNames.at(1), path(QStringLiteral("Dana Brooks 1976-07-04.pdf")));
    }

    // F5: a character the file cannot hold is refused, not silently dropped.
    void nameTheFileCannotHoldIsRefusedNamingTheField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("label");
        QTest::newRow("accented name") << "txtName" << QString::fromUtf8("Ren\u00e9e") << "name";
        QTest::newRow("city beyond the code page")
            << "txtCity" << QString::fromUtf8("\u0416ukovsky") << "city";
    }
    void nameTheFileCannotHoldIsRefusedNamingTheField() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, label);
        d_.EnterDelhi1947();
        tamovid::FieldFilter::Of(d_.field(field))->SetTextAsStored(text);
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
        const QString file = path(QStringLiteral("refused-%1.vug").arg(label));
        SaveAs(file);
        ExpectOneWarning({QStringLiteral("The %1 ").arg(label)});
        QVERIFY(!QFile::exists(file));
    }

    // F4: a failed save says why and leaves the earlier file as it was.
    void failedSaveTellsAndKeepsTheEarlierFile_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("folder without write permission") << "read-only folder";
        QTest::newRow("disk refuses the bytes") << "file size limit";
        QTest::newRow("write-protected file") << "mode 0444";
    }
    void failedSaveTellsAndKeepsTheEarlierFile() {
        QFETCH(QString, failure);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString file = folder.filePath(QStringLiteral("chart.vug"));
        CalculateDelhi();
        SaveAs(file);
        const QByteArray earlier = ReadAll(file);
        QCOMPARE(earlier.count("\r\n"), 17);
        d_.Click(QStringLiteral("cmdBack"));
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));

        if (failure == QLatin1String("read-only folder")) {
            if (::geteuid() == 0) {
                QSKIP("the superuser writes into any folder");
            }
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
            SaveAs(file);
            QFile::setPermissions(folder.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else if (failure == QLatin1String("mode 0444")) {
            QVERIFY(QFile::setPermissions(file,
                                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            SaveAs(file);
            QVERIFY2(d_.ui.messages.front().text.contains(QStringLiteral("is write-protected")),
                     qPrintable(d_.ui.messages.front().text));
        } else {
            WithFileSizeLimit(16, [&] { SaveAs(file); });
        }
        ExpectOneWarning({file});
        QCOMPARE(ReadAll(file), earlier);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"chart.vug"});
    }

    void saveThroughASymbolicLinkReplacesItsTargetAndKeepsTheLink() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("real")));
        const QString real = folder.filePath(QStringLiteral("real/chart.vug"));
        const QString link = folder.filePath(QStringLiteral("link.vug"));
        CalculateDelhi();
        SaveAs(real);
        QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link(QStringLiteral("real/chart.vug"), link));
        d_.Click(QStringLiteral("cmdBack"));
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        SaveAs(link);
        QCOMPARE(d_.MessageTexts(), QStringList());
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(ReadAll(real).startsWith(
            QByteArray::fromStdString(tamovid::ScrambleText("Dana Brooks"))));
        QCOMPARE(QFile::permissions(real),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"link.vug", "real"}));
    }

    void openRefusesAnythingButALowerCaseVugEnding_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("capital .VUG refused") << "CHART.VUG" << false;
        QTest::newRow("mixed .Vug refused") << "chart.Vug" << false;
        QTest::newRow("other extension refused") << "chart.txt" << false;
        QTest::newRow("vug without a dot accepted") << "chartvug" << true;
        QTest::newRow("plain .vug accepted") << "chart.vug" << true;
    }
    void openRefusesAnythingButALowerCaseVugEnding() {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        const QString file = path(name);
        WriteChart(file, kDelhiLines);
        const QStringList before = InputState(d_);
        d_.ui.openAnswers.push_back(file);
        d_.Click(QStringLiteral("cmdOpen"));
        if (accepted) {
            QCOMPARE(d_.MessageTexts(), QStringList());
            QCOMPARE(d_.Text(QStringLiteral("lblSun")), QStringLiteral("27 Can 59"));
            return;
        }
        QCOMPARE(d_.MessageTexts(), QStringList{"Please Check The File."});
        QCOMPARE(d_.ui.messages.front().icon, QMessageBox::Critical);
        QCOMPARE(InputState(d_), before);
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
    }

    void droppedChartOpensAsOpenDoes_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("files");  // local names; "http:..." a web address
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("message");  // empty: none, and the chart is shown
        QTest::newRow("on the window")
            << "frmMain" << QStringList{"chart.vug"} << true << QString();
        QTest::newRow("on a text field, which takes text drops itself")
            << "txtCity" << QStringList{"chart.vug"} << true << QString();
        QTest::newRow("capital ending: the Open refusal")
            << "frmMain" << QStringList{"CHART.VUG"} << true << "Please Check The File.";
        QTest::newRow("two files: not taken")
            << "frmMain" << QStringList{"a.vug", "b.vug"} << false << QString();
        QTest::newRow("a web address: not taken")
            << "frmMain" << QStringList{"http://tamovid.example/chart.vug"} << false << QString();
    }
    void droppedChartOpensAsOpenDoes() {
        QFETCH(QString, target);
        QFETCH(QStringList, files);
        QFETCH(bool, taken);
        QFETCH(QString, message);
        QList<QUrl> urls;
        for (const QString& name : files) {
            if (name.startsWith(QLatin1String("http:"))) {
                urls << QUrl(name);
            } else {
                WriteChart(path(name), kDelhiLines);
                urls << QUrl::fromLocalFile(path(name));
            }
        }
        auto* mime = new QMimeData;  // owned by the test until the end
        mime->setUrls(urls);
        const std::unique_ptr<QMimeData> owner(mime);
        QWidget* widget = target == QLatin1String("frmMain") ? d_.window.get() : d_.child(target);

        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        QCOMPARE(enter.isAccepted(), taken);
        if (!taken) {
            return;
        }
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &drop);
        QVERIFY(drop.isAccepted());

        if (message.isEmpty()) {
            QTRY_COMPARE(d_.Text(QStringLiteral("lblSun")), QStringLiteral("27 Can 59"));
            QCOMPARE(d_.field(QStringLiteral("txtCity"))->text(), QStringLiteral("New Delhi"));
            QCOMPARE(d_.MessageTexts(), QStringList());
        } else {
            QTRY_COMPARE(d_.MessageTexts(), QStringList{message});
            QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
        }
    }

    void cancelledOpenChangesNothing() {
        d_.EnterDelhi1947();
        const QStringList before = InputState(d_);
        d_.Click(QStringLiteral("cmdOpen"));
        QCOMPARE(d_.ui.openDialogs, 1);
        QCOMPARE(InputState(d_), before);
        QCOMPARE(d_.MessageTexts(), QStringList());
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
    }

    void unreadableFileIsReportedAndChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "missing.vug"
                                      << "No such file";
        QTest::newRow("a folder") << "folder.vug"
                                  << "not a regular file";
        QTest::newRow("far too large") << "large.vug"
                                       << "larger than";
        QTest::newRow("no chart in it") << "noise.vug"
                                        << "no chart";
    }
    void unreadableFileIsReportedAndChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QString file = path(name);
        if (name == QLatin1String("folder.vug")) {
            QDir(dir_.path()).mkpath(name);
        } else if (name == QLatin1String("large.vug")) {
            std::ofstream(QFile::encodeName(file).toStdString(), std::ios::binary)
                << std::string(1 << 20, '\xAA');
        } else if (name == QLatin1String("noise.vug")) {
            std::ofstream(QFile::encodeName(file).toStdString(), std::ios::binary)
                << "plain text\r\nof no use\r\n";
        }
        d_.EnterDelhi1947();
        const QStringList before = InputState(d_);
        d_.ui.openAnswers.push_back(file);
        d_.Click(QStringLiteral("cmdOpen"));
        ExpectOneWarning({reason, file});
        QCOMPARE(InputState(d_), before);
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
    }

    // Each row damages one line of a Delhi chart (or cuts the file there) and opens it
    // after a New York chart was computed: a damaged file is named so, with its line, and
    // leaves the form as it was instead of filling part of it.
    void damagedFileIsNamedDamagedAndFillsNothing_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>(
            "stored");                        // the line's bytes; "<cut>" ends the file before it
        QTest::addColumn<QString>("damage");  // empty: the file opens
        const auto shifted = [](const char* text) {
            return QByteArray::fromStdString(tamovid::ScrambleText(text));
        };
        QTest::newRow("14 lines") << 14 << QByteArray("<cut>") << "it ends before line 15 (city)";
        QTest::newRow("empty longitude degrees")
            << 7 << QByteArray() << "line 8 (longitude degrees) cannot be read";
        QTest::newRow("month beyond the list")
            << 1 << shifted("13") << "line 2 (month) cannot be read";
        QTest::newRow("direction neither True nor False")
            << 11 << shifted("Maybe") << "line 12 (east or west direction) cannot be read";
        QTest::newRow("zone beyond the list")
            << 6 << shifted("71") << "line 7 (time zone) cannot be read";
        QTest::newRow("name with hand-typed bytes keeps what the shift leaves")
            << 0 << shifted("Asha") + "12" + shifted(" Rao") << QString();
    }
    void damagedFileIsNamedDamagedAndFillsNothing() {
        QFETCH(int, line);
        QFETCH(QByteArray, stored);
        QFETCH(QString, damage);
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
        const tamovid::BirthRecord newYork = d_.window->LastRecord();
        d_.Click(QStringLiteral("cmdBack"));
        const QStringList before = InputState(d_);

        std::string bytes;
        for (int i = 0; i < kDelhiLines.size(); ++i) {
            if (i == line && stored == "<cut>") break;
            bytes += i == line ? stored.toStdString()
                               : tamovid::ScrambleText(kDelhiLines[i].toStdString());
            bytes += "\r\n";
        }
        const QString file = path(QStringLiteral("damaged.vug"));
        std::ofstream(QFile::encodeName(file).toStdString(), std::ios::binary | std::ios::trunc)
            << bytes;
        d_.ui.openAnswers.push_back(file);
        d_.Click(QStringLiteral("cmdOpen"));

        if (!damage.isEmpty()) {
            ExpectOneWarning({file, QStringLiteral("is damaged: ") + damage});
            QCOMPARE(InputState(d_), before);
            QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
            QVERIFY(d_.window->LastRecord() == newYork);
            return;
        }
        QCOMPARE(d_.MessageTexts(), QStringList());
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
        QCOMPARE(d_.window->LastRecord().strName, std::string("Asha Rao"));
    }

    // A zone name from the file was shown as if true; one this system does not know is
    // reported and the chart is computed from the stored offset alone.
    void storedZoneNoSystemKnowsIsReportedAndTheChartComputed() {
        const QString file = path(QStringLiteral("unknown-zone.vug"));
        WriteChart(file, kDelhiLines + QStringList{"utc_offset=+05:45", "tz=Not/AZone"});
        d_.ui.openAnswers.push_back(file);
        d_.Click(QStringLiteral("cmdOpen"));
        ExpectOneWarning({file, QStringLiteral("Not/AZone"), QStringLiteral("UTC+05:45")});
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
        QCOMPARE(d_.window->LastRecord().vntZoneMinute, std::int16_t(-45));
    }

    void openedChartIsValidatedLikeATypedOne() {
        CalculateDelhi();
        const tamovid::BirthRecord record = d_.window->LastRecord();
        d_.Click(QStringLiteral("cmdBack"));
        QStringList lines = kDelhiLines;
        lines[1] = QStringLiteral("4");  // April
        lines[2] = QStringLiteral("31");
        lines[14] = QString();  // an empty city comes back empty
        const QString file = path(QStringLiteral("thirty-first-april.vug"));
        WriteChart(file, lines);
        d_.ui.openAnswers.push_back(file);
        d_.Click(QStringLiteral("cmdOpen"));
        QCOMPARE(d_.MessageTexts(), QStringList{"Please Enter Your City name"});
        QCOMPARE(d_.field(QStringLiteral("txtCity"))->text(), QString());
        QCOMPARE(d_.child<QComboBox>(QStringLiteral("cboMonth"))->currentText(),
                 QStringLiteral("April"));
        QVERIFY(d_.window->LastRecord() == record);
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
    }

    void storedNameTheFilterRefusesComesBackAsStored() {
        QStringList lines = kDelhiLines;
        lines[0] = QStringLiteral("O'Brien");
        const QString file = path(QStringLiteral("apostrophe.vug"));
        WriteChart(file, lines);
        d_.ui.openAnswers.push_back(file);
        d_.Click(QStringLiteral("cmdOpen"));
        QCoreApplication::processEvents();
        QCOMPARE(d_.MessageTexts(), QStringList());
        QCOMPARE(d_.field(QStringLiteral("txtName"))->text(), QStringLiteral("O'Brien"));
        QCOMPARE(d_.window->LastRecord().strName, std::string("O'Brien"));
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
