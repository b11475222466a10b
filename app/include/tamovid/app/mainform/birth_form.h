#pragma once

#include <QGroupBox>
#include <QMessageBox>

#include <array>
#include <optional>
#include <vector>

#include "tamovid/birthentry/birth.h"
#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/birthentry/messages.h"
#include "tamovid/birthentry/place_zone.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tamovid {
namespace atlas {
struct Place;
}

class AtlasZone;
class UserInterface;

/// The input panel "Personal Details": the birth data's lists and fields with their
/// key filters, the place search that fills them from the atlas, the zone that follows
/// a chosen place, and the checks a form passes before it is calculated.
/// The message box icon for a refusal's.
QMessageBox::Icon BoxIcon(MessageIcon icon);

class BirthForm : public QGroupBox {
    Q_OBJECT
public:
    explicit BirthForm(UserInterface& ui, QWidget* parent = nullptr);

    /// The form's values as the controls hold them now, with the place's exact zone.
    BirthEntry ReadEntry() const;
    /// Sets every control from an entry, texts as stored (not filtered), and takes the
    /// entry's zone as it stands; the place counts as the user's own from now on.
    void ShowEntry(const BirthEntry& entry);

    /// The birth to calculate once the form's checks pass, the city still names the
    /// place filled in and the clock time is settled; otherwise the user has been told
    /// why, the focus is on the field to mend, and there is none. A list with nothing
    /// chosen keeps `last`'s value.
    std::optional<Birth> BirthToCalculate(const Birth& last);

    /// Tells a refusal: its message, then the direction it chooses and the field it
    /// puts the focus on.
    void Tell(const Refusal& refusal);

    /// The panel's controls in keyboard order.
    std::vector<QWidget*> TabOrder() const;

public slots:
    /// Looks up the birth place's coordinates with a web search in the browser.
    void Command1_Click();

signals:
    /// "Open Previously Saved Reading" was pressed.
    void openRequested();
    /// "Get My Aprakasha Grahas" was pressed.
    void calculateRequested();

private:
    void BuildControls();
    void FillLists();
    void InstallFieldFilters();
    /// The matches under the city field, the zone that follows them and the zone line.
    void InstallPlaceSearch();
    void TakePlace(const atlas::Place& place);

    UserInterface& ui_;
    AtlasZone* atlasZone_ = nullptr;          // the chosen place's zone, while the atlas holds it
    std::optional<FilledPlace> filledPlace_;  // the form as the atlas last filled it

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
};

}  // namespace tamovid
