#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tamovid::cli {

/// Writes compact JSON text straight onto the end of a string, value by value, with the
/// bytes nlohmann's compact dump would give for the same values: the same escapes, the
/// same numbers, and text that is not valid UTF-8 written with U+FFFD in place of the
/// broken bytes.
class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    /// A member's name; its value follows.
    void Key(std::string_view key);

    void String(std::string_view value);
    void Integer(std::int64_t value);
    void Unsigned(std::uint64_t value);
    void Number(double value);
    void Bool(bool value);
    void Null();
    /// Text that is already one whole JSON value, written as it is.
    void Raw(std::string_view json);

private:
    void BeforeValue();

    std::string& out_;
    bool afterValue_ = false;
};

/// value as a JSON string, quotes included, appended to out.
void AppendJsonString(std::string& out, std::string_view value);
/// Whole numbers, appended to out.
void AppendJsonInteger(std::string& out, std::int64_t value);
void AppendJsonUnsigned(std::string& out, std::uint64_t value);
/// Degrees rounded to six decimals (under 0.004"), kept in 0..360, as every longitude,
/// distance and ayanamsa of the JSON is written.
double SixDecimalDegrees(double degrees);

/// A number as JsonWriter::Number writes it ("null" when not finite), appended to out.
void AppendJsonNumber(std::string& out, double value);

}  // namespace tamovid::cli
