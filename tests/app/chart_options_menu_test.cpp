#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "tamovid/app/options/options_menus.h"
#include "tamovid/birthentry/chart_session.h"
#include "tamovid/test_support/sample_entries.h"
#include "tamovid/test_support/birth_of.h"
#include "window_driver.h"

using tamovid::AyanamsaChoice;
using tamovid::Engine;
using tamovid::LunarNode;
using tamovid::testing::WindowDriver;

class ChartOptionsMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<QSettings> settings_;
    WindowDriver d_;

    void StartWithMenus() {
        d_.Start();
        tamovid::AddOptionsMenus(*d_.window, settings_.get());
    }
    QAction* item(const char* name) const {
        return d_.window->findChild<QAction*>(QString::fromLatin1(name));
    }
    QAction* ayanamsaMenu() const {
        return d_.window->findChild<QMenu*>(QStringLiteral("mnuAyanamsa"))->menuAction();
    }
    Engine ShownEngine() const { return d_.window->Printable()->reading.options.engine; }

private slots:
    void init() {
        settings_ = std::make_unique<QSettings>(dir_.filePath(QStringLiteral("settings.ini")),
                                                QSettings::IniFormat);
        settings_->clear();
        StartWithMenus();
    }
    void cleanup() {
        d_.window.reset();
        settings_.reset();
    }

    void ayanamsaOnlyWithThePreciseEngineAndBothAreRemembered() {
        QStringList texts;
        for (QAction* a : d_.window->findChild<QMenu*>(QStringLiteral("mnuOptions"))->actions()) {
            texts << a->text();
        }
        QCOMPARE(texts, QStringList({"&Precise Positions", "", "&Ayanamsa", "Lunar &Node",
                                     "&Dasha Year", "&Upagrahas"}));
        QVERIFY(!ayanamsaMenu()->isEnabled());
        QVERIFY(ayanamsaMenu()->toolTip().contains(QStringLiteral("Precise Positions")));
        QVERIFY(item("mnuAyanamsa_lahiri")->isChecked());
        QVERIFY(item("mnuNode_mean")->isChecked());

        item("mnuPrecise")->trigger();
        QVERIFY(ayanamsaMenu()->isEnabled());
        item("mnuAyanamsa_true-pushya")->trigger();
        item("mnuNode_true")->trigger();
        QVERIFY(!item("mnuAyanamsa_lahiri")->isChecked());  // exclusive

        StartWithMenus();  // the next run
        QVERIFY(item("mnuAyanamsa_true-pushya")->isChecked());
        QCOMPARE(d_.window->CurrentOptions().ayanamsa, AyanamsaChoice::kTruePushya);
        QCOMPARE(d_.window->CurrentOptions().node, LunarNode::kTrue);

        settings_->setValue(QStringLiteral("Settings/Ayanamsa"), QStringLiteral("fagan"));
        StartWithMenus();
        QCOMPARE(d_.window->CurrentOptions().ayanamsa, AyanamsaChoice::kLahiri);
    }

    // The dasha year recalculates the periods of the chart shown at once and is remembered.
    void dashaYearRecalculatesAtOnceAndIsRemembered() {
        QVERIFY(item("mnuDashaYear_sidereal")->isChecked());
        QCOMPARE(item("mnuDashaYear_savana")->text(), QStringLiteral("Sa&vana (360 days)"));
        d_.EnterDelhi1947();
        d_.Click(QStringLiteral("cmdCalculate"));
        item("mnuDashaYear_julian")->trigger();
        QCOMPARE(d_.window->Printable()->dasha->year, tamovid::DashaYear::kJulian);
        StartWithMenus();
        QVERIFY(item("mnuDashaYear_julian")->isChecked());
        QCOMPARE(d_.window->CurrentOptions().dashaYear, tamovid::DashaYear::kJulian);
    }

    void aChangeRecalculatesTheShownChartAtOnceOnTheSameTab() {
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.Text(QStringLiteral("lblAsc")), QStringLiteral("05 Lib 13"));
        d_.child<QTabBar>(QStringLiteral("TS"))->setCurrentIndex(3);
        const QStringList chapa = d_.ResultLines();

        item("mnuPrecise")->trigger();
        QCOMPARE(d_.Text(QStringLiteral("lblAsc")), QStringLiteral("05 Lib 14"));
        QCOMPARE(d_.Text(QStringLiteral("lblEngine")),
                 QStringLiteral("Precise positions, Lahiri ayanamsa"));
        QCOMPARE(d_.child<QTabBar>(QStringLiteral("TS"))->currentIndex(), 3);
        QVERIFY(d_.ResultLines().at(3).startsWith(QStringLiteral("Chapa")));

        item("mnuAyanamsa_raman")->trigger();
        QCOMPARE(d_.window->Printable()->reading.options.ayanamsa, AyanamsaChoice::kRaman);
        QCOMPARE(d_.Text(QStringLiteral("lblEngine")),
                 QStringLiteral("Precise positions, Raman ayanamsa"));
        QVERIFY(d_.Text(QStringLiteral("lblAsc")) != QStringLiteral("05 Lib 14"));
        QVERIFY(d_.ResultLines() != chapa);
        QCOMPARE(d_.MessageTexts(), QStringList());
    }

    void nothingIsRecalculatedWhileTheFormIsShown() {
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        d_.Click(QStringLiteral("cmdBack"));
        item("mnuPrecise")->trigger();
        QCOMPARE(ShownEngine(), Engine::kClassic);
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(ShownEngine(), Engine::kPrecise);
    }

    // A chart saved with the precise engine, Raman and the true node opens as it was saved in a
    // window set to the classic engine (it once took the remembered engine, and Dhuma moved a
    // minute), and the menus say so without making those the remembered choice.
    void aChartFileWithItsOwnOptionsOpensWithThem() {
        const QString path = dir_.filePath(QStringLiteral("raman.vug"));
        tamovid::ChartSession saved;
        const tamovid::ChartOptions raman =
            tamovid::OptionsFor(Engine::kPrecise, AyanamsaChoice::kRaman, LunarNode::kTrue);
        saved.Calculate(tamovid::testing_support::BirthOf(tamovid::testing_support::Delhi1947()),
                        raman);
        QVERIFY(saved.Save(path.toStdString()).ok());

        d_.window->OpenChartFile(path);
        const std::optional<tamovid::PrintableReading> printable = d_.window->Printable();
        QVERIFY(printable.has_value());
        const tamovid::Reading& reading = printable->reading;
        QVERIFY(reading.options == raman);
        QCOMPARE(reading.options.engine, Engine::kPrecise);
        QVERIFY(reading.grahas.points == saved.reading().grahas.points);
        QVERIFY(reading.ascendant == saved.reading().ascendant);
        QVERIFY(item("mnuAyanamsa_raman")->isChecked());
        QVERIFY(item("mnuNode_true")->isChecked());
        QVERIFY(item("mnuPrecise")->isChecked());
        QVERIFY(ayanamsaMenu()->isEnabled());
        QVERIFY(!settings_->contains(QStringLiteral("Settings/Node")));
        QVERIFY(!settings_->contains(QStringLiteral("Settings/Engine")));
        QCOMPARE(d_.MessageTexts(), QStringList());
    }

    // Each upagraha choice recalculates the chart shown at once and is remembered.
    void upagrahaChoicesRecalculateAtOnceAndAreRemembered() {
        using namespace tamovid::upagrahas;
        d_.EnterDelhi1947();
        d_.Click(QStringLiteral("cmdCalculate"));
        item("mnuSunrise_apparent")->trigger();
        item("mnuRiseGulika_end")->trigger();
        const UpagrahaOptions shown = d_.window->Printable()->upagrahas->placed.value().options;
        QCOMPARE(shown.sunrise, SunriseRule::kApparent);
        QCOMPARE(shown.At(Upagraha::kGulika), PortionPoint::kEnd);
        QCOMPARE(shown.At(Upagraha::kMandi), PortionPoint::kMiddle);

        d_.window.reset();
        StartWithMenus();
        QVERIFY(item("mnuSunrise_apparent")->isChecked());
        QVERIFY(item("mnuPortionLords_eight")->isChecked());
        QVERIFY(item("mnuRiseGulika_end")->isChecked());
        QVERIFY(item("mnuRiseOthers_middle")->isChecked());
        QCOMPARE(d_.window->CurrentOptions().upagrahas, shown);
    }
};

QTEST_MAIN(ChartOptionsMenuTest)
#include "chart_options_menu_test.moc"
