// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include "core/checksum.h"
#include "core/folder_lock.h"
#include "core/game_dir.h"

#include <iostream>
#include <optional>

namespace kvrcli {
namespace {
namespace fs = std::filesystem;

// The file a name really is, through every link on the way; the name as given when it
// goes through none (or names nothing, which the checksum then reports).
fs::path realFile(const fs::path& path)
{
    std::error_code ec;
    const fs::path real = fs::canonical(path, ec);
    std::error_code absError;
    if (ec || real == fs::absolute(path, absError).lexically_normal())
        return path;
    return real;
}

bool holdsGame(const fs::path& folder)
{
    std::error_code ec;
    return fs::is_regular_file(kvr::findInDir(folder, "KVR.EXE"), ec);
}

// Through a link the file is written where it really is: under its own game's lock, its
// backup beside it. The game the link lies in is held as well, as its writers write
// through the link.
void updateThroughLinks(const fs::path& path)
{
    const fs::path real = realFile(path);
    const fs::path realGame = kvr::gameFolderOf(real);
    const fs::path linkGame = kvr::gameFolderOf(path);
    std::error_code ec;
    std::optional<kvr::GameFolderLock> linkLock;
    if (real != path && holdsGame(linkGame) && !fs::equivalent(linkGame, realGame, ec))
        linkLock.emplace(linkGame);
    const kvr::GameFolderLock lock(realGame);
    kvr::updateChecksumFile(real);
}

CommandRegistration reg([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("checksum", "Recompute the checksum trailer of F1GSTATE.SAV or a track file");
    auto file = std::make_shared<std::string>();
    auto verify = std::make_shared<bool>(false);
    cmd->add_option("FILE", *file, "The file")->required();
    cmd->add_flag("--verify", *verify, "Only check the trailer: exit 0 when it matches, 4 when not");
    cmd->callback([&chosen, file, verify] {
        chosen = [file, verify] {
            const fs::path path = argumentPath(*file);
            if (*verify) {
                // A set half put in place in the file's game is finished first.
                kvr::finishBeforeReading(kvr::gameFolderOf(realFile(path)));
                const bool ok = kvr::verifyChecksumFile(path);
                std::cout << (ok ? "checksum matches" : "checksum does not match") << '\n';
                return int(ok ? kDone : kChecksumMismatch);
            }
            updateThroughLinks(path);
            return int(kDone);
        };
    });
});

} // namespace
} // namespace kvrcli
