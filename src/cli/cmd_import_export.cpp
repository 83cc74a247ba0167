#include "cli/cli_output.h"
#include "cli/cli_prompt.h"
#include "cli/commands.h"

#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "core/version.h"
#include "install/import_export.h"

#include <iostream>

namespace kvrcli {
namespace {
namespace fs = std::filesystem;

struct Options {
    std::string game;
    std::string file;
    std::string home;
    std::string names = "state";
    std::string cockpit = "state";
    bool yes = false;
    std::string cd;
};

void addCommon(CLI::App* cmd, Options& o)
{
    cmd->add_option("--game", o.game, "Game directory (holds KVR.EXE)")->required();
    cmd->add_option("--home", o.home, "The editor's home (a folder holding DATA)");
    cmd->add_option("--names", o.names, "Names and numbers from/to F1GSTATE.SAV or KVR.EXE")
        ->check(CLI::IsMember({"exe", "state"}));
    cmd->add_option("--cockpit-colours", o.cockpit, "Cockpit colours from/to F1GSTATE.SAV or KVR.EXE")
        ->check(CLI::IsMember({"exe", "state"}));
    cmd->add_flag("--yes", o.yes, "Answer OK when asked to install the track files");
    cmd->add_option("--cd", o.cd, "The game CD folder (holds KVR.EXE and CIRCUITS)");
}

kvr::GameContext contextFor(const Options& o)
{
    kvr::GameContext c;
    const fs::path exe = kvr::findInDir(o.game, "KVR.EXE");
    c.config = kvr::Configuration::forExecutable(exe);
    c.config.namesInStateFile = o.names == "state";
    c.config.cockpitColoursInStateFile = o.cockpit == "state";
    c.home = o.home.empty() ? kvr::EditorHome::forProgram(kvr::runningProgram(programPath()))
                            : kvr::EditorHome::inFolder(o.home);
    kvr::GameFile file = kvr::GameFile::open(exe);
    // A file too short for the version byte keeps index 0; its blocks then report the
    // file access error.
    if (file.size() > kvr::kVersionBytePosition)
        c.version = kvr::detectVersion(file, 0);
    return c;
}

int finish(kvr::SequenceEnd end)
{
    if (end == kvr::SequenceEnd::TrackFilesDeclined)
        std::cerr << "Stopped before the track data: the track files were not installed.\n";
    return kDone;
}

CommandRegistration importCommand([](CLI::App& app, Action& chosen) {
    auto o = std::make_shared<Options>();
    auto* cmd = app.add_subcommand("import", "Import all data from the game into a settings file");
    addCommon(cmd, *o);
    cmd->add_option("-o,--output", o->file, "Settings file to write (- for standard output)")->required();
    cmd->callback([&chosen, o] {
        chosen = [o] {
            const kvr::GameContext context = contextFor(*o);
            CliPrompt prompt(o->yes, o->cd.empty() ? std::nullopt : std::optional<fs::path>(o->cd));
            kvr::SettingsRecord record;
            // Unread fields (the description, the track data when declined) start empty.
            record.setShortString(kvr::rec::kDescription, kvr::rec::kDescriptionChars, "no description");
            prompt.holdInformation();
            const kvr::GameFolderLock lock(context.gameDir());
            const auto end = kvr::importAllData(context, record, prompt);
            writeOutput(o->file, record.bytes());
            prompt.releaseInformation(isStdout(o->file) ? std::cerr : std::cout);
            return finish(end);
        };
    });
});

CommandRegistration exportCommand([](CLI::App& app, Action& chosen) {
    auto o = std::make_shared<Options>();
    auto* cmd = app.add_subcommand("export", "Export all data from a settings file into the game");
    addCommon(cmd, *o);
    cmd->add_option("-i,--input", o->file, "Settings file to read")->required();
    cmd->callback([&chosen, o] {
        chosen = [o] {
            kvr::SettingsRecord record;
            if (!kvr::readSettingsFile(o->file, record))
                throw kvr::GeneralError("Cannot open " + o->file);
            const kvr::GameContext context = contextFor(*o);
            CliPrompt prompt(o->yes, o->cd.empty() ? std::nullopt : std::optional<fs::path>(o->cd));
            const kvr::GameFolderLock lock(context.gameDir());
            return finish(kvr::exportAllData(context, record, prompt));
        };
    });
});

} // namespace
} // namespace kvrcli
