#include "tamovid/app/options/preferences.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <array>
#include <string>

#include "tamovid/app/options/settings_file.h"

namespace tamovid {
namespace {

using namespace upagrahas;

/// One remembered choice: its key in the settings file, whether it is one of the chart
/// options (written together), how it is written as text, and how a stored text sets it
/// (an unknown text sets nothing, leaving the default).
struct ChoiceRow {
    Setting setting;
    bool chartOption;
    std::string (*write)(const RememberedChoices&);
    void (*read)(RememberedChoices&, std::string_view);
};

template <typename T>
void SetIf(T& field, std::optional<T> value) {
    if (value) field = *value;
}

std::string PointsText(const RememberedChoices& c) {
    std::string text;
    for (const UpagrahaName& row : kUpagrahaNames) {
        if (!text.empty()) text += ',';
        text += PointText(row.upagraha, c.chart.upagrahas.At(row.upagraha));
    }
    return text;
}

void ReadPoints(RememberedChoices& c, std::string_view text) {
    // Each "Name=where" on its own: one unreadable entry costs only its point.
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        (void)SetPointFromText(c.chart.upagrahas, text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
}

// Stored as Qt writes a true-or-false value, and read as Qt reads one (anything but
// nothing, "0" or "false" is true), as the chart window always has.
std::string YesNoText(bool yes) { return yes ? "true" : "false"; }

bool YesNoFromText(std::string_view text) {
    return QVariant(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))).toBool();
}

constexpr std::array kChoiceRows = {
    ChoiceRow{
        Setting::kEngine, true,
        [](const RememberedChoices& c) { return std::string(EngineName(c.chart.engine)); },
        [](RememberedChoices& c, std::string_view t) { SetIf(c.chart.engine, ParseEngine(t)); }},
    ChoiceRow{Setting::kAyanamsa, true,
              [](const RememberedChoices& c) { return std::string(AyanamsaKey(c.chart.ayanamsa)); },
              [](RememberedChoices& c, std::string_view t) {
                  SetIf(c.chart.ayanamsa, ParseAyanamsa(t));
              }},
    ChoiceRow{
        Setting::kNode, true,
        [](const RememberedChoices& c) { return std::string(LunarNodeKey(c.chart.node)); },
        [](RememberedChoices& c, std::string_view t) { SetIf(c.chart.node, ParseLunarNode(t)); }},
    ChoiceRow{Setting::kSunrise, true,
              [](const RememberedChoices& c) {
                  return std::string(SunriseRuleKeyOf(c.chart.upagrahas.sunrise));
              },
              [](RememberedChoices& c, std::string_view t) {
                  SetIf(c.chart.upagrahas.sunrise, ParseSunriseRule(t));
              }},
    ChoiceRow{Setting::kPortionLords, true,
              [](const RememberedChoices& c) {
                  return std::string(LordRuleKeyOf(c.chart.upagrahas.lords));
              },
              [](RememberedChoices& c, std::string_view t) {
                  SetIf(c.chart.upagrahas.lords, ParseLordRule(t));
              }},
    ChoiceRow{Setting::kUpagrahaPoints, true, PointsText, ReadPoints},
    ChoiceRow{
        Setting::kDashaYear, true,
        [](const RememberedChoices& c) { return std::string(DashaYearKey(c.chart.dashaYear)); },
        [](RememberedChoices& c, std::string_view t) {
            SetIf(c.chart.dashaYear, ParseDashaYear(t));
        }},
    ChoiceRow{Setting::kChartStyle, false,
              [](const RememberedChoices& c) { return std::string(ChartStyleName(c.chartStyle)); },
              [](RememberedChoices& c, std::string_view t) {
                  SetIf(c.chartStyle, ChartStyleFromName(t));
              }},
    ChoiceRow{Setting::kAllUpagrahas, false,
              [](const RememberedChoices& c) { return YesNoText(c.allUpagrahas); },
              [](RememberedChoices& c, std::string_view t) { c.allUpagrahas = YesNoFromText(t); }},
};

RememberedChoices ReadChoices(const QSettings& settings) {
    RememberedChoices choices;
    for (const ChoiceRow& row : kChoiceRows) {
        const QString key = SettingsKey(row.setting);
        if (settings.contains(key)) row.read(choices, settings.value(key).toString().toStdString());
    }
    return choices;
}

/// Writes the rows `wanted` picks, then the file.
template <typename Wanted>
void WriteChoices(QSettings* settings, const RememberedChoices& choices, Wanted wanted) {
    if (settings == nullptr) return;
    for (const ChoiceRow& row : kChoiceRows) {
        if (!wanted(row)) continue;
        settings->setValue(SettingsKey(row.setting), QString::fromStdString(row.write(choices)));
    }
    settings->sync();
}

/// Sets one choice of its own row and writes that row; false when it already held `value`.
template <typename T>
bool Remember(QSettings* settings, RememberedChoices& choices, T RememberedChoices::*choice,
              T value, Setting setting) {
    if (choices.*choice == value) return false;
    choices.*choice = value;
    WriteChoices(settings, choices,
                 [setting](const ChoiceRow& row) { return row.setting == setting; });
    return true;
}

}  // namespace

Preferences::Preferences(QSettings* settings, QObject* parent)
    : QObject(parent),
      settings_(settings),
      choices_(settings != nullptr ? ReadChoices(*settings) : RememberedChoices{}) {}

void Preferences::setChartOptions(const ChartOptions& options) {
    if (options != choices_.chart) {
        choices_.chart = options;
        // Every chart option, so that the store says what this run used.
        WriteChoices(settings_, choices_, [](const ChoiceRow& row) { return row.chartOption; });
    }
    // Announced even when unchanged: a chart opened with its own options may be in use,
    // and the user's choice replaces them.
    emit chartOptionsChanged(choices_.chart);
}

void Preferences::setChartStyle(ChartStyle style) {
    if (Remember(settings_, choices_, &RememberedChoices::chartStyle, style, Setting::kChartStyle))
        emit chartStyleChanged(style);
}

void Preferences::setAllUpagrahas(bool all) {
    if (Remember(settings_, choices_, &RememberedChoices::allUpagrahas, all,
                 Setting::kAllUpagrahas))
        emit allUpagrahasChanged(all);
}

}  // namespace tamovid
