#pragma once

#include <QObject>

#include <array>

#include "tamovid/choices/chart_options.h"

class QAction;
class QActionGroup;
class QMenu;

namespace tamovid {

class EngineMenu;
class FrmMain;
class Preferences;

/// "Upagrahas" in the Options menu: Sunrise (Hindu or Almanac), Portion Lords (eight
/// slots or seven lords), and where Gulika, Mandi and the other four rise (the start, the
/// middle or the end of their lord's portion). Choices go to the preferences, which
/// remember them and recalculate the chart shown; the checks follow the options of the
/// chart the window uses. Owned by the window; the preferences must outlive both.
class UpagrahaMenu : public QObject {
    Q_OBJECT
public:
    UpagrahaMenu(FrmMain& window, EngineMenu& engineMenu, Preferences& preferences);

    QMenu* menu() const { return mnuUpagrahas_; }

private:
    /// The "where it rises" submenus: Gulika, Mandi, and the other four together.
    static constexpr std::size_t kGroupCount = 3;

    void Show(const ChartOptions& options);
    /// The options with the checked choices over the window's.
    ChartOptions Chosen() const;
    QAction* AddChoice(QMenu* menu, QActionGroup* group, const QString& caption,
                       const QString& objectName);

    FrmMain& window_;
    QMenu* mnuUpagrahas_ = nullptr;
    QActionGroup* sunrise_ = nullptr;
    QActionGroup* lords_ = nullptr;
    std::array<QActionGroup*, kGroupCount> at_{};
};

}  // namespace tamovid
