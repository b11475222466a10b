#include "tamovid/app/options/dasha_year_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "tamovid/app/options/engine_menu.h"
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
    auto* group = new QActionGroup(this);
    for (std::size_t i = 0; i < kDashaYears.size(); ++i) {
        QAction* item = mnuDashaYear_->addAction(
            tr(kYearCaptions[i]).arg(QString::number(kDashaYears[i].days, 'g', kDayDigits)));
        item->setObjectName(QStringLiteral("mnuDashaYear_") + Text(kDashaYears[i].key));
        item->setCheckable(true);
        group->addAction(item);
        years_[i] = item;
        connect(item, &QAction::triggered, this, [&window, &preferences, i] {
            ChartOptions chosen = window.CurrentOptions();
            chosen.dashaYear = kDashaYears[i].year;
            preferences.setChartOptions(chosen);
        });
    }
    Show(window.CurrentOptions());
    connect(&window, &FrmMain::chartOptionsShown, this, &DashaYearMenu::Show);
}

void DashaYearMenu::Show(const ChartOptions& options) {
    for (std::size_t i = 0; i < years_.size(); ++i) {
        years_[i]->setChecked(kDashaYears[i].year == options.dashaYear);
    }
}

}  // namespace tamovid
