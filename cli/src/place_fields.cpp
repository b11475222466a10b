#include "tamovid/cli/place_fields.h"

#include <charconv>
#include <cstdlib>
#include <iterator>

#include "tamovid/atlas/fold.h"
#include "tamovid/atlas/zone_time.h"
#include "tamovid/birthentry/place_zone.h"
#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid::cli {
namespace {

std::optional<std::string_view> Given(const ChartFieldTexts& texts, ChartField field) {
    const auto& text = texts[static_cast<std::size_t>(field)];
    if (!text || text->empty()) return std::nullopt;
    return text;
}

}  // namespace

Result<const atlas::Atlas*, std::string> AtlasSource::Get() {
    if (!loaded_) loaded_ = atlas::LoadInstalledAtlas();
    if (!loaded_->ok()) return Failure{loaded_->error().message};
    return &loaded_->value();
}

std::string NoPlaceMessage(std::string_view query) {
    return "No place in the atlas matches \"" + std::string(query) + "\".";
}

void AppendCoordinateText(std::string& text, int degrees, int minutes, bool positive,
                          char positiveLetter, char negativeLetter) {
    char digits[12];
    text.append(std::begin(digits), std::to_chars(std::begin(digits), std::end(digits), degrees).ptr);
    text += positive ? positiveLetter : negativeLetter;
    if (minutes < 10) text += '0';
    text.append(std::begin(digits), std::to_chars(std::begin(digits), std::end(digits), minutes).ptr);
}

std::string CoordinateText(int degrees, int minutes, bool positive, char positiveLetter,
                           char negativeLetter) {
    std::string text;
    AppendCoordinateText(text, degrees, minutes, positive, positiveLetter, negativeLetter);
    return text;
}

Result<void, std::string> ApplyPlaceAndZone(const ChartFieldTexts& texts, BirthEntry& entry,
                                            AtlasSource& source, std::string_view ambiguousHint) {
    std::string zone;
    if (const auto query = Given(texts, ChartField::kPlace)) {
        const auto atlas = source.Get();
        if (!atlas.ok()) return Failure{atlas.error()};
        const std::vector<atlas::Place> found = atlas.value()->Search(*query, 1);
        if (found.empty()) return Failure{NoPlaceMessage(*query)};
        const atlas::Place& place = found.front();
        FillPlace(entry, place,
                  {Given(texts, ChartField::kCity).has_value(),
                   Given(texts, ChartField::kState).has_value(),
                   Given(texts, ChartField::kCountry).has_value(),
                   Given(texts, ChartField::kLat).has_value(),
                   Given(texts, ChartField::kLon).has_value()});
        zone = place.zone;
    }
    if (const auto tz = Given(texts, ChartField::kTz)) {
        if (const auto known = atlas::CheckZone(*tz); !known.ok())
            return Failure{known.error().message};
        zone = std::string(*tz);
    }
    if (const auto offsetText = Given(texts, ChartField::kUtcOffset)) {
        const std::optional<int> offset = ParseUtcOffset(*offsetText);
        if (!offset)  // checked before
            return Failure{"Unreadable offset \"" + std::string(*offsetText) + "\"."};
        ApplyZoneOffset(entry, *offset, false, "", zone);
        return {};
    }
    if (zone.empty() || Given(texts, ChartField::kZone)) return {};

    const auto resolved = EnteredTimeInZone(entry, zone);
    if (!resolved.ok()) return Failure{resolved.error().message};
    if (!resolved.value()) return {};  // no such date: the form's checks refuse it
    const atlas::LocalTimeInZone& local = *resolved.value();
    using Kind = atlas::LocalTimeInZone::Kind;
    if (local.kind == Kind::kNonexistent) return Failure{ClockChangeMessage(entry, zone, local)};
    if (local.kind == Kind::kAmbiguous) {
        return Failure{ClockChangeMessage(entry, zone, local) + std::string(ambiguousHint)};
    }
    const bool dstGiven = Given(texts, ChartField::kDst).has_value();
    const bool dstBox = entry.chkDST;
    ApplyZoneOffset(entry, local.offset, zone);
    if (dstGiven) entry.chkDST = dstBox;  // the box given overrides the zone's
    return {};
}

}  // namespace tamovid::cli
