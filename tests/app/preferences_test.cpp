#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "tamovid/app/options/preferences.h"

using tamovid::ChartOptions;
using tamovid::Preferences;

class PreferencesTest : public QObject {
    Q_OBJECT

private slots:
    // Every choice comes back in the next run; an unknown stored text costs only its own
    // choice, which keeps its default.
    void everyChoiceComesBackAndABadOneKeepsItsDefault() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        ChartOptions chosen = tamovid::OptionsFor(tamovid::Engine::kPrecise,
                                                  tamovid::AyanamsaChoice::kTruePushya,
                                                  tamovid::LunarNode::kTrue);
        chosen.upagrahas.sunrise = tamovid::upagrahas::SunriseRule::kApparent;
        chosen.upagrahas.lords = tamovid::upagrahas::LordRule::kSeven;
        chosen.upagrahas.at[4] = tamovid::upagrahas::PortionPoint::kEnd;
        chosen.dashaYear = tamovid::DashaYear::kSavana;
        {
            Preferences first(&settings);
            QSignalSpy announced(&first, &Preferences::chartOptionsChanged);
            first.setChartOptions(chosen);
            QCOMPARE(announced.count(), 1);
        }
        QVERIFY(Preferences(&settings).chartOptions() == chosen);

        settings.setValue(QStringLiteral("Settings/Sunrise"), QStringLiteral("dawn"));
        settings.setValue(QStringLiteral("Settings/UpagrahaPoints"),
                          QStringLiteral("Gulika=end,Mandi=nowhere,Kala=start"));
        ChartOptions expected = chosen;
        expected.upagrahas.sunrise = ChartOptions{}.upagrahas.sunrise;
        expected.upagrahas.at = ChartOptions{}.upagrahas.at;
        expected.upagrahas.at[4] = tamovid::upagrahas::PortionPoint::kEnd;
        expected.upagrahas.at[0] = tamovid::upagrahas::PortionPoint::kStart;
        QVERIFY(Preferences(&settings).chartOptions() == expected);
    }
};

QTEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
