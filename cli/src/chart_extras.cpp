#include "tamovid/cli/chart_extras.h"

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string_view>

#include "tamovid/cli/json_writer.h"
#include "tamovid/grahas/nakshatra.h"
#include "tamovid/timewindow/window_text.h"

namespace tamovid::cli {
namespace {

/// The classic engine has one ayanamsa of its own, not one of the precise engine's.
constexpr std::string_view kClassicAyanamsaName = "Classic";
constexpr int kNameColumn = 11;
constexpr int kPositionColumn = 11;

double SixDecimals(double degrees) {
    constexpr double kScale = 1e6;
    double rounded = std::round(degrees * kScale) / kScale;
    if (rounded >= 360) rounded -= 360;
    return rounded;
}

std::string_view AyanamsaNameOf(const Reading& reading) {
    return reading.engine == Engine::kPrecise ? AyanamsaDisplayName(reading.options.ayanamsa)
                                              : kClassicAyanamsaName;
}

void BoundJson(JsonWriter& json, std::string_view key,
               const std::optional<timewindow::Bound>& bound, const timewindow::LocalClock& birth) {
    json.Key(key);
    if (bound) {
        json.String(timewindow::BoundText(bound, birth));
    } else {
        json.Null();
    }
}

std::string SpanText(const timewindow::Span& span, const timewindow::LocalClock& birth) {
    if (!span.from && !span.to) return "unchanged within 12 hours";
    return timewindow::BoundText(span.from, birth) + " to " + timewindow::BoundText(span.to, birth);
}

}  // namespace

ReadingExtras ComputeExtras(const Reading& reading, ExtrasRequest request) {
    ReadingExtras extras;
    if (request.grahas) {
        precise::NineGrahas grahas =
            reading.engine == Engine::kPrecise
                ? precise::CalcPreciseGrahas(reading.record, reading.options)
                : precise::CalcClassicGrahas(reading.record, reading.options);
        // One Sun and one Ascendant per chart: the reading's.
        grahas.grahas[GrahaIndex(Graha::kSun)].longitude = reading.sun.longitude;
        grahas.ascendant = reading.ascendant.longitude;
        extras.grahas = grahas;
    }
    if (request.timeWindow) {
        extras.timeWindow = timewindow::ComputeTimeWindow(
            timewindow::WindowChartOf(reading, request.grahas, reading.options));
    }
    return extras;
}

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

void AppendExtrasJson(std::string& text, const Reading& reading, const ReadingExtras& extras) {
    if (extras.grahas) {
        const precise::NineGrahas& nine = *extras.grahas;
        AppendNakshatraJson(text, reading.ascendant.longitude, "ascendant_");
        text += ',';
        JsonWriter json(text);
        json.Key("ayanamsa");
        json.Number(SixDecimals(nine.ayanamsa));
        json.Key("ayanamsa_name");
        json.String(AyanamsaNameOf(reading));
        json.Key("node");
        json.String(LunarNodeKey(reading.options.node));
        json.Key("ephemeris");
        json.String(precise::EphemerisKey(nine.ephemeris));
        json.Key("grahas");
        json.BeginArray();
        for (const GrahaPosition& graha : nine.grahas) {
            json.BeginObject();
            json.Key("name");
            json.String(GrahaNameOf(graha.graha));
            json.Key("longitude");
            json.Number(SixDecimals(graha.longitude));
            json.Key("position");
            json.String(CompactText(PositionAt(graha.longitude)));
            AppendNakshatraJson(text, graha.longitude);
            json.Key("retrograde");
            json.Bool(graha.retrograde);
            json.EndObject();
        }
        json.EndArray();
    }
    if (extras.timeWindow) {
        const timewindow::TimeWindow& window = *extras.timeWindow;
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

void WriteExtrasText(std::ostream& out, const Reading& reading, const ReadingExtras& extras) {
    if (extras.grahas) {
        const precise::NineGrahas& nine = *extras.grahas;
        std::ostringstream ayanamsa;
        ayanamsa << std::fixed << std::setprecision(6) << nine.ayanamsa;
        out << "\nGrahas\n"
            << "Engine " << EngineName(reading.engine) << ", ayanamsa " << AyanamsaNameOf(reading)
            << " (" << ayanamsa.str() << "), " << LunarNodeKey(reading.options.node)
            << " node, ephemeris " << precise::EphemerisKey(nine.ephemeris) << '\n';
        auto line = [&](std::string_view name, double longitude, bool retrograde) {
            const NakshatraPada nakshatra = NakshatraOf(longitude);
            out << std::left << std::setw(kNameColumn) << name << std::setw(kPositionColumn)
                << CompactText(PositionAt(longitude)) << nakshatra.name << ' ' << nakshatra.pada
                << (retrograde ? ", retrograde" : "") << '\n';
        };
        line("Ascendant", reading.ascendant.longitude, false);
        for (const GrahaPosition& graha : nine.grahas) {
            line(GrahaNameOf(graha.graha), graha.longitude, graha.retrograde);
        }
        out << std::right;
    }
    if (extras.timeWindow) {
        const timewindow::TimeWindow& window = *extras.timeWindow;
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
