// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings_record.h"
#include "game/game_context.h"

#include <string>

namespace kvrcli {

// Reads a settings file the user named. One that is not exactly one record long is
// refused (GeneralError) unless `anySize`, which reads the first record of a longer one.
kvr::SettingsRecord readSettingsInput(const std::string& file, bool anySize);

// The game named by --game with its detected version, the editor's data in --home (or
// beside the program when none is given), and the configuration's source choices.
kvr::GameContext gameContext(const std::string& game, const std::string& home);

} // namespace kvrcli
