#include "cli/commands.h"

#include "core/ansi.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/version.h"

#include <iostream>

namespace kvrcli {
namespace {

CommandRegistration reg([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("version", "Show the language version of a game installation");
    auto game = std::make_shared<std::string>();
    cmd->add_option("--game", *game, "Game directory (holds KVR.EXE)")->required();
    cmd->callback([&chosen, game] {
        chosen = [game] {
            kvr::GameFile exe = kvr::GameFile::open(kvr::findInDir(argumentPath(*game), "KVR.EXE"));
            const int index = kvr::detectVersion(exe);
            std::cout << index << ' ' << kvr::ansiToUtf8(kvr::versionName(index)) << '\n';
            return int(kDone);
        };
    });
});

} // namespace
} // namespace kvrcli
