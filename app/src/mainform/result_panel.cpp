#include "tamovid/app/mainform/result_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include <string_view>

#include "tamovid/app/mainform/chart_headline.h"
#include "tamovid/app/options/engine_menu.h"
#include "tamovid/app/mainform/look.h"
#include "tamovid/app/mainform/panel_controls.h"
#include "tamovid/app/mainform/program_texts.h"
#include "tamovid/aprakasha/point_texts.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/zone_in_use.h"

namespace tamovid {
namespace {

struct ResultSpot {
    std::string_view caption;
    int top;     // twips within the panel
    int height;  // twips
};

// The first captions are placeholders until a reading; the description and the
// interpretation wrap over two and three lines.
// The zone line beside the tabs: its size, its gap after the last tab in pixels, and
// its right end in twips within the panel.
constexpr double kZonePoints = 7.5;
constexpr int kZoneGap = 12;
constexpr int kZoneRight = 8900;

constexpr std::array<ResultSpot, 5> kResultSpots = {
    {{"Position at ", 1080, 195},
     {"Lord is Venus", 1320, 195},
     {"", 1560, 435},
     {"Vyatipata is in the house 10 from the Ascendant", 2040, 195},
     {"", 2280, 615}}};

QLabel* AddBoldLabel(int index, const QString& caption, QWidget* parent, int left, int top) {
    QLabel* label = AddLabel(index, caption, parent, left, top);
    label->setFont(UiFont(8.25, true));
    label->resize(label->sizeHint().width(), kLabelHeight);
    return label;
}

QLabel* AddPosition(const char* name, const QString& caption, QWidget* parent, QRect place) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(UiFont(8.25));
    return label;
}

}  // namespace

ResultPanel::ResultPanel(QWidget* parent) : QGroupBox(parent) {
    MakePanel(this, QStringLiteral("Tamovid Result"), "Frame2");

    TS_ = new QTabBar(this);
    TS_->setObjectName(QStringLiteral("TS"));
    TS_->setFont(UiFont(8.25));
    TS_->setExpanding(false);
    TS_->setDrawBase(false);
    for (const std::string_view caption : kAprNames) {
        TS_->addTab(Text(caption));
    }
    PlaceTwips(TS_, 0, 600, 9000, 375);
    connect(TS_, &QTabBar::currentChanged, this, &ResultPanel::TS_Click);

    // Beside the tabs, under the Ascendant it helped place: the zone the clock time was
    // read in, wrapped over two lines when long.
    lblZoneUsed_ = new QLabel(this);
    lblZoneUsed_->setObjectName(QStringLiteral("lblZoneUsed"));
    lblZoneUsed_->setFont(UiFont(kZonePoints));
    lblZoneUsed_->setTextFormat(Qt::PlainText);
    lblZoneUsed_->setWordWrap(true);
    lblZoneUsed_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int tabsEnd = TS_->x() + TS_->tabRect(TS_->count() - 1).right() + kZoneGap;
    lblZoneUsed_->setGeometry(tabsEnd, TS_->y(), Px(kZoneRight) - tabsEnd, TS_->height());

    AddBoldLabel(15, QStringLiteral("Sun"), this, 2280, 240);
    lblSun_ = AddPosition("lblSun", QStringLiteral("Sun's Position"), this,
                          QRect(Px(2760), Px(240), Px(4680 - 2760) - 6, kLabelHeight));
    AddBoldLabel(17, QStringLiteral("Ascendant"), this, 4680, 240);
    lblAsc_ = AddPosition("lblAsc", QStringLiteral("Asc's Position"), this,
                          QRect(Px(5820), Px(240), Px(8900 - 5820), kLabelHeight));

    for (std::size_t i = 0; i < kResultSpots.size(); ++i) {
        auto* label = new QLabel(Text(kResultSpots[i].caption), this);
        label->setObjectName(QStringLiteral("lblResult%1").arg(i));
        label->setFont(UiFont(8.25));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        PlaceTwips(label, 120, kResultSpots[i].top, 8805, kResultSpots[i].height);
        lblResult_[i] = label;
    }

    headline_ = new ChartHeadline(this);  // whose chart it is, under the point's lines
    PlaceTwips(headline_, 120, 2905, 8805, 210);

    lblEngine_ = new QLabel(this);
    lblEngine_->setObjectName(QStringLiteral("lblEngine"));
    lblEngine_->setFont(UiFont(8.25));
    PlaceTwips(lblEngine_, 120, 3225, 5340, 195);

    cmdTimeWindow_ =
        AddButton(this, "cmdTimeWindow", tr("Birth-&Time Window..."), UiFont(8.25, true));
    PlaceTwips(cmdTimeWindow_, 3360, 3120, 2100, 400);
    cmdTimeWindow_->setToolTip(tr("How far the birth time may be off before a sign, house or "
                                  "pada changes (Ctrl+T)"));
    connect(cmdTimeWindow_, &QPushButton::clicked, this, &ResultPanel::timeWindowRequested);

    // Beside Save, in the row's free space: the chart is the next thing a reader looks for.
    cmdChart_ = AddButton(this, "cmdChart", tr("Rasi &Chart"), UiFont(8.25, true));
    PlaceTwips(cmdChart_, 5580, 3120, 1200, 400);
    cmdChart_->setToolTip(tr("Show the signs and houses of this reading in a chart"));
    cmdSave_ = AddButton(this, "cmdSave", QStringLiteral("&Save"), UiFont(8.25, true));
    PlaceTwips(cmdSave_, 6840, 3120, 1000, 400);
    cmdBack_ = AddButton(this, "cmdBack", QStringLiteral("&Back"), UiFont(8.25, true));
    PlaceTwips(cmdBack_, 7920, 3120, 1000, 400);
    connect(cmdChart_, &QPushButton::clicked, this, &ResultPanel::chartRequested);
    connect(cmdSave_, &QPushButton::clicked, this, &ResultPanel::saveRequested);
    connect(cmdBack_, &QPushButton::clicked, this, &ResultPanel::backRequested);

    // Until a reading, a tab shows the lines' fixed parts with empty values.
    KeepLines(AprakashaResult{});
}

void ResultPanel::ShowReading(const std::string& sun, const std::string& ascendant,
                              const AprakashaResult& grahas) {
    KeepLines(grahas);
    lblSun_->setText(QString::fromStdString(sun));
    lblAsc_->setText(QString::fromStdString(ascendant));
    ShowPoint(kDhuma);
    const QSignalBlocker blocker(TS_);
    TS_->setCurrentIndex(0);
}

void ResultPanel::ShowReading(const Reading& reading) {
    lblEngine_->setText(EngineCaption(reading.options.engine, reading.options.ayanamsa));
    const QString zone = QString::fromStdString(ZoneInUseText(ZoneInUseOf(reading)));
    lblZoneUsed_->setText(zone);
    lblZoneUsed_->setToolTip(tr("The time zone the clock time was read in: %1").arg(zone));
    headline_->SetReading(reading);
    ShowReading(CompactText(reading.sun), CompactText(reading.ascendant), reading.grahas);
}

std::vector<QWidget*> ResultPanel::TabOrder() const {
    return {TS_, cmdTimeWindow_, cmdChart_, cmdSave_, cmdBack_};
}

int ResultPanel::CurrentTab() const { return TS_->currentIndex(); }

void ResultPanel::SetCurrentTab(int tab) { TS_->setCurrentIndex(tab); }

void ResultPanel::KeepLines(const AprakashaResult& grahas) {
    for (std::size_t i = 0; i < shownLines_.size(); ++i) {
        shownLines_[i] = ResultLines(grahas, static_cast<AprakashaPoint>(i));
    }
}

void ResultPanel::ShowPoint(AprakashaPoint point) {
    const std::array<std::string, 5>& lines = shownLines_[static_cast<std::size_t>(point)];
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lblResult_[i]->setText(QString::fromStdString(lines[i]));
    }
}

void ResultPanel::TS_Click() {
    const int tab = TS_->currentIndex();
    if (tab >= 0 && tab < static_cast<int>(kAprNames.size())) {
        ShowPoint(static_cast<AprakashaPoint>(tab));
    }
}

}  // namespace tamovid
