#include "tamovid/app/options/chart_options_menu.h"

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

constexpr std::array<const char*, kLunarNodeNames.size()> kNodeCaptions = {"&Mean Node",
                                                                           "&True Node"};

QString AyanamsaCaption(std::size_t i) {
    // The first letter as the accelerator, the second where two names share it.
    const QString name = Text(kAyanamsaNames[i].name);
    const bool sharesT = kAyanamsaNames[i].ayanamsa == AyanamsaChoice::kTruePushya;
    return sharesT ? name.left(5) + u'&' + name.mid(5) : u'&' + name;
}

}  // namespace

ChartOptionsMenu::ChartOptionsMenu(FrmMain& window, EngineMenu& engineMenu,
                                   Preferences& preferences)
    : QObject(&window) {
    QMenu* options = engineMenu.menu();
    options->setToolTipsVisible(true);
    options->addSeparator();
    mnuAyanamsa_ = options->addMenu(tr("&Ayanamsa"));
    mnuAyanamsa_->setObjectName(QStringLiteral("mnuAyanamsa"));
    mnuNode_ = options->addMenu(tr("Lunar &Node"));
    mnuNode_->setObjectName(QStringLiteral("mnuNode"));

    std::array<QString, kAyanamsaNames.size()> ayanamsaCaptions;
    std::array<QString, kAyanamsaNames.size()> ayanamsaItems;
    for (std::size_t i = 0; i < kAyanamsaNames.size(); ++i) {
        ayanamsaCaptions[i] = AyanamsaCaption(i);
        ayanamsaItems[i] = QStringLiteral("mnuAyanamsa_") + Text(kAyanamsaNames[i].key);
    }
    ayanamsas_ = AddExclusiveChoices(mnuAyanamsa_, window, preferences, ayanamsaCaptions,
                                     ayanamsaItems, [](ChartOptions& chosen, std::size_t i) {
                                         chosen.ayanamsa = kAyanamsaNames[i].ayanamsa;
                                     });
    std::array<QString, kLunarNodeNames.size()> nodeCaptions;
    std::array<QString, kLunarNodeNames.size()> nodeItems;
    for (std::size_t i = 0; i < kLunarNodeNames.size(); ++i) {
        nodeCaptions[i] = tr(kNodeCaptions[i]);
        nodeItems[i] = QStringLiteral("mnuNode_") + Text(kLunarNodeNames[i].key);
    }
    nodes_ = AddExclusiveChoices(
        mnuNode_, window, preferences, nodeCaptions, nodeItems,
        [](ChartOptions& chosen, std::size_t i) { chosen.node = kLunarNodeNames[i].node; });
    mnuNode_->menuAction()->setToolTip(tr("Rahu as the Moon's mean or true node; Ketu opposite"));
    Show(window.CurrentOptions());
    connect(&window, &FrmMain::chartOptionsShown, this, &ChartOptionsMenu::Show);
}

void ChartOptionsMenu::Show(const ChartOptions& options) {
    CheckChosen(ayanamsas_,
                [&](std::size_t i) { return kAyanamsaNames[i].ayanamsa == options.ayanamsa; });
    CheckChosen(nodes_, [&](std::size_t i) { return kLunarNodeNames[i].node == options.node; });
    const bool precise = options.engine == Engine::kPrecise;
    QAction* item = mnuAyanamsa_->menuAction();
    item->setEnabled(precise);
    item->setToolTip(precise ? tr("The zero point of the sidereal zodiac")
                             : tr("The classic engine has an ayanamsa of its own: choose Precise "
                                  "Positions to pick another"));
    item->setStatusTip(item->toolTip());
}

}  // namespace tamovid
