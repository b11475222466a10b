// The main window's place search: the atlas's matches under the city field, the zone
// that follows a chosen place, and the line that shows the Universal Time in use.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include "tamovid/app/atlas_zone.h"
#include "tamovid/app/frm_main.h"
#include "tamovid/app/place_completer.h"
#include "tamovid/app/user_interface.h"
#include "tamovid/app/zone_line.h"
#include "tamovid/birthentry/place_zone.h"

namespace tamovid {

void FrmMain::InstallPlaceSearch() {
    atlasZone_ = new AtlasZone(
        {cboDate_, cboMonth_, cboYear_, cboHour_, cboMinute_, cboTimeZone_, chkDST_}, this);
    auto* line = new ZoneLine(Frame1_, [this] {
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

    auto* completer = new PlaceCompleter(txtCity_, ui_);
    connect(completer, &PlaceCompleter::chosen, this, &FrmMain::TakePlace);
    connect(completer, &PlaceCompleter::typedByHand, atlasZone_, &AtlasZone::Release);
}

void FrmMain::TakePlace(const atlas::Place& place) {
    BirthEntry entry = ReadEntry();
    FillPlace(entry, place);
    ShowEntry(entry);
    filledPlace_ = FilledPlace{atlas::DisplayName(place), entry};
    atlasZone_->Follow(place.zone);
    // A zone that could not be read is the user's to choose from the start.
    filledPlace_->zoneChosen = !atlasZone_->Following();
}

}  // namespace tamovid
