#pragma once

#include <QObject>
#include <QString>

#include "tamovid/choices/chart_options.h"

class QAction;
class QMenu;

namespace tamovid {

class FrmMain;
class Preferences;

/// The caption that tells, under a reading, which engine computed it, and with the precise
/// engine its ayanamsa ("Precise positions, Raman ayanamsa").
QString EngineCaption(Engine engine, AyanamsaChoice ayanamsa);

/// The "Options" menu with the checkable "Precise Positions" item: a choice goes to the
/// preferences, and the check follows the options of the chart the window uses. It lives as
/// long as the window, which owns it; the preferences must outlive both.
class EngineMenu : public QObject {
    Q_OBJECT
public:
    EngineMenu(FrmMain& window, Preferences& preferences);

    QAction* preciseAction() const { return mnuPrecise_; }
    QMenu* menu() const { return mnuOptions_; }

private:
    void Show(const ChartOptions& options);

    QMenu* mnuOptions_ = nullptr;
    QAction* mnuPrecise_ = nullptr;
};

}  // namespace tamovid
