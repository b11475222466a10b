#include "tamovid/cli/reading_output.h"

#include <string>

#include "tamovid/aprakasha/aprakasha.h"

namespace tamovid::cli {
namespace {

constexpr std::array<AprakashaPoint, kAprakashaPointCount> kPoints = {
    kDhuma, kVyatipata, kParivesha, kChapa, kUpaketu};

std::string Place(const BirthRecord& record) {
    std::string place;
    for (const std::string* part : {&record.strCity, &record.strState, &record.strCountry}) {
        if (part->empty()) continue;
        if (!place.empty()) place += ", ";
        place += *part;
    }
    return place;
}

}  // namespace

nlohmann::ordered_json ReadingJson(const Reading& reading, std::optional<std::size_t> row) {
    const AprakashaResult& grahas = reading.grahas;
    nlohmann::ordered_json points = nlohmann::ordered_json::array();
    for (const AprakashaPoint point : kPoints) {
        const auto i = static_cast<std::size_t>(point);
        points.push_back({
            {"name", grahas.strAprNames[i]},
            {"position", grahas.strAprPositions[i]},
            {"lord", grahas.strAprLords[i]},
            {"house", grahas.intAprHouses[i]},
            {"description", grahas.strAprDescriptions[i]},
            {"interpretation", grahas.strAprInterpretations[i]},
        });
    }
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    if (row) json["row"] = *row;
    json["name"] = reading.record.strName;
    json["sun"] = reading.sun;
    json["ascendant"] = reading.ascendant;
    json["points"] = std::move(points);
    return json;
}

nlohmann::ordered_json RowErrorJson(std::size_t row, std::string_view message) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["row"] = row;
    json["error"] = message;
    return json;
}

void WriteJsonLine(std::ostream& out, const nlohmann::ordered_json& value) {
    out << value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void WriteTextReading(std::ostream& out, const Reading& reading) {
    out << "Name:      " << reading.record.strName << '\n'
        << "Place:     " << Place(reading.record) << '\n'
        << "Sun:       " << reading.sun << '\n'
        << "Ascendant: " << reading.ascendant << '\n';
    for (const AprakashaPoint point : kPoints) {
        out << '\n' << reading.grahas.strAprNames[static_cast<std::size_t>(point)] << '\n';
        for (const std::string& line : ResultLines(reading.grahas, point)) out << line << '\n';
    }
}

}  // namespace tamovid::cli
