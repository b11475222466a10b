#include "tamovid/cli/place_fields.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <span>

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

/// Whether the zone could have had this offset at the entry's clock time: either reading
/// of a time its clocks skipped or repeated counts. A date the zone cannot place agrees,
/// and is left to the form's checks.
Result<bool, atlas::AtlasError> ZoneAllows(const BirthEntry& entry, const std::string& zone,
                                           int offset, int& zoneOffset) {
    const auto resolved = EnteredTimeInZone(entry, zone);
    if (!resolved.ok()) return Failure{resolved.error()};
    if (!resolved.value()) return true;
    const atlas::LocalTimeInZone& local = *resolved.value();
    zoneOffset = local.offset.minutes;
    return offset == local.offset.minutes ||
           (local.kind != atlas::LocalTimeInZone::Kind::kUnique && offset == local.later.minutes);
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
    // Made in one piece and added at once: a batch writes two of these a row.
    constexpr std::size_t kIntChars = 11;  // the longest int: a sign and ten digits
    std::array<char, 2 * kIntChars + 2> piece;
    char* end = std::to_chars(piece.data(), piece.data() + kIntChars, degrees).ptr;
    *end++ = positive ? positiveLetter : negativeLetter;
    if (minutes < 10) *end++ = '0';
    end = std::to_chars(end, end + kIntChars, minutes).ptr;
    text.append(piece.data(), end);
}

std::string CoordinateText(int degrees, int minutes, bool positive, char positiveLetter,
                           char negativeLetter) {
    std::string text;
    AppendCoordinateText(text, degrees, minutes, positive, positiveLetter, negativeLetter);
    return text;
}

std::string OtherPlacesNote(std::string_view query, std::span<const atlas::Place> found) {
    if (found.empty()) return {};
    // Only places of the same name are another reading of the query, not the near misses
    // that a search lists after them.
    const std::optional<std::string> name = atlas::FoldName(found.front().name);
    std::vector<const atlas::Place*> others;
    for (const atlas::Place& place : found.subspan(1)) {
        if (others.size() < kOtherPlacesNamed && atlas::FoldName(place.name) == name) {
            others.push_back(&place);
        }
    }
    if (others.empty()) return {};
    std::string note(1, '"');
    note += query;
    note += "\" was taken as " + atlas::DisplayName(found.front()) + "; it also matches ";
    for (std::size_t i = 0; i < others.size(); ++i) {
        if (i > 0) note += i + 1 == others.size() ? " and " : "; ";
        note += atlas::DisplayName(*others[i]);
    }
    return note + ". Add the state or country to choose another.";
}

Result<void, std::string> ApplyPlaceAndZone(const ChartFieldTexts& texts, BirthEntry& entry,
                                            AtlasSource& source, std::string_view offsetHint,
                                            std::string* otherPlaces) {
    std::string zone;
    bool zoneGiven = false;
    if (const auto query = Given(texts, ChartField::kPlace)) {
        const auto atlas = source.Get();
        if (!atlas.ok()) return Failure{atlas.error()};
        const std::vector<atlas::Place> found =
            atlas.value()->Search(*query, otherPlaces != nullptr ? kPlacesSearchedForOthers : 1);
        if (found.empty()) return Failure{NoPlaceMessage(*query)};
        if (otherPlaces != nullptr) *otherPlaces = OtherPlacesNote(*query, found);
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
            return Failure{source.ZoneFailure(known.error())};
        zone = std::string(*tz);
        zoneGiven = true;
    }
    if (const auto offsetText = Given(texts, ChartField::kUtcOffset)) {
        const std::optional<int> offset = ParseUtcOffset(*offsetText);
        if (!offset)  // checked before
            return Failure{"Unreadable offset \"" + std::string(*offsetText) + "\"."};
        // A zone that had another offset then is refused where it was asked for, and dropped
        // where it only came with the place: a reading never claims both.
        int zoneOffset = *offset;
        if (!zone.empty()) {
            const Result<bool, atlas::AtlasError> allowed =
                ZoneAllows(entry, zone, *offset, zoneOffset);
            if (!allowed.ok()) return Failure{source.ZoneFailure(allowed.error())};
            if (!allowed.value() && zoneGiven) {
                return Failure{"The offset UTC" + UtcOffsetText(*offset) +
                               " disagrees with the time zone " + zone + ", which was UTC" +
                               UtcOffsetText(zoneOffset) +
                               " at that date and time. Give the zone or the offset, not both."};
            }
            if (!allowed.value()) zone.clear();
        }
        ApplyZoneOffset(entry, *offset, false, "", zone);
        return {};
    }
    if (zone.empty() || Given(texts, ChartField::kZone)) return {};

    const auto resolved = EnteredTimeInZone(entry, zone);
    if (!resolved.ok()) return Failure{source.ZoneFailure(resolved.error())};
    if (!resolved.value()) return {};  // no such date: the form's checks refuse it
    const atlas::LocalTimeInZone& local = *resolved.value();
    using Kind = atlas::LocalTimeInZone::Kind;
    // Either way the user can say which offset the clock showed.
    if (local.kind != Kind::kUnique) {
        return Failure{ClockChangeMessage(entry, zone, local) + std::string(offsetHint)};
    }
    const bool dstGiven = Given(texts, ChartField::kDst).has_value();
    const bool dstBox = entry.chkDST;
    ApplyZoneOffset(entry, local.offset, zone);
    if (dstGiven) entry.chkDST = dstBox;  // the box given overrides the zone's
    return {};
}

}  // namespace tamovid::cli
