#include "tamovid/cli/varga_dasha_output.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <vector>

#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/cli/json_writer.h"
#include "tamovid/positions/calendar.h"
#include "tamovid/fullreading/dasha_texts.h"
#include "tamovid/positions/tables.h"

namespace tamovid::cli {
namespace {

constexpr std::string_view kDashaSystem = "Vimshottari";
constexpr std::size_t kBodyColumn = 11;
constexpr std::size_t kSignColumn = 5;  // "Sag" and two blanks
constexpr int kLordColumn = 9;    // "Mercury" and two blanks
constexpr double kHundredths = 100;  // the balance's years to two places

/// A row of the divisional table: each cell padded to its column but the last, so that
/// no line ends in blanks.
void TableLine(std::ostream& out, std::string_view first, const std::vector<std::string_view>& cells) {
    std::string text(first);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        text.resize(std::max(text.size() + 1, kBodyColumn + i * kSignColumn), ' ');
        text += cells[i];
    }
    out << text << '\n';
}

void PeriodJson(JsonWriter& json, const DashaPeriod& period) {
    json.Key("lord");
    json.String(GrahaNameOf(period.lord));
    json.Key("start");
    json.String(MinuteText(period.start));
    json.Key("end");
    json.String(MinuteText(period.end));
}

void PeriodText(std::ostream& out, const DashaPeriod& period, std::string_view indent) {
    out << indent << std::left << std::setw(kLordColumn) << GrahaNameOf(period.lord) << std::right
        << MinuteText(period.start, ' ') << " to " << MinuteText(period.end, ' ') << '\n';
}

}  // namespace

void AppendVargasJson(std::string& text, std::span<const VargaBody> bodies,
                      std::span<const Varga> charts) {
    text += ',';
    JsonWriter json(text);
    json.Key("vargas");
    json.BeginObject();
    for (const Varga chart : charts) {
        json.Key(RuleOf(chart).key);
        json.BeginObject();
        for (const VargaBody& body : bodies) {
            json.Key(body.name);
            const int sign = body.signs[VargaIndex(chart)];
            if (sign < 0) {
                json.Null();
            } else {
                json.String(kSignNames[static_cast<std::size_t>(sign)]);
            }
        }
        json.EndObject();
    }
    json.EndObject();
}

void AppendDashaJson(std::string& text, const Vimshottari& dasha) {
    text += ',';
    JsonWriter json(text);
    json.Key("dasha");
    json.BeginObject();
    json.Key("system");
    json.String(kDashaSystem);
    json.Key("year");
    json.String(DashaYearKey(dasha.year));
    json.Key("year_days");
    json.Number(DashaYearDays(dasha.year));
    json.Key("balance");
    json.BeginObject();
    json.Key("lord");
    json.String(GrahaNameOf(dasha.maha[0].period.lord));
    json.Key("years");
    json.Number(std::round(dasha.BalanceYears() * kHundredths) / kHundredths);
    json.EndObject();
    json.Key("periods");
    json.BeginArray();
    for (const MahaPeriod& maha : dasha.maha) {
        json.BeginObject();
        PeriodJson(json, maha.period);
        json.Key("sub");
        json.BeginArray();
        for (const DashaPeriod& sub : maha.sub) {
            json.BeginObject();
            PeriodJson(json, sub);
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void WriteVargasText(std::ostream& out, std::span<const VargaBody> bodies,
                     std::span<const Varga> charts) {
    out << "\nDivisional charts (the sign of each body)\n";
    std::vector<std::string_view> cells;
    for (const Varga chart : charts) cells.push_back(RuleOf(chart).key);
    TableLine(out, "", cells);
    for (const VargaBody& body : bodies) {
        cells.clear();
        for (const Varga chart : charts) {
            const int sign = body.signs[VargaIndex(chart)];
            cells.push_back(sign < 0 ? "-" : strSignAbbr[static_cast<std::size_t>(sign)]);
        }
        TableLine(out, body.name, cells);
    }
}

void WriteDashaText(std::ostream& out, const Vimshottari& dasha) {
    out << "\nVimshottari dasha (" << DashaYearText(dasha.year) << "; UT)\n"
        << BalanceText(dasha) << '\n';
    for (const MahaPeriod& maha : dasha.maha) {
        PeriodText(out, maha.period, "");
        for (const DashaPeriod& sub : maha.sub) PeriodText(out, sub, "  ");
    }
}

}  // namespace tamovid::cli
