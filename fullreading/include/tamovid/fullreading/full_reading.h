#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/chart_session.h"
#include "tamovid/birthentry/graha_table.h"
#include "tamovid/base/result.h"
#include "tamovid/dasha/vimshottari.h"
#include "tamovid/fullreading/varga_bodies.h"
#include "tamovid/grahas/conjunction_note.h"
#include "tamovid/timewindow/time_window.h"
#include "tamovid/upagrahas/upagrahas.h"

namespace tamovid {

/// The parts of a reading beyond the five points, the Sun and the Ascendant. Each costs
/// time, so it is computed only when an output shows it.
struct ReadingParts {
    bool grahas = false;      ///< the nine grahas, the ayanamsa, the nakshatras, the sign mates
    bool timeWindow = false;  ///< the birth-time window, with the nine grahas when they are asked too
    bool upagrahas = false;   ///< the day of the birth and the six that rise with its portions
    bool vargas = false;      ///< every body's sign in the sixteen divisional charts
    bool dasha = false;       ///< the Vimshottari periods, in the chart's dasha year

    constexpr bool Any() const { return grahas || timeWindow || upagrahas || vargas || dasha; }
    /// Whether these parts include every part of `other`.
    constexpr bool Covers(ReadingParts other) const {
        return (grahas || !other.grahas) && (timeWindow || !other.timeWindow) &&
               (upagrahas || !other.upagrahas) && (vargas || !other.vargas) &&
               (dasha || !other.dasha);
    }
    constexpr ReadingParts With(ReadingParts other) const {
        return {grahas || other.grahas, timeWindow || other.timeWindow,
                upagrahas || other.upagrahas, vargas || other.vargas, dasha || other.dasha};
    }
};

/// Every part: the printed reading shows them all.
inline constexpr ReadingParts kEveryPart{
    .grahas = true, .timeWindow = true, .upagrahas = true, .vargas = true, .dasha = true};

/// The six of a reading, or why the Sun gave no day to place them in.
struct ReadingUpagrahas {
    Result<upagrahas::Upagrahas, upagrahas::NoDay> placed;
    /// The grahas in each one's sign, in Upagraha order, when the reading holds the grahas.
    std::optional<std::array<PointNote, upagrahas::kUpagrahaCount>> notes;
};

/// A point as a chart of any division needs it.
struct NamedLongitude {
    std::string_view name;   ///< "Gulika"
    std::string_view label;  ///< "Gk"
    double longitude = 0;    ///< sidereal degrees, 0..360
};

/// Everything one chart's reading shows, computed once; every output only words it.
struct FullReading {
    Reading reading;  ///< the birth, the five points, the Sun and the Ascendant
    std::optional<GrahaTable> grahas;
    std::optional<timewindow::TimeWindow> timeWindow;
    std::optional<ReadingUpagrahas> upagrahas;
    /// The bodies of the divisional charts: the Ascendant, the nine grahas, the five points
    /// and, where the reading holds them, the six time-based upagrahas.
    std::optional<std::vector<VargaBody>> vargas;
    std::optional<Vimshottari> dasha;

    /// The parts this reading holds.
    ReadingParts Parts() const {
        return {grahas.has_value(), timeWindow.has_value(), upagrahas.has_value(),
                vargas.has_value(), dasha.has_value()};
    }
};

/// One of the six as a row of a positions table (never retrograde).
GrahaRow UpagrahaRow(const upagrahas::UpagrahaPlace& place);

/// The six as placed, in Upagraha order; none where the Sun did not rise or set.
std::vector<NamedLongitude> UpagrahaLongitudes(const ReadingUpagrahas& six);

/// The session's chart with the parts asked for, in the chart's own engine and options.
/// The one place a reading is computed.
FullReading ComputeFullReading(const ChartSession& session, ReadingParts parts);

/// The reading of the chart a window shows: its parts are computed when a view first
/// asks for them and kept until the next chart.
class ShownReading {
public:
    /// Starts on the session's new chart, with none of the parts of the last one.
    void Reset(const ChartSession& session) { full_ = ComputeFullReading(session, {}); }

    /// The reading with at least these parts.
    const FullReading& With(const ChartSession& session, ReadingParts parts) {
        const ReadingParts held = full_.Parts();
        if (!held.Covers(parts)) full_ = ComputeFullReading(session, held.With(parts));
        return full_;
    }

    const FullReading& Current() const { return full_; }

private:
    FullReading full_;
};

}  // namespace tamovid
