#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <string>

namespace kvrcli {

// Exit codes of the command-line tool.
enum Exit : int { kDone = 0, kFileAccess = 1, kUsage = 2, kOtherError = 3 };

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

} // namespace kvrcli
