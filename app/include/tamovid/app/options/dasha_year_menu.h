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

/// "Dasha Year" at the end of the Options menu: the year the Vimshottari periods are
/// counted in, four exclusive choices named with their length in days. A choice goes to
/// the preferences (remembered, and the chart shown recalculated at once); the checks follow
/// the options of the chart the window uses. Owned by the window; the preferences must
/// outlive both.
class DashaYearMenu : public QObject {
    Q_OBJECT
public:
    DashaYearMenu(FrmMain& window, EngineMenu& engineMenu, Preferences& preferences);

    QMenu* menu() const { return mnuDashaYear_; }

private:
    void Show(const ChartOptions& options);

    QMenu* mnuDashaYear_ = nullptr;
    std::array<QAction*, kDashaYears.size()> years_{};
};

}  // namespace tamovid
