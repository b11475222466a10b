#include "tamovid/app/options/preferences.h"

#include <QSettings>
#include <QStringList>

#include <array>
#include <string>

#include "tamovid/app/options/settings_file.h"

namespace tamovid {
namespace {

using namespace upagrahas;

/// One remembered choice: its key in the settings file, how it is written as text, and how
/// a stored text sets it (an unknown text sets nothing, leaving the default).
struct ChoiceRow {
    Setting setting;
    std::string (*write)(const ChartOptions&);
    void (*read)(ChartOptions&, std::string_view);
};

template <typename T>
void SetIf(T& field, std::optional<T> value) {
    if (value) field = *value;
}

std::string PointsText(const ChartOptions& o) {
    std::string text;
    for (const UpagrahaName& row : kUpagrahaNames) {
        if (!text.empty()) text += ',';
        text += PointText(row.upagraha, o.upagrahas.At(row.upagraha));
    }
    return text;
}

void ReadPoints(ChartOptions& o, std::string_view text) {
    // Each "Name=where" on its own: one unreadable entry costs only its point.
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        (void)SetPointFromText(o.upagrahas, text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
}

constexpr std::array kChoiceRows = {
    ChoiceRow{Setting::kEngine,
              [](const ChartOptions& o) { return std::string(EngineName(o.engine)); },
              [](ChartOptions& o, std::string_view t) { SetIf(o.engine, ParseEngine(t)); }},
    ChoiceRow{Setting::kAyanamsa,
              [](const ChartOptions& o) { return std::string(AyanamsaKey(o.ayanamsa)); },
              [](ChartOptions& o, std::string_view t) { SetIf(o.ayanamsa, ParseAyanamsa(t)); }},
    ChoiceRow{Setting::kNode,
              [](const ChartOptions& o) { return std::string(LunarNodeKey(o.node)); },
              [](ChartOptions& o, std::string_view t) { SetIf(o.node, ParseLunarNode(t)); }},
    ChoiceRow{
        Setting::kSunrise,
        [](const ChartOptions& o) { return std::string(SunriseRuleKeyOf(o.upagrahas.sunrise)); },
        [](ChartOptions& o, std::string_view t) {
            SetIf(o.upagrahas.sunrise, ParseSunriseRule(t));
        }},
    ChoiceRow{
        Setting::kPortionLords,
        [](const ChartOptions& o) { return std::string(LordRuleKeyOf(o.upagrahas.lords)); },
        [](ChartOptions& o, std::string_view t) { SetIf(o.upagrahas.lords, ParseLordRule(t)); }},
    ChoiceRow{Setting::kUpagrahaPoints, PointsText, ReadPoints},
    ChoiceRow{Setting::kDashaYear,
              [](const ChartOptions& o) { return std::string(DashaYearKey(o.dashaYear)); },
              [](ChartOptions& o, std::string_view t) { SetIf(o.dashaYear, ParseDashaYear(t)); }},
};

}  // namespace

ChartOptions ReadChartOptions(const QSettings& settings) {
    ChartOptions options;
    for (const ChoiceRow& row : kChoiceRows) {
        const QString key = SettingsKey(row.setting);
        if (settings.contains(key)) row.read(options, settings.value(key).toString().toStdString());
    }
    return options;
}

void WriteChartOptions(QSettings& settings, const ChartOptions& options) {
    for (const ChoiceRow& row : kChoiceRows) {
        settings.setValue(SettingsKey(row.setting), QString::fromStdString(row.write(options)));
    }
    settings.sync();
}

Preferences::Preferences(QSettings* settings, QObject* parent)
    : QObject(parent),
      settings_(settings),
      options_(settings != nullptr ? ReadChartOptions(*settings) : ChartOptions{}) {}

void Preferences::setChartOptions(const ChartOptions& options) {
    if (options != options_ && settings_ != nullptr) WriteChartOptions(*settings_, options);
    options_ = options;
    // Announced even when unchanged: a chart opened with its own options may be in use,
    // and the user's choice replaces them.
    emit chartOptionsChanged(options_);
}

}  // namespace tamovid
