#pragma once

#include <QObject>

#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/choices/chart_options.h"

class QSettings;

namespace tamovid {

/// Everything remembered of the user's choices between runs. Until something is read,
/// each holds its default: the chart options' own, the South Indian drawing, and only
/// Gulika and Mandi of the six time-based upagrahas in the chart.
struct RememberedChoices {
    ChartOptions chart;
    ChartStyle chartStyle = ChartStyle::kSouth;
    bool allUpagrahas = false;

    bool operator==(const RememberedChoices&) const = default;
};

/// The choices remembered between runs (engine, ayanamsa, node, how the time-based
/// upagrahas and the dasha are reckoned, and how the chart window draws): read once at
/// start, written on every change and announced, so that menus and windows follow them
/// instead of calling one another. Where nothing, or something unknown, is stored, a choice
/// keeps its default. Without a settings store (null) the choices last for this run only.
class Preferences : public QObject {
    Q_OBJECT
public:
    explicit Preferences(QSettings* settings, QObject* parent = nullptr);

    const RememberedChoices& choices() const { return choices_; }
    const ChartOptions& chartOptions() const { return choices_.chart; }
    /// Remembers the user's choices (written only when they change) and announces them.
    void setChartOptions(const ChartOptions& options);

    ChartStyle chartStyle() const { return choices_.chartStyle; }
    /// Remembers and announces a new drawing; the same one again does nothing.
    void setChartStyle(ChartStyle style);

    /// Whether the chart draws all six time-based upagrahas, not only Gulika and Mandi.
    bool allUpagrahas() const { return choices_.allUpagrahas; }
    void setAllUpagrahas(bool all);

signals:
    void chartOptionsChanged(const tamovid::ChartOptions& options);
    void chartStyleChanged(tamovid::ChartStyle style);
    void allUpagrahasChanged(bool all);

private:
    QSettings* settings_;
    RememberedChoices choices_;
};

}  // namespace tamovid
