#include "tamovid/app/options/dasha_year_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "tamovid/app/options/engine_menu.h"
#include "tamovid/app/options/exclusive_choices.h"
#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/options/preferences.h"
#include "tamovid/app/mainform/program_texts.h"

namespace tamovid {
namespace {

// In table order; Savana takes its second letter, as Sidereal has the S.
constexpr std::array<const char*, kDashaYears.size()> kYearCaptions = {
    "&Sidereal (%1 days)", "&Julian (%1 days)", "&Gregorian (%1 days)", "Sa&vana (%1 days)"};
constexpr int kDayDigits = 10;  // every length in full, no trailing zeros

}  // namespace

DashaYearMenu::DashaYearMenu(FrmMain& window, EngineMenu& engineMenu, Preferences& preferences)
    : QObject(&window) {
    mnuDashaYear_ = engineMenu.menu()->addMenu(tr("&Dasha Year"));
    mnuDashaYear_->setObjectName(QStringLiteral("mnuDashaYear"));
    mnuDashaYear_->menuAction()->setToolTip(
        tr("The length of the year the Vimshottari periods are counted in"));
    std::array<QString, kDashaYears.size()> captions;
    std::array<QString, kDashaYears.size()> items;
    for (std::size_t i = 0; i < kDashaYears.size(); ++i) {
        captions[i] =
            tr(kYearCaptions[i]).arg(QString::number(kDashaYears[i].days, 'g', kDayDigits));
        items[i] = QStringLiteral("mnuDashaYear_") + Text(kDashaYears[i].key);
    }
    years_ = AddExclusiveChoices(
        mnuDashaYear_, window, preferences, captions, items,
        [](ChartOptions& chosen, std::size_t i) { chosen.dashaYear = kDashaYears[i].year; });
    Show(window.CurrentOptions());
    connect(&window, &FrmMain::chartOptionsShown, this, &DashaYearMenu::Show);
}

void DashaYearMenu::Show(const ChartOptions& options) {
    CheckChosen(years_, [&](std::size_t i) { return kDashaYears[i].year == options.dashaYear; });
}

}  // namespace tamovid
