#include "tamovid/app/frm_main.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "tamovid/app/chart_drop.h"
#include "tamovid/app/chart_headline.h"
#include "tamovid/app/link_label.h"
#include "tamovid/app/look.h"
#include "tamovid/app/program_texts.h"
#include "tamovid/app/user_interface.h"
#include "tamovid/app/web_link_opener.h"
#include "tamovid/app/wrapping_button.h"
#include "tamovid/app/field_filter.h"
#include "tamovid/aprakasha/point_texts.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/birthentry/key_filters.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

constexpr int kLabelHeight = 13;
constexpr int kComboHeight = 21;

struct LabelSpot {
    int index;
    std::string_view caption;
    int left;
    int top;
};

// Captions and places (twips within the input panel) of the panel's labels.
constexpr std::array kInputLabels = {
    LabelSpot{0, "Name", 120, 1470},          LabelSpot{1, "Date of Birth", 120, 1905},
    LabelSpot{2, "Time of Birth", 120, 2355}, LabelSpot{10, "Time Zone", 120, 2760},
    LabelSpot{3, "Latitude", 4680, 750},      LabelSpot{5, "DEG/MIN", 8085, 750},
    LabelSpot{4, "Longitude", 4680, 1410},    LabelSpot{6, "DEG/MIN", 8085, 1410},
    LabelSpot{7, "City", 4680, 1890},         LabelSpot{8, "State", 4680, 2220},
    LabelSpot{9, "Country", 4680, 2580},
};

constexpr std::string_view kCobrandOffer =
    "Run a web site? Put your own name on Tamovid and offer it to your visitors as a free gift.";

// One place for every colour of the window; object names pick out single controls.
// The lists keep their narrow fixed widths, so their arrow is narrowed instead: with the
// style's usual one, the minute list would show "30" cut to "3(".
const QString kStyleSheet = QStringLiteral(R"(
QLabel, QRadioButton, QCheckBox { color: rgb(224, 224, 224); }
QGroupBox#Frame1, QGroupBox#Frame2 {
    color: white; border: 1px solid rgb(96, 134, 146); border-radius: 3px; margin-top: 7px;
}
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }
QFrame#Frame3, QFrame#Frame4 { border: 1px solid rgb(96, 134, 146); border-radius: 2px; }
QComboBox#cboTimeZone { background-color: white; color: black; }
QComboBox { padding-left: 3px; }
QComboBox::drop-down { width: 12px; }
QPushButton#cmdCalculate {
    background-color: rgb(255, 199, 6); color: black;
    border: 1px solid rgb(150, 110, 0); border-radius: 3px;
}
QPushButton#cmdCalculate:pressed { background-color: rgb(225, 170, 0); }
QPushButton#cmdCalculate:focus { border: 2px solid rgb(90, 60, 0); }
QLabel#lblLabel15, QLabel#lblSun { color: rgb(255, 255, 0); }
QLabel#lblLabel17, QLabel#lblAsc { color: rgb(0, 255, 0); }
QLabel#lblResult0 { color: rgb(255, 192, 128); }
QLabel#lblResult1 { color: rgb(0, 192, 192); }
QLabel#lblResult2 { color: rgb(0, 255, 255); }
QLabel#lblResult3 { color: rgb(128, 255, 255); }
QLabel#lblResult4 { color: rgb(192, 255, 255); }
QLabel#lblHeadline { color: white; font-weight: bold; }
QLabel#Label8 { color: rgb(255, 199, 6); text-decoration: underline; }
QLabel#lblCobrand, QLabel#lblFullBrand {
    color: rgb(224, 224, 224); background-color: rgb(33, 70, 82); text-decoration: underline;
}
)");

void Place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipRect(left, top, width, height));
}

// An entry of a menu, or of the menu bar itself, under its objectName.
template <typename Menu>
QAction* AddItem(Menu* menu, const QString& caption, const char* name) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

// One of the two panels that take turns in the window.
QGroupBox* NewPanel(const QString& caption, const char* name) {
    auto* panel = new QGroupBox(caption);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFont(UiFont(8.25, true));
    return panel;
}

QComboBox* AddList(QWidget* parent, const char* name, int left, int top, int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(false);
    box->setFont(UiFont(8.25));
    box->setGeometry(Px(left), Px(top), Px(width), kComboHeight);
    box->setMaxVisibleItems(16);
    return box;
}

QLineEdit* AddText(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(UiFont(8.25));
    Place(edit, left, top, width, height);
    return edit;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QFont& font) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setAutoDefault(false);
    return button;
}

// Tabbing into an option pair lands on the chosen option, as users of option groups
// expect, rather than on whichever comes first in the tab order.
class ChosenOptionTakesFocus : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            auto* option = static_cast<QRadioButton*>(watched);
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
                !option->isChecked()) {
                for (auto* sibling : option->parentWidget()->findChildren<QRadioButton*>()) {
                    if (sibling->isChecked()) {
                        sibling->setFocus(reason);
                        break;
                    }
                }
            }
        }
        return false;
    }
};

// A small frame holding a pair of option buttons.
std::array<QRadioButton*, 2> AddOptionPair(QWidget* parent, const char* frameName, const char* name,
                                           const char* first, const char* second, int left,
                                           int top) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(frameName));
    Place(frame, left, top, 850, 500);
    auto* focusRule = new ChosenOptionTakesFocus(frame);
    std::array<QRadioButton*, 2> pair{new QRadioButton(QString::fromLatin1(first), frame),
                                      new QRadioButton(QString::fromLatin1(second), frame)};
    for (std::size_t i = 0; i < pair.size(); ++i) {
        pair[i]->setObjectName(QString::fromLatin1(name) + QString::number(i));
        pair[i]->setFont(UiFont(8.25));
        pair[i]->setGeometry(3, 1 + 15 * static_cast<int>(i), frame->width() - 4, 15);
        pair[i]->installEventFilter(focusRule);
    }
    pair[0]->setChecked(true);
    return pair;
}

}  // namespace

FrmMain::FrmMain(UserInterface& ui, QWidget* parent) : QMainWindow(parent), ui_(ui) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(WindowCaption());
    setWindowIcon(AppIcon());
    setFont(UiFont(8.25));
    KeepLines(AprakashaResult{});

    BuildMenus();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, kLabelText);
    client->setPalette(palette);
    client->setStyleSheet(kStyleSheet);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Label8_ = new LinkLabel(
        QStringLiteral("Join our Vedic astrology forum at %1").arg(QUrl(SiteAddress()).host()),
        client);
    Label8_->setObjectName(QStringLiteral("Label8"));
    Label8_->setFont(UiFont(8.25, true));
    Label8_->setAlignment(Qt::AlignCenter);
    Label8_->setWordWrap(true);
    Place(Label8_, 2030, 30, 5000, 400);
    connect(Label8_, &LinkLabel::clicked, this, [this] { OpenPage(WebPage::kHomePage); });

    QLabel* description = AddLabel(11, Text(kGrahasDescription), client, 743, 720);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignCenter);
    Place(description, 743, 720, 7575, 615);

    panels_ = new QStackedWidget(client);
    panels_->setObjectName(QStringLiteral("panels"));
    Place(panels_, 23, 1485, 9015, 3615);
    panels_->addWidget(BuildInputPanel());
    panels_->addWidget(BuildResultPanel());

    BuildPromotionStrip(client);
    SetTabOrder();
    InstallFieldFilters();
    Form_Load();
    InstallPlaceSearch();

    connect(cmdCalculate_, &QPushButton::clicked, this, &FrmMain::cmdCalculate_Click);
    connect(mnuCalculate_, &QAction::triggered, this, &FrmMain::mnuCalculate_Click);
    connect(Command1_, &QPushButton::clicked, this, &FrmMain::Command1_Click);
    connect(cmdSave_, &QPushButton::clicked, this, &FrmMain::cmdSave_Click);
    connect(cmdOpen_, &QPushButton::clicked, this, &FrmMain::cmdOpen_Click);
    new ChartDrop(this, [this](const QString& name) { OpenChartFile(name); });
}

void FrmMain::InstallFieldFilters() {
    for (QLineEdit* field : {txtName_, txtCity_, txtState_, txtCountry_}) {
        new FieldFilter(field, FieldKind::kLetters, ui_);
    }
    // The digit fields' limit of three lives in the filter, which sees a paste whole.
    for (QLineEdit* field : {txtLatDeg_, txtLatMin_, txtLonDeg_, txtLonMin_}) {
        new FieldFilter(field, FieldKind::kDigits, ui_, kCoordinateDigits);
    }
}

void FrmMain::BuildMenus() {
    mnuFile_ = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuCalculate_ = AddItem(mnuFile_, QStringLiteral("Get My &Rasi Chart"), "mnuCalculate");
    mnuPrint_ = AddItem(mnuFile_, QStringLiteral("&Print Reading..."), "mnuPrint");
    mnuPrint_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(mnuPrint_, &QAction::triggered, this, &FrmMain::mnuPrint_Click);
    mnuExportPdf_ = AddItem(mnuFile_, QStringLiteral("Export Reading as &PDF..."), "mnuExportPdf");
    mnuExportPdf_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(mnuExportPdf_, &QAction::triggered, this, &FrmMain::mnuExportPdf_Click);
    mnuTimeWindow_ = AddItem(mnuFile_, tr("Birth-&Time Window..."), "mnuTimeWindow");
    mnuTimeWindow_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(mnuTimeWindow_, &QAction::triggered, this, &FrmMain::cmdTimeWindow_Click);
    mnuFile_->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    mnuExit_ = AddItem(mnuFile_, QStringLiteral("&Exit"), "mnuExit");
    connect(mnuExit_, &QAction::triggered, this, &FrmMain::mnuExit_Click);

    mnuHelp_ = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline_ = AddItem(mnuHelp_, QStringLiteral("&Online Help"), "mnuOnline");
    mnuVisit_ = AddItem(mnuHelp_, QStringLiteral("&Visit Us Online"), "mnuVisit");
    mnuHelp_->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuUpdate_ = AddItem(mnuHelp_, QStringLiteral("Check for Software &Update"), "mnuUpdate");
    mnuHelp_->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    mnuAbout_ = AddItem(mnuHelp_, QStringLiteral("&About Software"), "mnuAbout");
    connect(mnuAbout_, &QAction::triggered, this, &FrmMain::mnuAbout_Click);

    mnuDonate_ = AddItem(menuBar(), QStringLiteral("Donate"), "mnuDonate");

    const std::array<std::pair<QAction*, WebPage>, 4> pages = {{{mnuOnline_, WebPage::kOnlineHelp},
                                                                {mnuVisit_, WebPage::kHomePage},
                                                                {mnuUpdate_, WebPage::kDownload},
                                                                {mnuDonate_, WebPage::kDonate}}};
    for (const auto& [action, page] : pages) {
        connect(action, &QAction::triggered, this, [this, page = page] { OpenPage(page); });
    }
}

QLabel* FrmMain::AddLabel(int index, const QString& caption, QWidget* parent, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("lblLabel%1").arg(index));
    label->setFont(UiFont(8.25));
    label->move(Px(left), Px(top));
    label->resize(label->sizeHint().width(), kLabelHeight);
    lblLabel_.at(static_cast<std::size_t>(index)) = label;
    return label;
}

QWidget* FrmMain::BuildInputPanel() {
    Frame1_ = NewPanel(QStringLiteral("Personal Details"), "Frame1");
    QWidget* panel = Frame1_;

    cmdOpen_ = AddButton(panel, "cmdOpen", QStringLiteral("&Open Previously Saved Reading"),
                         UiFont(9.75, true));
    Place(cmdOpen_, 120, 480, 4000, 735);

    for (const LabelSpot& spot : kInputLabels) {
        AddLabel(spot.index, Text(spot.caption), panel, spot.left, spot.top);
    }
    auto* hhmm = new QLabel(QStringLiteral("HH/MM"), panel);
    hhmm->setObjectName(QStringLiteral("Label16"));
    hhmm->setFont(UiFont(8.25));
    hhmm->move(Px(2685), Px(2370));
    hhmm->resize(hhmm->sizeHint().width(), kLabelHeight);

    txtName_ = AddText(panel, "txtName", 1260, 1410, 3000, 300);
    cboMonth_ = AddList(panel, "cboMonth", 1260, 1845, 1455);
    cboDate_ = AddList(panel, "cboDate", 2760, 1845, 615);
    cboYear_ = AddList(panel, "cboYear", 3420, 1845, 885);
    cboHour_ = AddList(panel, "cboHour", 1260, 2295, 615);
    cboMinute_ = AddList(panel, "cboMinute", 1905, 2295, 570);

    chkDST_ = new QCheckBox(QStringLiteral("Daylight Saving Time"), panel);
    chkDST_->setObjectName(QStringLiteral("chkDST"));
    chkDST_->setFont(UiFont(8.25, true));
    Place(chkDST_, 2040, 2760, 2415, 200);
    chkDST_->resize(chkDST_->width(), 15);

    cboTimeZone_ = AddList(panel, "cboTimeZone", 120, 3090, 4335);

    cmdCalculate_ = AddButton(panel, "cmdCalculate", QStringLiteral("&Get My Aprakasha Grahas"),
                              UiFont(9.0, true));
    Place(cmdCalculate_, 4560, 3000, 4305, 400);

    txtLatDeg_ = AddText(panel, "txtLatDeg", 5820, 705, 555, 300);
    txtLatMin_ = AddText(panel, "txtLatMin", 7440, 705, 525, 300);
    optLat_ = AddOptionPair(panel, "Frame3", "optLat", "North", "South", 6480, 600);
    txtLonDeg_ = AddText(panel, "txtLonDeg", 5820, 1350, 555, 300);
    txtLonMin_ = AddText(panel, "txtLonMin", 7440, 1350, 525, 300);
    optLong_ = AddOptionPair(panel, "Frame4", "optLong", "East", "West", 6480, 1245);

    txtCity_ = AddText(panel, "txtCity", 5820, 1860, 1845, 285);
    txtState_ = AddText(panel, "txtState", 5820, 2205, 1845, 285);
    txtCountry_ = AddText(panel, "txtCountry", 5820, 2550, 1845, 285);

    Command1_ =
        new WrappingButton(QStringLiteral("Click here to find Latitude && Longitude"), panel);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setFont(UiFont(8.25));
    Command1_->setAutoDefault(false);
    Place(Command1_, 7770, 1875, 1095, 945);
    return panel;
}

QWidget* FrmMain::BuildResultPanel() {
    Frame2_ = NewPanel(QStringLiteral("Tamovid Result"), "Frame2");
    QWidget* panel = Frame2_;

    TS_ = new QTabBar(panel);
    TS_->setObjectName(QStringLiteral("TS"));
    TS_->setFont(UiFont(8.25));
    TS_->setExpanding(false);
    TS_->setDrawBase(false);
    for (const std::string_view caption : kAprNames) {
        TS_->addTab(Text(caption));
    }
    Place(TS_, 0, 600, 9000, 375);
    connect(TS_, &QTabBar::currentChanged, this, &FrmMain::TS_Click);

    AddLabel(15, QStringLiteral("Sun"), panel, 2280, 240)->setFont(UiFont(8.25, true));
    lblLabel_[15]->resize(lblLabel_[15]->sizeHint().width(), kLabelHeight);
    lblSun_ = new QLabel(QStringLiteral("Sun's Position"), panel);
    lblSun_->setObjectName(QStringLiteral("lblSun"));
    lblSun_->setGeometry(Px(2760), Px(240), Px(4680 - 2760) - 6, kLabelHeight);
    lblSun_->setFont(UiFont(8.25));
    AddLabel(17, QStringLiteral("Ascendant"), panel, 4680, 240)->setFont(UiFont(8.25, true));
    lblLabel_[17]->resize(lblLabel_[17]->sizeHint().width(), kLabelHeight);
    lblAsc_ = new QLabel(QStringLiteral("Asc's Position"), panel);
    lblAsc_->setObjectName(QStringLiteral("lblAsc"));
    lblAsc_->setGeometry(Px(5820), Px(240), Px(8900 - 5820), kLabelHeight);
    lblAsc_->setFont(UiFont(8.25));

    struct ResultSpot {
        std::string_view caption;
        int top;
        int height;
    };
    // The description and the interpretation wrap over two and three lines.
    constexpr std::array<ResultSpot, 5> spots = {
        {{"Position at ", 1080, 195},
         {"Lord is Venus", 1320, 195},
         {"", 1560, 435},
         {"Vyatipata is in the house 10 from the Ascendant", 2040, 195},
         {"", 2280, 615}}};
    for (std::size_t i = 0; i < spots.size(); ++i) {
        auto* label = new QLabel(Text(spots[i].caption), panel);
        label->setObjectName(QStringLiteral("lblResult%1").arg(i));
        label->setFont(UiFont(8.25));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        Place(label, 120, spots[i].top, 8805, spots[i].height);
        lblResult_[i] = label;
    }

    headline_ = new ChartHeadline(panel);  // whose chart it is, under the point's lines
    Place(headline_, 120, 2905, 8805, 210);

    lblEngine_ = new QLabel(panel);
    lblEngine_->setObjectName(QStringLiteral("lblEngine"));
    lblEngine_->setFont(UiFont(8.25));
    Place(lblEngine_, 120, 3225, 5340, 195);

    cmdTimeWindow_ =
        AddButton(panel, "cmdTimeWindow", tr("Birth-&Time Window..."), UiFont(8.25, true));
    Place(cmdTimeWindow_, 3360, 3120, 2100, 400);
    cmdTimeWindow_->setToolTip(tr("How far the birth time may be off before a sign, house or "
                                  "pada changes (Ctrl+T)"));
    connect(cmdTimeWindow_, &QPushButton::clicked, this, &FrmMain::cmdTimeWindow_Click);

    // Beside Save, in the row's free space: the chart is the next thing a reader looks for.
    cmdChart_ = AddButton(panel, "cmdChart", tr("Rasi &Chart"), UiFont(8.25, true));
    Place(cmdChart_, 5580, 3120, 1200, 400);
    cmdChart_->setToolTip(tr("Show the signs and houses of this reading in a chart"));
    connect(cmdChart_, &QPushButton::clicked, this, &FrmMain::cmdChart_Click);
    cmdSave_ = AddButton(panel, "cmdSave", QStringLiteral("&Save"), UiFont(8.25, true));
    Place(cmdSave_, 6840, 3120, 1000, 400);
    cmdBack_ = AddButton(panel, "cmdBack", QStringLiteral("&Back"), UiFont(8.25, true));
    Place(cmdBack_, 7920, 3120, 1000, 400);
    connect(cmdBack_, &QPushButton::clicked, this, &FrmMain::cmdBack_Click);
    return panel;
}

void FrmMain::BuildPromotionStrip(QWidget* client) {
    fraFullBrand_ = new QWidget(client);
    fraFullBrand_->setObjectName(QStringLiteral("fraFullBrand"));
    Place(fraFullBrand_, 30, 5115, 9015, 600);

    lblCobrand_ = new LinkLabel(Text(kCobrandOffer) + u' ' + Text(kMoreDetails), fraFullBrand_);
    lblCobrand_->setObjectName(QStringLiteral("lblCobrand"));
    lblFullBrand_ = new LinkLabel(Text(kBrandingOffer) + u' ' + Text(kMoreDetails), fraFullBrand_);
    lblFullBrand_->setObjectName(QStringLiteral("lblFullBrand"));
    for (LinkLabel* label : {lblCobrand_, lblFullBrand_}) {
        label->setFont(UiFont(8.25));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        // Opaque (see the style sheet), so the label in front hides the one behind it.
        label->setAttribute(Qt::WA_StyledBackground);
        label->setGeometry(fraFullBrand_->rect());
    }
    connect(lblCobrand_, &LinkLabel::clicked, this, [this] { OpenPage(WebPage::kCobrand); });
    connect(lblFullBrand_, &LinkLabel::clicked, this, [this] { OpenPage(WebPage::kFullBrand); });
}

void FrmMain::Form_Load() {
    for (int day = 0; day < kDayCount; ++day) {
        cboDate_->addItem(QString::fromStdString(DateListText(day)));
    }
    for (const std::string_view month : kMonthNames) {
        cboMonth_->addItem(Text(month));
    }
    for (int year = 0; year < kYearCount; ++year) {
        cboYear_->addItem(QString::fromStdString(YearListText(year)));
    }
    for (int hour = 0; hour < kHourCount; ++hour) {
        cboHour_->addItem(QString::fromStdString(HourListText(hour)));
    }
    for (int minute = 0; minute < kMinuteCount; ++minute) {
        cboMinute_->addItem(QString::fromStdString(MinuteListText(minute)));
    }
    // A list position equals the zone's row in the table.
    for (const std::string_view zone : strTimeZones) {
        cboTimeZone_->addItem(Text(zone));
    }
    for (QComboBox* list : {cboDate_, cboMonth_, cboHour_, cboMinute_, cboTimeZone_}) {
        list->setCurrentIndex(0);
    }
    cboYear_->setCurrentIndex(kStartYearPosition);
    panels_->setCurrentWidget(Frame1_);
}

void FrmMain::SetTabOrder() {
    // Keyboard order of the input panel, then the result panel's controls.
    const std::vector<QWidget*> order = {
        txtName_,      cboDate_,   cboMonth_,  cboYear_,    cboHour_,    cboMinute_, cboTimeZone_,
        txtLatDeg_,    txtLatMin_, txtLonDeg_, txtLonMin_,  txtCity_,    txtState_,  txtCountry_,
        cmdCalculate_, cmdOpen_,   chkDST_,    optLong_[1], optLong_[0], optLat_[1], optLat_[0],
        Command1_,     TS_,        cmdTimeWindow_, cmdChart_, cmdSave_, cmdBack_};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void FrmMain::ShowReading(const std::string& sun, const std::string& ascendant,
                          const AprakashaResult& reading) {
    KeepLines(reading);
    lblSun_->setText(QString::fromStdString(sun));
    lblAsc_->setText(QString::fromStdString(ascendant));
    ShowPoint(kDhuma);
    {
        const QSignalBlocker blocker(TS_);
        TS_->setCurrentIndex(0);
    }
    panels_->setCurrentWidget(Frame2_);
}

void FrmMain::KeepLines(const AprakashaResult& reading) {
    for (std::size_t i = 0; i < shownLines_.size(); ++i) {
        shownLines_[i] = ResultLines(reading, static_cast<AprakashaPoint>(i));
    }
}

void FrmMain::ShowPoint(AprakashaPoint point) {
    const std::array<std::string, 5>& lines = shownLines_[static_cast<std::size_t>(point)];
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lblResult_[i]->setText(QString::fromStdString(lines[i]));
    }
}

void FrmMain::TS_Click() {
    const int tab = TS_->currentIndex();
    if (tab >= 0 && tab < static_cast<int>(kAprNames.size())) {
        ShowPoint(static_cast<AprakashaPoint>(tab));
    }
}

void FrmMain::cmdBack_Click() { panels_->setCurrentWidget(Frame1_); }

void FrmMain::mnuExit_Click() { close(); }

void FrmMain::mnuAbout_Click() { ui_.showAbout(this); }

void FrmMain::ShowPromotion(Promotion promotion) {
    switch (promotion) {
        case Promotion::kFullBrand:
            lblFullBrand_->raise();
            break;
        case Promotion::kCobrand:
            lblCobrand_->raise();
            break;
        case Promotion::kUnchanged:
            break;
    }
}

void FrmMain::OpenPage(WebPage page) {
    WebLinkOpener::For(this, ui_).Open(WebAddress(page));
}

void FrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_ && screen() != nullptr) {
        centred_ = true;
        QRect frame = frameGeometry();
        frame.moveCenter(screen()->availableGeometry().center());
        move(frame.topLeft());
    }
}

}  // namespace tamovid
