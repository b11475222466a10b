#include "tamovid/cli/csv.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tamovid/test_support/error_of.h"

namespace tamovid::cli {
namespace {

using testing_support::ErrorOf;

struct SplitCase {
    const char* label;
    std::string_view line;
    std::vector<std::string> fields;
};

class CsvSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(CsvSplit, GivesTheFields) {
    std::vector<std::string> fields = {"stale", "values", "from", "an", "older", "row"};
    EXPECT_EQ(ErrorOf(SplitCsvLine(GetParam().line, fields)), std::nullopt);
    EXPECT_EQ(fields, GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CsvSplit,
    testing::Values(SplitCase{"Plain", "a,b,c", {"a", "b", "c"}},
                    SplitCase{"EmptyLineIsOneEmptyField", "", {""}},
                    SplitCase{"EmptyFields", ",,", {"", "", ""}},
                    SplitCase{"BlanksAreKept", " a , b", {" a ", " b"}},
                    SplitCase{"QuotedComma", "\"Pune, Camp\",India", {"Pune, Camp", "India"}},
                    SplitCase{"DoubledQuote", "\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
                    SplitCase{"QuotedEmpty", "\"\",x", {"", "x"}},
                    SplitCase{"QuotedLast", "x,\"y\"", {"x", "y"}},
                    SplitCase{"QuoteInsideUnquotedField", "O\"Neil,x", {"O\"Neil", "x"}},
                    SplitCase{"TrailingComma", "a,", {"a", ""}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.label; });

struct BrokenCase {
    const char* label;
    std::string_view line;
    const char* error;
};

class CsvBroken : public testing::TestWithParam<BrokenCase> {};

TEST_P(CsvBroken, ReportsTheFault) {
    std::vector<std::string> fields;
    EXPECT_EQ(ErrorOf(SplitCsvLine(GetParam().line, fields)),
              std::optional<std::string>(GetParam().error));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CsvBroken,
    testing::Values(
        BrokenCase{"UnclosedQuote", "\"Pune, Camp,India", "a quoted field is not closed"},
        BrokenCase{"UnclosedAfterDoubledQuote", "\"a\"\"", "a quoted field is not closed"},
        BrokenCase{"TextAfterClosingQuote", "\"Pune\" Camp,India", "text follows a closing quote"}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return info.param.label; });

std::vector<std::string> AllLines(LineReader& reader, std::vector<LineReader::Status>* statuses) {
    std::vector<std::string> lines;
    std::string line;
    for (;;) {
        const LineReader::Status status = reader.Next(line);
        if (statuses) statuses->push_back(status);
        if (status == LineReader::Status::kEnd || status == LineReader::Status::kFailed ||
            status == LineReader::Status::kNoLineEnd) {
            break;
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(LineReader, EndsLinesAtCrLfLfOrCrAndReadsALastLineWithoutAnEnd) {
    std::istringstream in("a,b\r\n\nc\rd\n\re\r\rlast");
    LineReader reader(in);
    EXPECT_EQ(AllLines(reader, nullptr),
              (std::vector<std::string>{"a,b", "", "c", "d", "", "e", "", "last"}));
}

TEST(LineReader, EmptyInputHasNoLines) {
    std::istringstream in("");
    LineReader reader(in);
    std::string line;
    EXPECT_EQ(reader.Next(line), LineReader::Status::kEnd);
    EXPECT_EQ(reader.Next(line), LineReader::Status::kEnd);
}

TEST(LineReader, SkipsAnOverlongLineAndGoesOn) {
    std::istringstream in("12345678\n123456789\nabc\n" + std::string(100, 'x'));
    LineReader reader(in, 8);
    std::vector<LineReader::Status> statuses;
    const std::vector<std::string> lines = AllLines(reader, &statuses);
    using S = LineReader::Status;
    EXPECT_EQ(statuses, (std::vector<S>{S::kLine, S::kTooLong, S::kLine, S::kTooLong, S::kEnd}));
    EXPECT_EQ(lines, (std::vector<std::string>{"12345678", "", "abc", ""}));
}

TEST(LineReader, GivesUpOnALineWhoseEndIsNotNear) {
    std::istringstream in("ok\n" + std::string(100, 'x') + "\nnever read");
    LineReader reader(in, 8, 50);
    std::vector<LineReader::Status> statuses;
    AllLines(reader, &statuses);
    using S = LineReader::Status;
    EXPECT_EQ(statuses, (std::vector<S>{S::kLine, S::kTooLong, S::kNoLineEnd}));
    std::string line;
    EXPECT_EQ(reader.Next(line), S::kNoLineEnd);  // final: nothing more is read
}

TEST(LineReader, KeepsNulBytesInsideALine) {
    std::istringstream in(std::string("a\0b\nc", 5));
    LineReader reader(in);
    EXPECT_EQ(AllLines(reader, nullptr), (std::vector<std::string>{std::string("a\0b", 3), "c"}));
}

class FailingBuffer : public std::streambuf {
protected:
    int_type underflow() override { throw std::ios_base::failure("device gone"); }
};

TEST(LineReader, ReportsAReadFailure) {
    FailingBuffer buffer;
    std::istream in(&buffer);
    LineReader reader(in);
    std::string line;
    EXPECT_EQ(reader.Next(line), LineReader::Status::kFailed);
}

}  // namespace
}  // namespace tamovid::cli
