// Runs the built program, to see the exit status that a shell sees.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

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
        BinaryCase{"BatchFromStandardInput",
                   "--batch - <<'EOF'\ndate,time,zone,lat,lon\n1975-12-03,10:30,34,18N31,73E51\nEOF",
                   kExitOk},
        BinaryCase{"BadHeaderOnStandardInput", "--batch - </dev/null", kExitUsage},
        BinaryCase{"UnreadableFile", "--open /nonexistent/x.vug", kExitIoError}),
    [](const testing::TestParamInfo<BinaryCase>& info) { return info.param.label; });

}  // namespace
}  // namespace tamovid::cli
