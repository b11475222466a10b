#include "tamovid/cli/reading_output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string>

#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/base/digits.h"
#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/cli/place_fields.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/positions/tables.h"
#include "tamovid/positions/utc_offset.h"
#include "tamovid/cli/json_writer.h"
#include "tamovid/cli/visible_text.h"

namespace tamovid::cli {
namespace {

constexpr std::array<AprakashaPoint, kAprakashaPointCount> kPoints = {kDhuma, kVyatipata,
                                                                      kParivesha, kChapa, kUpaketu};

}  // namespace

void ReadingJsonWriter::Append(std::string& text, const Reading& reading,
                               std::optional<std::size_t> row, const FullReading* extras,
                               std::span<const Varga> charts) {
    using namespace std::string_view_literals;
    const BirthRecord& r = reading.record;
    // The member names and the texts the program makes itself (coordinates, offsets,
    // times, positions) hold nothing to escape, so they are written as they are.
    auto quoted = [&](std::string_view plain) {
        text += '"';
        text += plain;
        text += '"';
    };
    if (row) {
        text += "{\"row\":"sv;
        AppendJsonUnsigned(text, *row);
        text += ",\"name\":"sv;
    } else {
        text += "{\"name\":"sv;
    }
    AppendJsonString(text, r.strName);
    text += ",\"city\":"sv;
    AppendJsonString(text, r.strCity);
    text += ",\"state\":"sv;
    AppendJsonString(text, r.strState);
    text += ",\"country\":"sv;
    AppendJsonString(text, r.strCountry);
    text += ",\"lat\":\""sv;
    AppendCoordinateText(text, r.intLatDeg, r.intLatMin, !r.blnSouth, 'N', 'S');
    text += "\",\"lon\":\""sv;
    AppendCoordinateText(text, r.intLonDeg, r.intLonMin, r.blnEast, 'E', 'W');
    text += '"';
    text += ",\"tz\":"sv;
    if (reading.birth.zoneName.empty()) {
        text += "null"sv;
    } else {
        AppendJsonString(text, reading.birth.zoneName);
    }
    text += ",\"zone_row\":"sv;
    if (const std::optional<int> zoneRow = reading.birth.TableRow()) {
        AppendJsonInteger(text, *zoneRow);
    } else {
        text += "null"sv;
    }
    text += r.blnDST ? ",\"dst\":true,\"utc_offset\":"sv : ",\"dst\":false,\"utc_offset\":"sv;
    quoted(UtcOffsetText(RecordOffsetMinutes(r)));
    text += ",\"ut\":\""sv;
    AppendUniversalTimeText(text, r);
    text += "\",\"sun\":\""sv;
    AppendCompactText(text, reading.sun);
    text += "\",\"ascendant\":\""sv;
    AppendCompactText(text, reading.ascendant);
    text += "\",\"sun_longitude\":"sv;
    AppendJsonNumber(text, SixDecimalDegrees(reading.sun.longitude));
    text += ",\"ascendant_longitude\":"sv;
    AppendJsonNumber(text, SixDecimalDegrees(reading.ascendant.longitude));
    text += ",\"engine\":"sv;
    quoted(EngineName(reading.options.engine));
    text += ",\"points\":["sv;
    const AprakashaResult& grahas = reading.grahas;
    // Positions are written straight in; before a calculation they are empty.
    const bool calculated = HasPoints(grahas);
    for (const AprakashaPoint point : kPoints) {
        const auto i = static_cast<std::size_t>(point);
        const AprakashaGraha& graha = grahas.points[i];
        const int house = graha.house;
        const std::array<std::string_view, 4> sources = {graha.name, graha.lord, graha.description,
                                                         graha.interpretation};
        PointMembers fresh;
        PointMembers* members = &fresh;
        if (house >= 0 && house < static_cast<int>(kHouseSlots)) {
            members = &points_[i][static_cast<std::size_t>(house)];
        }
        // The fixed texts come from tables: the same place and length is the same text,
        // so their members are escaped once and reused.
        const bool sameTexts = std::equal(sources.begin(), sources.end(), members->sources.begin(),
                                          [](std::string_view a, std::string_view b) {
                                              return a.data() == b.data() && a.size() == b.size();
                                          });
        if (members->before.empty() || !sameTexts) {
            members->sources = sources;
            members->before = "{\"name\":";
            AppendJsonString(members->before, graha.name);
            members->before += ",\"position\":";
            members->after = ",\"lord\":";
            AppendJsonString(members->after, graha.lord);
            members->after += ",\"house\":" + std::to_string(house);
            members->after += ",\"description\":";
            AppendJsonString(members->after, graha.description);
            members->after += ",\"interpretation\":";
            AppendJsonString(members->after, graha.interpretation);
            members->after += '}';
        }
        if (i != 0) text += ',';
        text += members->before;
        text += '"';
        if (calculated) AppendPointText(text, graha.position);
        text += '"';
        if (extras && extras->vargas) {
            text += ",\"longitude\":"sv;
            AppendJsonNumber(text, SixDecimalDegrees(graha.position.longitude));
        }
        if (extras && extras->grahas) {
            text.append(members->after, 0, members->after.size() - 1);
            AppendNakshatraJson(text, graha.position.longitude);
            text += '}';
        } else {
            text += members->after;
        }
    }
    text += ']';
    if (extras) AppendExtrasJson(text, *extras, charts);
    if (CountsDaylightTwice(reading)) {
        // Made once a zone row: a batch may warn on many of its rows.
        static const std::array<std::string, kTimeZoneCount> kWarningMembers = [] {
            std::array<std::string, kTimeZoneCount> members;
            Reading warned;
            for (std::size_t zone = 0; zone < kTimeZoneCount; ++zone) {
                warned.birth.zone = TableZone{static_cast<int>(zone), true};
                if (const std::optional<std::string> warning = DaylightTwiceWarning(warned)) {
                    members[zone] = ",\"warning\":";
                    AppendJsonString(members[zone], *warning);
                }
            }
            return members;
        }();
        text += kWarningMembers[static_cast<std::size_t>(*reading.birth.TableRow())];
    }
    text += '}';
}

bool CountsDaylightTwice(const Reading& reading) { return CountsDaylightTwice(reading.birth); }

bool CountsDaylightTwice(const Birth& birth) {
    const auto* table = std::get_if<TableZone>(&birth.zone);
    return table != nullptr && table->dst &&
           kTimeZoneRows[static_cast<std::size_t>(table->row)].kind != ZoneKind::kStandard;
}

std::optional<std::string> DaylightTwiceWarning(const Reading& reading) {
    if (!CountsDaylightTwice(reading)) return std::nullopt;
    const int row = *reading.birth.TableRow();
    const TimeZoneRow& zone = kTimeZoneRows[static_cast<std::size_t>(row)];
    const std::string_view label = zone.label.substr(0, zone.label.find(','));
    return "the daylight-saving box is set on zone row " + std::to_string(row) +
           " (" + std::string(label) +
           "), which already includes the daylight hour: the chart counts that hour twice, as "
           "the window does";
}

std::string ReadingJsonText(const Reading& reading, std::optional<std::size_t> row,
                            const FullReading* extras, std::span<const Varga> charts) {
    std::string text;
    ReadingJsonWriter().Append(text, reading, row, extras, charts);
    return text;
}

std::string RowErrorJsonText(std::size_t row, std::string_view message, std::string_view name) {
    std::string text;
    JsonWriter json(text);
    json.BeginObject();
    json.Key("row");
    json.Unsigned(row);
    if (!name.empty()) {
        json.Key("name");
        json.String(name);
    }
    json.Key("error");
    json.String(message);
    json.EndObject();
    return text;
}

std::string JsonText(const nlohmann::ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void WriteJsonLine(std::ostream& out, const nlohmann::ordered_json& value) {
    out << JsonText(value) << '\n';
}

void WriteTextReading(std::ostream& out, const Reading& reading, const FullReading* extras,
                      std::span<const Varga> charts) {
    // Names and places are the user's bytes; the rest is the program's own text.
    const BirthRecord& r = reading.record;
    out << "Name:      " << VisibleText(r.strName) << '\n'
        << "Born:      " << DateText(r.intDate, r.intMonth, r.intYear) << ", "
        << TwoDigits(r.intHour) << ':' << TwoDigits(r.intMinute) << " local clock time\n"
        << "Place:     " << VisibleText(PlaceText(reading.record)) << '\n'
        << "Sun:       " << CompactText(reading.sun) << '\n'
        << "Ascendant: " << CompactText(reading.ascendant) << '\n';
    // The default engine's text stays as it always was; the precise one says so.
    if (reading.options.engine == Engine::kPrecise)
        out << "Engine:    " << EngineName(reading.options.engine) << '\n';
    // So does an ayanamsa other than the default one.
    if (reading.options.engine == Engine::kPrecise &&
        reading.options.ayanamsa != ChartOptions{}.ayanamsa)
        out << "Ayanamsa:  " << AyanamsaDisplayName(reading.options.ayanamsa) << '\n';
    for (const AprakashaPoint point : kPoints) {
        out << '\n' << reading.grahas[point].name << '\n';
        for (const std::string& line : ResultLines(reading.grahas, point)) out << line << '\n';
    }
    if (extras) WriteExtrasText(out, *extras, charts);
}

}  // namespace tamovid::cli
