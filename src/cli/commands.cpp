#include "cli/commands.h"

#include "core/errors.h"

#include <iostream>
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

int runCli(int argc, char** argv)
{
    g_programPath = argc > 0 ? argv[0] : nullptr;
    CLI::App app{"kvrdesk-cli: the game editor's values, files and pictures on the command line"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("kvrdesk-cli ") + KVR_VERSION);
    Action chosen;
    for (auto& add : registry())
        add(app, chosen);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? kDone : kUsage;
    }
    if (!chosen)
        return kUsage;
    try {
        return chosen();
    } catch (const kvr::FileAccessError& e) {
        std::cerr << e.what() << '\n';
        if (!e.detail().empty())
            std::cerr << e.detail() << '\n';
        return kFileAccess;
    } catch (const std::exception& e) {
        std::cerr << "kvrdesk-cli: " << e.what() << '\n';
        return kOtherError;
    }
}

} // namespace kvrcli
