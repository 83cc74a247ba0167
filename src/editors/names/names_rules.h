// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

class SettingsRecord;

namespace names {
// Slots 1..28 are the race drivers the editor shows; 29..40 are moved but not shown.
inline constexpr int kRaceSlots = 28;
inline constexpr int kFirstCarNumber = 1;
inline constexpr int kLastCarNumber = 40;
inline constexpr std::size_t kTeamLineChars = 27;
} // namespace names

constexpr int firstDriverSlot(int team) { return 2 * team - 1; }
constexpr int secondDriverSlot(int team) { return 2 * team; }
constexpr int teamOfSlot(int slot) { return (slot + 1) / 2; }

// Whether a car number has an entry in the per-car tables (driver names, grip).
constexpr bool hasCarEntry(int carNumber)
{
    return carNumber >= names::kFirstCarNumber && carNumber <= names::kLastCarNumber;
}

// Team name, "-", engine name, cut to 27 characters: the line that lists a team.
std::string teamLine(const SettingsRecord& record, int team);

// The teams switched on, in team order: what most editors list.
std::vector<int> enabledTeams(const SettingsRecord& record);

// Cut to 13 characters.
void setTeamName(SettingsRecord& record, int team, std::string_view text);
void setEngineName(SettingsRecord& record, int team, std::string_view text);

// The name stored under the slot's car number; none for a number without an entry.
std::optional<std::string> driverNameOfSlot(const SettingsRecord& record, int slot);

// Renames the car number of the slot (cut to 24 characters), so every slot with that
// number shows the new name. Returns false and changes nothing when the number has no
// entry (0 or above 40).
bool renameDriverOfSlot(SettingsRecord& record, int slot, std::string_view text);

// Gives a slot a car number 1..40, keeping its selected flag. Returns false and changes
// nothing for any other number. Two slots may share a number.
bool setCarNumberOfSlot(SettingsRecord& record, int slot, int carNumber);

// The item of the "1".."40" number list for a car number; none outside 1..40.
std::optional<int> carNumberItem(int carNumber);

} // namespace kvr
