#include "tamovid/app/mainform/birth_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <string_view>

#include "tamovid/app/mainform/atlas_zone.h"
#include "tamovid/app/mainform/field_filter.h"
#include "tamovid/app/mainform/look.h"
#include "tamovid/app/mainform/number_list_keys.h"
#include "tamovid/app/mainform/panel_controls.h"
#include "tamovid/app/mainform/place_completer.h"
#include "tamovid/app/mainform/program_texts.h"
#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/app/desktop/web_links.h"
#include "tamovid/app/mainform/wrapping_button.h"
#include "tamovid/app/mainform/zone_line.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/birthentry/key_filters.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

constexpr int kComboHeight = 21;

struct LabelSpot {
    int index;
    std::string_view caption;
    int left;
    int top;
};

// Captions and places (twips within the panel) of the panel's labels.
constexpr std::array kInputLabels = {
    LabelSpot{0, "Name", 120, 1470},          LabelSpot{1, "Date of Birth", 120, 1905},
    LabelSpot{2, "Time of Birth", 120, 2355}, LabelSpot{10, "Time Zone", 120, 2760},
    LabelSpot{3, "Latitude", 4680, 750},      LabelSpot{5, "DEG/MIN", 8085, 750},
    LabelSpot{4, "Longitude", 4680, 1410},    LabelSpot{6, "DEG/MIN", 8085, 1410},
    LabelSpot{7, "City", 4680, 1890},         LabelSpot{8, "State", 4680, 2220},
    LabelSpot{9, "Country", 4680, 2580},
};

QComboBox* AddList(QWidget* parent, const char* name, int left, int top, int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(false);
    box->setFont(UiFont(8.25));
    box->setGeometry(Px(left), Px(top), Px(width), kComboHeight);
    box->setMaxVisibleItems(16);
    return box;
}

QLineEdit* AddText(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(UiFont(8.25));
    PlaceTwips(edit, left, top, width, height);
    return edit;
}

// Tabbing into an option pair lands on the chosen option, as users of option groups
// expect, rather than on whichever comes first in the tab order.
class ChosenOptionTakesFocus : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            auto* option = static_cast<QRadioButton*>(watched);
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
                !option->isChecked()) {
                for (auto* sibling : option->parentWidget()->findChildren<QRadioButton*>()) {
                    if (sibling->isChecked()) {
                        sibling->setFocus(reason);
                        break;
                    }
                }
            }
        }
        return false;
    }
};

// A small frame holding a pair of option buttons.
std::array<QRadioButton*, 2> AddOptionPair(QWidget* parent, const char* frameName, const char* name,
                                           const char* first, const char* second, int left,
                                           int top) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(frameName));
    PlaceTwips(frame, left, top, 850, 500);
    auto* focusRule = new ChosenOptionTakesFocus(frame);
    std::array<QRadioButton*, 2> pair{new QRadioButton(QString::fromLatin1(first), frame),
                                      new QRadioButton(QString::fromLatin1(second), frame)};
    for (std::size_t i = 0; i < pair.size(); ++i) {
        pair[i]->setObjectName(QString::fromLatin1(name) + QString::number(i));
        pair[i]->setFont(UiFont(8.25));
        pair[i]->setGeometry(3, 1 + 15 * static_cast<int>(i), frame->width() - 4, 15);
        pair[i]->installEventFilter(focusRule);
    }
    pair[0]->setChecked(true);
    return pair;
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

// Restored texts are shown as the file holds them; the filters judge typing, not files.
void SetFieldText(QLineEdit* field, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (FieldFilter* filter = FieldFilter::Of(field)) {
        filter->SetTextAsStored(value);
    } else {
        field->setText(value);
    }
}

}  // namespace

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

BirthForm::BirthForm(UserInterface& ui, QWidget* parent) : QGroupBox(parent), ui_(ui) {
    MakePanel(this, QStringLiteral("Personal Details"), "Frame1");
    BuildControls();
    InstallFieldFilters();
    FillLists();
    InstallPlaceSearch();
    connect(cmdOpen_, &QPushButton::clicked, this, &BirthForm::openRequested);
    connect(cmdCalculate_, &QPushButton::clicked, this, &BirthForm::calculateRequested);
    connect(Command1_, &QPushButton::clicked, this, &BirthForm::Command1_Click);
}

void BirthForm::BuildControls() {
    cmdOpen_ = AddButton(this, "cmdOpen", QStringLiteral("&Open Previously Saved Reading"),
                         UiFont(9.75, true));
    PlaceTwips(cmdOpen_, 120, 480, 4000, 735);

    for (const LabelSpot& spot : kInputLabels) {
        AddLabel(spot.index, Text(spot.caption), this, spot.left, spot.top);
    }
    auto* hhmm = new QLabel(QStringLiteral("HH/MM"), this);
    hhmm->setObjectName(QStringLiteral("Label16"));
    hhmm->setFont(UiFont(8.25));
    hhmm->move(Px(2685), Px(2370));
    hhmm->resize(hhmm->sizeHint().width(), kLabelHeight);

    txtName_ = AddText(this, "txtName", 1260, 1410, 3000, 300);
    cboMonth_ = AddList(this, "cboMonth", 1260, 1845, 1455);
    cboDate_ = AddList(this, "cboDate", 2760, 1845, 615);
    cboYear_ = AddList(this, "cboYear", 3420, 1845, 885);
    cboHour_ = AddList(this, "cboHour", 1260, 2295, 615);
    cboMinute_ = AddList(this, "cboMinute", 1905, 2295, 570);

    chkDST_ = new QCheckBox(QStringLiteral("Daylight Saving Time"), this);
    chkDST_->setObjectName(QStringLiteral("chkDST"));
    chkDST_->setFont(UiFont(8.25, true));
    PlaceTwips(chkDST_, 2040, 2760, 2415, 200);
    chkDST_->resize(chkDST_->width(), 15);

    cboTimeZone_ = AddList(this, "cboTimeZone", 120, 3090, 4335);

    cmdCalculate_ = AddButton(this, "cmdCalculate", QStringLiteral("&Get My Aprakasha Grahas"),
                              UiFont(9.0, true));
    PlaceTwips(cmdCalculate_, 4560, 3000, 4305, 400);

    txtLatDeg_ = AddText(this, "txtLatDeg", 5820, 705, 555, 300);
    txtLatMin_ = AddText(this, "txtLatMin", 7440, 705, 525, 300);
    optLat_ = AddOptionPair(this, "Frame3", "optLat", "North", "South", 6480, 600);
    txtLonDeg_ = AddText(this, "txtLonDeg", 5820, 1350, 555, 300);
    txtLonMin_ = AddText(this, "txtLonMin", 7440, 1350, 525, 300);
    optLong_ = AddOptionPair(this, "Frame4", "optLong", "East", "West", 6480, 1245);

    txtCity_ = AddText(this, "txtCity", 5820, 1860, 1845, 285);
    txtState_ = AddText(this, "txtState", 5820, 2205, 1845, 285);
    txtCountry_ = AddText(this, "txtCountry", 5820, 2550, 1845, 285);

    Command1_ =
        new WrappingButton(QStringLiteral("Click here to find Latitude && Longitude"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setFont(UiFont(8.25));
    Command1_->setAutoDefault(false);
    PlaceTwips(Command1_, 7770, 1875, 1095, 945);
}

void BirthForm::InstallFieldFilters() {
    for (QLineEdit* field : {txtName_, txtCity_, txtState_, txtCountry_}) {
        new FieldFilter(field, FieldKind::kLetters, ui_);
    }
    // The digit fields' limit of three lives in the filter, which sees a paste whole.
    for (QLineEdit* field : {txtLatDeg_, txtLatMin_, txtLonDeg_, txtLonMin_}) {
        new FieldFilter(field, FieldKind::kDigits, ui_, kCoordinateDigits);
    }
}

void BirthForm::FillLists() {
    for (int day = 0; day < kDayCount; ++day) {
        cboDate_->addItem(QString::fromStdString(DateListText(day)));
    }
    for (const std::string_view month : kMonthNames) {
        cboMonth_->addItem(Text(month));
    }
    for (int year = 0; year < kYearCount; ++year) {
        cboYear_->addItem(QString::fromStdString(YearListText(year)));
    }
    for (int hour = 0; hour < kHourCount; ++hour) {
        cboHour_->addItem(QString::fromStdString(HourListText(hour)));
    }
    for (int minute = 0; minute < kMinuteCount; ++minute) {
        cboMinute_->addItem(QString::fromStdString(MinuteListText(minute)));
    }
    // A list position equals the zone's row in the table.
    for (const std::string_view zone : strTimeZones) {
        cboTimeZone_->addItem(Text(zone));
    }
    for (QComboBox* list : {cboDate_, cboMonth_, cboHour_, cboMinute_, cboTimeZone_}) {
        list->setCurrentIndex(0);
    }
    cboYear_->setCurrentIndex(kStartYearPosition);
    for (QComboBox* list : {cboDate_, cboYear_, cboHour_, cboMinute_}) {
        new NumberListKeys(list);
    }
}

std::vector<QWidget*> BirthForm::TabOrder() const {
    return {txtName_,     cboDate_,    cboMonth_,     cboYear_,   cboHour_,   cboMinute_,
            cboTimeZone_, txtLatDeg_,  txtLatMin_,    txtLonDeg_, txtLonMin_, txtCity_,
            txtState_,    txtCountry_, cmdCalculate_, cmdOpen_,   chkDST_,    optLong_[1],
            optLong_[0],  optLat_[1],  optLat_[0],    Command1_};
}

BirthEntry BirthForm::ReadEntry() const {
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

void BirthForm::ShowEntry(const BirthEntry& entry) {
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

std::optional<Birth> BirthForm::BirthToCalculate(const Birth& last) {
    // The form's checks first: a day that does not exist has no clock changes to settle.
    if (const Result<void, Refusal> checked = ValidateInput(ReadEntry()); !checked.ok()) {
        Tell(checked.error());
        return std::nullopt;
    }
    if (filledPlace_) {
        if (const auto stale = StalePlaceMessage(ReadEntry(), *filledPlace_)) {
            ui_.message(Text(*stale), QMessageBox::Warning);
            txtCity_->setFocus(Qt::OtherFocusReason);
            return std::nullopt;
        }
    }
    if (!atlasZone_->SettleClockTime(ui_)) {
        cboHour_->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    // Settling may choose another zone row; the form passed its checks either way.
    Result<Birth, Refusal> birth = ReadBirth(ReadEntry(), last);
    if (!birth.ok()) {
        Tell(birth.error());
        return std::nullopt;
    }
    return std::move(birth).value();
}

void BirthForm::Tell(const Refusal& refusal) {
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

void BirthForm::Command1_Click() {
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

void BirthForm::InstallPlaceSearch() {
    atlasZone_ = new AtlasZone(
        {cboDate_, cboMonth_, cboYear_, cboHour_, cboMinute_, cboTimeZone_, chkDST_}, this);
    auto* line = new ZoneLine(this, [this] {
        return QString::fromStdString(ZoneLineText(ReadEntry(), atlasZone_->Unsettled()));
    });
    for (QComboBox* list : {cboDate_, cboMonth_, cboYear_, cboHour_, cboMinute_, cboTimeZone_}) {
        connect(list, &QComboBox::currentIndexChanged, line, &ZoneLine::Refresh);
    }
    connect(chkDST_, &QCheckBox::toggled, line, &ZoneLine::Refresh);
    connect(atlasZone_, &AtlasZone::changed, line, &ZoneLine::Refresh);
    connect(
        atlasZone_, &AtlasZone::unreadable, this,
        [this](const QString& message) {
            ui_.message(message + tr(" Please choose the time zone and the daylight-saving box "
                                     "yourself."),
                        QMessageBox::Warning);
        },
        Qt::QueuedConnection);

    auto zoneChosen = [this] {
        if (filledPlace_) filledPlace_->zoneChosen = true;
    };
    connect(cboTimeZone_, &QComboBox::activated, this, zoneChosen);
    connect(chkDST_, &QCheckBox::clicked, this, zoneChosen);
    auto coordinatesTyped = [this] {
        if (filledPlace_) filledPlace_->coordinatesTyped = true;
    };
    for (QLineEdit* field : {txtLatDeg_, txtLatMin_, txtLonDeg_, txtLonMin_}) {
        connect(field, &QLineEdit::textEdited, this, coordinatesTyped);
    }
    for (QRadioButton* option : {optLat_[0], optLat_[1], optLong_[0], optLong_[1]}) {
        connect(option, &QRadioButton::clicked, this, coordinatesTyped);
    }

    auto* completer = new PlaceCompleter(txtCity_, ui_);
    connect(completer, &PlaceCompleter::chosen, this, &BirthForm::TakePlace);
    connect(completer, &PlaceCompleter::typedByHand, atlasZone_, &AtlasZone::Release);
}

void BirthForm::TakePlace(const atlas::Place& place) {
    BirthEntry entry = ReadEntry();
    FillPlace(entry, place);
    ShowEntry(entry);
    filledPlace_ = FilledPlace{atlas::DisplayName(place), entry};
    atlasZone_->Follow(place.zone);
    // A zone that could not be read is the user's to choose from the start.
    filledPlace_->zoneChosen = !atlasZone_->Following();
}

}  // namespace tamovid
