#include <QComboBox>
#include <QtTest>

#include "fake_user_interface.h"
#include "tamovid/app/mainform/birth_form.h"

using tamovid::BirthEntry;
using tamovid::LatitudeOption;
using tamovid::LongitudeOption;

Q_DECLARE_METATYPE(tamovid::BirthEntry)

namespace {

// Every value of an entry in one line, so a failed comparison shows which one moved.
QString Describe(const BirthEntry& e) {
    const auto q = [](const std::string& s) { return QString::fromStdString(s); };
    return QStringLiteral(
               "%1|%2.%3.%4 %5:%6 zone %7 dst %8|%9 %10 %11|%12 %13 %14|%15|%16|%17|%18 %19")
        .arg(q(e.txtName))
        .arg(e.cboDate)
        .arg(e.cboMonth)
        .arg(e.cboYear)
        .arg(e.cboHour)
        .arg(e.cboMinute)
        .arg(e.cboTimeZone)
        .arg(e.chkDST)
        .arg(q(e.txtLatDeg), q(e.txtLatMin))
        .arg(static_cast<int>(e.optLat))
        .arg(q(e.txtLonDeg), q(e.txtLonMin))
        .arg(static_cast<int>(e.optLong))
        .arg(q(e.txtCity), q(e.txtState), q(e.txtCountry))
        .arg(e.utcOffsetMinutes ? QString::number(*e.utcOffsetMinutes) : QStringLiteral("none"))
        .arg(q(e.tz));
}

}  // namespace

class BirthFormTest : public QObject {
    Q_OBJECT

private slots:
    void shownEntryReadsBackUnchanged_data() {
        QTest::addColumn<BirthEntry>("entry");
        BirthEntry southWest;
        southWest.txtName = "Dana Brooks";
        southWest.cboDate = 3;
        southWest.cboMonth = 6;
        southWest.cboYear = 75;
        southWest.cboHour = 14;
        southWest.cboMinute = 30;
        southWest.cboTimeZone = 20;
        southWest.chkDST = true;
        southWest.txtLatDeg = "40";
        southWest.txtLatMin = "42";
        southWest.optLat = LatitudeOption::kSouth;
        southWest.txtLonDeg = "74";
        southWest.txtLonMin = "0";
        southWest.optLong = LongitudeOption::kWest;
        southWest.txtCity = "New York";
        southWest.txtState = "New York";
        southWest.txtCountry = "USA";
        QTest::newRow("south and west with daylight saving") << southWest;

        BirthEntry asStored;
        asStored.txtName = "O'Brien 2";
        asStored.txtLatDeg = "1234";
        asStored.optLat = LatitudeOption::kNone;
        asStored.optLong = LongitudeOption::kNone;
        asStored.txtCity = "Z\u00fcrich";
        asStored.utcOffsetMinutes = 345;
        asStored.tz = "Asia/Kathmandu";
        QTest::newRow("file texts the keys refuse, no direction, an exact offset") << asStored;
    }
    void shownEntryReadsBackUnchanged() {
        QFETCH(BirthEntry, entry);
        tamovid::testing::FakeUserInterface ui;
        tamovid::BirthForm form(ui);
        form.ShowEntry(entry);
        QCOMPARE(Describe(form.ReadEntry()), Describe(entry));
        QVERIFY2(ui.messages.empty(), "a restored entry is shown without complaint");
    }

    // On the day list showing 14, typing "2" chose 20: the list's own search takes the
    // next entry beginning with the typed text.
    void aNumberListTakesTheNumberTyped_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("typed");  // runs of keys, a pause between runs
        QTest::addColumn<QString>("chosen");
        const auto row = [](const char* name, const char* list, const char* shown,
                            QStringList typed, const char* chosen) {
            QTest::newRow(name) << QString::fromLatin1(list) << QString::fromLatin1(shown)
                                << typed << QString::fromLatin1(chosen);
        };
        row("one digit is that day", "cboDate", "14", {"2"}, "2");
        row("two digits at once are one day", "cboDate", "14", {"20"}, "20");
        row("a pause starts a new number", "cboDate", "14", {"2", "5"}, "5");
        row("a day the list lacks leaves it", "cboDate", "14", {"0"}, "14");
        row("a number past the list keeps the last found", "cboDate", "14", {"35"}, "3");
        row("a leading zero in the hour", "cboHour", "12", {"09"}, "9");
        row("hour zero", "cboHour", "12", {"0"}, "0");
        row("a minute under ten", "cboMinute", "25", {"5"}, "5");
        row("a leading zero in the minute", "cboMinute", "25", {"05"}, "5");
        row("a year typed whole", "cboYear", "1906", {"1982"}, "1982");
    }
    void aNumberListTakesTheNumberTyped() {
        QFETCH(QString, list);
        QFETCH(QString, shown);
        QFETCH(QStringList, typed);
        QFETCH(QString, chosen);
        tamovid::testing::FakeUserInterface ui;
        tamovid::BirthForm form(ui);
        auto* box = form.findChild<QComboBox*>(list);
        const int entries = box->count();
        box->setCurrentText(shown);
        for (qsizetype i = 0; i < typed.size(); ++i) {
            if (i > 0) QTest::qWait(QApplication::keyboardInputInterval() + 50);
            QTest::keyClicks(box, typed[i]);
        }
        QCOMPARE(box->currentText(), chosen);
        QCOMPARE(box->count(), entries);
        QVERIFY(!box->isEditable());
    }
};

QTEST_MAIN(BirthFormTest)
#include "birth_form_test.moc"
