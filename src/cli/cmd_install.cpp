// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_input.h"
#include "cli/cli_prompt.h"
#include "cli/commands.h"

#include "game/game_context.h"
#include "install/car_set.h"
#include "install/cockpit_manager.h"
#include "install/track_installer.h"

#include <functional>
#include <iostream>

namespace kvrcli {
namespace {
namespace fs = std::filesystem;

struct InstallOptions {
    std::string game;
    std::string home;
    std::string cd;
};

void addCommon(CLI::App* cmd, InstallOptions& o)
{
    cmd->add_option("--game", o.game, "Game directory (holds KVR.EXE)")->required();
    cmd->add_option("--home", o.home, "The editor's home (a folder holding DATA)");
}

// Cancelling is the user's choice, as a declined question is for import and export.
int exitFor(kvr::InstallOutcome outcome)
{
    switch (outcome) {
    case kvr::InstallOutcome::Installed:
        return kDone;
    case kvr::InstallOutcome::Cancelled:
        std::cerr << "Stopped: nothing was installed.\n";
        return kDone;
    default:
        return kOtherError;
    }
}

// The installers tell their failures as information, as the windows do; here they go to
// stderr with the exit code, and only a completed installation speaks on stdout.
int runInstaller(CliPrompt& prompt, const std::function<kvr::InstallOutcome()>& install)
{
    prompt.holdInformation();
    kvr::InstallOutcome outcome;
    try {
        outcome = install();
    } catch (...) {
        prompt.releaseInformation(std::cerr);
        throw;
    }
    const bool failed = outcome != kvr::InstallOutcome::Installed && outcome != kvr::InstallOutcome::Cancelled;
    prompt.releaseInformation(failed ? std::cerr : std::cout);
    return exitFor(outcome);
}

std::optional<fs::path> cdFolder(const InstallOptions& o)
{
    return o.cd.empty() ? std::nullopt : std::optional<fs::path>(argumentPath(o.cd));
}

CommandRegistration cockpitCommand([](CLI::App& app, Action& chosen) {
    auto o = std::make_shared<InstallOptions>();
    auto set = std::make_shared<std::string>();
    auto* cmd = app.add_subcommand("install-cockpit", "Install an add-on cockpit (\"Install it!\")");
    addCommon(cmd, *o);
    std::vector<std::string> stems;
    for (const kvr::CockpitSet& s : kvr::kCockpitSets)
        stems.push_back(s.stem);
    cmd->add_option("SET", *set, "The cockpit set's stem")->required()->check(CLI::IsMember(stems, CLI::ignore_case));
    cmd->callback([&chosen, o, set] {
        chosen = [o, set] {
            const kvr::GameContext context = gameContext(o->game, o->home);
            CliPrompt prompt(false, std::nullopt);
            return runInstaller(prompt, [&] { return kvr::installCockpit(context, *set, prompt); });
        };
    });
});

CommandRegistration tracksCommand([](CLI::App& app, Action& chosen) {
    auto o = std::make_shared<InstallOptions>();
    auto pack = std::make_shared<bool>(false);
    auto original = std::make_shared<bool>(false);
    auto* cmd = app.add_subcommand("install-tracks", "Install the track pack or put the original tracks back");
    addCommon(cmd, *o);
    auto* packFlag = cmd->add_flag("--pack", *pack, "\"Install track pack\"");
    auto* originalFlag = cmd->add_flag("--original", *original, "\"Install original tracks\" (needs --cd)");
    packFlag->excludes(originalFlag);
    cmd->add_option("--cd", o->cd, "The game CD folder (holds KVR.EXE and CIRCUITS)");
    cmd->callback([&chosen, o, pack, original] {
        if (!*pack && !*original)
            throw CLI::ValidationError("install-tracks", "give --pack or --original");
        chosen = [o, pack] {
            const kvr::GameContext context = gameContext(o->game, o->home);
            CliPrompt prompt(false, cdFolder(*o));
            return runInstaller(prompt, [&] {
                return *pack ? kvr::installTrackPack(context, prompt) : kvr::installOriginalTracks(context, prompt);
            });
        };
    });
});

CommandRegistration carSetCommand([](CLI::App& app, Action& chosen) {
    auto o = std::make_shared<InstallOptions>();
    auto* cmd = app.add_subcommand("install-carset", "Install the car set's 14 texture files");
    addCommon(cmd, *o);
    cmd->callback([&chosen, o] {
        chosen = [o] {
            const kvr::GameContext context = gameContext(o->game, o->home);
            CliPrompt prompt(false, std::nullopt);
            return runInstaller(prompt, [&] { return kvr::installCarSet(context, prompt); });
        };
    });
});

} // namespace
} // namespace kvrcli
