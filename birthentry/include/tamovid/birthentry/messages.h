#pragma once

#include <optional>
#include <string_view>

namespace tamovid {

enum class MessageIcon { kCritical, kInformation, kWarning };

/// The form's controls that a refusal can send the focus to (named as the window's
/// objectName of each), or none.
enum class FormField {
    kNone,
    txtName,
    txtLatDeg,
    txtLatMin,
    txtLonDeg,
    txtLonMin,
    txtCity,
    txtState,
    txtCountry,
};

/// The objectName of a field's control ("txtName"), empty for kNone.
std::string_view FieldName(FormField field);

/// What the window does when input is refused: a message box with this text and icon,
/// then the focus to a field and, for a missing direction, the option to choose.
struct Refusal {
    std::string_view message;
    MessageIcon icon = MessageIcon::kCritical;
    FormField focus = FormField::kNone;
    enum class Choose { kNothing, kNorth, kEast } choose = Choose::kNothing;

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

}  // namespace tamovid
