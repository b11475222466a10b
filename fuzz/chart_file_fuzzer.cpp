// Feeds arbitrary bytes to everything that reads outside data: the chart file decoder,
// the text shift and the code page conversion. Besides crashes and sanitizer reports,
// it stops on any broken promise of those functions.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tamovid/chartfile/chart_file.h"
#include "tamovid/chartfile/codepage.h"
#include "tamovid/chartfile/text_shift.h"
#include "tamovid/positions/utc_offset.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

template <typename T>
void RequireWithin(const std::optional<T>& value, T lowest, T highest) {
    Require(!value || (*value >= lowest && *value <= highest));
}

void RequireDigitField(const std::optional<std::string>& text) {
    if (!text) {
        return;
    }
    Require(!text->empty() && text->size() <= 3);
    for (const char ch : *text) {
        Require(ch >= '0' && ch <= '9');
    }
}

void CheckDecoded(const tamovid::ChartFileContents& c) {
    RequireWithin(c.month, 1, 12);
    RequireWithin(c.date, 1, 31);
    RequireWithin(c.year, 1901, 2050);
    RequireWithin(c.hour, 0, 24);
    RequireWithin(c.minute, 0, 59);
    RequireWithin(c.timeZone, 0, 70);
    RequireDigitField(c.lonDeg);
    RequireDigitField(c.lonMin);
    RequireDigitField(c.latDeg);
    RequireDigitField(c.latMin);
    RequireWithin(c.utcOffsetMinutes, -tamovid::kMaxUtcOffsetMinutes,
                  tamovid::kMaxUtcOffsetMinutes);
    Require(!c.tz || (!c.tz->empty() && c.tz->find("..") == std::string::npos));
    for (const auto* text : {&c.name, &c.city, &c.state, &c.country}) {
        // Restored text is always valid UTF-8 of characters a chart can store.
        Require(!*text || tamovid::Utf8ToWindows1252(**text).has_value());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const tamovid::ChartFileReading reading = tamovid::ReadChartFileContents(bytes);
    CheckDecoded(reading.contents);
    // A damaged line is named within its part of the file, and damaged extra lines leave
    // no exact zone behind; a zone never stands without its offset.
    Require(!reading.damage ||
            (reading.damage->line >= 1 && reading.damage->line <= tamovid::kChartFileLineCount));
    Require(!reading.extraDamage || reading.extraDamage->line > tamovid::kChartFileLineCount);
    Require(!reading.extraDamage ||
            (!reading.contents.utcOffsetMinutes && !reading.contents.tz));
    Require(!reading.contents.tz || reading.contents.utcOffsetMinutes);
    Require(!tamovid::DescribeChartDamage(reading.damage.value_or(tamovid::ChartDamage{
                                              1, tamovid::ChartDamage::Kind::kMissing}))
                 .empty());

    const std::string shifted = tamovid::ScrambleText(bytes);
    for (const char ch : shifted) {
        Require(static_cast<unsigned char>(ch) >= 85);
    }
    Require(tamovid::UnscrambleText(shifted).size() == shifted.size());

    // Both conversions are exact inverses wherever the first one succeeds.
    Require(tamovid::Utf8ToWindows1252(tamovid::Windows1252ToUtf8(bytes)) == bytes);
    if (const auto narrow = tamovid::Utf8ToWindows1252(bytes)) {
        Require(tamovid::Windows1252ToUtf8(*narrow) == bytes);
    }
    return 0;
}
