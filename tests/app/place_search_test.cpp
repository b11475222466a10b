#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QTemporaryDir>
#include <QtTest>

#include "tamovid/app/mainform/atlas_zone.h"
#include "tamovid/app/mainform/place_completer.h"
#include "tamovid/report/reading_sheet.h"
#include "window_driver.h"

using tamovid::testing::WindowDriver;

namespace {

constexpr auto kIndianTime = "Indian Time, IST, 5.3";

}  // namespace

class PlaceSearchTest : public QObject {
    Q_OBJECT

    WindowDriver d_;

    QAbstractItemView* Popup() const {
        return d_.window->findChild<tamovid::PlaceCompleter*>(QStringLiteral("placeCompleter"))
            ->Completer()
            ->popup();
    }

    // Types a query into the city field and picks the line shown, as with the keyboard.
    void TypeAndChoose(const QString& query, const QString& line) {
        d_.Type(QStringLiteral("txtCity"), query);
        QAbstractItemView* popup = Popup();
        QTRY_VERIFY(popup->isVisible());
        const QModelIndexList found = popup->model()->match(
            popup->model()->index(0, 0), Qt::DisplayRole, line, 1, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(),
                 qPrintable(line + " is not offered, but " +
                            popup->model()->index(0, 0).data().toString()));
        popup->setCurrentIndex(found.front());
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(!popup->isVisible());
    }

    void SetWhen(const char* day, const char* month, const char* year, const char* hour,
                 const char* minute) {
        d_.Choose(QStringLiteral("cboDate"), QString::fromLatin1(day));
        d_.Choose(QStringLiteral("cboMonth"), QString::fromLatin1(month));
        d_.Choose(QStringLiteral("cboYear"), QString::fromLatin1(year));
        d_.Choose(QStringLiteral("cboHour"), QString::fromLatin1(hour));
        d_.Choose(QStringLiteral("cboMinute"), QString::fromLatin1(minute));
    }

    QString Zone() const {
        return d_.child<QComboBox>(QStringLiteral("cboTimeZone"))->currentText();
    }
    bool Dst() const { return d_.child<QCheckBox>(QStringLiteral("chkDST"))->isChecked(); }

private slots:
    void init() { d_.Start(); }
    void cleanup() { d_.window.reset(); }

    void typingPunLeadsToPunesChartWithoutTheWeb() {
        d_.Type(QStringLiteral("txtName"), QStringLiteral("Ravi Joshi"));
        SetWhen("3", "December", "1975", "10", "30");
        TypeAndChoose(QStringLiteral("Pun"), QStringLiteral("Pune, Maharashtra, India"));
        QStringList fields;
        for (const char* name : {"txtCity", "txtState", "txtCountry", "txtLatDeg", "txtLatMin",
                                 "txtLonDeg", "txtLonMin"}) {
            fields << d_.field(QString::fromLatin1(name))->text();
        }
        QCOMPARE(fields, (QStringList{"Pune", "Maharashtra", "India", "18", "31", "73", "51"}));
        QVERIFY(d_.child<QAbstractButton>(QStringLiteral("optLat0"))->isChecked());
        QVERIFY(d_.child<QAbstractButton>(QStringLiteral("optLong0"))->isChecked());
        QCOMPARE(Zone(), QString::fromLatin1(kIndianTime));
        QVERIFY(!Dst());
        QCOMPARE(d_.Text(QStringLiteral("lblZoneLine")),
                 QStringLiteral("UT 1975-12-03 05:00, UTC+05:30, Asia/Kolkata"));

        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.MessageTexts(), QStringList());
        QVERIFY(d_.ui.urls.empty());
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
        QCOMPARE(d_.Text(QStringLiteral("lblAsc")), QStringLiteral("07 Cap 31"));
    }

    void dateFollowsThePlaceUntilTheZoneIsChosenByHand() {
        SetWhen("4", "July", "1975", "12", "0");
        TypeAndChoose(QStringLiteral("New York"),
                      QStringLiteral("New York City, New York, United States"));
        QCOMPARE(Zone(), QStringLiteral("Eastern Daylight Time,EDT,-4.0"));
        QVERIFY(!Dst());
        d_.Choose(QStringLiteral("cboMonth"), QStringLiteral("January"));
        QCOMPARE(Zone(), QStringLiteral("Eastern Standard Time,EST,-5.0"));
        QVERIFY(!Dst());

        // Choosing a row with the keyboard gives the zone back to the user.
        auto* zones = d_.child<QComboBox>(QStringLiteral("cboTimeZone"));
        zones->setFocus();
        QTest::keyClick(zones, Qt::Key_Down);
        const QString mine = Zone();
        d_.Choose(QStringLiteral("cboMonth"), QStringLiteral("July"));
        QCOMPARE(Zone(), mine);
        QVERIFY(
            !d_.Text(QStringLiteral("lblZoneLine")).contains(QStringLiteral("America/New_York")));
    }

    void clockTimesThatDidNotExistOrHappenedTwice() {
        d_.EnterNewYork1976();
        TypeAndChoose(QStringLiteral("New York"),
                      QStringLiteral("New York City, New York, United States"));
        // 1975: clocks forward on 23 February, back on 26 October.
        SetWhen("23", "February", "1975", "2", "30");
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.ui.messages.size(), std::size_t{1});
        QVERIFY2(d_.ui.messages[0].text.contains(QStringLiteral("clocks went forward")) &&
                     d_.ui.messages[0].text.endsWith(
                         QStringLiteral("Change the time of birth, or choose the time zone "
                                        "from the list yourself.")),
                 qPrintable(d_.ui.messages[0].text));
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));

        SetWhen("26", "October", "1975", "1", "30");
        d_.ui.answer = false;  // standard time
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.ui.questions.size(), std::size_t{1});
        QVERIFY(d_.ui.questions[0].contains(QStringLiteral("UTC-04:00")));
        QVERIFY(d_.ui.questions[0].contains(QStringLiteral("UTC-05:00")));
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
        QCOMPARE(Zone(), QStringLiteral("Eastern Standard Time,EST,-5.0"));
        QVERIFY(!Dst());
    }

    // 31 April 1960 01:30 in Cairo was told as a clock gap of 1 May.
    void aDayThatDoesNotExistIsTheDateMessageNotAClockGap() {
        d_.EnterNewYork1976();
        TypeAndChoose(QStringLiteral("Cairo"), QStringLiteral("Cairo, Cairo, Egypt"));
        SetWhen("31", "April", "1960", "1", "30");
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.MessageTexts(),
                 QStringList{QStringLiteral("Please Enter Correct Date Or Month !")});
    }

    // A zone the database could not give was let go without a word, leaving the zone
    // list at whatever it showed before.
    void aZoneThatCannotBeReadIsToldAndLeftToTheUser() {
        auto* zone = d_.window->findChild<tamovid::AtlasZone*>(QStringLiteral("atlasZone"));
        zone->Follow("Mars/Olympus");
        QTRY_COMPARE(d_.MessageTexts(),
                     QStringList{QStringLiteral("Unknown time zone \"Mars/Olympus\". Please choose "
                                                "the time zone and the daylight-saving box "
                                                "yourself.")});
        QVERIFY(!zone->Following());
    }

    void anExactOffsetIsShownAndKeptInTheChartFile() {
        d_.Type(QStringLiteral("txtName"), QStringLiteral("Sita Thapa"));
        SetWhen("1", "January", "1990", "12", "0");
        TypeAndChoose(QStringLiteral("Kathmandu"),
                      QStringLiteral("Kathmandu, Bagmati Province, Nepal"));
        const QString line = d_.Text(QStringLiteral("lblZoneLine"));
        QCOMPARE(line, QStringLiteral("UT 1990-01-01 06:15, UTC+05:45, Asia/Kathmandu: the place's "
                                      "exact offset is used"));
        d_.Click(QStringLiteral("cmdCalculate"));
        const QString ascendant = d_.Text(QStringLiteral("lblAsc"));

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("sita.vug"));
        d_.ui.saveAnswers = {file};
        d_.Click(QStringLiteral("cmdSave"));
        d_.Start();
        d_.ui.openAnswers = {file};
        d_.Click(QStringLiteral("cmdOpen"));
        QCOMPARE(d_.MessageTexts(), QStringList());
        QCOMPARE(d_.Text(QStringLiteral("lblAsc")), ascendant);
        QCOMPARE(d_.Text(QStringLiteral("lblZoneLine")), line);
    }

    // Qt's own choice was the first line beginning with the typed letters ("Hue" took
    // Huelva, the fifth): Enter takes the first line shown, or the one highlighted.
    void enterTakesTheFirstLineShownOrTheHighlightedOne() {
        QString chosen;
        connect(d_.window->findChild<tamovid::PlaceCompleter*>(QStringLiteral("placeCompleter")),
                &tamovid::PlaceCompleter::chosen, this, [&](const tamovid::atlas::Place& place) {
                    chosen = QString::fromStdString(tamovid::atlas::DisplayName(place));
                });
        struct Case {
            const char* query;
            int downs;  // arrow keys pressed before Enter
        };
        for (const Case c : {Case{"Hue", 0}, Case{"Hyderabad", 0}, Case{"Hyderabad", 1}}) {
            d_.Type(QStringLiteral("txtCity"), QString::fromLatin1(c.query));
            QAbstractItemView* popup = Popup();
            QTRY_VERIFY(popup->isVisible());
            const QString line = popup->model()->index(c.downs, 0).data().toString();
            for (int i = 0; i < c.downs; ++i) QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
            QCOMPARE(chosen, line);
        }
    }

    // Choosing Singapore, then typing Saigon and Enter kept Singapore's coordinates and zone.
    void aCityTypedOverAChosenPlaceIsNotComputedWithThatPlacesCoordinates() {
        d_.EnterNewYork1976();
        TypeAndChoose(QStringLiteral("Singapore"), QStringLiteral("Singapore, Singapore"));
        d_.Type(QStringLiteral("txtCity"), QStringLiteral("Saigon"));
        QTest::keyClick(Popup(), Qt::Key_Escape);
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.ui.messages.size(), std::size_t{1});
        const QString message = d_.ui.messages[0].text;
        QVERIFY2(message.contains(QStringLiteral("\"Saigon\"")) &&
                     message.contains(QStringLiteral("Singapore, Singapore")),
                 qPrintable(message));
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame1"));
    }

    // Choosing Pune, typing Khandala and retyping the coordinates and zone by hand was
    // still refused: "latitude and longitude are still those of Pune".
    void coordinatesTypedByHandAreTheUsersEvenWhenAlike() {
        d_.EnterDelhi1947();
        TypeAndChoose(QStringLiteral("Pun"), QStringLiteral("Pune, Maharashtra, India"));
        d_.Type(QStringLiteral("txtCity"), QStringLiteral("Khandala"));
        QTest::keyClick(Popup(), Qt::Key_Escape);
        d_.Type(QStringLiteral("txtLatMin"), QStringLiteral("31"));
        auto* zones = d_.child<QComboBox>(QStringLiteral("cboTimeZone"));
        zones->setFocus();
        QTest::keyClick(zones, Qt::Key_Down);
        QTest::keyClick(zones, Qt::Key_Up);
        QCOMPARE(Zone(), QString::fromLatin1(kIndianTime));
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.MessageTexts(), QStringList());
        QCOMPARE(d_.PanelInFront(), QStringLiteral("Frame2"));
    }

    // The panel named no zone, and the page the list row that had the place's offset:
    // Berlin in July as "Eastern European Time" with "Daylight saving No", London in
    // December 1969 as "British Summer Time".
    void panelAndPageNameThePlacesZoneByItsHistory() {
        struct Birth {
            const char* day;
            const char* month;
            const char* year;
            const char* query;
            const char* place;
            const char* zone;
        };
        constexpr std::array births = {
            Birth{"30", "April", "1990", "Berlin", "Berlin, State of Berlin, Germany",
                  "Europe/Berlin, CEST, summer time, UT+02:00"},
            Birth{"15", "July", "1985", "Berlin", "Berlin, State of Berlin, Germany",
                  "Europe/Berlin, CEST, summer time, UT+02:00"},
            Birth{"15", "December", "1969", "London", "London, England, United Kingdom",
                  "Europe/London, BST, standard time, UT+01:00"},
        };
        const auto printedZone = [this] {
            const auto printable = d_.window->Printable();
            for (const auto& fact :
                 tamovid::MakeReadingSheet(printable->reading, printable->zoneLabel).birth) {
                if (fact.label == "Time zone") return QString::fromStdString(fact.value);
            }
            return QString();
        };
        for (const Birth& b : births) {
            d_.Start();
            d_.EnterDelhi1947();
            SetWhen(b.day, b.month, b.year, "12", "0");
            TypeAndChoose(QString::fromLatin1(b.query), QString::fromLatin1(b.place));
            d_.Click(QStringLiteral("cmdCalculate"));
            QCOMPARE(d_.MessageTexts(), QStringList());
            QCOMPARE(d_.Text(QStringLiteral("lblZoneUsed")), QString::fromLatin1(b.zone));
            QCOMPARE(printedZone(), QString::fromLatin1(b.zone));
        }
        // A row and box chosen by hand are named as chosen.
        d_.Start();
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.Text(QStringLiteral("lblZoneUsed")),
                 QStringLiteral("Eastern Standard Time,EST,-5.0 (UT-04:00)"));
    }

    void aMissingAtlasIsToldOnceAndTheFieldStillTakesLetters() {
        auto* completer =
            d_.window->findChild<tamovid::PlaceCompleter*>(QStringLiteral("placeCompleter"));
        completer->SetLoader([] {
            return tamovid::AtlasLoad(
                tamovid::Failure{tamovid::atlas::AtlasError{"No atlas here."}});
        });
        d_.Type(QStringLiteral("txtCity"), QStringLiteral("Pune"));
        QTRY_COMPARE(d_.MessageTexts(), QStringList{QStringLiteral("No atlas here.")});
        QTest::qWait(10);
        QCOMPARE(d_.MessageTexts().size(), 1);
        QCOMPARE(d_.field(QStringLiteral("txtCity"))->text(), QStringLiteral("Pune"));
    }
};

QTEST_MAIN(PlaceSearchTest)
#include "place_search_test.moc"
