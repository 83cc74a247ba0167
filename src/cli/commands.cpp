// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include "cli/cli_output.h"

#include "core/errors.h"
#include "core/platform/path_text.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace kvrcli {
namespace {

std::vector<CommandRegistration::Adder>& registry()
{
    static std::vector<CommandRegistration::Adder> r;
    return r;
}

const char* g_programPath = nullptr;

} // namespace

CommandRegistration::CommandRegistration(Adder adder) { registry().push_back(std::move(adder)); }

const char* programPath() { return g_programPath; }

std::filesystem::path argumentPath(const std::string& text)
{
    return kvr::platform::pathFromText(text);
}

namespace {

// Shown under --help, and so in the manual page, which is made from it.
constexpr const char* kExitCodes =
    "Exit codes:\n"
    "  0  done; diff: the files are the same\n"
    "  1  a game file that cannot be read (\" File access error! \" and the file's name on stderr);\n"
    "     diff: the files differ\n"
    "  2  wrong usage, an unknown command included\n"
    "  3  any other error: an input that cannot be read, an output that cannot be written or is\n"
    "     refused, another program writing to the game, a game file that cannot be written\n"
    "     (the game is left as it was)\n"
    "  4  checksum --verify: the trailer does not match\n"
    "  5  apply: two patches set one value to different values; nothing was written\n";

// CLI11 calls an unknown first word a missing subcommand; say which word it was.
std::optional<std::string> unknownCommand(CLI::App& app, int argc, char** argv)
{
    if (argc < 2 || argv[1][0] == '-')
        return std::nullopt;
    std::vector<std::string> commands;
    for (const CLI::App* cmd : app.get_subcommands({})) {
        if (cmd->get_name() == argv[1])
            return std::nullopt;
        commands.push_back(cmd->get_name());
    }
    std::sort(commands.begin(), commands.end());
    std::string names;
    for (const std::string& name : commands)
        names += (names.empty() ? "" : ", ") + name;
    return "kvrdesk-cli: unknown command \"" + std::string(argv[1]) + "\"; the commands are: " + names +
           ". Run with --help for more information.";
}

// Runs the command; `failed` tells an error from an answer such as "the files differ".
int runChosen(const Action& chosen, bool& failed)
{
    failed = true;
    try {
        const int code = chosen();
        failed = false;
        return code;
    } catch (const kvr::FileAccessError& e) {
        std::cerr << e.what() << '\n';
        if (!e.detail().empty())
            std::cerr << e.detail().english() << '\n';
        return dynamic_cast<const kvr::FileWriteError*>(&e) ? kOtherError : kFileAccess;
    } catch (const std::exception& e) {
        const std::string what = e.what();
        std::cerr << "kvrdesk-cli: " << (what.empty() ? "failed without a message" : what) << '\n';
        return kOtherError;
    }
}

} // namespace

int runCli(int argc, char** argv)
{
    g_programPath = argc > 0 ? argv[0] : nullptr;
    StdoutGuard out;
    CLI::App app{"kvrdesk-cli: the game editor's values, files and pictures on the command line"};
    app.require_subcommand(1);
    // A name such as /Games/Kavorra is a folder on Windows too, never an option: the same
    // command line means the same on both systems. Set before the commands inherit it.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string("kvrdesk-cli ") + KVR_VERSION);
    app.set_help_all_flag("--help-all", "Print the help of every command and exit");
    app.footer(kExitCodes);
    Action chosen;
    for (auto& add : registry())
        add(app, chosen);
    if (const auto unknown = unknownCommand(app, argc, argv)) {
        std::cerr << *unknown << '\n';
        return kUsage;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? kDone : kUsage;
    }
    if (!chosen)
        return kUsage;
    bool failed = false;
    const int code = runChosen(chosen, failed);
    // Output that never arrived turns any answer into a failure.
    if (!out.flush() && !failed)
        return kOtherError;
    return code;
}

} // namespace kvrcli
