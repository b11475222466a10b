// The main window's commands: calculate, place lookup, save and open.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QGroupBox>
#include <QStackedWidget>
#include <QTabBar>

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "tamovid/app/atlas_zone.h"
#include "tamovid/app/chart_headline.h"
#include "tamovid/app/engine_menu.h"
#include "tamovid/app/chart_window.h"
#include "tamovid/app/field_filter.h"
#include "tamovid/app/time_window_view.h"
#include "tamovid/app/frm_main.h"
#include "tamovid/app/user_interface.h"
#include "tamovid/app/web_links.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/chart_session.h"
#include "tamovid/birthentry/chart_document.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/chartfile/chart_file.h"

namespace tamovid {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kCritical:
            return QMessageBox::Critical;
        case MessageIcon::kInformation:
            return QMessageBox::Information;
        case MessageIcon::kWarning:
            return QMessageBox::Warning;
    }
    return QMessageBox::Critical;
}

// File names reach the file system in the same encoding Qt itself uses for them.
std::filesystem::path LocalPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

// Restored texts are shown as the file holds them; the filters judge typing, not files.
void SetFieldText(QLineEdit* field, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (FieldFilter* filter = FieldFilter::Of(field)) {
        filter->SetTextAsStored(value);
    } else {
        field->setText(value);
    }
}

// Chooses one option of a pair, or neither (-1), which exclusive buttons only allow
// while their exclusiveness is off.
void ShowOption(const std::array<QRadioButton*, 2>& pair, int chosen) {
    for (std::size_t i = 0; i < pair.size(); ++i) {
        pair[i]->setAutoExclusive(false);
        pair[i]->setChecked(static_cast<int>(i) == chosen);
        pair[i]->setAutoExclusive(true);
    }
}

}  // namespace

BirthEntry FrmMain::ReadEntry() const {
    BirthEntry entry;
    entry.txtName = txtName_->text().toStdString();
    entry.cboDate = cboDate_->currentIndex();
    entry.cboMonth = cboMonth_->currentIndex();
    entry.cboYear = cboYear_->currentIndex();
    entry.cboHour = cboHour_->currentIndex();
    entry.cboMinute = cboMinute_->currentIndex();
    entry.cboTimeZone = cboTimeZone_->currentIndex();
    entry.chkDST = chkDST_->isChecked();
    entry.txtLatDeg = txtLatDeg_->text().toStdString();
    entry.txtLatMin = txtLatMin_->text().toStdString();
    entry.optLat = optLat_[0]->isChecked()   ? LatitudeOption::kNorth
                   : optLat_[1]->isChecked() ? LatitudeOption::kSouth
                                             : LatitudeOption::kNone;
    entry.txtLonDeg = txtLonDeg_->text().toStdString();
    entry.txtLonMin = txtLonMin_->text().toStdString();
    entry.optLong = optLong_[0]->isChecked()   ? LongitudeOption::kEast
                    : optLong_[1]->isChecked() ? LongitudeOption::kWest
                                               : LongitudeOption::kNone;
    entry.txtCity = txtCity_->text().toStdString();
    entry.txtState = txtState_->text().toStdString();
    entry.txtCountry = txtCountry_->text().toStdString();
    if (atlasZone_ != nullptr) {
        atlasZone_->AddTo(entry);
    }
    return entry;
}

void FrmMain::Tell(const Refusal& refusal) {
    ui_.message(Text(refusal.message), BoxIcon(refusal.icon));
    switch (refusal.choose) {
        case Refusal::Choose::kNorth:
            optLat_[0]->setChecked(true);
            break;
        case Refusal::Choose::kEast:
            optLong_[0]->setChecked(true);
            break;
        case Refusal::Choose::kNothing:
            break;
    }
    if (refusal.focus != FormField::kNone) {
        if (auto* field = findChild<QWidget*>(Text(FieldName(refusal.focus)))) {
            field->setFocus(Qt::OtherFocusReason);
        }
    }
}

void FrmMain::cmdCalculate_Click() { CalculateForm(); }

bool FrmMain::CalculateForm() {
    // The form's checks first: a day that does not exist has no clock changes to settle.
    if (const Result<void, Refusal> checked = ValidateInput(ReadEntry()); !checked.ok()) {
        Tell(checked.error());
        return false;
    }
    if (filledPlace_) {
        if (const auto stale = StalePlaceMessage(ReadEntry(), *filledPlace_)) {
            ui_.message(Text(*stale), QMessageBox::Warning);
            txtCity_->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    if (!atlasZone_->SettleClockTime(ui_)) {
        cboHour_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return ShowCalculated(session_.Calculate(ReadEntry(), engine_, options_));
}

bool FrmMain::ShowCalculated(const Result<void, Refusal>& calculated) {
    if (!calculated.ok()) {
        Tell(calculated.error());
        return false;
    }
    const Reading& reading = session_.reading();
    lblEngine_->setText(EngineCaption(reading.engine));
    headline_->SetReading(reading);
    ShowReading(CompactText(reading.sun), CompactText(reading.ascendant), reading.grahas);
    if (chart_ != nullptr && chart_->isVisible()) {
        chart_->ShowReading(reading);
    }
    if (timeWindow_ != nullptr && timeWindow_->isVisible()) timeWindow_->ShowReading(reading);
    return true;
}

void FrmMain::RecalculateShown() {
    if (!session_.calculated() || panels_->currentWidget() != Frame2_) return;
    const Result<void, Refusal> again = session_.Recalculate(engine_, options_);
    if (!again.ok()) {
        ui_.message(Text(again.error().message) + u' ' +
                        tr("The chart shown was calculated with the earlier setting and stays "
                           "as it was."),
                    BoxIcon(again.error().icon));
        return;
    }
    const int tab = TS_->currentIndex();
    ShowCalculated(again);
    TS_->setCurrentIndex(tab);  // the reader stays on the point they were reading
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
        chart_ = new ChartWindow(ui_, settings_, this);
    }
    chart_->ShowReading(session_.reading());
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void FrmMain::cmdTimeWindow_Click() {
    if (!HasChart(tr("show"))) return;
    if (timeWindow_ == nullptr) timeWindow_ = new TimeWindowView(this);
    timeWindow_->ShowReading(session_.reading());
    timeWindow_->show();
    timeWindow_->raise();
    timeWindow_->activateWindow();
}

void FrmMain::mnuCalculate_Click() {
    // The menu item promises the chart: it calculates as the button does, then shows it.
    if (CalculateForm()) cmdChart_Click();
}

void FrmMain::Command1_Click() {
    const Result<std::string, Refusal> lookup = LookupQuery(ReadEntry());
    if (!lookup.ok()) {
        Tell(lookup.error());
        return;
    }
    if (!ui_.openUrl(WebSearchAddress(QString::fromStdString(lookup.value())))) {
        ui_.message(
            tr("The web browser could not be opened to look up the place of birth. Please find "
               "its latitude and longitude another way and type them in."),
            QMessageBox::Warning);
    }
}

void FrmMain::cmdSave_Click() {
    if (!HasChart(tr("save"))) return;
    // Refused before the dialog, so nobody picks a file name for a chart that cannot be saved.
    if (const Result<void, SaveRefusal> savable = session_.CheckSavable(); !savable.ok()) {
        ui_.message(QString::fromStdString(savable.error().message) + u' ' +
                        tr("The chart was not saved."),
                    QMessageBox::Warning);
        return;
    }
    const QString name = ui_.getSaveFileName(this, strSaveFileName_);
    if (name.isEmpty()) {
        return;
    }
    strSaveFileName_ = name;
    const Result<FileWritten, SaveRefusal> saved = session_.Save(LocalPath(name));
    if (!saved.ok()) {
        ui_.message(QString::fromStdString(saved.error().message), QMessageBox::Warning);
    } else if (!saved.value().notice.empty()) {
        ui_.message(QString::fromStdString(saved.value().notice), QMessageBox::Information);
    }
}

void FrmMain::cmdOpen_Click() {
    const QString name = ui_.getOpenFileName(this);
    if (name.isEmpty()) {
        return;
    }
    OpenChartFile(name);
}

void FrmMain::OpenChartFile(const QString& name) {
    const Result<OpenedChart, OpenRefusal> opened = ChartSession::Open(LocalPath(name));
    if (!opened.ok()) {
        const bool wrongName = opened.error().reason == OpenRefusal::Reason::kWrongEnding;
        ui_.message(QString::fromStdString(opened.error().message),
                    wrongName ? QMessageBox::Critical : QMessageBox::Warning);
        return;
    }
    if (!opened.value().notice.empty()) {
        ui_.message(QString::fromStdString(opened.value().notice), QMessageBox::Warning);
    }
    ShowEntry(opened.value().entry);
    // The form as shown, so that what the window shows is what is calculated.
    ShowCalculated(session_.CalculateOpened(ReadEntry(), engine_, options_));
}

std::optional<PrintableReading> FrmMain::Printable() const {
    if (!session_.calculated()) {
        return std::nullopt;
    }
    // The style the chart window shows, or the one it will open in.
    const ChartStyle style = chart_ != nullptr      ? chart_->Style()
                             : settings_ != nullptr ? ReadChartStyle(*settings_)
                                                    : ChartStyle::kSouth;
    return PrintableReading{session_.reading(), std::string(session_.ZoneLabel()), style};
}

void FrmMain::mnuPrint_Click() { export_.Print(this, Printable()); }

void FrmMain::mnuExportPdf_Click() { export_.ExportPdf(this, Printable()); }

void FrmMain::ShowEntry(const BirthEntry& entry) {
    SetFieldText(txtName_, entry.txtName);
    cboMonth_->setCurrentIndex(entry.cboMonth);
    cboDate_->setCurrentIndex(entry.cboDate);
    cboYear_->setCurrentIndex(entry.cboYear);
    cboHour_->setCurrentIndex(entry.cboHour);
    cboMinute_->setCurrentIndex(entry.cboMinute);
    cboTimeZone_->setCurrentIndex(entry.cboTimeZone);
    SetFieldText(txtLonDeg_, entry.txtLonDeg);
    SetFieldText(txtLonMin_, entry.txtLonMin);
    SetFieldText(txtLatDeg_, entry.txtLatDeg);
    SetFieldText(txtLatMin_, entry.txtLatMin);
    ShowOption(optLong_, entry.optLong == LongitudeOption::kNone   ? -1
                         : entry.optLong == LongitudeOption::kEast ? 0
                                                                   : 1);
    ShowOption(optLat_, entry.optLat == LatitudeOption::kNone    ? -1
                        : entry.optLat == LatitudeOption::kNorth ? 0
                                                                 : 1);
    chkDST_->setChecked(entry.chkDST);
    SetFieldText(txtCity_, entry.txtCity);
    SetFieldText(txtState_, entry.txtState);
    SetFieldText(txtCountry_, entry.txtCountry);
    filledPlace_.reset();
    atlasZone_->Restore(entry);
}

}  // namespace tamovid
