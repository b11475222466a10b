#pragma once

#include <QObject>

#include <array>

#include "tamovid/grahas/chart_options.h"

class QAction;
class QMenu;
class QSettings;

namespace tamovid {

class EngineMenu;
class FrmMain;

/// The ayanamsa and node remembered between runs: Lahiri and the mean node when nothing,
/// or something unknown, is stored.
ChartOptions ReadChartOptionsSetting(const QSettings& settings);
void WriteChartOptionsSetting(QSettings& settings, ChartOptions options);

/// "Ayanamsa" and "Lunar Node" after "Precise Positions" in the Options menu. Each is a
/// set of exclusive choices, set from the stored ones at start, stored on every change and
/// handed to the window. The ayanamsa is the precise engine's alone, so it is disabled,
/// saying why, while the classic engine is chosen. A change of engine, ayanamsa or node
/// recalculates the chart the window shows. Owned by the window; the settings (may be
/// null: nothing is remembered) must outlive both.
class ChartOptionsMenu : public QObject {
    Q_OBJECT
public:
    ChartOptionsMenu(FrmMain& window, EngineMenu& engineMenu, QSettings* settings);

    QMenu* ayanamsaMenu() const { return mnuAyanamsa_; }
    QMenu* nodeMenu() const { return mnuNode_; }

private:
    void Choose(ChartOptions options);
    void Show(ChartOptions options);
    void EngineChanged(bool precise);
    /// The ayanamsa menu as the engine allows, without calculating anything.
    void ShowEngine(bool precise);

    FrmMain& window_;
    QSettings* settings_;
    QMenu* mnuAyanamsa_ = nullptr;
    QMenu* mnuNode_ = nullptr;
    std::array<QAction*, kAyanamsaNames.size()> ayanamsas_{};
    std::array<QAction*, kLunarNodeNames.size()> nodes_{};
};

}  // namespace tamovid
