#include "tamovid/app/dialogs/frm_about.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tamovid/app/mainform/link_label.h"
#include "tamovid/app/mainform/look.h"
#include "tamovid/app/mainform/program_texts.h"
#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/app/desktop/web_link_opener.h"
#include "tamovid/app/desktop/web_links.h"

namespace tamovid {
namespace {

QLabel* Paragraph(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(UiFont(8.25));
    return label;
}

}  // namespace

FrmAbout::FrmAbout(UserInterface& ui, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(WindowCaption());
    setWindowIcon(AppIcon());
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setFont(UiFont(8.25));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(AppIcon().pixmap(32, 32));
    auto* title = new QLabel(WindowCaption(), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFont(UiFont(14.25, true));
    auto* heading = new QHBoxLayout;
    heading->addWidget(icon);
    heading->addWidget(title, 1);

    QLabel* about = Paragraph(
        QStringLiteral(
            "Tamovid calculates these non-luminous planets on the basis of Vedic Astrology. ") +
            Text(kGrahasDescription),
        this);
    about->setObjectName(QStringLiteral("lblDescription"));

    const QUrl home = WebAddress(WebPage::kHomePage);
    auto* lblHomePage =
        new LinkLabel(QStringLiteral("Click here to visit ") + home.toString(), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setFont(UiFont(8.25));
    lblHomePage->setStyleSheet(
        QStringLiteral("color: rgb(0, 0, 192); text-decoration: underline;"));
    connect(lblHomePage, &LinkLabel::clicked, this,
            [this, &ui, home] { WebLinkOpener::For(this, ui).Open(home); });

    QLabel* offer = Paragraph(Text(kBrandingOffer), this);
    offer->setObjectName(QStringLiteral("lblOffer"));
    auto* lblCobrand = new LinkLabel(Text(kMoreDetails), this);
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    lblCobrand->setFont(UiFont(8.25));
    lblCobrand->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192); text-decoration: underline;"));
    connect(lblCobrand, &LinkLabel::clicked, this,
            [this, &ui] { WebLinkOpener::For(this, ui).Open(WebAddress(WebPage::kFullBrand)); });

    // The place atlas's licence asks for this credit wherever its data is used.
    QLabel* credits =
        Paragraph(QStringLiteral("Places: GeoNames (geonames.org), CC BY 4.0."), this);
    credits->setObjectName(QStringLiteral("lblCredits"));
    credits->setFont(UiFont(7.5));

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(75);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(heading);
    layout->addWidget(about);
    layout->addWidget(lblHomePage);
    layout->addWidget(offer);
    layout->addWidget(lblCobrand);
    layout->addStretch(1);
    layout->addWidget(credits);
    layout->addLayout(buttons);
}

}  // namespace tamovid
