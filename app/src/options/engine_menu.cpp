#include "tamovid/app/options/engine_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/options/preferences.h"

namespace tamovid {

QString EngineCaption(Engine engine, AyanamsaChoice ayanamsa) {
    if (engine != Engine::kPrecise) return QStringLiteral("Classic positions");
    const std::string_view name = AyanamsaDisplayName(ayanamsa);
    return QStringLiteral("Precise positions, %1 ayanamsa")
        .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

EngineMenu::EngineMenu(FrmMain& window, Preferences& preferences) : QObject(&window) {
    // After the window's own menus, which keep their places; Alt+O already opens a chart.
    mnuOptions_ = window.menuBar()->addMenu(QStringLiteral("O&ptions"));
    mnuOptions_->setObjectName(QStringLiteral("mnuOptions"));
    mnuPrecise_ = mnuOptions_->addAction(QStringLiteral("&Precise Positions"));
    mnuPrecise_->setObjectName(QStringLiteral("mnuPrecise"));
    mnuPrecise_->setCheckable(true);
    Show(window.CurrentOptions());
    // Only the user's own choice: the check set to show an opened chart chooses nothing.
    connect(mnuPrecise_, &QAction::triggered, this, [&window, &preferences](bool precise) {
        ChartOptions chosen = window.CurrentOptions();
        chosen.engine = precise ? Engine::kPrecise : Engine::kClassic;
        preferences.setChartOptions(chosen);
    });
    connect(&window, &FrmMain::chartOptionsShown, this, &EngineMenu::Show);
}

void EngineMenu::Show(const ChartOptions& options) {
    mnuPrecise_->setChecked(options.engine == Engine::kPrecise);
}

}  // namespace tamovid
