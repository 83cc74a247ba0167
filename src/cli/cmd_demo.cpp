#include "cli/commands.h"

#include "core/editor_home.h"
#include "install/demo_game.h"

#include <iostream>

namespace kvrcli {
namespace {
namespace fs = std::filesystem;

CommandRegistration reg([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("demo-game", "Make a demo installation of the game (invented teams and drivers)");
    auto dir = std::make_shared<std::string>();
    auto language = std::make_shared<int>(0);
    auto cd = std::make_shared<std::string>();
    auto home = std::make_shared<std::string>();
    cmd->add_option("DIR", *dir, "Folder to make the game in")->required();
    cmd->add_option("--language", *language, "Language version index (0, 1, 2, 3, 4 or 6)");
    cmd->add_option("--cd-folder", *cd, "Also make a game CD folder (KVR.EXE and CIRCUITS) here");
    cmd->add_option("--home", *home, "The editor's home (a folder holding DATA)");
    cmd->callback([&chosen, dir, language, cd, home] {
        chosen = [dir, language, cd, home] {
            const kvr::EditorHome h = home->empty() ? kvr::EditorHome::forProgram(kvr::runningProgram(programPath()))
                                                    : kvr::EditorHome::inFolder(*home);
            const auto textures = h.data("DEMOJAMS");
            kvr::makeDemoGame(*dir, *language, h.data("PLT.DAT"), fs::is_directory(textures) ? textures : fs::path());
            if (!cd->empty())
                kvr::makeDemoCd(*cd, *language, h.data("PLT.DAT"));
            return int(kDone);
        };
    });
});

} // namespace
} // namespace kvrcli
