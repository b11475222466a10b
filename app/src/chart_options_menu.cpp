#include "tamovid/app/chart_options_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "tamovid/app/engine_menu.h"
#include "tamovid/app/frm_main.h"
#include "tamovid/app/program_texts.h"
#include "tamovid/app/settings_file.h"

namespace tamovid {
namespace {

QString AyanamsaKeyName() { return SettingsKey(Setting::kAyanamsa); }
QString NodeKeyName() { return SettingsKey(Setting::kNode); }

constexpr std::array<const char*, kLunarNodeNames.size()> kNodeCaptions = {"&Mean Node",
                                                                           "&True Node"};

QString AyanamsaCaption(std::size_t i) {
    // The first letter as the accelerator, the second where two names share it.
    const QString name = Text(kAyanamsaNames[i].name);
    const bool sharesT = kAyanamsaNames[i].ayanamsa == AyanamsaChoice::kTruePushya;
    return sharesT ? name.left(5) + u'&' + name.mid(5) : u'&' + name;
}

}  // namespace

ChartOptions ReadChartOptionsSetting(const QSettings& settings) {
    ChartOptions options;
    options.ayanamsa = ParseAyanamsa(settings.value(AyanamsaKeyName()).toString().toStdString())
                           .value_or(AyanamsaChoice::kLahiri);
    options.node = ParseLunarNode(settings.value(NodeKeyName()).toString().toStdString())
                       .value_or(LunarNode::kMean);
    return options;
}

void WriteChartOptionsSetting(QSettings& settings, ChartOptions options) {
    settings.setValue(AyanamsaKeyName(), Text(AyanamsaKey(options.ayanamsa)));
    settings.setValue(NodeKeyName(), Text(LunarNodeKey(options.node)));
    settings.sync();
}

ChartOptionsMenu::ChartOptionsMenu(FrmMain& window, EngineMenu& engineMenu, QSettings* settings)
    : QObject(&window), window_(window), settings_(settings) {
    QMenu* options = engineMenu.menu();
    options->setToolTipsVisible(true);
    options->addSeparator();
    mnuAyanamsa_ = options->addMenu(tr("&Ayanamsa"));
    mnuAyanamsa_->setObjectName(QStringLiteral("mnuAyanamsa"));
    mnuNode_ = options->addMenu(tr("Lunar &Node"));
    mnuNode_->setObjectName(QStringLiteral("mnuNode"));

    const ChartOptions stored =
        settings_ != nullptr ? ReadChartOptionsSetting(*settings_) : ChartOptions{};
    auto* ayanamsaGroup = new QActionGroup(this);
    for (std::size_t i = 0; i < kAyanamsaNames.size(); ++i) {
        QAction* item = mnuAyanamsa_->addAction(AyanamsaCaption(i));
        item->setObjectName(QStringLiteral("mnuAyanamsa_") + Text(kAyanamsaNames[i].key));
        item->setCheckable(true);
        item->setChecked(kAyanamsaNames[i].ayanamsa == stored.ayanamsa);
        ayanamsaGroup->addAction(item);
        ayanamsas_[i] = item;
    }
    auto* nodeGroup = new QActionGroup(this);
    for (std::size_t i = 0; i < kLunarNodeNames.size(); ++i) {
        QAction* item = mnuNode_->addAction(tr(kNodeCaptions[i]));
        item->setObjectName(QStringLiteral("mnuNode_") + Text(kLunarNodeNames[i].key));
        item->setCheckable(true);
        item->setChecked(kLunarNodeNames[i].node == stored.node);
        nodeGroup->addAction(item);
        nodes_[i] = item;
    }
    mnuNode_->menuAction()->setToolTip(tr("Rahu as the Moon's mean or true node; Ketu opposite"));
    window_.SetChartOptions(stored);

    auto chosen = [this] {
        ChartOptions now;
        for (std::size_t i = 0; i < ayanamsas_.size(); ++i) {
            if (ayanamsas_[i]->isChecked()) now.ayanamsa = kAyanamsaNames[i].ayanamsa;
        }
        for (std::size_t i = 0; i < nodes_.size(); ++i) {
            if (nodes_[i]->isChecked()) now.node = kLunarNodeNames[i].node;
        }
        Choose(now);
    };
    connect(&window_, &FrmMain::chartOptionsShown, this, &ChartOptionsMenu::Show);
    connect(&window_, &FrmMain::engineShown, this,
            [this](Engine engine) { ShowEngine(engine == Engine::kPrecise); });
    connect(ayanamsaGroup, &QActionGroup::triggered, this, chosen);
    connect(nodeGroup, &QActionGroup::triggered, this, chosen);
    // After the engine menu's own handler, which has set the engine by then.
    connect(engineMenu.preciseAction(), &QAction::toggled, this, &ChartOptionsMenu::EngineChanged);
    EngineChanged(engineMenu.preciseAction()->isChecked());
}

void ChartOptionsMenu::Choose(ChartOptions options) {
    if (options == window_.CurrentOptions()) return;
    window_.SetChartOptions(options);
    if (settings_ != nullptr) WriteChartOptionsSetting(*settings_, options);
    window_.RecalculateShown();
}

void ChartOptionsMenu::Show(ChartOptions options) {
    // Only the checks: a chart's own options are not the user's remembered choice.
    for (std::size_t i = 0; i < ayanamsas_.size(); ++i) {
        ayanamsas_[i]->setChecked(kAyanamsaNames[i].ayanamsa == options.ayanamsa);
    }
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        nodes_[i]->setChecked(kLunarNodeNames[i].node == options.node);
    }
}

void ChartOptionsMenu::EngineChanged(bool precise) {
    ShowEngine(precise);
    window_.RecalculateShown();
}

void ChartOptionsMenu::ShowEngine(bool precise) {
    QAction* item = mnuAyanamsa_->menuAction();
    item->setEnabled(precise);
    item->setToolTip(precise ? tr("The zero point of the sidereal zodiac")
                             : tr("The classic engine has an ayanamsa of its own: choose Precise "
                                  "Positions to pick another"));
    item->setStatusTip(item->toolTip());
}

}  // namespace tamovid
