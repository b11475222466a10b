#include "tamovid/cli/chart_extras.h"

#include <iomanip>
#include <sstream>
#include <string_view>

#include "tamovid/cli/json_writer.h"
#include "tamovid/fullreading/reading_texts.h"
#include "tamovid/grahas/conjunction_note.h"
#include "tamovid/grahas/nakshatra.h"
#include "tamovid/timewindow/window_text.h"

namespace tamovid::cli {
namespace {

constexpr int kNameColumn = 11;
constexpr int kPositionColumn = 11;

void BoundJson(JsonWriter& json, std::string_view key,
               const std::optional<timewindow::Bound>& bound, const timewindow::LocalClock& birth) {
    json.Key(key);
    if (bound) {
        json.String(timewindow::BoundText(bound, birth));
    } else {
        json.Null();
    }
}

/// One point's sign mates in a line: "in its sign: Sun 9°18', Moon 14°42'." and the
/// affliction sentence, or "alone in its sign.".
std::string PointMatesText(std::string_view point, const PointNote& note) {
    if (note.mates.empty()) return "alone in its sign.";
    return "in its sign: " + SignMatesText(point, note);
}

}  // namespace

void AppendNakshatraJson(std::string& text, double siderealLongitude, std::string_view prefix) {
    const NakshatraPada nakshatra = NakshatraOf(siderealLongitude);
    text += ",\"";
    text += prefix;
    text += "nakshatra\":";
    AppendJsonString(text, nakshatra.name);
    text += ",\"";
    text += prefix;
    text += "pada\":" + std::to_string(nakshatra.pada);
}

void AppendExtrasJson(std::string& text, const FullReading& full) {
    if (full.grahas) {
        const GrahaTable& table = *full.grahas;
        AppendNakshatraJson(text, full.reading.ascendant.longitude, "ascendant_");
        text += ',';
        JsonWriter json(text);
        json.Key("ayanamsa");
        json.Number(SixDecimalDegrees(table.ayanamsa));
        json.Key("ayanamsa_name");
        json.String(table.ayanamsaName);
        json.Key("node");
        json.String(LunarNodeKey(table.options.node));
        json.Key("ephemeris");
        json.String(precise::EphemerisKey(table.ephemeris));
        json.Key("grahas");
        json.BeginArray();
        for (std::size_t g = 0; g < kGrahaCount; ++g) {
            const GrahaRow& row = table.rows[kFirstGrahaRow + g];
            json.BeginObject();
            json.Key("name");
            json.String(row.name);
            json.Key("longitude");
            json.Number(SixDecimalDegrees(table.grahas[g].longitude));
            json.Key("position");
            json.String(CompactText(row.position));
            AppendNakshatraJson(text, row.position.longitude);
            json.Key("retrograde");
            json.Bool(row.retrograde);
            json.EndObject();
        }
        json.EndArray();
        json.Key("sign_mates");
        json.BeginArray();
        for (std::size_t p = 0; p < kNotedPointCount; ++p) {
            const PointNote& note = table.notes[p];
            json.BeginObject();
            json.Key("name");
            json.String(table.Point(p).name);
            json.Key("grahas");
            json.BeginArray();
            for (const SignMate& mate : note.mates) {
                json.BeginObject();
                json.Key("name");
                json.String(GrahaNameOf(mate.graha));
                json.Key("distance");
                json.Number(SixDecimalDegrees(mate.distance));
                json.EndObject();
            }
            json.EndArray();
            json.Key("affliction");
            if (note.Afflicted()) {
                json.String(AfflictionText(table.Point(p).name, note));
            } else {
                json.Null();
            }
            json.EndObject();
        }
        json.EndArray();
    }
    if (full.timeWindow) {
        const timewindow::TimeWindow& window = *full.timeWindow;
        text += ',';
        JsonWriter json(text);
        json.Key("time_window");
        json.BeginArray();
        for (const timewindow::BodyWindow& body : window.bodies) {
            json.BeginObject();
            json.Key("name");
            json.String(timewindow::BodyName(body.body));
            BoundJson(json, "sign_from", body.sign.from, window.birth);
            BoundJson(json, "sign_to", body.sign.to, window.birth);
            BoundJson(json, "house_from", body.house.from, window.birth);
            BoundJson(json, "house_to", body.house.to, window.birth);
            BoundJson(json, "pada_from", body.pada.from, window.birth);
            BoundJson(json, "pada_to", body.pada.to, window.birth);
            json.EndObject();
        }
        json.EndArray();
        json.Key("nearest_house_change");
        json.String(timewindow::HouseShiftSentence(window));
    }
}

void WriteExtrasText(std::ostream& out, const FullReading& full) {
    if (full.grahas) {
        const GrahaTable& table = *full.grahas;
        std::ostringstream ayanamsa;
        ayanamsa << std::fixed << std::setprecision(6) << table.ayanamsa;
        out << "\nGrahas\n"
            << "Engine " << EngineName(table.options.engine) << ", ayanamsa " << table.ayanamsaName
            << " (" << ayanamsa.str() << "), " << LunarNodeKey(table.options.node)
            << " node, ephemeris " << precise::EphemerisKey(table.ephemeris) << '\n';
        for (std::size_t r = kAscendantRow; r < kFirstPointRow; ++r) {
            const GrahaRow& row = table.rows[r];
            out << std::left << std::setw(kNameColumn) << row.name << std::setw(kPositionColumn)
                << CompactText(row.position) << row.nakshatra.name << ' ' << row.nakshatra.pada
                << (row.retrograde ? ", retrograde" : "") << '\n';
        }
        for (std::size_t p = 0; p < kNotedPointCount; ++p) {
            const GrahaRow& row = table.Point(p);
            out << std::left << std::setw(kNameColumn) << row.name << std::setw(kPositionColumn)
                << CompactText(row.position) << row.nakshatra.name << ' ' << row.nakshatra.pada
                << "; " << PointMatesText(row.name, table.notes[p]) << '\n';
        }
        out << std::right;
    }
    if (full.timeWindow) {
        const timewindow::TimeWindow& window = *full.timeWindow;
        out << "\nBirth-time window (local clock times between which each stays the same)\n";
        for (const timewindow::BodyWindow& body : window.bodies) {
            out << std::left << std::setw(kNameColumn) << timewindow::BodyName(body.body)
                << std::right << "sign " << SpanText(body.sign, window.birth) << "; house "
                << SpanText(body.house, window.birth) << "; pada "
                << SpanText(body.pada, window.birth) << '\n';
        }
        out << timewindow::HouseShiftSentence(window) << '\n';
    }
}

}  // namespace tamovid::cli
