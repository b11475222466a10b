#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QtTest>

#include "fake_user_interface.h"
#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/mainform/promotion.h"
#include "tamovid/app/desktop/web_links.h"
#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/positions/tables.h"
#include "tamovid/test_support/compact_position.h"

using tamovid::AprakashaPoint;
using tamovid::FrmMain;
using tamovid::Promotion;
using tamovid::WebPage;
using tamovid::testing::FakeUserInterface;

Q_DECLARE_METATYPE(tamovid::WebPage)
Q_DECLARE_METATYPE(tamovid::Promotion)

namespace {

// A reading with distinct lines for every point.
tamovid::AprakashaResult SampleReading() {
    return tamovid::CalcAprakashaGrahas(tamovid::testing_support::Compact("16 Sag 31"),
                                        tamovid::testing_support::Compact("17 Pis 31"));
}

QStringList Lines(const std::array<std::string, 5>& lines) {
    QStringList out;
    for (const std::string& line : lines) {
        out << QString::fromStdString(line);
    }
    return out;
}

QStringList ActionTexts(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* action : actions) {
        out << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return out;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    FakeUserInterface ui_;
    std::unique_ptr<FrmMain> window_;

    template <typename T>
    T* child(const char* name) {
        T* widget = window_->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control named %s", name);
        }
        return widget;
    }

    QStringList resultLines() {
        QStringList out;
        for (int i = 0; i < 5; ++i) {
            out << child<QLabel>(qPrintable(QStringLiteral("lblResult%1").arg(i)))->text();
        }
        return out;
    }

    QWidget* panelInFront() { return child<QStackedWidget>("panels")->currentWidget(); }

    void clickTab(int index) {
        auto* tabs = child<QTabBar>("TS");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }

private slots:
    void init() {
        ui_ = FakeUserInterface();
        window_ = std::make_unique<FrmMain>(ui_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    // The closed list shows its chosen entry in the text area beside the arrow; an entry
    // wider than that area is cut ("30" shown as "3(").
    void everyListEntryFitsItsListsTextArea() {
        for (const char* name :
             {"cboMonth", "cboDate", "cboYear", "cboHour", "cboMinute", "cboTimeZone"}) {
            auto* list = child<QComboBox>(name);
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = false;
            option.frame = list->hasFrame();
            const QRect area = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, list);
            QString widest;
            for (int i = 0; i < list->count(); ++i) {
                if (list->fontMetrics().horizontalAdvance(list->itemText(i)) >
                    list->fontMetrics().horizontalAdvance(widest)) {
                    widest = list->itemText(i);
                }
            }
            // The label is drawn one pixel inside the area on each side.
            const int needed = list->fontMetrics().horizontalAdvance(widest) + 2;
            qInfo("%s: width %d, text area %d, widest \"%s\" needs %d", name, list->width(),
                  area.width(), qPrintable(widest), needed);
            QVERIFY2(needed <= area.width(), name);
        }
    }

    void windowHasItsCaptionAndClientSize() {
        QCOMPARE(window_->objectName(), QStringLiteral("frmMain"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tamovid v1.15"));
        QCOMPARE(window_->centralWidget()->size(), QSize(604, 381));
        QCOMPARE(window_->height(), 381 + window_->menuBar()->height());
    }

    void listsStartFilledAndChosen_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("chosenIndex");
        QTest::newRow("days 1..31") << "cboDate" << 31 << "1"
                                    << "31"
                                    << "1" << 0;
        QTest::newRow("months January..December") << "cboMonth" << 12 << "January"
                                                  << "December"
                                                  << "January" << 0;
        QTest::newRow("years 1901..2050, 1906 chosen") << "cboYear" << 150 << "1901"
                                                       << "2050"
                                                       << "1906" << 5;
        QTest::newRow("hours 0..24") << "cboHour" << 25 << "0"
                                     << "24"
                                     << "0" << 0;
        QTest::newRow("minutes 0..59") << "cboMinute" << 60 << "0"
                                       << "59"
                                       << "0" << 0;
        QTest::newRow("time zones in table order")
            << "cboTimeZone" << 71 << "Alaska/Hawaii Daylight Time,AHDT,-9.0"
            << "Yukon War Time,YWT,-8.0"
            << "Alaska/Hawaii Daylight Time,AHDT,-9.0" << 0;
    }
    void listsStartFilledAndChosen() {
        QFETCH(QString, list);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, chosen);
        QFETCH(int, chosenIndex);
        auto* box = child<QComboBox>(qPrintable(list));
        QCOMPARE(box->count(), count);
        QCOMPARE(box->itemText(0), first);
        QCOMPARE(box->itemText(count - 1), last);
        QCOMPARE(box->currentText(), chosen);
        QCOMPARE(box->currentIndex(), chosenIndex);
        QVERIFY2(!box->isEditable(), "the user may only choose an entry");
    }

    void listsHoldEveryNumberWithoutLeadingZeros() {
        auto* minutes = child<QComboBox>("cboMinute");
        for (int i = 0; i < minutes->count(); ++i) {
            QCOMPARE(minutes->itemText(i), QString::number(i));
        }
    }

    void timeZoneListPositionIsTheTableRow() {
        auto* zones = child<QComboBox>("cboTimeZone");
        for (int row = 0; row < static_cast<int>(tamovid::kTimeZoneCount); ++row) {
            const std::string_view label = tamovid::strTimeZones[static_cast<std::size_t>(row)];
            QCOMPARE(zones->itemText(row),
                     QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
        }
        zones->setCurrentText(QStringLiteral("Yukon War Time,YWT,-8.0"));
        QCOMPARE(zones->currentIndex(), 70);
    }

    void optionsStartNorthEastWithoutDaylightSaving() {
        QCOMPARE(child<QRadioButton>("optLat0")->text(), QStringLiteral("North"));
        QCOMPARE(child<QRadioButton>("optLat1")->text(), QStringLiteral("South"));
        QCOMPARE(child<QRadioButton>("optLong0")->text(), QStringLiteral("East"));
        QCOMPARE(child<QRadioButton>("optLong1")->text(), QStringLiteral("West"));
        QVERIFY(child<QRadioButton>("optLat0")->isChecked());
        QVERIFY(child<QRadioButton>("optLong0")->isChecked());
        QVERIFY(!child<QCheckBox>("chkDST")->isChecked());
        QCOMPARE(panelInFront(), child<QGroupBox>("Frame1"));
    }

    void directionPairsAreIndependent() {
        QTest::mouseClick(child<QRadioButton>("optLat1"), Qt::LeftButton);
        QVERIFY(child<QRadioButton>("optLat1")->isChecked());
        QVERIFY(!child<QRadioButton>("optLat0")->isChecked());
        QVERIFY2(child<QRadioButton>("optLong0")->isChecked(),
                 "choosing South must not touch East/West");
    }

    void controlsCarryTheirCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("open") << "cmdOpen"
                              << "&Open Previously Saved Reading";
        QTest::newRow("calculate") << "cmdCalculate"
                                   << "&Get My Aprakasha Grahas";
        QTest::newRow("lookup") << "Command1"
                                << "Click here to find Latitude && Longitude";
        QTest::newRow("save") << "cmdSave"
                              << "&Save";
        QTest::newRow("back") << "cmdBack"
                              << "&Back";
        QTest::newRow("daylight saving") << "chkDST"
                                         << "Daylight Saving Time";
    }
    void controlsCarryTheirCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        auto* button = child<QAbstractButton>(qPrintable(name));
        QCOMPARE(button->text(), caption);
    }

    void degreeFieldsHoldThreeCharacters_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"}) {
            QTest::newRow(name) << name;
        }
    }
    void degreeFieldsHoldThreeCharacters() {
        QFETCH(QString, name);
        auto* field = child<QLineEdit>(qPrintable(name));
        QTest::keyClicks(field, QStringLiteral("1234"));
        QCOMPARE(field->text(), QStringLiteral("123"));
    }

    void controlsSitAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        // Pixels are twips / 15, within the control's panel.
        QTest::newRow("panels") << "panels" << QRect(1, 99, 601, 241);
        QTest::newRow("name box") << "txtName" << QRect(84, 94, 200, 20);
        QTest::newRow("calculate") << "cmdCalculate" << QRect(304, 200, 287, 26);
        QTest::newRow("open") << "cmdOpen" << QRect(8, 32, 266, 49);
        QTest::newRow("lookup") << "Command1" << QRect(518, 125, 73, 63);
        QTest::newRow("tab strip") << "TS" << QRect(0, 40, 600, 25);
        QTest::newRow("back") << "cmdBack" << QRect(528, 208, 66, 26);
        QTest::newRow("strip") << "fraFullBrand" << QRect(2, 341, 601, 40);
    }
    void controlsSitAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(child<QWidget>(qPrintable(name))->geometry(), geometry);
    }

    void tabWalksTheInputInItsOrder_data() {
        QTest::addColumn<bool>("southWest");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("latitude");
        QTest::newRow("North and East chosen") << false << "optLong0"
                                               << "optLat0";
        QTest::newRow("South and West chosen") << true << "optLong1"
                                               << "optLat1";
    }
    void tabWalksTheInputInItsOrder() {
        QFETCH(bool, southWest);
        QFETCH(QString, longitude);
        QFETCH(QString, latitude);
        child<QRadioButton>("optLat1")->setChecked(southWest);
        child<QRadioButton>("optLong1")->setChecked(southWest);
        // Each option pair is one stop, on the option that is chosen.
        const QStringList expected = {
            "txtName",     "cboDate",    "cboMonth",     "cboYear",   "cboHour",   "cboMinute",
            "cboTimeZone", "txtLatDeg",  "txtLatMin",    "txtLonDeg", "txtLonMin", "txtCity",
            "txtState",    "txtCountry", "cmdCalculate", "cmdOpen",   "chkDST",    longitude,
            latitude,      "Command1",   "txtName"};
        window_->activateWindow();
        child<QLineEdit>("txtName")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>("txtName"));
        QStringList visited = {QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void menusComeInOrderWithMnemonics() {
        QCOMPARE(ActionTexts(window_->menuBar()->actions()),
                 QStringList({"&File", "&Help", "Donate"}));
        QCOMPARE(ActionTexts(child<QMenu>("mnuFile")->actions()),
                 QStringList({"Get My &Rasi Chart", "&Print Reading...",
                              "Export Reading as &PDF...", "Birth-&Time Window...",
                              "&Dasha Periods...", "-", "&Exit"}));
        QCOMPARE(ActionTexts(child<QMenu>("mnuHelp")->actions()),
                 QStringList({"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                              "-", "&About Software"}));
        QCOMPARE(window_->menuBar()->actions().at(2)->objectName(), QStringLiteral("mnuDonate"));
    }

    void linksOpenTheirPages_data() {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<WebPage>("page");
        QTest::newRow("Online Help") << "mnuOnline" << WebPage::kOnlineHelp;
        QTest::newRow("Visit Us Online") << "mnuVisit" << WebPage::kHomePage;
        QTest::newRow("Check for Software Update") << "mnuUpdate" << WebPage::kDownload;
        QTest::newRow("Donate") << "mnuDonate" << WebPage::kDonate;
        QTest::newRow("forum banner") << "Label8" << WebPage::kHomePage;
        QTest::newRow("co-branding label") << "lblCobrand" << WebPage::kCobrand;
        QTest::newRow("full branding label") << "lblFullBrand" << WebPage::kFullBrand;
    }
    void linksOpenTheirPages() {
        QFETCH(QString, trigger);
        QFETCH(WebPage, page);
        if (auto* action = window_->findChild<QAction*>(trigger)) {
            action->trigger();
        } else {
            auto* label = child<QLabel>(qPrintable(trigger));
            label->raise();
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(ui_.urls.size(), std::size_t{1});
        QCOMPARE(ui_.urls.front(), tamovid::WebAddress(page));
        QVERIFY2(ui_.urls.front().toString().startsWith(tamovid::SiteAddress() + u'/'),
                 "every page lives on the project's own site");
    }

    void everyPageHasItsOwnAddress() {
        const std::array pages = {WebPage::kOnlineHelp, WebPage::kHomePage,  WebPage::kDownload,
                                  WebPage::kDonate,     WebPage::kFullBrand, WebPage::kCobrand};
        QSet<QString> seen;
        for (const WebPage page : pages) {
            const QUrl url = tamovid::WebAddress(page);
            QVERIFY2(url.isValid(), qPrintable(url.toString()));
            seen.insert(url.toString());
        }
        QCOMPARE(seen.size(), qsizetype{pages.size()});
    }

    void aboutMenuShowsTheAboutBox() {
        window_->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(ui_.aboutShown, 1);
    }

    void exitClosesTheWindow() {
        window_->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!window_->isVisible());
    }

    void readingShowsDhumaOnTheResultPanel() {
        const tamovid::AprakashaResult reading = SampleReading();
        window_->ShowReading("16 Sag 31", "17 Pis 31", reading);
        QCOMPARE(child<QLabel>("lblSun")->text(), QStringLiteral("16 Sag 31"));
        QCOMPARE(child<QLabel>("lblAsc")->text(), QStringLiteral("17 Pis 31"));
        QCOMPARE(resultLines(), Lines(tamovid::ResultLines(reading, tamovid::kDhuma)));
        QCOMPARE(child<QTabBar>("TS")->currentIndex(), 0);
        QCOMPARE(panelInFront(), child<QGroupBox>("Frame2"));
    }

    void tabsShowTheirPoint_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("Dhuma") << 0;
        QTest::newRow("Vyatipata") << 1;
        QTest::newRow("Parivesha") << 2;
        QTest::newRow("Chapa") << 3;
        QTest::newRow("Upaketu") << 4;
    }
    void tabsShowTheirPoint() {
        QFETCH(int, tab);
        const tamovid::AprakashaResult reading = SampleReading();
        window_->ShowReading("16 Sag 31", "17 Pis 31", reading);
        clickTab(tab == 0 ? 1 : 0);  // start from another tab so the click is a change
        clickTab(tab);
        QCOMPARE(child<QTabBar>("TS")->tabText(tab),
                 QString::fromUtf8(reading.points[tab].name.data(),
                                   static_cast<qsizetype>(reading.points[tab].name.size())));
        QCOMPARE(resultLines(),
                 Lines(tamovid::ResultLines(reading, static_cast<AprakashaPoint>(tab))));
        QCOMPARE(child<QLabel>("lblSun")->text(), QStringLiteral("16 Sag 31"));
    }

    void chapaAndBackToDhumaShowsTheCalculationAgain() {
        window_->ShowReading("16 Sag 31", "17 Pis 31", SampleReading());
        const QStringList afterCalculation = resultLines();
        clickTab(tamovid::kChapa);
        QVERIFY(resultLines().at(3).startsWith(QStringLiteral("Chapa is in the house ")));
        clickTab(tamovid::kDhuma);
        QCOMPARE(resultLines(), afterCalculation);
    }

    void newReadingReturnsToTheFirstTab() {
        window_->ShowReading("16 Sag 31", "17 Pis 31", SampleReading());
        clickTab(tamovid::kUpaketu);
        const tamovid::AprakashaResult second =
            tamovid::CalcAprakashaGrahas(tamovid::testing_support::Compact("05 Leo 40"),
                                         tamovid::testing_support::Compact("07 Tau 45"));
        window_->ShowReading("05 Leo 40", "07 Tau 45", second);
        QCOMPARE(child<QTabBar>("TS")->currentIndex(), 0);
        QCOMPARE(resultLines(), Lines(tamovid::ResultLines(second, tamovid::kDhuma)));
    }

    void tabBeforeAnyCalculationShowsEmptyValues() {
        child<QTabBar>("TS")->setCurrentIndex(tamovid::kChapa);
        QCOMPARE(resultLines(),
                 Lines(tamovid::ResultLines(tamovid::AprakashaResult{}, tamovid::kChapa)));
        QCOMPARE(panelInFront(), child<QGroupBox>("Frame1"));
    }

    void backKeepsEveryInputAndResult() {
        child<QLineEdit>("txtName")->setText(QStringLiteral("Asha Rao"));
        child<QComboBox>("cboDate")->setCurrentIndex(14);
        child<QComboBox>("cboMonth")->setCurrentIndex(7);
        child<QComboBox>("cboYear")->setCurrentIndex(46);
        child<QComboBox>("cboHour")->setCurrentIndex(24);
        child<QComboBox>("cboMinute")->setCurrentIndex(59);
        child<QComboBox>("cboTimeZone")->setCurrentIndex(34);
        child<QCheckBox>("chkDST")->setChecked(true);
        child<QRadioButton>("optLat1")->setChecked(true);
        child<QRadioButton>("optLong1")->setChecked(true);
        const std::array<std::pair<const char*, const char*>, 7> texts = {
            {{"txtLatDeg", "28"},
             {"txtLatMin", "39"},
             {"txtLonDeg", "77"},
             {"txtLonMin", "13"},
             {"txtCity", "Delhi"},
             {"txtState", "Delhi"},
             {"txtCountry", "India"}}};
        for (const auto& [name, text] : texts) {
            child<QLineEdit>(name)->setText(QString::fromLatin1(text));
        }
        window_->ShowReading("27 Can 59", "07 Tau 45", SampleReading());
        clickTab(tamovid::kParivesha);
        const QStringList shown = resultLines();

        QTest::mouseClick(child<QPushButton>("cmdBack"), Qt::LeftButton);

        QCOMPARE(panelInFront(), child<QGroupBox>("Frame1"));
        QCOMPARE(child<QLineEdit>("txtName")->text(), QStringLiteral("Asha Rao"));
        QCOMPARE(child<QComboBox>("cboDate")->currentText(), QStringLiteral("15"));
        QCOMPARE(child<QComboBox>("cboMonth")->currentText(), QStringLiteral("August"));
        QCOMPARE(child<QComboBox>("cboYear")->currentText(), QStringLiteral("1947"));
        QCOMPARE(child<QComboBox>("cboHour")->currentText(), QStringLiteral("24"));
        QCOMPARE(child<QComboBox>("cboMinute")->currentText(), QStringLiteral("59"));
        QCOMPARE(child<QComboBox>("cboTimeZone")->currentText(),
                 QStringLiteral("Indian Time, IST, 5.3"));
        QVERIFY(child<QCheckBox>("chkDST")->isChecked());
        QVERIFY(child<QRadioButton>("optLat1")->isChecked());
        QVERIFY(child<QRadioButton>("optLong1")->isChecked());
        for (const auto& [name, text] : texts) {
            QCOMPARE(child<QLineEdit>(name)->text(), QString::fromLatin1(text));
        }
        QCOMPARE(resultLines(), shown);
        QCOMPARE(child<QLabel>("lblSun")->text(), QStringLiteral("27 Can 59"));
    }

    void promotionPicksTheLabelInFront_data() {
        QTest::addColumn<Promotion>("promotion");
        QTest::addColumn<QString>("inFront");
        QTest::newRow("full branding") << Promotion::kFullBrand << "lblFullBrand";
        QTest::newRow("co-branding") << Promotion::kCobrand << "lblCobrand";
    }
    void promotionPicksTheLabelInFront() {
        QFETCH(Promotion, promotion);
        QFETCH(QString, inFront);
        auto* strip = child<QWidget>("fraFullBrand");
        window_->ShowPromotion(promotion == Promotion::kFullBrand ? Promotion::kCobrand
                                                                  : Promotion::kFullBrand);
        window_->ShowPromotion(promotion);
        QCOMPARE(strip->childAt(strip->rect().center())->objectName(), inFront);
        const QString before = strip->childAt(strip->rect().center())->objectName();
        window_->ShowPromotion(Promotion::kUnchanged);
        QCOMPARE(strip->childAt(strip->rect().center())->objectName(), before);
    }

    void promotionFollowsTheRoundedDraw_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<Promotion>("expected");
        QTest::newRow("0 gives 1") << 0.0 << Promotion::kCobrand;
        QTest::newRow("0.05 gives 1.3 -> 1") << 0.05 << Promotion::kCobrand;
        QTest::newRow("0.125 gives 1.75 -> 2") << 0.125 << Promotion::kFullBrand;
        QTest::newRow("0.25 gives 2.5 -> 2 (half to even)") << 0.25 << Promotion::kFullBrand;
        QTest::newRow("0.34 gives 3.04 -> 3") << 0.34 << Promotion::kCobrand;
        QTest::newRow("0.5 gives 4") << 0.5 << Promotion::kFullBrand;
        QTest::newRow("0.7 gives 5.2 -> 5") << 0.7 << Promotion::kCobrand;
        QTest::newRow("0.75 gives 5.5 -> 6 (half to even)") << 0.75 << Promotion::kFullBrand;
        QTest::newRow("0.9 gives 6.4 -> 6") << 0.9 << Promotion::kFullBrand;
        QTest::newRow("0.92 gives 6.52 -> 7, no change") << 0.92 << Promotion::kUnchanged;
        QTest::newRow("just below 1 gives 7, no change") << 0.999999 << Promotion::kUnchanged;
    }
    void promotionFollowsTheRoundedDraw() {
        QFETCH(double, r);
        QFETCH(Promotion, expected);
        QCOMPARE(tamovid::PromotionForRandom(r), expected);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
