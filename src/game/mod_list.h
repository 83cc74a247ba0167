// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings_record.h"
#include "game/record_patch.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

struct FieldNames;

// One mod put on a game: the name of the file it came from and a copy of its patch,
// holding the changes the game has a place for.
struct ModEntry {
    std::string file;
    RecordPatch patch;
    bool operator==(const ModEntry&) const = default;

    // Its title, or the file's name when it has none.
    std::string name() const;
};

// The mods put on a game, the first put on first, and for every byte of the record some
// mod sets, what the game held before the first of them set it.
struct ModList {
    std::vector<ModEntry> mods;
    std::map<std::size_t, std::uint8_t> before;
    bool operator==(const ModList&) const = default;
};

// A game keeps its list in kGameModsFolder / kGameModListFile (core/set_journal.h).
inline constexpr std::uint64_t kMaxModListBytes = 64ull * 1024 * 1024;

// The list's file and back. parseModList() throws GeneralError for a text that is not a
// list of ours, a patch in it that is no patch, or places before any mod that do not
// match the bytes the mods set (a list edited by hand).
std::string modListText(const ModList& list);
ModList parseModList(std::string_view text);

// Values two or more mods on the list set differently: the value's name, each mod (its
// place in the list, from 0) with what it sets, and which one holds (the last).
struct ModConflict {
    std::string name;
    std::vector<std::pair<std::size_t, std::string>> setBy;
    std::size_t holds = 0;
};
std::vector<ModConflict> modConflicts(const ModList& list);

// "grip.race[3]: 1 Wet grip sets 16500, 2 Dry grip sets 17000; 2 Dry grip holds"
std::string conflictLine(const ModList& list, const ModConflict& conflict);

// What the windows call a value a mod sets: "Car 4 grip, other sessions" for
// "grip.race[3]", with the teams' and tracks' names where `names` has them.
Message modValueLabel(std::string_view name, const FieldNames* names = nullptr);

// The list and the game's values after putting on, taking off or moving mods.
struct ModPlan {
    ModList list;
    SettingsRecord record;
    // The bytes of the record the change writes, in order.
    std::vector<std::size_t> rewritten;
    // Values the user changed since the list last wrote them, which stay as they are:
    // "kept: grip.race[3] holds 17000, not 16500 as the mods set it".
    std::vector<Message> kept;
    // Changes of a mod put on that the game has no place for (the settings description,
    // the track data without the track files), left out of its copy.
    std::vector<Message> leftOut;
    // Values a mod put on replaces that held something other than what it expects.
    std::vector<Message> unexpected;
};

// `game` is what the game holds now; `held` says for each byte of the record whether
// the game holds it (a mod's change with a byte it does not is left out).
ModPlan putOnMods(const ModList& list, const SettingsRecord& game, const std::vector<bool>& held,
                  const std::vector<ModEntry>& mods);
ModPlan takeOffMod(const ModList& list, const SettingsRecord& game, std::size_t index);
ModPlan moveMod(const ModList& list, const SettingsRecord& game, std::size_t index, std::size_t to);

// The mod a user names: its place, counted from 1, or its title (or file name). Throws
// GeneralError when none or several are.
std::size_t findMod(const ModList& list, std::string_view titleOrPlace);

} // namespace kvr
