// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <string>

namespace kvrcli {

// Exit codes of the command-line tool. `diff` says "the files differ" with 1, as diff(1)
// and cmp(1) do; no game file is touched there. A game file that cannot be read is
// kFileAccess, one that cannot be written kOtherError, as any output that cannot be.
// `apply` refuses patches that set one value to different values with kPatchConflict.
enum Exit : int {
    kDone = 0,
    kFileAccess = 1,
    kFilesDiffer = 1,
    kUsage = 2,
    kOtherError = 3,
    kChecksumMismatch = 4,
    kPatchConflict = 5,
};

using Action = std::function<int()>;

// Each command file registers itself: it adds its subcommand and, when that is chosen,
// sets the action to run.
struct CommandRegistration {
    using Adder = std::function<void(CLI::App& app, Action& chosen)>;
    explicit CommandRegistration(Adder adder);
};

int runCli(int argc, char** argv);

// The program's own path, for finding the editor's data.
const char* programPath();

// A file or folder named on the command line. The arguments are path text (UTF-8 on
// Windows), which std::filesystem would read in the code page if given it directly.
std::filesystem::path argumentPath(const std::string& text);

} // namespace kvrcli
