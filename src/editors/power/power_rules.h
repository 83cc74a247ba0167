// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kvr {

class SettingsRecord;

enum class PowerKind { Qualifying, OtherSessions };

namespace power {
inline constexpr std::uint16_t kMaxBhp = 1579;
inline constexpr int kShownTeams = 14;
inline constexpr int kDefaultStep = 100;
} // namespace power

std::size_t teamPowerOffset(PowerKind kind, int teamSlot);
std::size_t humanPowerOffset(PowerKind kind);

// "Qual=Other": other sessions := qualifying. "Other=Qual": the converse. Teams 1..14.
void copyPowerQualifyingToOther(SettingsRecord& record);
void copyPowerOtherToQualifying(SettingsRecord& record);

// Leaving the BHP box of team 1..14: its number, held within 0..1579, is stored for that
// team alone. A box still showing the stored value changes nothing, so a value above the
// bar's range stays until the user types another. Text that is not a whole number throws
// GeneralError with the message and changes nothing.
void editTypedTeamPower(SettingsRecord& record, PowerKind kind, int team, std::string_view text);

// The human box of the chosen kind: no upper limit below the word's, a negative number
// becomes 0. Text that is not a whole number throws GeneralError with the message and
// changes nothing.
void editTypedHumanPower(SettingsRecord& record, PowerKind kind, std::string_view text);

// "+" (up) or "-" by the step typed in the box, on teams 1..14 of the chosen kind: "+"
// stops at 1579, "-" at 0, a negative step moves the other way. Text that is not a
// whole number throws GeneralError with the message and changes nothing.
void shiftShownTeams(SettingsRecord& record, PowerKind kind, std::string_view stepText, bool up);

} // namespace kvr
