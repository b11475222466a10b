#include "tamovid/birthentry/messages.h"

namespace tamovid {

std::string_view FieldName(FormField field) {
    switch (field) {
        case FormField::kNone:
            return "";
        case FormField::txtName:
            return "txtName";
        case FormField::txtLatDeg:
            return "txtLatDeg";
        case FormField::txtLatMin:
            return "txtLatMin";
        case FormField::txtLonDeg:
            return "txtLonDeg";
        case FormField::txtLonMin:
            return "txtLonMin";
        case FormField::txtCity:
            return "txtCity";
        case FormField::txtState:
            return "txtState";
        case FormField::txtCountry:
            return "txtCountry";
    }
    return "";
}

}  // namespace tamovid
