// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kvr {

class SettingsRecord;

enum class GripTable { Qualifying, OtherSessions, Range };

namespace grip {
inline constexpr std::uint16_t kMaxGrip = 17016;
inline constexpr std::uint16_t kMaxRange = 32767;
inline constexpr int kDefaultStep = 100;
} // namespace grip

// Where a car's value of a table sits in the settings record (car 1..40).
std::size_t gripOffset(GripTable table, int carNumber);

// The value typed for one car. Text that is not a whole number throws GeneralError with
// the message and changes nothing; a number beyond the table's range stops at its end.
// Dropped (false) only when the car has no entry.
bool editTypedGrip(SettingsRecord& record, GripTable table, int carNumber, std::string_view text);

// "+" (up) or "-" by the step typed in the box, on the chosen table of every roster car
// once: "+" stops at the table's maximum, "-" at 0, a negative step moves the other
// way. Text that is not a whole number throws GeneralError with the message and
// changes nothing.
void shiftAllGrip(SettingsRecord& record, GripTable table, std::string_view stepText, bool up);

// "Qual=Other": qualifying := other sessions. "Other=Qual": the converse. Roster cars only.
void copyGripOtherToQualifying(SettingsRecord& record);
void copyGripQualifyingToOther(SettingsRecord& record);

// The cars behind the lines of the two driver lists: first drivers (slots 1, 3, ..., 39)
// and second drivers (slots 2, 4, ..., 40), leaving out slots without a table entry.
// Each line carries its own car, so a gap in the roster cannot shift an edit onto
// another car.
struct GripLines {
    std::vector<int> firstDrivers;
    std::vector<int> secondDrivers;
};
GripLines gripLines(const SettingsRecord& record);

} // namespace kvr
