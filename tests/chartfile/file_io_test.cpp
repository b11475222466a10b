#include "tamovid/base/file_io.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include "tamovid/chartfile/chart_file.h"

namespace tamovid {
namespace {

namespace fs = std::filesystem;

/// A fresh folder per test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name =
            std::string("tamovid-chartfile-") + info->test_suite_name() + "-" + info->name();
        std::replace(name.begin(), name.end(), '/', '_');  // parameterised names hold slashes
        path_ = fs::temp_directory_path() / name;
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// Writes a file as another program would have left it, with these permissions if given.
void Put(const fs::path& path, const std::string& bytes,
         std::optional<fs::perms> permissions = std::nullopt) {
    std::ofstream(path, std::ios::binary) << bytes;
    if (permissions) fs::permissions(path, *permissions);
}

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const std::string kEarlier = "earlier chart\r\n";
constexpr uid_t kOtherUser = 65534;  // nobody: stages files of another user when run as root
const std::string kNewer(600, '\xB6');

TEST(WriteFileAtomically, CreatesNewFile) {
    TempFolder folder;
    const auto target = folder.path() / "chart.vug";
    const auto result = WriteFileAtomically(target, kNewer);
    EXPECT_TRUE(result.ok()) << result.error();
    EXPECT_EQ(Slurp(target), kNewer);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"chart.vug"});
}

TEST(WriteFileAtomically, ReplacesEarlierFileAndKeepsItsPermissions) {
    TempFolder folder;
    const auto target = folder.path() / "chart.vug";
    Put(target, kEarlier, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const auto result = WriteFileAtomically(target, kNewer);
    EXPECT_TRUE(result.ok()) << result.error();
    EXPECT_EQ(Slurp(target), kNewer);
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"chart.vug"});
}

TEST(WriteFileAtomically, WritesEmptyContent) {
    TempFolder folder;
    const auto target = folder.path() / "chart.vug";
    Put(target, kEarlier);
    EXPECT_TRUE(WriteFileAtomically(target, "").ok());
    EXPECT_EQ(Slurp(target), "");
}

struct FailedSaveCase {
    const char* name;
    fs::path (*target)(const fs::path& folder);
};
void PrintTo(const FailedSaveCase& c, std::ostream* os) { *os << c.name; }

class WriteFileFailureTest : public testing::TestWithParam<FailedSaveCase> {};

TEST_P(WriteFileFailureTest, ReportsFailureAndLeavesFolderAsItWas) {
    TempFolder folder;
    Put(folder.path() / "earlier.vug", kEarlier);
    fs::create_directory(folder.path() / "sub");
    Put(folder.path() / "sub" / "inside", "x");
    const auto before = Entries(folder.path());

    const fs::path target = GetParam().target(folder.path());
    const auto result = WriteFileAtomically(target, kNewer);

    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error().find(target.string()), std::string::npos) << result.error();
    EXPECT_EQ(Entries(folder.path()), before);
    EXPECT_EQ(Slurp(folder.path() / "earlier.vug"), kEarlier);
    EXPECT_EQ(Slurp(folder.path() / "sub" / "inside"), "x");
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WriteFileFailureTest,
    testing::Values(
        FailedSaveCase{"TargetIsAFolder", [](const fs::path& f) { return f / "sub"; }},
        FailedSaveCase{"FolderDoesNotExist",
                       [](const fs::path& f) { return f / "missing" / "chart.vug"; }},
        FailedSaveCase{"FolderIsAFile",
                       [](const fs::path& f) { return f / "earlier.vug" / "chart.vug"; }},
        FailedSaveCase{"NameEndsInSlash", [](const fs::path& f) { return f / "sub" / ""; }},
        FailedSaveCase{"FolderCannotHoldFiles",
                       [](const fs::path&) { return fs::path("/proc/self/chart.vug"); }}),
    [](const auto& info) { return std::string(info.param.name); });

/// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(WriteFileAtomically, WriteFailingMidwayLeavesEarlierFileByteIdentical) {
    TempFolder folder;
    const auto target = folder.path() / "chart.vug";
    Put(target, kEarlier);
    const FileWriteResult result = [&] {
        FileSizeLimit limit(100);
        return WriteFileAtomically(target, kNewer);
    }();
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error().find("cannot write"), std::string::npos) << result.error();
    EXPECT_EQ(Slurp(target), kEarlier);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"chart.vug"});
}

TEST(WriteFileAtomically, FileSizeLimitFailsTheWriteInsteadOfKillingTheProgram) {
    TempFolder folder;
    const auto target = folder.path() / "chart.vug";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit none{0, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &none);
        const auto result = WriteFileAtomically(target, kNewer);
        _exit(!result.ok() && result.error().find("cannot write") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{});
}

TEST(WriteFileAtomically, RefusesAWriteProtectedFileAndLeavesItByteIdentical) {
    TempFolder folder;
    const auto target = folder.path() / "chart.vug";
    Put(target, kEarlier, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto result = WriteFileAtomically(target, kNewer);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error().find("\"" + target.string() + "\": it is write-protected"),
              std::string::npos)
        << result.error();
    EXPECT_EQ(Slurp(target), kEarlier);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"chart.vug"});
}

TEST(WriteFileAtomically, ReplacesWhatALinkNamesAndKeepsTheLinkAndTheMode) {
    TempFolder folder;
    fs::create_directory(folder.path() / "charts");
    const auto real = folder.path() / "charts" / "real.vug";
    Put(real, kEarlier, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directory(folder.path() / "links");
    const auto link = folder.path() / "links" / "chart.vug";
    fs::create_symlink("../charts/real.vug", link);

    const auto result = WriteFileAtomically(link, kNewer);
    EXPECT_TRUE(result.ok()) << result.error();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), fs::path("../charts/real.vug"));
    EXPECT_EQ(Slurp(real), kNewer);
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Entries(folder.path() / "links"), std::vector<std::string>{"chart.vug"});
    EXPECT_EQ(Entries(folder.path() / "charts"), std::vector<std::string>{"real.vug"});
}

TEST(WriteFileAtomically, SavingThroughAHardLinkSaysTheOtherNameKeepsTheEarlierChart) {
    TempFolder folder;
    const auto target = folder.path() / "chart.vug";
    Put(target, kEarlier);
    fs::create_hard_link(target, folder.path() / "copy.vug");
    const auto result = WriteFileAtomically(target, kNewer);
    EXPECT_TRUE(result.ok()) << result.error();
    EXPECT_NE(result.value().notice.find("hard links"), std::string::npos) << result.value().notice;
    EXPECT_EQ(Slurp(folder.path() / "copy.vug"), kEarlier);
}

TEST(WriteFileAtomically, CleaningUpRemovesOnlyThisUsersLeftoversOfItsOwnForm) {
    TempFolder folder;
    const std::string stale = ".tamovid-4242-0123456789abcdef.tmp";
    const std::string inUse = ".tamovid-4243-0123456789abcdef.tmp";
    const std::string othersUser = ".tamovid-4244-0123456789abcdef.tmp";
    const std::vector<std::string> lookalikes = {".tamovid-123.tmp",
                                                 ".tamovid-0042-0123456789abcdef.tmp",
                                                 ".tamovid-42-0123456789ABCDEF.tmp",
                                                 ".tamovid-42-0123456789abcde.tmp",
                                                 ".tamovid-42-0123456789abcdef.tmp.bak",
                                                 "notes.tmp"};
    for (const auto& name : lookalikes) Put(folder.path() / name, "keep");
    Put(folder.path() / stale, "left by a killed save");
    Put(folder.path() / inUse, "being written");
    Put(folder.path() / othersUser, "another user's save");
    const bool asRoot = ::geteuid() == 0;
    if (asRoot) {
        ASSERT_EQ(::chown((folder.path() / othersUser).c_str(), kOtherUser, kOtherUser), 0);
    }
    const int held = ::open((folder.path() / inUse).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    EXPECT_TRUE(WriteFileAtomically(folder.path() / "chart.vug", kNewer).ok());
    ::close(held);
    std::vector<std::string> expected = lookalikes;
    expected.push_back(inUse);
    expected.push_back("chart.vug");
    if (asRoot) expected.push_back(othersUser);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(folder.path()), expected);
}

struct SpecialTargetCase {
    const char* name;
    bool behindLink;
    void (*make)(const fs::path& target);
};
void PrintTo(const SpecialTargetCase& c, std::ostream* os) { *os << c.name; }

void MakeFifo(const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0666), 0); }
void MakeFolder(const fs::path& p) { fs::create_directory(p); }
void MakeSocket(const fs::path& p) {
    // Bound by its short relative name: a socket's path may hold only about 100 bytes.
    const fs::path back = fs::current_path();
    fs::current_path(p.parent_path());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", p.filename().c_str());
    const int bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(fd);
    fs::current_path(back);
    ASSERT_EQ(bound, 0);
}

class SpecialTargetTest : public testing::TestWithParam<SpecialTargetCase> {};

// A pipe stands in for /dev/null and other devices: a rename would have replaced it.
TEST_P(SpecialTargetTest, SavingOntoSomethingNotAFileRefusesItAndLeavesItAlone) {
    TempFolder folder;
    const auto special = folder.path() / "special";
    GetParam().make(special);
    const auto target = GetParam().behindLink ? folder.path() / "chart.vug" : special;
    if (GetParam().behindLink) fs::create_symlink(special, target);
    const auto kindBefore = fs::symlink_status(special).type();

    const auto result = WriteFileAtomically(target, kNewer);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().find("not a regular file"), std::string::npos) << result.error();
    EXPECT_EQ(fs::symlink_status(special).type(), kindBefore);
    EXPECT_EQ(fs::is_symlink(target), GetParam().behindLink);
}

INSTANTIATE_TEST_SUITE_P(Targets, SpecialTargetTest,
                         testing::Values(SpecialTargetCase{"Fifo", false, MakeFifo},
                                         SpecialTargetCase{"FifoBehindALink", true, MakeFifo},
                                         SpecialTargetCase{"FolderBehindALink", true, MakeFolder},
                                         SpecialTargetCase{"Socket", false, MakeSocket}),
                         [](const auto& info) { return std::string(info.param.name); });

// With the kernel's link protection off, another user's link planted as a folder of the
// path was followed and the victim's file replaced; only the file's own link was checked.
TEST(WriteFileAtomically, ALinkPlantedInASharedStickyFolderIsNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to stage another user's link";
    TempFolder folder;
    const auto shared = folder.path() / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    const auto secret = folder.path() / "secret";
    fs::create_directories(secret / "sub");
    struct Case {
        const char* name;
        uid_t linkOwner;
        uid_t folderOwner;
        bool followed;
    };
    struct Where {
        const char* name;
        fs::path linkTarget;
        fs::path afterLink;  // what the saved path names past the link
    };
    const uid_t me = ::geteuid();
    for (const Where& where : {Where{"the file itself", secret / "report.pdf", ""},
                               Where{"its folder", secret, "report.pdf"},
                               Where{"a folder further up", secret, "sub/report.pdf"}}) {
        for (const Case& c :
             {Case{"another user's link", kOtherUser, me, false}, Case{"my own link", me, me, true},
              Case{"the folder owner's link", kOtherUser, kOtherUser, true}}) {
            SCOPED_TRACE(std::string(where.name) + ", " + c.name);
            const fs::path victim = where.afterLink.empty() ? where.linkTarget
                                                            : where.linkTarget / where.afterLink;
            Put(victim, kEarlier, fs::perms::owner_read | fs::perms::owner_write);
            const auto link = shared / "report";
            fs::remove(link);
            fs::create_symlink(where.linkTarget, link);
            ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
            ASSERT_EQ(::chown(shared.c_str(), c.folderOwner, c.folderOwner), 0);

            const auto saved = where.afterLink.empty() ? link : link / where.afterLink;
            const auto result = WriteFileAtomically(saved, kNewer);
            EXPECT_EQ(result.ok(), c.followed) << (result.ok() ? "" : result.error());
            EXPECT_EQ(Slurp(victim), c.followed ? kNewer : kEarlier);
            EXPECT_TRUE(fs::is_symlink(link));
        }
    }
}

TEST(WriteFileAtomically, SavesKilledMidwayLeaveACompleteFileAndNoDebris) {
    TempFolder folder;
    const auto target = folder.path() / "chart.vug";
    ASSERT_TRUE(WriteFileAtomically(target, kNewer).ok());
    constexpr int kRounds = 20;
    constexpr int kWriters = 3;
    std::mt19937 random(7);
    for (int round = 0; round < kRounds; ++round) {
        std::vector<pid_t> writers;
        for (int w = 0; w < kWriters; ++w) {
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                for (;;) static_cast<void>(WriteFileAtomically(target, kNewer));
            }
            writers.push_back(child);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 10000));
        for (const pid_t child : writers) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        ASSERT_EQ(Slurp(target), kNewer) << "round " << round;
    }
    ASSERT_TRUE(WriteFileAtomically(target, kNewer).ok());
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"chart.vug"});
}

// ---- Reading ----

TEST(ReadChartFile, ReadsWholeFile) {
    TempFolder folder;
    const auto path = folder.path() / "chart.vug";
    Put(path, kNewer);
    const auto result = ReadChartFile(path);
    ASSERT_TRUE(result.ok()) << result.error();
    EXPECT_EQ(result.value(), kNewer);
}

TEST(ReadChartFile, ReadsFileOfExactlyTheLimit) {
    TempFolder folder;
    const auto path = folder.path() / "chart.vug";
    Put(path, std::string(kChartFileMaxBytes, '\xB6'));
    const auto result = ReadChartFile(path);
    ASSERT_TRUE(result.ok()) << result.error();
    EXPECT_EQ(result.value().size(), kChartFileMaxBytes);
}

struct UnreadableCase {
    const char* name;
    fs::path (*make)(const fs::path& folder);
    const char* reason;
};
void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }

class ReadChartFileRefusalTest : public testing::TestWithParam<UnreadableCase> {};

TEST_P(ReadChartFileRefusalTest, RefusesWithReason) {
    TempFolder folder;
    const fs::path path = GetParam().make(folder.path());
    const auto result = ReadChartFile(path);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().find(path.string()), std::string::npos) << result.error();
    EXPECT_NE(result.error().find(GetParam().reason), std::string::npos) << result.error();
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ReadChartFileRefusalTest,
    testing::Values(
        UnreadableCase{"Missing", [](const fs::path& f) { return f / "none.vug"; }, "No such file"},
        UnreadableCase{"OneByteTooLarge",
                       [](const fs::path& f) {
                           Put(f / "big.vug", std::string(kChartFileMaxBytes + 1, '\xB6'));
                           return f / "big.vug";
                       },
                       "larger than 16384 bytes"},
        UnreadableCase{"Folder",
                       [](const fs::path& f) {
                           fs::create_directory(f / "dir.vug");
                           return f / "dir.vug";
                       },
                       "not a regular file"},
        UnreadableCase{"EndlessDevice", [](const fs::path&) { return fs::path("/dev/zero"); },
                       "not a regular file"},
        UnreadableCase{"PipeWithoutWriter",
                       [](const fs::path& f) {
                           mkfifo((f / "pipe.vug").c_str(), 0600);
                           return f / "pipe.vug";
                       },
                       "not a regular file"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartFileFiles, SavedChartOpensAsTheSameChart) {
    TempFolder folder;
    BirthRecord r;
    r.strName = "Ravi";
    r.intDate = 29, r.intMonth = 2, r.intYear = 1904, r.intHour = 24, r.intMinute = 5;
    r.intLonDeg = 73, r.intLonMin = 51, r.intLatDeg = 18, r.intLatMin = 31;
    r.blnEast = true, r.blnDST = true;
    r.strCity = "Pune", r.strState = "Maharashtra", r.strCountry = "India";
    const auto encoded = EncodeChartFile(r, 34);
    ASSERT_TRUE(encoded.ok());
    const auto path = folder.path() / "ravi.vug";
    ASSERT_TRUE(WriteFileAtomically(path, encoded.value()).ok());
    const auto read = ReadChartFile(path);
    ASSERT_TRUE(read.ok()) << read.error();
    const ChartFileContents expected{
        "Ravi",      2,    29,     1904,          24,      5,
        34,          "73", "51",   "18",          "31",    true,
        false,       true, "Pune", "Maharashtra", "India", std::nullopt,
        std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    EXPECT_EQ(DecodeChartFile(read.value()), expected);
}

}  // namespace
}  // namespace tamovid
