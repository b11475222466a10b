#pragma once

#include <istream>
#include <ostream>

namespace tamovid::cli {

/// The whole command-line tool: parses the arguments, computes, writes the reading to
/// `out` and messages to `err`, and returns the exit status (see exit_codes.h).
/// `in` is read when the batch file is "-".
int RunCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace tamovid::cli
