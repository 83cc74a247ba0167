#pragma once

#include "game/block_table.h"
#include "game/game_context.h"

#include <optional>
#include <string>
#include <vector>

namespace kvr {

class SettingsRecord;

// One value an export would change in the game.
struct ValueChange {
    std::string name;   // as in the JSON form: "engine_power.qualifying[2]"
    std::string label;  // as the editors call it: "Team 3 engine, qualifying"
    std::string before; // in the game now
    std::string after;  // in the record
    std::string unit;

    // "Team 3 engine, qualifying: 650 → 700 BHP"
    std::string line() const;
};

// What "Export all data" (no editor) or one editor's "Export data into game" would change:
// the game's values are read (nothing is written) and compared with the record's. The
// track data is compared only while the track files are there.
std::vector<ValueChange> exportChanges(const GameContext& context, const SettingsRecord& record,
                                       std::optional<Editor> editor = std::nullopt);

} // namespace kvr
