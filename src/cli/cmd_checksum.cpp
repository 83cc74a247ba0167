#include "cli/commands.h"

#include "core/checksum.h"
#include "core/folder_lock.h"

#include <iostream>

namespace kvrcli {
namespace {

CommandRegistration reg([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("checksum", "Recompute the checksum trailer of F1GSTATE.SAV or a track file");
    auto file = std::make_shared<std::string>();
    auto verify = std::make_shared<bool>(false);
    cmd->add_option("FILE", *file, "The file")->required();
    cmd->add_flag("--verify", *verify, "Only check the trailer: exit 0 when it matches, 4 when not");
    cmd->callback([&chosen, file, verify] {
        chosen = [file, verify] {
            const std::filesystem::path path = argumentPath(*file);
            if (*verify) {
                // A set half put in place is finished first, in the game of the link and of its file.
                std::error_code ec;
                const std::filesystem::path real = std::filesystem::weakly_canonical(path, ec);
                kvr::finishBeforeReading(kvr::gameFolderOf(path));
                if (!ec)
                    kvr::finishBeforeReading(kvr::gameFolderOf(real));
                const bool ok = kvr::verifyChecksumFile(path);
                std::cout << (ok ? "checksum matches" : "checksum does not match") << '\n';
                return int(ok ? kDone : kChecksumMismatch);
            }
            const kvr::GameFolderLock lock(kvr::gameFolderOf(path));
            kvr::updateChecksumFile(path);
            return int(kDone);
        };
    });
});

} // namespace
} // namespace kvrcli
