// Runs the built program, to see the exit status that a shell sees.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <utility>
#include <string>

#include "pdf_tools.h"
#include "tamovid/cli/exit_codes.h"

namespace tamovid::cli {
namespace {

int ShellStatus(const std::string& arguments) {
    const std::string command =
        std::string("'") + TAMOVID_CLI_BINARY + "' " + arguments + " >/dev/null 2>&1";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

struct BinaryCase {
    const char* label;
    const char* arguments;
    int status;
};

class Binary : public testing::TestWithParam<BinaryCase> {};

TEST_P(Binary, ExitsWithTheStatus) {
    EXPECT_EQ(ShellStatus(GetParam().arguments), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Binary,
    testing::Values(
        BinaryCase{"Version", "--version", kExitOk},
        BinaryCase{"Chart",
                   "--date 1975-12-03 --time 10:30 --zone 34 --lat 18N31 --lon 73E51 "
                   "--name Ravi --city Pune --state MH --country India",
                   kExitOk},
        BinaryCase{"Refused", "--date 1975-12-03 --time 10:30 --zone 34 --lat 18N31 --lon 73E51",
                   kExitRefused},
        BinaryCase{"Usage", "--zone 71", kExitUsage},
        BinaryCase{
            "BatchFromStandardInput",
            "--batch - <<'EOF'\ndate,time,zone,lat,lon\n1975-12-03,10:30,34,18N31,73E51\nEOF",
            kExitOk},
        BinaryCase{"BadHeaderOnStandardInput", "--batch - </dev/null", kExitUsage},
        BinaryCase{"UnreadableFile", "--open /nonexistent/x.vug", kExitIoError}),
    [](const testing::TestParamInfo<BinaryCase>& info) { return info.param.label; });

}  // namespace
}  // namespace tamovid::cli

namespace tamovid::cli {
namespace {

constexpr const char* kDelhi =
    "--date 1947-08-15 --time 0:00 --zone 34 --lat 28N39 --lon 77E13 --name Asha --city Delhi "
    "--state Delhi --country India";

std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The width and height a PNG's header gives, big-endian at bytes 16..23.
std::pair<unsigned, unsigned> PngSize(const std::string& png) {
    auto at = [&png](std::size_t i) {
        return (static_cast<unsigned>(static_cast<unsigned char>(png[i])) << 24) |
               (static_cast<unsigned>(static_cast<unsigned char>(png[i + 1])) << 16) |
               (static_cast<unsigned>(static_cast<unsigned char>(png[i + 2])) << 8) |
               static_cast<unsigned>(static_cast<unsigned char>(png[i + 3]));
    };
    return png.size() < 24 ? std::pair{0u, 0u} : std::pair{at(16), at(20)};
}

// The tool loads its drawing part only for --chart, and draws without a display.
TEST(BinaryChart, DrawsSvgWithTheReadingAndPngAlone) {
    const std::string folder = testing::TempDir();
    const std::string svg = folder + "/delhi.svg";
    const std::string png = folder + "/delhi.png";
    const std::string out = folder + "/reading.txt";
    std::remove(svg.c_str());
    std::remove(png.c_str());
    const std::string binary =
        std::string("env -u DISPLAY QT_QPA_PLATFORM=xcb '") + TAMOVID_CLI_BINARY + "' ";

    ASSERT_EQ(std::system((binary + kDelhi + " --chart '" + svg + "' >'" + out + "'").c_str()), 0);
    EXPECT_NE(Slurp(out).find("Ascendant: 07 Tau 45"), std::string::npos);
    EXPECT_NE(Slurp(svg).find(">As 7\u00B045'</text>"), std::string::npos);

    ASSERT_EQ(std::system((binary + kDelhi + " --chart '" + png +
                           "' --chart-style north --chart-only >'" + out + "'")
                              .c_str()),
              0);
    EXPECT_EQ(Slurp(out), "");
    EXPECT_EQ(PngSize(Slurp(png)), (std::pair{1000u, 1000u}));
}

// Both drawings in one run, each on its own offscreen display, and the reading as a PDF.
TEST(BinaryChart, WritesThePdfReadingBesideTheChart) {
    const std::string folder = testing::TempDir();
    const std::string svg = folder + "/both.svg";
    const std::string pdf = folder + "/both.PDF";
    std::remove(pdf.c_str());
    const std::string binary =
        std::string("env -u DISPLAY QT_QPA_PLATFORM=xcb '") + TAMOVID_CLI_BINARY + "' ";
    ASSERT_EQ(
        std::system(
            (binary + kDelhi + " --chart '" + svg + "' --pdf '" + pdf + "' >/dev/null").c_str()),
        0);
    EXPECT_EQ(testing_support::PdfPageCount(pdf), 1);
    const std::string text = testing_support::PdfText(pdf);
    for (const char* expected : {"Asha", "Delhi, Delhi, India", "Dh 11°19'", "page 1 of 1"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ChartOptions, Binary,
    testing::Values(
        BinaryCase{"ChartWithAnotherEnding",
                   "--date 1947-08-15 --time 0:00 --zone 34 --lat 28N39 --lon 77E13 --name A "
                   "--city B --state C --country D --chart x.jpg",
                   kExitUsage},
        BinaryCase{"ChartStyleAlone", "--chart-style north", kExitUsage},
        BinaryCase{"ChartStyleUnknown", "--chart x.svg --chart-style east", kExitUsage},
        BinaryCase{"ChartWithBatch", "--batch - --chart x.svg </dev/null", kExitUsage},
        BinaryCase{"ChartIntoMissingFolder",
                   "--date 1947-08-15 --time 0:00 --zone 34 --lat 28N39 --lon 77E13 --name A "
                   "--city B --state C --country D --chart /nonexistent/x.png",
                   kExitIoError},
        BinaryCase{"PdfIntoMissingFolder",
                   "--date 1947-08-15 --time 0:00 --zone 34 --lat 28N39 --lon 77E13 --name A "
                   "--city B --state C --country D --pdf /nonexistent/x.pdf",
                   kExitIoError},
        BinaryCase{"ChartStyleForThePdf",
                   "--date 1947-08-15 --time 0:00 --zone 34 --lat 28N39 --lon 77E13 --name A "
                   "--city B --state C --country D --chart-style north --pdf /dev/null/x.pdf",
                   kExitIoError}),
    [](const testing::TestParamInfo<BinaryCase>& p) { return p.param.label; });

}  // namespace
}  // namespace tamovid::cli
