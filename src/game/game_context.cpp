// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_context.h"

#include "core/game_dir.h"
#include "core/version.h"

namespace kvr {

std::filesystem::path GameContext::stateFile() const
{
    return findInDir(gameDir(), "F1GSTATE.SAV");
}

bool GameContext::stateFileExists() const
{
    std::error_code ec;
    return std::filesystem::is_regular_file(stateFile(), ec);
}

void detectGameVersion(GameContext& context, GameFile& exe)
{
    const std::uint8_t byte = readVersionByte(exe);
    const int found = versionForByte(byte);
    context.version = found >= 0 ? found : 0;
    context.unknownVersionByte = found >= 0 ? std::nullopt : std::optional<std::uint8_t>(byte);
}

std::optional<Message> unknownVersionWarning(const GameContext& context)
{
    if (!context.unknownVersionByte)
        return std::nullopt;
    return unknownVersionWarning(context.executable(), *context.unknownVersionByte);
}

} // namespace kvr
