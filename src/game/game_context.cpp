#include "game/game_context.h"

#include "core/game_dir.h"

namespace kvr {

std::filesystem::path GameContext::stateFile() const { return findInDir(gameDir(), "F1GSTATE.SAV"); }

bool GameContext::stateFileExists() const
{
    std::error_code ec;
    return std::filesystem::is_regular_file(stateFile(), ec);
}

} // namespace kvr
