#pragma once

#include <QMainWindow>

#include <optional>
#include <string>

#include "tamovid/app/dialogs/chart_file_dialogs.h"
#include "tamovid/app/mainform/promotion.h"
#include "tamovid/app/dialogs/reading_export.h"
#include "tamovid/app/desktop/web_links.h"
#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/birthentry/chart_session.h"
#include "tamovid/choices/engine.h"
#include "tamovid/fullreading/full_reading.h"
#include "tamovid/positions/birth_record.h"

class QStackedWidget;

namespace tamovid {

class BirthForm;
class ChartWindow;
class DashaView;
class TimeWindowView;
class LinkLabel;
class Preferences;
class ResultPanel;
class UserInterface;

/// The program's one working window: the birth form and the result panel in one place,
/// the menus, the banner and the promotional strip, and the commands that pass the form
/// to the chart session and its reading to the result panel.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 604;
    static constexpr int kClientHeight = 381;

    explicit FrmMain(UserInterface& ui, QWidget* parent = nullptr);

    /// Shows a finished calculation: the Sun and Ascendant texts, Dhuma's five lines
    /// and the first tab, with the result panel in front.
    void ShowReading(const std::string& sun, const std::string& ascendant,
                     const AprakashaResult& reading);

    /// The points of the last successful calculation (empty before the first).
    const AprakashaResult& LastReading() const { return session_.reading().grahas; }

    /// The birth record of the last successful calculation (empty before the first).
    const BirthRecord& LastRecord() const { return session_.reading().record; }

    /// The reading as the printout shows it; nothing before the first calculation.
    std::optional<PrintableReading> Printable() const;

    /// The file name last chosen for saving, offered again by the next Save.
    const QString& SaveFileName() const { return files_.SaveFileName(); }

    /// The options the next calculation uses: the remembered ones, or those of a chart
    /// opened since (the defaults until preferences are given).
    const ChartOptions& CurrentOptions() const { return options_; }
    Engine CurrentEngine() const { return options_.engine; }
    /// Starts from the remembered options, and takes each choice the user makes there,
    /// recalculating the chart shown; the chart window and the printed reading take their
    /// drawing from them too. Given before the chart window opens; the preferences must
    /// outlive the window.
    void UsePreferences(Preferences& preferences);
    /// Calculates the shown chart again with the current engine and options, as a change of
    /// them asks; nothing happens while the input panel is in front or before a chart.
    void RecalculateShown();

    /// Brings one of the promotional labels to the front.
    void ShowPromotion(Promotion promotion);

    /// The birth-time window, once it has been opened (null before).
    TimeWindowView* TimeWindow() const { return timeWindow_; }
    /// The dasha window, once it has been opened (null before).
    DashaView* Dasha() const { return dasha_; }
    /// The chart window, once it has been opened (null before).
    ChartWindow* Chart() const { return chart_; }

    /// Restores the form from this chart file and calculates it, exactly as Open does
    /// with the file chosen in its dialog (a chart named at start or dropped on the window).
    void OpenChartFile(const QString& name);

signals:
    /// The options now in use: chosen by the user, or those a chart file was saved with.
    void chartOptionsShown(const tamovid::ChartOptions& options);

public slots:
    /// Calculates the form once its checks pass and shows the chart; a refusal is told
    /// to the user and changes nothing but the focus or a missing direction.
    void cmdCalculate_Click();
    void mnuCalculate_Click();
    /// Saves the last calculated chart to a file the user chooses.
    void cmdSave_Click();
    /// Restores the form from a chart file and calculates it.
    void cmdOpen_Click();
    /// Print preview and the print dialog, or a PDF file, of the reading shown.
    void mnuPrint_Click();
    void mnuExportPdf_Click();
    void cmdBack_Click();
    /// Opens the Rasi chart of the last calculation in its own window.
    void cmdChart_Click();
    /// Opens the birth-time window of the last calculation in a window of its own.
    void cmdTimeWindow_Click();
    /// Opens the Vimshottari dasha of the last calculation in a window of its own.
    void cmdDasha_Click();
    void mnuExit_Click();
    void mnuAbout_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildBanner(QWidget* client);
    void BuildPromotionStrip(QWidget* client);
    void SetTabOrder();
    void OpenPage(WebPage page);
    /// True once a chart is calculated; otherwise tells the user there is nothing to
    /// `verb` yet.
    bool HasChart(const QString& verb);
    /// Calculates a birth and shows its reading, or tells why the birth was refused.
    bool ShowCalculated(const Result<Birth, Refusal>& birth);
    /// Shows the session's reading in every view that is open.
    void ShowSessionReading();
    /// The session's chart and its positions table in the chart window.
    void ShowInChartWindow();
    void ShowInDashaView();

    UserInterface& ui_;
    ReadingExport export_{ui_};
    ChartFileDialogs files_{ui_};
    ChartSession session_;
    /// The shown chart's reading; a view's parts are computed when it first shows them.
    mutable ShownReading shown_;
    ChartOptions options_;
    bool centred_ = false;
    Preferences* preferences_ = nullptr;  // choices for this run only until some are given
    ChartWindow* chart_ = nullptr;
    TimeWindowView* timeWindow_ = nullptr;
    DashaView* dasha_ = nullptr;

    BirthForm* Frame1_ = nullptr;
    ResultPanel* Frame2_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;
};

}  // namespace tamovid
