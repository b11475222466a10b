#include "tamovid/positions/record_text.h"

#include "tamovid/base/digits.h"

namespace tamovid {

std::string DateText(int dayOfMonth, int month, int year) {
    std::string text = std::to_string(dayOfMonth) + ' ';
    if (month >= 1 && month <= static_cast<int>(kMonthNames.size())) {
        text += kMonthNames[static_cast<std::size_t>(month - 1)];
    } else {
        text += std::to_string(month);
    }
    return text + ' ' + std::to_string(year);
}

std::string PlaceText(const BirthRecord& record) {
    std::string place;
    for (const std::string* part : {&record.strCity, &record.strState, &record.strCountry}) {
        if (part->empty()) continue;
        if (!place.empty()) place += ", ";
        place += *part;
    }
    return place;
}

std::string DegreesMinutesText(int degrees, int minutes, char direction) {
    return std::to_string(degrees) + "\u00B0" + TwoDigits(minutes) + "' " + direction;
}

}  // namespace tamovid
