#pragma once

#include <QObject>

#include "tamovid/choices/chart_options.h"

class QSettings;

namespace tamovid {

/// The chart choices remembered between runs (engine, ayanamsa, node, how the time-based
/// upagrahas and the dasha are reckoned): read once at start, written on every change and
/// announced, so that menus and windows follow them instead of calling one another. Where
/// nothing, or something unknown, is stored, a choice keeps the default ChartOptions gives
/// it. Without a settings store (null) the choices last for this run only.
class Preferences : public QObject {
    Q_OBJECT
public:
    explicit Preferences(QSettings* settings, QObject* parent = nullptr);

    const ChartOptions& chartOptions() const { return options_; }
    /// Remembers the user's choices (written only when they change) and announces them.
    void setChartOptions(const ChartOptions& options);

signals:
    void chartOptionsChanged(const tamovid::ChartOptions& options);

private:
    QSettings* settings_;
    ChartOptions options_;
};

/// The choices a settings store holds, over the defaults.
ChartOptions ReadChartOptions(const QSettings& settings);
/// Writes every choice, so that the store says what this run used.
void WriteChartOptions(QSettings& settings, const ChartOptions& options);

}  // namespace tamovid
