// The command line's text and JSON and the printed page word one reading alike.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>

#include "tamovid/cli/reading_output.h"
#include "tamovid/fullreading/full_reading.h"
#include "tamovid/fullreading/reading_texts.h"
#include "tamovid/report/reading_sheet.h"
#include "tamovid/test_support/sample_entries.h"
#include "tamovid/test_support/birth_of.h"

namespace tamovid {
namespace {

struct Fixture {
    const char* name;
    BirthEntry (*entry)();
    Engine engine;
};

const Fixture kFixtures[] = {
    {"Delhi1947Classic", testing_support::Delhi1947, Engine::kClassic},
    {"Pune1975Classic", testing_support::Pune1975, Engine::kClassic},
    {"Pune1975Precise", testing_support::Pune1975, Engine::kPrecise},
};

// A span as the JSON gives its two ends, in the words of the other outputs.
std::string SpanFromJson(const nlohmann::json& body, const std::string& value) {
    const nlohmann::json& from = body.at(value + "_from");
    const nlohmann::json& to = body.at(value + "_to");
    if (from.is_null() && to.is_null()) return std::string(kUnchangedSpanText);
    const auto end = [](const nlohmann::json& bound) {
        return bound.is_null() ? std::string("beyond 12 hours") : bound.get<std::string>();
    };
    return end(from) + " \u2013 " + end(to);
}

class ReadingAgreementTest : public ::testing::TestWithParam<Fixture> {};

TEST_P(ReadingAgreementTest, TextJsonAndPageSayTheSameSpansAndSignMates) {
    ChartSession session;
    session.Calculate(testing_support::BirthOf(GetParam().entry()), OptionsFor(GetParam().engine));
    const FullReading full = ComputeFullReading(session, kEveryPart);
    const ReadingSheet sheet =
        MakeReadingSheet(full.reading, "", &*full.grahas, &*full.timeWindow, nullptr, 0, &*full.upagrahas);
    std::ostringstream text;
    cli::WriteTextReading(text, full.reading, &full);
    const nlohmann::json json =
        nlohmann::json::parse(cli::ReadingJsonText(full.reading, std::nullopt, &full));

    const nlohmann::json& windows = json.at("time_window");
    ASSERT_EQ(windows.size(), sheet.timeWindow->rows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const SheetWindowRow& row = sheet.timeWindow->rows[i];
        EXPECT_EQ(windows[i].at("name"), row[0]);
        EXPECT_EQ(SpanFromJson(windows[i], "sign"), row[1]) << row[0];
        EXPECT_EQ(SpanFromJson(windows[i], "house"), row[2]) << row[0];
        EXPECT_EQ(SpanFromJson(windows[i], "pada"), row[3]) << row[0];
        EXPECT_NE(text.str().find("sign " + row[1] + "; house " + row[2] + "; pada " + row[3] + '\n'),
                  std::string::npos)
            << row[0];
    }

    std::size_t withMates = 0;
    for (const nlohmann::json& point : json.at("sign_mates")) {
        const std::string name = point.at("name");
        if (point.at("grahas").empty()) {
            EXPECT_TRUE(point.at("affliction").is_null()) << name;
            continue;
        }
        ASSERT_LT(withMates, sheet.grahas->signMates.size());
        const SheetFact& mates = sheet.grahas->signMates[withMates++];
        EXPECT_EQ(mates.label, name);
        EXPECT_NE(text.str().find("; in its sign: " + mates.value + '\n'), std::string::npos) << name;
        if (!point.at("affliction").is_null()) {
            const std::string affliction = point.at("affliction");
            EXPECT_TRUE(mates.value.ends_with(' ' + affliction)) << mates.value;
        }
    }
    EXPECT_EQ(withMates, sheet.grahas->signMates.size());

    // The six: one day line, and each one's place in the table, the JSON and the text.
    EXPECT_NE(text.str().find("\nUpagrahas\n" + sheet.upagrahas->dayLine + '\n'), std::string::npos);
    const nlohmann::json& six = json.at("upagrahas");
    ASSERT_EQ(six.size(), sheet.upagrahas->rows.size());
    for (std::size_t i = 0; i < six.size(); ++i) {
        const SheetGrahaRow& row = sheet.upagrahas->rows[i];
        EXPECT_EQ(six[i].at("name"), row[0]);
        EXPECT_EQ(six[i].at("nakshatra"), row[3]) << row[0];
        EXPECT_EQ(std::to_string(six[i].at("house").get<int>()), row[5]) << row[0];
        for (const std::string& line : sheet.upagrahas->points[i].lines)
            EXPECT_NE(text.str().find('\n' + line + '\n'), std::string::npos) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ReadingAgreementTest, ::testing::ValuesIn(kFixtures),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tamovid
