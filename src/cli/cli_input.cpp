// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_input.h"

#include "cli/commands.h"

#include "core/errors.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/platform/path_text.h"
#include "core/positions.h"
#include "core/settings_file.h"
#include "core/version.h"
#include "game/game_context.h"

#include <iostream>

namespace kvrcli {

kvr::SettingsRecord readSettingsInput(const std::string& file, bool anySize)
{
    const std::filesystem::path path = kvr::platform::pathFromText(file);
    if (const auto size = kvr::regularFileSize(path); size && !anySize) {
        if (const auto note = kvr::oversizeSettingsNote(file, *size))
            throw kvr::GeneralError(*note + " Give --any-size to read it anyway.");
    }
    kvr::SettingsRecord record;
    if (!kvr::readSettingsFile(path, record))
        throw kvr::GeneralError("Cannot open " + file);
    return record;
}

kvr::GameContext gameContext(const std::string& game, const std::string& home)
{
    kvr::GameContext c;
    const std::filesystem::path exe = kvr::findInDir(argumentPath(game), "KVR.EXE");
    c.config = kvr::Configuration::forExecutable(exe);
    c.home = home.empty() ? kvr::EditorHome::forProgram(kvr::runningProgram(programPath()))
                          : kvr::EditorHome::inFolder(argumentPath(home));
    kvr::GameFile file = kvr::GameFile::open(exe);
    // A file too short for the version byte keeps index 0; its blocks then report the
    // file access error.
    if (file.size() > kvr::kVersionBytePosition)
        kvr::detectGameVersion(c, file);
    if (const auto warning = kvr::unknownVersionWarning(c))
        std::cerr << "kvrdesk-cli: warning: " << warning->english() << '\n';
    return c;
}

} // namespace kvrcli
