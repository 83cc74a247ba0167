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

// A typed team BHP: limited to 0..1579.
std::uint16_t bhpFromTyped(long long typed);

// "+" stops at 1579, "-" stops at 0; a negative step moves the other way.
std::uint16_t bhpRaised(std::uint16_t value, long long step);
std::uint16_t bhpLowered(std::uint16_t value, long long step);
void raiseShownTeams(SettingsRecord& record, PowerKind kind, long long step);
void lowerShownTeams(SettingsRecord& record, PowerKind kind, long long step);

// "Qual=Other": other sessions := qualifying. "Other=Qual": the converse. Teams 1..14.
void copyPowerQualifyingToOther(SettingsRecord& record);
void copyPowerOtherToQualifying(SettingsRecord& record);

// A typed human BHP: no upper limit below the word's, negative numbers become 0.
std::uint16_t humanPowerFromTyped(long long typed);

// Leaving the BHP box of team 1..14: its number, held within 0..1579, is stored for that
// team alone. A box still showing the stored value changes nothing, so a value above the
// bar's range stays until the user types another. Text that is not a whole number throws
// GeneralError with the message and changes nothing.
void editTypedTeamPower(SettingsRecord& record, PowerKind kind, int team, std::string_view text);

// The human box of the chosen kind. Text that is not a whole number throws GeneralError
// with the message and changes nothing.
void editTypedHumanPower(SettingsRecord& record, PowerKind kind, std::string_view text);

// "+" (up) or "-" by the step typed in the box, on teams 1..14 of the chosen kind. Text
// that is not a whole number throws GeneralError with the message and changes nothing.
void shiftShownTeams(SettingsRecord& record, PowerKind kind, std::string_view stepText, bool up);

} // namespace kvr
