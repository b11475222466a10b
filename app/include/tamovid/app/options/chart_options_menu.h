#pragma once

#include <QObject>

#include <array>

#include "tamovid/choices/chart_options.h"

class QAction;
class QMenu;

namespace tamovid {

class EngineMenu;
class FrmMain;
class Preferences;

/// "Ayanamsa" and "Lunar Node" after "Precise Positions" in the Options menu: exclusive
/// choices that go to the preferences, their checks following the options of the chart the
/// window uses. The ayanamsa is the precise engine's alone, so it is disabled, saying why,
/// while the classic engine is in use. Owned by the window; the preferences must outlive both.
class ChartOptionsMenu : public QObject {
    Q_OBJECT
public:
    ChartOptionsMenu(FrmMain& window, EngineMenu& engineMenu, Preferences& preferences);

    QMenu* ayanamsaMenu() const { return mnuAyanamsa_; }
    QMenu* nodeMenu() const { return mnuNode_; }

private:
    void Show(const ChartOptions& options);

    QMenu* mnuAyanamsa_ = nullptr;
    QMenu* mnuNode_ = nullptr;
    std::array<QAction*, kAyanamsaNames.size()> ayanamsas_{};
    std::array<QAction*, kLunarNodeNames.size()> nodes_{};
};

}  // namespace tamovid
