// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include "core/editor_home.h"
#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/platform/path_text.h"
#include "game/demo_game.h"

#include <iostream>

namespace kvrcli {
namespace {
namespace fs = std::filesystem;

// Makes the folder and holds its lock while `make` fills it.
template <typename Make>
void makeLocked(const fs::path& dir, Make make)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec)
        throw kvr::GeneralError("Cannot make the folder " + kvr::platform::pathText(dir) + ": " + ec.message());
    const kvr::GameFolderLock lock(dir);
    make();
}

CommandRegistration reg([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("demo-game", "Make a demo installation of the game (invented teams and drivers)");
    auto dirText = std::make_shared<std::string>();
    auto language = std::make_shared<int>(0);
    auto cdText = std::make_shared<std::string>();
    auto homeText = std::make_shared<std::string>();
    cmd->add_option("DIR", *dirText, "Folder to make the game in (holding no game files)")->required();
    cmd->add_option("--language", *language, "Language version index (0, 1, 2, 3, 4 or 6)");
    cmd->add_option("--cd-folder", *cdText, "Also make a game CD folder (KVR.EXE and CIRCUITS) here");
    cmd->add_option("--home", *homeText, "The editor's home (a folder holding DATA)");
    cmd->callback([&chosen, dirText, language, cdText, homeText] {
        chosen = [dirText, language, cdText, homeText] {
            const fs::path dir = argumentPath(*dirText);
            const fs::path cd = argumentPath(*cdText);
            const kvr::EditorHome h = homeText->empty()
                                          ? kvr::EditorHome::forProgram(kvr::runningProgram(programPath()))
                                          : kvr::EditorHome::inFolder(argumentPath(*homeText));
            // Everything is checked before either folder is written.
            kvr::checkDemoLanguage(*language);
            kvr::requireNoGameFiles(dir);
            if (!cd.empty()) {
                kvr::requireNoGameFiles(cd);
                std::error_code ec;
                if (fs::weakly_canonical(cd, ec) == fs::weakly_canonical(dir, ec))
                    throw kvr::GeneralError("The CD folder must not be the game folder.");
            }
            const fs::path textures = h.data("DEMOJAMS");
            makeLocked(dir, [&] {
                kvr::makeDemoGame(dir, *language, h.data("PLT.DAT"),
                                  fs::is_directory(textures) ? textures : fs::path());
            });
            if (!cd.empty())
                makeLocked(cd, [&] { kvr::makeDemoCd(cd, *language, h.data("PLT.DAT")); });
            return int(kDone);
        };
    });
});

} // namespace
} // namespace kvrcli
