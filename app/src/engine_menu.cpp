#include "tamovid/app/engine_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalBlocker>

#include "tamovid/app/frm_main.h"
#include "tamovid/app/settings_file.h"

namespace tamovid {
namespace {

QString EngineKey() { return SettingsKey(Setting::kEngine); }

QString EngineValue(Engine engine) {
    const std::string_view name = EngineName(engine);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

Engine ReadEngineSetting(const QSettings& settings) {
    return settings.value(EngineKey()).toString() == EngineValue(Engine::kPrecise)
               ? Engine::kPrecise
               : Engine::kClassic;
}

void WriteEngineSetting(QSettings& settings, Engine engine) {
    settings.setValue(EngineKey(), EngineValue(engine));
    settings.sync();
}

QString EngineCaption(Engine engine, AyanamsaChoice ayanamsa) {
    if (engine != Engine::kPrecise) return QStringLiteral("Classic positions");
    const std::string_view name = AyanamsaDisplayName(ayanamsa);
    return QStringLiteral("Precise positions, %1 ayanamsa")
        .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

EngineMenu::EngineMenu(FrmMain& window, QSettings* settings)
    : QObject(&window), window_(window), settings_(settings) {
    // After the window's own menus, which keep their places; Alt+O already opens a chart.
    mnuOptions_ = window.menuBar()->addMenu(QStringLiteral("O&ptions"));
    mnuOptions_->setObjectName(QStringLiteral("mnuOptions"));
    mnuPrecise_ = mnuOptions_->addAction(QStringLiteral("&Precise Positions"));
    mnuPrecise_->setObjectName(QStringLiteral("mnuPrecise"));
    mnuPrecise_->setCheckable(true);
    const Engine stored = settings_ != nullptr ? ReadEngineSetting(*settings_) : Engine::kClassic;
    mnuPrecise_->setChecked(stored == Engine::kPrecise);
    window_.SetEngine(stored);
    connect(mnuPrecise_, &QAction::toggled, this, &EngineMenu::Choose);
    connect(&window_, &FrmMain::engineShown, this, &EngineMenu::Show);
}

void EngineMenu::Show(Engine engine) {
    // Only the check: an opened chart's engine is not the user's remembered choice.
    const QSignalBlocker quiet(mnuPrecise_);
    mnuPrecise_->setChecked(engine == Engine::kPrecise);
}

void EngineMenu::Choose(bool precise) {
    const Engine engine = precise ? Engine::kPrecise : Engine::kClassic;
    window_.SetEngine(engine);
    if (settings_ != nullptr) WriteEngineSetting(*settings_, engine);
}

}  // namespace tamovid
