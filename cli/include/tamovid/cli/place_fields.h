#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tamovid/atlas/atlas.h"
#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/cli/chart_fields.h"

namespace tamovid::cli {

/// The atlas, loaded the first time a chart asks for it; a failure is kept and told
/// again, so that a batch does not try to load it once per row.
class AtlasSource {
public:
    /// The atlas, or the message why there is none.
    Result<const atlas::Atlas*, std::string> Get();
    /// Whether the atlas was asked for and could not be read, or a zone file could not be.
    bool Failed() const { return (loaded_ && !loaded_->ok()) || zoneUnreadable_; }
    /// The message of a zone that could not be had, noting whether its file was unreadable.
    std::string ZoneFailure(const atlas::AtlasError& error) {
        zoneUnreadable_ = zoneUnreadable_ || error.unreadable;
        return error.message;
    }

private:
    bool zoneUnreadable_ = false;
    std::optional<Result<atlas::Atlas, atlas::AtlasError>> loaded_;
};

/// "No place in the atlas matches \"Atlantis\"."
std::string NoPlaceMessage(std::string_view query);

/// How many other places of the same name are named beside the one taken, and how many of
/// the best matches are looked through for them.
inline constexpr std::size_t kOtherPlacesNamed = 3;
inline constexpr std::size_t kPlacesSearchedForOthers = 20;

/// For a query that matches places of the same name, the sentence that names the first,
/// taken, and up to kOtherPlacesNamed others; empty when no other has its name.
std::string OtherPlacesNote(std::string_view query, std::span<const atlas::Place> found);

/// Completes a chart from its place, tz and utc_offset texts (each may be absent):
/// city, state, country and coordinates from the best match of the place, each unless
/// given itself; then the zone row, box and exact offset from utc_offset, else from the
/// zone (tz, else the place's) at the chart's local date and time, unless a zone row
/// was given. Refuses, with the message, no such place or zone, no atlas, or a clock
/// time that did not exist or happened twice (`offsetHint`, how to give the offset, is added
/// to that message).
/// With `otherPlaces`, a place that matches several is noted there (OtherPlacesNote).
Result<void, std::string> ApplyPlaceAndZone(const ChartFieldTexts& texts, BirthEntry& entry,
                                            AtlasSource& atlas, std::string_view offsetHint,
                                            std::string* otherPlaces = nullptr);

/// "18N31", "0W08": degrees, the direction letter, two-digit minutes.
void AppendCoordinateText(std::string& text, int degrees, int minutes, bool positive,
                          char positiveLetter, char negativeLetter);
std::string CoordinateText(int degrees, int minutes, bool positive, char positiveLetter,
                           char negativeLetter);

}  // namespace tamovid::cli
