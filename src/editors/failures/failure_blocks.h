// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace failures {
inline constexpr int kSlots = 20;        // 1..14 are the teams; 15..20 are kept as they are
inline constexpr int kSliderMaximum = 65535;
} // namespace failures

// 20 little-endian words, slot 1 first, no bias.
void readFailures(GameFile& exe, SettingsRecord& record, int version);
void writeFailures(GameFile& exe, const SettingsRecord& record, int version);

std::uint16_t failureValue(const SettingsRecord& record, int slot);
void setFailureValue(SettingsRecord& record, int slot, std::uint16_t value);

// The edit box: the whole number typed, held within 0..65535 (70000 stores 65535).
// Throws GeneralError when the text is not a number; nothing is stored then.
void editFailureValue(SettingsRecord& record, int team, std::string_view text);

// The "All" group: adds `amount` (negative to take away) to the values of the teams the
// list shows (the enabled ones), each held within 0..65535.
void shiftFailureValues(SettingsRecord& record, int amount);

} // namespace kvr
