// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include "core/ansi.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/version.h"
#include "game/game_context.h"

#include <iostream>

namespace kvrcli {
namespace {

CommandRegistration reg([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("version", "Show the language version of a game installation");
    auto game = std::make_shared<std::string>();
    cmd->add_option("--game", *game, "Game directory (holds KVR.EXE)")->required();
    cmd->callback([&chosen, game] {
        chosen = [game] {
            kvr::GameContext context;
            context.config = kvr::Configuration::forExecutable(kvr::findInDir(argumentPath(*game), "KVR.EXE"));
            kvr::GameFile exe = kvr::GameFile::openToRead(context.executable());
            kvr::detectGameVersion(context, exe);
            if (const auto warning = kvr::unknownVersionWarning(context))
                std::cerr << "kvrdesk-cli: warning: " << warning->english() << '\n';
            std::cout << context.version << ' ' << kvr::ansiToUtf8(kvr::versionName(context.version)) << '\n';
            return int(kDone);
        };
    });
});

} // namespace
} // namespace kvrcli
