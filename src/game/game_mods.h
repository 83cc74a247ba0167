// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings_record.h"
#include "game/game_context.h"
#include "game/mod_list.h"
#include "game/value_change.h"

#include <filesystem>
#include <functional>
#include <vector>

namespace kvr {

class UserPrompt;

// The file of the list of mods put on the game in `gameDir`.
std::filesystem::path modListPath(const std::filesystem::path& gameDir);

// The game's mod list as it is now; none put on gives an empty list. A set a killed
// writer left is finished first, as every reader does. Throws GeneralError naming the
// file when it cannot be read or is no list of ours.
ModList readGameMods(const std::filesystem::path& gameDir);

// A change of the list, from the list, the game's values and, for each byte of the
// record, whether the game holds it.
using ModChange =
    std::function<ModPlan(const ModList& list, const SettingsRecord& game, const std::vector<bool>& held)>;

// What the change would do, nothing written: its plan, and the values it changes in the
// game as the export preview lists them.
struct ModPreview {
    ModPlan plan;
    std::vector<ValueChange> changes;
};
ModPreview previewMods(const GameContext& context, const ModChange& change);

// Makes the change holding the game's lock: the list and the game are read again, the
// plan made, and the game files that change and the list are written as one set, so the
// list and the game never disagree, whatever stops the program when. Returns the plan.
ModPlan changeMods(const GameContext& context, UserPrompt& prompt, const ModChange& change);

} // namespace kvr
