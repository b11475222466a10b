#pragma once

#include <QObject>
#include <QString>

#include "tamovid/birthentry/engine.h"
#include "tamovid/grahas/chart_options.h"

class QAction;
class QMenu;
class QSettings;

namespace tamovid {

class FrmMain;

/// The engine remembered between runs; classic when nothing (or something unknown) is stored.
Engine ReadEngineSetting(const QSettings& settings);
void WriteEngineSetting(QSettings& settings, Engine engine);

/// The caption that tells, under a reading, which engine computed it, and with the precise
/// engine its ayanamsa ("Precise positions, Raman ayanamsa").
QString EngineCaption(Engine engine, AyanamsaChoice ayanamsa);

/// The "Options" menu with the checkable "Precise Positions" item: it sets the window's
/// engine from the stored choice at start and stores every change. It lives as long as
/// the window, which owns it; the settings must outlive both. Without settings (null,
/// when they cannot be used) the choice starts classic and lasts for this run only.
class EngineMenu : public QObject {
    Q_OBJECT
public:
    EngineMenu(FrmMain& window, QSettings* settings);

    QAction* preciseAction() const { return mnuPrecise_; }
    QMenu* menu() const { return mnuOptions_; }

private:
    void Choose(bool precise);
    void Show(Engine engine);

    FrmMain& window_;
    QSettings* settings_;
    QMenu* mnuOptions_ = nullptr;
    QAction* mnuPrecise_ = nullptr;
};

}  // namespace tamovid
