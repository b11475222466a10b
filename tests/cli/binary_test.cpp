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
    EXPECT_EQ(Slurp(svg).find(">Mo "), std::string::npos) << "the grahas only when asked for";
    ASSERT_EQ(
        std::system((binary + kDelhi + " --grahas --chart '" + svg + "' --chart-only").c_str()), 0);
    EXPECT_NE(Slurp(svg).find(">Mo "), std::string::npos);
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

// An atlas that could not be read ended with status 2, as if the chart had been refused.
TEST(BinaryAtlas, AtlasThatCannotBeReadIsAnIoError) {
    const std::string folder = testing::TempDir() + "/tamovid-unreadable-atlas";
    const std::string copy = folder + "/bin/tamovid-cli";
    ASSERT_EQ(std::system(("rm -rf '" + folder + "' && mkdir -p '" + folder + "/bin' '" + folder +
                           "/share/tamovid/places.atlas' && cp '" + TAMOVID_CLI_BINARY + "' '" +
                           copy + "'")
                              .c_str()),
              0);
    for (const char* arguments :
         {"--places Pune", "--date 1975-12-03 --time 10:30 --name Ravi --place Pune"}) {
        SCOPED_TRACE(arguments);
        const int raw = std::system(("'" + copy + "' " + arguments + " >/dev/null 2>&1").c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, kExitIoError);
    }
    std::system(("rm -rf '" + folder + "'").c_str());
}

// A damaged zone file ended with status 2, as if the chart had been refused; an unknown zone
// is still a refusal.
TEST(BinaryAtlas, ZoneFileThatCannotBeReadIsAnIoError) {
    const std::string folder = testing::TempDir() + "/tamovid-damaged-zones";
    ASSERT_EQ(std::system(("rm -rf '" + folder + "' && mkdir -p '" + folder +
                           "/Asia' && printf 'TZif2 damaged' > '" + folder + "/Asia/Kolkata'")
                              .c_str()),
              0);
    const std::string chart = std::string("TZDIR='") + folder + "' '" + TAMOVID_CLI_BINARY +
                              "' --date 1975-12-03 --time 10:30 --name Ravi --lat 18N31 --lon "
                              "73E51 --city Pune --state MH --country India --tz ";
    for (const auto& [zone, status] : {std::pair{"Asia/Kolkata", kExitIoError},
                                       std::pair{"Asia/Atlantis", kExitRefused}}) {
        const int raw = std::system((chart + zone + " >/dev/null 2>&1").c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, status) << zone;
    }
    std::system(("rm -rf '" + folder + "'").c_str());
}

// With no font at all the PNG and the PDF held empty boxes for every letter, with status 0.
TEST(BinaryChart, NoFontInstalledRefusesPngAndPdfButNotSvg) {
    const std::string folder = testing::TempDir();
    const std::string config = folder + "/no-fonts.conf";
    std::ofstream(config) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const std::string binary = "env -u DISPLAY QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE='" +
                               config + "' '" + TAMOVID_CLI_BINARY + "' " + kDelhi;
    struct Case {
        const char* option;
        const char* name;
        int status;
    };
    for (const Case& c :
         {Case{"--chart", "boxes.png", kExitIoError}, Case{"--pdf", "boxes.pdf", kExitIoError},
          Case{"--chart", "text.svg", kExitOk}}) {
        SCOPED_TRACE(c.name);
        const std::string target = folder + "/" + c.name;
        std::remove(target.c_str());
        const std::string err = folder + "/no-fonts.err";
        const int raw = std::system(
            (binary + " " + c.option + " '" + target + "' >/dev/null 2>'" + err + "'").c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, c.status) << Slurp(err);
        std::ifstream written(target);
        EXPECT_EQ(written.good(), c.status == kExitOk);
        if (c.status != kExitOk) {
            EXPECT_NE(Slurp(err).find("no font is installed"), std::string::npos) << Slurp(err);
        }
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
