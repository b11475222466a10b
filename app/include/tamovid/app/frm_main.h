#pragma once

#include <QMainWindow>

#include <array>
#include <optional>
#include <string>

#include "tamovid/app/promotion.h"
#include "tamovid/app/reading_export.h"
#include "tamovid/app/web_links.h"
#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/birthentry/engine.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/chart_session.h"
#include "tamovid/birthentry/messages.h"
#include "tamovid/birthentry/place_zone.h"
#include "tamovid/chartfile/chart_file.h"
#include "tamovid/positions/birth_record.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSettings;
class QStackedWidget;
class QTabBar;

namespace tamovid {
namespace atlas {
struct Place;
}

class AtlasZone;
class ChartHeadline;
class ChartWindow;
class TimeWindowView;
class LinkLabel;
class UserInterface;

/// The program's one working window: the birth-data panel and the result panel in
/// one place, the menus, the banner and the promotional strip.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 604;
    static constexpr int kClientHeight = 381;
    static constexpr int kLabelCount = 18;

    explicit FrmMain(UserInterface& ui, QWidget* parent = nullptr);

    /// Shows a finished calculation: the Sun and Ascendant texts, Dhuma's five lines
    /// and the first tab, with the result panel in front. Later tab clicks read this
    /// reading again; nothing is recalculated.
    void ShowReading(const std::string& sun, const std::string& ascendant,
                     const AprakashaResult& reading);

    /// The points of the last successful calculation (empty before the first).
    const AprakashaResult& LastReading() const { return session_.reading().grahas; }

    /// The birth record of the last successful calculation (empty before the first).
    const BirthRecord& LastRecord() const { return session_.reading().record; }

    /// The reading as the printout shows it; nothing before the first calculation.
    std::optional<PrintableReading> Printable() const;

    /// The file name last chosen for saving, offered again by the next Save.
    const QString& SaveFileName() const { return strSaveFileName_; }

    /// The form's values as the controls hold them now.
    BirthEntry ReadEntry() const;

    /// The engine the next calculation uses (classic until told otherwise).
    void SetEngine(Engine engine) { engine_ = engine; }
    Engine CurrentEngine() const { return engine_; }
    /// The precise engine's ayanamsa and the node the next calculation uses.
    void SetChartOptions(ChartOptions options) { options_ = options; }
    ChartOptions CurrentOptions() const { return options_; }
    /// Calculates the shown chart again with the current engine and options, as a change of
    /// them asks; nothing happens while the input panel is in front or before a chart.
    void RecalculateShown();

    /// Brings one of the promotional labels to the front.
    void ShowPromotion(Promotion promotion);

    /// The settings store the chart window remembers its style in; may stay unset.
    void SetSettings(QSettings* settings) { settings_ = settings; }

    /// The birth-time window, once it has been opened (null before).
    TimeWindowView* TimeWindow() const { return timeWindow_; }
    /// The chart window, once it has been opened (null before).
    ChartWindow* Chart() const { return chart_; }

    /// Restores the form from this chart file and calculates it, exactly as Open does
    /// with the file chosen in its dialog (a chart named at start or dropped on the window).
    void OpenChartFile(const QString& name);

public slots:
    /// Validates the form and, when it passes, calculates and shows the chart; a refusal
    /// is told to the user and changes nothing but the focus or a missing direction.
    void cmdCalculate_Click();
    void mnuCalculate_Click();
    /// Looks up the birth place's coordinates with a web search in the browser.
    void Command1_Click();
    /// Saves the last calculated chart to a file the user chooses.
    void cmdSave_Click();
    /// Restores the form from a chart file and calculates it.
    void cmdOpen_Click();
    /// Print preview and the print dialog, or a PDF file, of the reading shown.
    void mnuPrint_Click();
    void mnuExportPdf_Click();
    void TS_Click();
    void cmdBack_Click();
    /// Opens the Rasi chart of the last calculation in its own window.
    void cmdChart_Click();
    /// Opens the birth-time window of the last calculation in a window of its own.
    void cmdTimeWindow_Click();
    void mnuExit_Click();
    void mnuAbout_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildInputPanel();
    QWidget* BuildResultPanel();
    void BuildPromotionStrip(QWidget* client);
    void Form_Load();
    void SetTabOrder();
    void ShowPoint(AprakashaPoint point);
    void OpenPage(WebPage page);
    QLabel* AddLabel(int index, const QString& caption, QWidget* parent, int left, int top);
    void InstallFieldFilters();
    void Tell(const Refusal& refusal);
    /// True once a chart is calculated; otherwise tells the user there is nothing to
    /// `verb` yet.
    bool HasChart(const QString& verb);
    /// Sets every input control from the form values.
    void ShowEntry(const BirthEntry& entry);
    /// The place search under the city field and the zone line (frm_main_places.cpp).
    void InstallPlaceSearch();
    void TakePlace(const atlas::Place& place);
    /// Keeps each point's lines for the tabs.
    void KeepLines(const AprakashaResult& reading);
    /// Shows the session's reading after a calculation, or tells why there is none.
    bool ShowCalculated(const Result<void, Refusal>& calculated);
    /// The calculate button's work; true when a chart was calculated and shown.
    bool CalculateForm();

    UserInterface& ui_;
    ReadingExport export_{ui_};
    ChartSession session_;
    /// The five lines of each point, as the result tabs show them.
    std::array<std::array<std::string, 5>, kAprakashaPointCount> shownLines_{};
    Engine engine_ = Engine::kClassic;
    ChartOptions options_;
    QString strSaveFileName_;
    bool centred_ = false;
    AtlasZone* atlasZone_ = nullptr;          // the chosen place's zone, while the atlas holds it
    std::optional<FilledPlace> filledPlace_;  // the form as the atlas last filled it
    QSettings* settings_ = nullptr;
    ChartWindow* chart_ = nullptr;
    TimeWindowView* timeWindow_ = nullptr;

    std::array<QLabel*, kLabelCount> lblLabel_{};
    std::array<QLabel*, 5> lblResult_{};

    QMenu* mnuFile_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    QAction* mnuCalculate_ = nullptr;
    QAction* mnuPrint_ = nullptr;
    QAction* mnuExportPdf_ = nullptr;
    QAction* mnuTimeWindow_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QAction* mnuOnline_ = nullptr;
    QAction* mnuVisit_ = nullptr;
    QAction* mnuUpdate_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuDonate_ = nullptr;

    LinkLabel* Label8_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QWidget* fraFullBrand_ = nullptr;
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;

    QPushButton* cmdOpen_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHour_ = nullptr;
    QComboBox* cboMinute_ = nullptr;
    QComboBox* cboTimeZone_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QLineEdit* txtLatDeg_ = nullptr;
    QLineEdit* txtLatMin_ = nullptr;
    QLineEdit* txtLonDeg_ = nullptr;
    QLineEdit* txtLonMin_ = nullptr;
    std::array<QRadioButton*, 2> optLat_{};
    std::array<QRadioButton*, 2> optLong_{};
    QLineEdit* txtCity_ = nullptr;
    QLineEdit* txtState_ = nullptr;
    QLineEdit* txtCountry_ = nullptr;
    QPushButton* Command1_ = nullptr;

    QTabBar* TS_ = nullptr;
    QLabel* lblSun_ = nullptr;
    QLabel* lblAsc_ = nullptr;
    QLabel* lblEngine_ = nullptr;  // which engine computed the reading shown
    ChartHeadline* headline_ = nullptr;  // whose chart it is
    QPushButton* cmdChart_ = nullptr;
    QPushButton* cmdTimeWindow_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
};

}  // namespace tamovid
