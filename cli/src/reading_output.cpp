#include "tamovid/cli/reading_output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string>

#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/cli/place_fields.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/positions/utc_offset.h"
#include "tamovid/cli/visible_text.h"

namespace tamovid::cli {
namespace {

constexpr std::array<AprakashaPoint, kAprakashaPointCount> kPoints = {kDhuma, kVyatipata,
                                                                      kParivesha, kChapa, kUpaketu};

/// Bytes that stand for themselves inside a JSON string: printable ASCII but the quote
/// and the backslash.
constexpr std::array<bool, 256> kPlainJsonBytes = [] {
    std::array<bool, 256> plain{};
    for (int c = ' '; c <= '~'; ++c) plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return plain;
}();

/// A JSON string value, invalid UTF-8 replaced as in WriteJsonLine.
void AppendJsonString(std::string& text, std::string_view value) {
    // The engine's position texts are always plain, and serializing them one by one
    // through a json value costs more than the whole chart's arithmetic.
    const bool plain = std::all_of(value.begin(), value.end(), [](char c) {
        return kPlainJsonBytes[static_cast<unsigned char>(c)];
    });
    if (plain) {
        text += '"';
        text += value;
        text += '"';
        return;
    }
    text += JsonText(nlohmann::ordered_json(value));
}

/// A sidereal longitude rounded to six decimals of a degree (under 0.004"), kept in 0..360.
double SixDecimals(double degrees) {
    constexpr double kScale = 1e6;
    double rounded = std::round(degrees * kScale) / kScale;
    if (rounded >= 360) rounded -= 360;
    return rounded;
}

/// The members that name the engine and give the exact longitudes, as one text.
std::string LongitudeMembers(const Reading& reading) {
    std::string text = ",\"sun_longitude\":";
    text += nlohmann::ordered_json(SixDecimals(reading.sunLongitude)).dump();
    text += ",\"ascendant_longitude\":";
    text += nlohmann::ordered_json(SixDecimals(reading.ascendantLongitude)).dump();
    text += ",\"engine\":";
    AppendJsonString(text, EngineName(reading.engine));
    return text;
}

/// The birth's place and time members, from "city" to "ut".
nlohmann::ordered_json PlaceAndTime(const Reading& reading) {
    const BirthRecord& r = reading.record;
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["city"] = r.strCity;
    json["state"] = r.strState;
    json["country"] = r.strCountry;
    json["lat"] = CoordinateText(r.intLatDeg, r.intLatMin, !r.blnSouth, 'N', 'S');
    json["lon"] = CoordinateText(r.intLonDeg, r.intLonMin, r.blnEast, 'E', 'W');
    json["tz"] = reading.tz.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(reading.tz);
    json["zone_row"] =
        reading.zoneRow ? nlohmann::ordered_json(*reading.zoneRow) : nlohmann::ordered_json();
    json["dst"] = r.blnDST;
    json["utc_offset"] = UtcOffsetText(RecordOffsetMinutes(r));
    json["ut"] = UniversalTimeText(r);
    return json;
}

}  // namespace

void ReadingJsonWriter::Append(std::string& text, const Reading& reading,
                               std::optional<std::size_t> row) {
    const AprakashaResult& grahas = reading.grahas;
    text += '{';
    if (row) {
        text += "\"row\":";
        char digits[24];
        const auto end = std::to_chars(std::begin(digits), std::end(digits), *row).ptr;
        text.append(digits, end);
        text += ',';
    }
    text += "\"name\":";
    AppendJsonString(text, reading.record.strName);
    const std::string placeAndTime = JsonText(PlaceAndTime(reading));
    text += ',';
    text.append(placeAndTime, 1, placeAndTime.size() - 2);  // the members without the braces
    text += ",\"sun\":";
    AppendJsonString(text, reading.sun);
    text += ",\"ascendant\":";
    AppendJsonString(text, reading.ascendant);
    text += LongitudeMembers(reading);
    text += ",\"points\":[";
    for (const AprakashaPoint point : kPoints) {
        const auto i = static_cast<std::size_t>(point);
        const int house = grahas.intAprHouses[i];
        const std::array<std::string_view, 4> sources = {
            grahas.strAprNames[i], grahas.strAprLords[i], grahas.strAprDescriptions[i],
            grahas.strAprInterpretations[i]};
        PointMembers fresh;
        PointMembers* members = &fresh;
        if (house >= 0 && house < static_cast<int>(kHouseSlots)) {
            members = &points_[i][static_cast<std::size_t>(house)];
        }
        // Same place and length in the fixed tables means the same text, without comparing it.
        const bool sameTexts = std::equal(sources.begin(), sources.end(), members->sources.begin(),
                                          [](std::string_view a, std::string_view b) {
                                              return a.data() == b.data() && a.size() == b.size();
                                          });
        if (members->before.empty() || !sameTexts) {
            members->sources = sources;
            members->before = "{\"name\":";
            AppendJsonString(members->before, grahas.strAprNames[i]);
            members->before += ",\"position\":";
            members->after = ",\"lord\":";
            AppendJsonString(members->after, grahas.strAprLords[i]);
            members->after += ",\"house\":";
            members->after += nlohmann::ordered_json(grahas.intAprHouses[i]).dump();
            members->after += ",\"description\":";
            AppendJsonString(members->after, grahas.strAprDescriptions[i]);
            members->after += ",\"interpretation\":";
            AppendJsonString(members->after, grahas.strAprInterpretations[i]);
            members->after += '}';
        }
        if (i != 0) text += ',';
        text += members->before;
        AppendJsonString(text, grahas.strAprPositions[i]);
        text += members->after;
    }
    text += "]}";
}

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
    json.update(PlaceAndTime(reading));
    json["sun"] = reading.sun;
    json["ascendant"] = reading.ascendant;
    json["sun_longitude"] = SixDecimals(reading.sunLongitude);
    json["ascendant_longitude"] = SixDecimals(reading.ascendantLongitude);
    json["engine"] = EngineName(reading.engine);
    json["points"] = std::move(points);
    return json;
}

nlohmann::ordered_json RowErrorJson(std::size_t row, std::string_view message) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["row"] = row;
    json["error"] = message;
    return json;
}

std::string JsonText(const nlohmann::ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void WriteJsonLine(std::ostream& out, const nlohmann::ordered_json& value) {
    out << JsonText(value) << '\n';
}

void WriteTextReading(std::ostream& out, const Reading& reading) {
    // Names and places are the user's bytes; the rest is the program's own text.
    out << "Name:      " << VisibleText(reading.record.strName) << '\n'
        << "Place:     " << VisibleText(PlaceText(reading.record)) << '\n'
        << "Sun:       " << reading.sun << '\n'
        << "Ascendant: " << reading.ascendant << '\n';
    // The default engine's text stays as it always was; the precise one says so.
    if (reading.engine == Engine::kPrecise)
        out << "Engine:    " << EngineName(reading.engine) << '\n';
    for (const AprakashaPoint point : kPoints) {
        out << '\n' << reading.grahas.strAprNames[static_cast<std::size_t>(point)] << '\n';
        for (const std::string& line : ResultLines(reading.grahas, point)) out << line << '\n';
    }
}

}  // namespace tamovid::cli
