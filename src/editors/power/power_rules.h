#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// After typing: in both tables every shown team (1..14) above 1579 becomes 1579. Team
// slots 15..20 are never touched.
void clampShownTeams(SettingsRecord& record);

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

// Leaving a BHP box: the texts of the 14 boxes of the chosen kind, teams 1..14. Each box
// that holds a whole number is stored; then the shown teams of both tables are clamped.
// Returns the texts that are not numbers; their teams keep their values.
std::vector<std::string> storeTypedTeamPower(SettingsRecord& record, PowerKind kind,
                                             std::span<const std::string> texts);

// The human box of the chosen kind. Text that is not a whole number throws GeneralError
// with the message and changes nothing.
void editTypedHumanPower(SettingsRecord& record, PowerKind kind, std::string_view text);

// "+" (up) or "-" by the step typed in the box, on teams 1..14 of the chosen kind. Text
// that is not a whole number throws GeneralError with the message and changes nothing.
void shiftShownTeams(SettingsRecord& record, PowerKind kind, std::string_view stepText, bool up);

} // namespace kvr
