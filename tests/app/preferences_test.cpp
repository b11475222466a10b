#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "tamovid/app/options/preferences.h"

using tamovid::ChartOptions;
using tamovid::ChartStyle;
using tamovid::Preferences;
using tamovid::RememberedChoices;

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
            QSignalSpy drawn(&first, &Preferences::chartStyleChanged);
            QSignalSpy six(&first, &Preferences::allUpagrahasChanged);
            first.setChartOptions(chosen);
            for (int twice = 0; twice < 2; ++twice) {
                first.setChartStyle(ChartStyle::kNorth);
                first.setAllUpagrahas(true);
            }
            QCOMPARE(announced.count(), 1);
            QCOMPARE(drawn.count(), 1);
            QCOMPARE(six.count(), 1);
        }
        const RememberedChoices remembered{chosen, ChartStyle::kNorth, true};
        QVERIFY(Preferences(&settings).choices() == remembered);
        // The window's two choices as the first releases stored them, byte for byte.
        settings.sync();
        QFile file(settings.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        QVERIFY2(stored.contains("[Chart]\nAllUpagrahas=true\nStyle=north\n"), stored.constData());

        settings.setValue(QStringLiteral("Settings/Sunrise"), QStringLiteral("dawn"));
        settings.setValue(QStringLiteral("Chart/Style"), QStringLiteral("sideways"));
        settings.setValue(QStringLiteral("Chart/AllUpagrahas"), QStringLiteral("FALSE"));
        settings.setValue(QStringLiteral("Settings/UpagrahaPoints"),
                          QStringLiteral("Gulika=end,Mandi=nowhere,Kala=start"));
        ChartOptions expected = chosen;
        expected.upagrahas.sunrise = ChartOptions{}.upagrahas.sunrise;
        expected.upagrahas.at = ChartOptions{}.upagrahas.at;
        expected.upagrahas.at[4] = tamovid::upagrahas::PortionPoint::kEnd;
        expected.upagrahas.at[0] = tamovid::upagrahas::PortionPoint::kStart;
        QVERIFY(Preferences(&settings).choices() == (RememberedChoices{expected}));
    }
};

QTEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
