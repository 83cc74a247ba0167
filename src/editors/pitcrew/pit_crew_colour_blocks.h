// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace pitcrew {
inline constexpr int kGroups = 16;         // bytes 0 and 1 of a team are kept as they are
inline constexpr int kFirstEditedGroup = 2;
inline constexpr std::uint32_t kBlockBytes = 14 * kGroups;
} // namespace pitcrew

// 14 teams x 16 base colours in KVR.EXE (position by language version), each stored as
// the palette index minus 10, wrapping at 256.
void readPitCrewColours(GameFile& exe, SettingsRecord& record, int version);
void writePitCrewColours(GameFile& exe, const SettingsRecord& record, int version);

} // namespace kvr
