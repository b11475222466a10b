// The main window's commands: calculate, save and open, the chart, print and export.
#include <QStackedWidget>

#include "tamovid/app/mainform/birth_form.h"
#include "tamovid/app/chartwindow/chart_window.h"
#include "tamovid/app/dashaview/dasha_view.h"
#include "tamovid/app/mainform/program_texts.h"
#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/options/preferences.h"
#include "tamovid/app/mainform/result_panel.h"
#include "tamovid/app/timewindow/time_window_view.h"
#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/report/full_reading.h"

namespace tamovid {

void FrmMain::cmdCalculate_Click() {
    if (std::optional<Birth> birth = Frame1_->BirthToCalculate(session_.birth())) {
        ShowCalculated(std::move(*birth));
    }
}

void FrmMain::mnuCalculate_Click() {
    // The menu item promises the chart: it calculates as the button does, then shows it.
    std::optional<Birth> birth = Frame1_->BirthToCalculate(session_.birth());
    if (birth && ShowCalculated(std::move(*birth))) cmdChart_Click();
}

bool FrmMain::ShowCalculated(const Result<Birth, Refusal>& birth) {
    if (!birth.ok()) {
        Frame1_->Tell(birth.error());
        return false;
    }
    session_.Calculate(birth.value(), options_);
    ShowSessionReading();
    return true;
}

void FrmMain::ShowSessionReading() {
    shown_.Reset(session_);
    Frame2_->ShowReading(shown_.Current().reading);
    panels_->setCurrentWidget(Frame2_);
    if (chart_ != nullptr && chart_->isVisible()) ShowInChartWindow();
    if (timeWindow_ != nullptr && timeWindow_->isVisible()) {
        timeWindow_->ShowReading(shown_.With(session_, kEveryPart));
    }
    if (dasha_ != nullptr && dasha_->isVisible()) ShowInDashaView();
}

void FrmMain::UsePreferences(Preferences& preferences) {
    preferences_ = &preferences;
    options_ = preferences.chartOptions();
    emit chartOptionsShown(options_);
    connect(&preferences, &Preferences::chartOptionsChanged, this,
            [this](const ChartOptions& chosen) {
                options_ = chosen;
                emit chartOptionsShown(options_);
                RecalculateShown();
            });
}

void FrmMain::RecalculateShown() {
    if (!session_.calculated() || panels_->currentWidget() != Frame2_) return;
    // The birth shown passed the form's checks once; other choices cannot refuse it.
    session_.Recalculate(options_);
    const int tab = Frame2_->CurrentTab();
    ShowSessionReading();
    Frame2_->SetCurrentTab(tab);  // the reader stays on the point they were reading
}

void FrmMain::ShowInChartWindow() {
    const FullReading& full =
        shown_.With(session_, {.grahas = true, .upagrahas = true, .vargas = true});
    chart_->ShowReading(full.reading);
    chart_->SetGrahaTable(*full.grahas);
    chart_->SetUpagrahas(full);
    chart_->SetDivisions(*full.vargas);
}

bool FrmMain::HasChart(const QString& verb) {
    if (session_.calculated()) return true;
    ui_.message(tr("There is no chart to %1 yet. Please enter the birth details and get the "
                   "Aprakasha Grahas first.")
                    .arg(verb),
                QMessageBox::Information);
    return false;
}

void FrmMain::cmdChart_Click() {
    if (!HasChart(tr("show"))) return;
    if (chart_ == nullptr) {
        if (preferences_ == nullptr) preferences_ = new Preferences(nullptr, this);
        chart_ = new ChartWindow(ui_, *preferences_, this);
    }
    ShowInChartWindow();
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void FrmMain::cmdTimeWindow_Click() {
    if (!HasChart(tr("show"))) return;
    if (timeWindow_ == nullptr) timeWindow_ = new TimeWindowView(this);
    timeWindow_->ShowReading(shown_.With(session_, kEveryPart));
    timeWindow_->show();
    timeWindow_->raise();
    timeWindow_->activateWindow();
}

void FrmMain::ShowInDashaView() {
    dasha_->ShowReading(shown_.With(session_, {.dasha = true}), CurrentJulianDate());
}

void FrmMain::cmdDasha_Click() {
    if (!HasChart(tr("show"))) return;
    if (dasha_ == nullptr) dasha_ = new DashaView(this);
    ShowInDashaView();
    dasha_->show();
    dasha_->raise();
    dasha_->activateWindow();
}

void FrmMain::cmdSave_Click() {
    if (HasChart(tr("save"))) files_.Save(this, session_);
}

void FrmMain::cmdOpen_Click() {
    const QString name = ui_.getOpenFileName(this);
    if (!name.isEmpty()) OpenChartFile(name);
}

void FrmMain::OpenChartFile(const QString& name) {
    const std::optional<OpenedChart> opened = files_.Open(name, options_);
    if (!opened) return;
    Frame1_->ShowEntry(opened->entry);
    // A chart saved with another engine, ayanamsa or node is shown as it was saved; the menus
    // follow.
    const ChartOptions saved = opened->OptionsOver(options_);
    if (saved != options_) {
        options_ = saved;
        emit chartOptionsShown(options_);
    }
    // The form as shown, so that what the window shows is what is calculated.
    // Nothing of the chart shown before fills a list the file left empty.
    ShowCalculated(ReadBirth(Frame1_->ReadEntry(), BlankBirth()));
}

std::optional<PrintableReading> FrmMain::Printable() const {
    if (!session_.calculated()) {
        return std::nullopt;
    }
    // The style the chart window shows, or the one it will open in.
    const ChartStyle style =
        preferences_ != nullptr ? preferences_->chartStyle() : RememberedChoices{}.chartStyle;
    return PrintableOf(shown_.With(session_, kEveryPart), std::string(session_.ZoneLabel()), style);
}

void FrmMain::mnuPrint_Click() { export_.Print(this, Printable()); }

void FrmMain::mnuExportPdf_Click() { export_.ExportPdf(this, Printable()); }

}  // namespace tamovid
