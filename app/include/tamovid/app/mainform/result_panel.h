#pragma once

#include <QGroupBox>

#include <array>
#include <string>
#include <vector>

#include "tamovid/aprakasha/aprakasha.h"

class QLabel;
class QPushButton;
class QTabBar;

namespace tamovid {

class ChartHeadline;
struct Reading;

/// The result panel "Tamovid Result": the Sun and the Ascendant, one tab per point with
/// that point's five lines, the zone and the engine that computed them, and the buttons of the result
/// side (the Rasi chart, Save, Back), whose presses it passes on.
class ResultPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ResultPanel(QWidget* parent = nullptr);

    /// Shows the Sun and Ascendant texts and Dhuma's five lines on the first tab. The tabs
    /// show the other points from this reading; nothing is recalculated.
    void ShowReading(const std::string& sun, const std::string& ascendant,
                     const AprakashaResult& grahas);
    /// The same for a calculated reading, with the lines that name its zone and engine.
    void ShowReading(const Reading& reading);

    /// The panel's controls in keyboard order.
    std::vector<QWidget*> TabOrder() const;

    /// The tab shown, and showing another (a recalculation keeps the reader's place).
    int CurrentTab() const;
    void SetCurrentTab(int tab);

signals:
    void chartRequested();
    void timeWindowRequested();
    void saveRequested();
    void backRequested();

private:
    void TS_Click();
    void KeepLines(const AprakashaResult& grahas);
    void ShowPoint(AprakashaPoint point);

    /// The five lines of each point, as the tabs show them.
    std::array<std::array<std::string, 5>, kAprakashaPointCount> shownLines_{};

    QTabBar* TS_ = nullptr;
    QLabel* lblSun_ = nullptr;
    QLabel* lblAsc_ = nullptr;
    std::array<QLabel*, 5> lblResult_{};
    QLabel* lblEngine_ = nullptr;  // which engine computed the reading shown
    QLabel* lblZoneUsed_ = nullptr;  // the zone the clock time was read in
    ChartHeadline* headline_ = nullptr;  // whose chart it is
    QPushButton* cmdTimeWindow_ = nullptr;
    QPushButton* cmdChart_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
};

}  // namespace tamovid
