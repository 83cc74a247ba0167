// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/codecs.h"

#include <cstdint>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace grip {
// The game stores each grip word with this bias added (mod 65536).
inline constexpr BiasedWord kWord{15751};
// Both blocks hold one 4-byte record per car number 1..40.
inline constexpr std::uint32_t kRecordSize = 4;
inline constexpr std::uint32_t kBlockSize = 40 * kRecordSize;
// Behind each random grip range word: two bytes the editor never writes.
inline constexpr std::uint32_t kRangeGap = 2;
} // namespace grip

// Qualifying and other-sessions grip, car numbers 1..40.
void readGrip(GameFile& exe, SettingsRecord& record, int version);
void writeGrip(GameFile& exe, const SettingsRecord& record, int version);

// Random grip range, car numbers 1..40, no bias.
void readGripRange(GameFile& exe, SettingsRecord& record, int version);
void writeGripRange(GameFile& exe, const SettingsRecord& record, int version);

} // namespace kvr
