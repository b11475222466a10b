#include "tamovid/app/mainform/frm_main.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "tamovid/app/mainform/birth_form.h"
#include "tamovid/app/desktop/chart_drop.h"
#include "tamovid/app/mainform/link_label.h"
#include "tamovid/app/mainform/look.h"
#include "tamovid/app/mainform/panel_controls.h"
#include "tamovid/app/mainform/program_texts.h"
#include "tamovid/app/mainform/result_panel.h"
#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/app/desktop/web_link_opener.h"

namespace tamovid {
namespace {

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

// An entry of a menu, or of the menu bar itself, under its objectName.
template <typename Menu>
QAction* AddItem(Menu* menu, const QString& caption, const char* name) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

}  // namespace

FrmMain::FrmMain(UserInterface& ui, QWidget* parent) : QMainWindow(parent), ui_(ui) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(WindowCaption());
    setWindowIcon(AppIcon());
    setFont(UiFont(8.25));

    BuildMenus();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    PaintInWindowColours(*client);
    client->setStyleSheet(kStyleSheet);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    BuildBanner(client);
    panels_ = new QStackedWidget(client);
    panels_->setObjectName(QStringLiteral("panels"));
    PlaceTwips(panels_, 23, 1485, 9015, 3615);
    Frame1_ = new BirthForm(ui_);
    Frame2_ = new ResultPanel;
    panels_->addWidget(Frame1_);
    panels_->addWidget(Frame2_);
    panels_->setCurrentWidget(Frame1_);
    BuildPromotionStrip(client);
    SetTabOrder();

    connect(Frame1_, &BirthForm::calculateRequested, this, &FrmMain::cmdCalculate_Click);
    connect(Frame1_, &BirthForm::openRequested, this, &FrmMain::cmdOpen_Click);
    connect(Frame2_, &ResultPanel::chartRequested, this, &FrmMain::cmdChart_Click);
    connect(Frame2_, &ResultPanel::timeWindowRequested, this, &FrmMain::cmdTimeWindow_Click);
    connect(Frame2_, &ResultPanel::saveRequested, this, &FrmMain::cmdSave_Click);
    connect(Frame2_, &ResultPanel::backRequested, this, &FrmMain::cmdBack_Click);
    new ChartDrop(this, [this](const QString& name) { OpenChartFile(name); });
}

void FrmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddItem(file, QStringLiteral("Get My &Rasi Chart"), "mnuCalculate"),
            &QAction::triggered, this, &FrmMain::mnuCalculate_Click);
    QAction* print = AddItem(file, QStringLiteral("&Print Reading..."), "mnuPrint");
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &FrmMain::mnuPrint_Click);
    QAction* pdf = AddItem(file, QStringLiteral("Export Reading as &PDF..."), "mnuExportPdf");
    pdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(pdf, &QAction::triggered, this, &FrmMain::mnuExportPdf_Click);
    QAction* timeWindow = AddItem(file, tr("Birth-&Time Window..."), "mnuTimeWindow");
    timeWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(timeWindow, &QAction::triggered, this, &FrmMain::cmdTimeWindow_Click);
    QAction* dasha = AddItem(file, tr("&Dasha Periods..."), "mnuDasha");
    dasha->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(dasha, &QAction::triggered, this, &FrmMain::cmdDasha_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    connect(AddItem(file, QStringLiteral("&Exit"), "mnuExit"), &QAction::triggered, this,
            &FrmMain::mnuExit_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* online = AddItem(help, QStringLiteral("&Online Help"), "mnuOnline");
    QAction* visit = AddItem(help, QStringLiteral("&Visit Us Online"), "mnuVisit");
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    QAction* update = AddItem(help, QStringLiteral("Check for Software &Update"), "mnuUpdate");
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    connect(AddItem(help, QStringLiteral("&About Software"), "mnuAbout"), &QAction::triggered, this,
            &FrmMain::mnuAbout_Click);

    QAction* donate = AddItem(menuBar(), QStringLiteral("Donate"), "mnuDonate");

    const std::array<std::pair<QAction*, WebPage>, 4> pages = {{{online, WebPage::kOnlineHelp},
                                                                {visit, WebPage::kHomePage},
                                                                {update, WebPage::kDownload},
                                                                {donate, WebPage::kDonate}}};
    for (const auto& [action, page] : pages) {
        connect(action, &QAction::triggered, this, [this, page = page] { OpenPage(page); });
    }
}

void FrmMain::BuildBanner(QWidget* client) {
    auto* banner = new LinkLabel(
        QStringLiteral("Join our Vedic astrology forum at %1").arg(QUrl(SiteAddress()).host()),
        client);
    banner->setObjectName(QStringLiteral("Label8"));
    banner->setFont(UiFont(8.25, true));
    banner->setAlignment(Qt::AlignCenter);
    banner->setWordWrap(true);
    PlaceTwips(banner, 2030, 30, 5000, 400);
    connect(banner, &LinkLabel::clicked, this, [this] { OpenPage(WebPage::kHomePage); });

    QLabel* description = AddLabel(11, Text(kGrahasDescription), client, 743, 720);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignCenter);
    PlaceTwips(description, 743, 720, 7575, 615);
}

void FrmMain::BuildPromotionStrip(QWidget* client) {
    auto* strip = new QWidget(client);
    strip->setObjectName(QStringLiteral("fraFullBrand"));
    PlaceTwips(strip, 30, 5115, 9015, 600);

    lblCobrand_ = new LinkLabel(Text(kCobrandOffer) + u' ' + Text(kMoreDetails), strip);
    lblCobrand_->setObjectName(QStringLiteral("lblCobrand"));
    lblFullBrand_ = new LinkLabel(Text(kBrandingOffer) + u' ' + Text(kMoreDetails), strip);
    lblFullBrand_->setObjectName(QStringLiteral("lblFullBrand"));
    for (LinkLabel* label : {lblCobrand_, lblFullBrand_}) {
        label->setFont(UiFont(8.25));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        // Opaque (see the style sheet), so the label in front hides the one behind it.
        label->setAttribute(Qt::WA_StyledBackground);
        label->setGeometry(strip->rect());
    }
    connect(lblCobrand_, &LinkLabel::clicked, this, [this] { OpenPage(WebPage::kCobrand); });
    connect(lblFullBrand_, &LinkLabel::clicked, this, [this] { OpenPage(WebPage::kFullBrand); });
}

void FrmMain::SetTabOrder() {
    // Keyboard order of the input panel, then the result panel's controls.
    std::vector<QWidget*> order = Frame1_->TabOrder();
    const std::vector<QWidget*> results = Frame2_->TabOrder();
    order.insert(order.end(), results.begin(), results.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void FrmMain::ShowReading(const std::string& sun, const std::string& ascendant,
                          const AprakashaResult& reading) {
    Frame2_->ShowReading(sun, ascendant, reading);
    panels_->setCurrentWidget(Frame2_);
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
