#include <QtTest>

#include "fake_user_interface.h"
#include "tamovid/app/birth_form.h"

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
};

QTEST_MAIN(BirthFormTest)
#include "birth_form_test.moc"
