// The zone reader against an independent one, and against names and files that are
// not what they should be.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "tamovid/atlas/zone_time.h"

namespace tamovid::atlas {
namespace {

using Kind = LocalTimeInZone::Kind;
using ::testing::HasSubstr;

std::string FirstLineVersion(const std::filesystem::path& file, std::string_view marker) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (const auto at = line.find(marker); at != std::string::npos) {
            std::istringstream rest(line.substr(at + marker.size()));
            std::string version;
            rest >> version;
            return version.substr(0, version.find(';'));
        }
    }
    return {};
}

// The table was made by scripts/make-zone-samples.py from Python's zoneinfo over the
// same zone files; the reader must agree on every offset, gap and overlap.
TEST(ZoneInfoAgreement, EveryZoneAndClockTimeOfTheTable) {
    const std::string tableVersion = FirstLineVersion(TAMOVID_ZONE_SAMPLES, "# tzdata ");
    const std::string systemVersion =
        FirstLineVersion(SystemZoneFolder() / "tzdata.zi", "# version ");
    if (tableVersion != systemVersion) {
        GTEST_SKIP() << "the table is of tzdata " << tableVersion << ", this system has "
                     << systemVersion << ": run scripts/make-zone-samples.py";
    }
    std::ifstream table(TAMOVID_ZONE_SAMPLES);
    std::string line, zone;
    int rows = 0, differ = 0, after2037 = 0, firstYear = 9999, lastYear = 0;
    std::set<std::string> zones;
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line.starts_with("Z ")) {
            zone = line.substr(2);
            zones.insert(zone);
            continue;
        }
        std::istringstream in(line);
        std::string stamp, kind;
        int first = 0, second = 0;
        in >> stamp >> kind >> first >> second;
        const int year = std::stoi(stamp.substr(0, 4));
        const auto local = ResolveLocalTime(
            zone, year, std::stoi(stamp.substr(4, 2)), std::stoi(stamp.substr(6, 2)),
            std::stoi(stamp.substr(8, 2)), std::stoi(stamp.substr(10, 2)));
        ++rows;
        after2037 += year > 2037 ? 1 : 0;
        firstYear = std::min(firstYear, year);
        lastYear = std::max(lastYear, year);
        bool same = local.ok();
        if (same) {
            const LocalTimeInZone& l = local.value();
            const Kind expected = kind == "U"   ? Kind::kUnique
                                  : kind == "G" ? Kind::kNonexistent
                                                : Kind::kAmbiguous;
            same = l.kind == expected && l.offset.minutes == first &&
                   (expected == Kind::kUnique ? l.offset.dst == (second != 0)
                                              : l.later.minutes == second);
        }
        if (!same) {
            ADD_FAILURE() << zone << " " << line << ": "
                          << (local.ok() ? std::to_string(local.value().offset.minutes)
                                         : local.error().message);
            if (++differ > 20) break;
        }
    }
    std::cout << "[ zoneinfo ] " << rows << " clock times in " << zones.size() << " zones, "
              << firstYear << "-" << lastYear << " (" << after2037 << " after 2037), tzdata "
              << systemVersion << ": " << differ << " differ\n";
    EXPECT_GT(rows, 10000);
    EXPECT_EQ(differ, 0);
}

struct LaterYearCase {
    const char* name;
    const char* zone;
    int year, month, day, hour, minute;
    Kind kind;
    int offset;  ///< minutes, local minus UT (before a gap)
    bool dst;
};

void PrintTo(const LaterYearCase& c, std::ostream* os) { *os << c.name; }

class SummerTimeAfter2037 : public ::testing::TestWithParam<LaterYearCase> {};

// The zone files list changes only until 2037; their rule gives the later ones.
TEST_P(SummerTimeAfter2037, FollowsTheZoneFilesRule) {
    const LaterYearCase& c = GetParam();
    const auto local = ResolveLocalTime(c.zone, c.year, c.month, c.day, c.hour, c.minute);
    ASSERT_TRUE(local.ok()) << local.error().message;
    EXPECT_EQ(local.value().kind, c.kind);
    EXPECT_EQ(local.value().offset.minutes, c.offset);
    EXPECT_EQ(local.value().offset.dst, c.dst);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SummerTimeAfter2037,
    ::testing::Values(LaterYearCase{"Berlin2040", "Europe/Berlin", 2040, 7, 1, 12, 0, Kind::kUnique,
                                    120, true},
                      LaterYearCase{"NewYork2040", "America/New_York", 2040, 7, 1, 12, 0,
                                    Kind::kUnique, -240, true},
                      LaterYearCase{"SydneyWinter2045", "Australia/Sydney", 2045, 7, 1, 12, 0,
                                    Kind::kUnique, 600, false},
                      LaterYearCase{"NewYorkGap2048", "America/New_York", 2048, 3, 8, 2, 30,
                                    Kind::kNonexistent, -300, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ZoneNames, OnlyTheDatabasesOwnAreNamesOfZones) {
    for (const char* name : {"Asia/Kolkata", "America/Argentina/Salta", "Etc/GMT+5",
                             "America/Port-au-Prince", "Asia/Calcutta"}) {
        EXPECT_TRUE(IsZoneName(name)) << name;
        EXPECT_TRUE(CheckZone(name).ok()) << name;
    }
    // The database's other names, as its own list gives them, are zones too (once refused).
    for (const char* name : {"UTC", "US/Eastern", "EST5EDT", "Etc/GMT-5", "GB"}) {
        EXPECT_TRUE(CheckZone(name).ok()) << name;
    }
    for (const char* name :
         {"localtime", "posixrules", "Factory", "leapseconds", "zone.tab", "right/Europe/Berlin", "posix/Europe/Berlin",
          "../../etc/passwd", "Europe/../../etc/passwd", "/etc/passwd", "file:/etc/passwd",
          "libc:localtime", "Fixed/UTC+05:30:00", "Europe/Berlin/", "Europe//Berlin",
          "Europe/.Berlin", "Asia/Kolkata\n", "", "Europe/Berlin/X/Y"}) {
        EXPECT_FALSE(IsZoneName(name)) << name;
        const auto refused = ResolveLocalTime(name, 2000, 1, 1, 0, 0);
        ASSERT_FALSE(refused.ok()) << name;
        EXPECT_THAT(refused.error().message, HasSubstr("Unknown time zone")) << name;
    }
}

/// A zone folder of the test's own, with one damaged file or odd entry per case.
class DamagedDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tamovid-zones-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ / "Europe");
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    std::string MessageFor(const std::string& zone) {
        const auto local = ResolveLocalTimeIn(folder_, zone, 2000, 1, 1, 12, 0);
        return local.ok() ? "read" : local.error().message;
    }

    std::filesystem::path folder_;
};

/// Where a TZif header's count of transitions begins (four bytes, big-endian).
constexpr std::size_t kTransitionCountAt = 32;

/// A TZif header: version, then the six counts (all zero: no types at all).
std::string EmptyZoneHeader(char version) {
    std::string header = "TZif";
    header += version;
    header.append(15 + 6 * 4, '\0');
    return header;
}

TEST_F(DamagedDatabase, ZoneFileWithNoTypesIsDamagedNotACrash) {
    Write("Europe/NoTypes", EmptyZoneHeader('\0'));
    Write("Europe/NoTypes2", EmptyZoneHeader('2') + EmptyZoneHeader('2') + "\n\n");
    for (const char* zone : {"Europe/NoTypes", "Europe/NoTypes2"})
        EXPECT_THAT(MessageFor(zone), HasSubstr("is damaged")) << zone;
}

// The library sizes its tables from a header's counts before reading: a few damaged
// bytes once asked it for 4 GB.
TEST_F(DamagedDatabase, PlainTextTruncatedOrOvercountedFileIsDamagedNotAnAbort) {
    Write("Europe/Text", "Zone Europe/Text 1:00 - CET\n");
    Write("Europe/Empty", "");
    std::string overcounted = EmptyZoneHeader('2') + EmptyZoneHeader('2');
    overcounted[kTransitionCountAt + 44] = '\x7e';
    Write("Europe/Counts", overcounted + std::string(64, '\1'));
    std::ifstream real(SystemZoneFolder() / "Europe/Berlin", std::ios::binary);
    std::string berlin(std::istreambuf_iterator<char>(real), {});
    Write("Europe/Cut", berlin.substr(0, berlin.size() / 2));
    for (const char* zone : {"Europe/Text", "Europe/Empty", "Europe/Cut", "Europe/Counts"})
        EXPECT_EQ(MessageFor(zone), "The time zone \"" + std::string(zone) +
                                        "\" cannot be read: \"" + (folder_ / zone).string() +
                                        "\" is damaged.");
}

TEST_F(DamagedDatabase, FifoDeviceFolderAndHugeFileAreRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo((folder_ / "Europe/Fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder_ / "Europe/Zero");
    std::filesystem::create_directory(folder_ / "Europe/Folder");
    Write("Europe/Huge", EmptyZoneHeader('2') + std::string(1 << 20, '\0'));
    for (const char* zone : {"Europe/Fifo", "Europe/Zero", "Europe/Folder"})
        EXPECT_THAT(MessageFor(zone), HasSubstr("is not a regular file")) << zone;
    EXPECT_THAT(MessageFor("Europe/Huge"), HasSubstr("is larger than any zone file"));
}

TEST_F(DamagedDatabase, LinksToThemselvesEndAtOnce) {
    std::filesystem::create_symlink("Loop", folder_ / "Europe/Loop");
    std::filesystem::create_directory_symlink(".", folder_ / "Europe/Self");
    EXPECT_THAT(MessageFor("Europe/Loop"), HasSubstr("symbolic links"));
    EXPECT_THAT(MessageFor("Europe/Self/Self"), HasSubstr("is not a regular file"));
    EXPECT_THAT(MessageFor("Europe/Self/Self/Self/Loop"), HasSubstr("Unknown time zone"));
}

TEST_F(DamagedDatabase, NoDatabaseAtAllIsSaidOnce) {
    std::filesystem::remove_all(folder_ / "Europe");
    EXPECT_EQ(
        MessageFor("Asia/Kolkata"),
        "The time zone \"Asia/Kolkata\" cannot be read: there is no time-zone database in \"" +
            folder_.string() + "\" (the tzdata package installs it).");
    std::filesystem::create_directories(folder_ / "Asia");
    EXPECT_EQ(MessageFor("Asia/Nowhere"), "Unknown time zone \"Asia/Nowhere\".");
}

}  // namespace
}  // namespace tamovid::atlas
