// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace cockpit {
inline constexpr int kElements = 3;  // cockpit, mirrors, front wing
inline constexpr std::uint32_t kBlockBytes = 20 * kElements;
} // namespace cockpit

// The cockpit colour block of KVR.EXE (position by language version): 20 team slots x
// 3 elements.
void readCockpitColoursFromExe(GameFile& exe, SettingsRecord& record, int version);
void writeCockpitColoursToExe(GameFile& exe, const SettingsRecord& record, int version);

// The same block in F1GSTATE.SAV at its fixed place. The caller recomputes the state
// file's checksum after writing.
void readCockpitColoursFromSave(GameFile& state, SettingsRecord& record);
void writeCockpitColoursToSave(GameFile& state, const SettingsRecord& record);

// Whether the colours move through F1GSTATE.SAV: only when it exists and the user
// chose it.
constexpr bool cockpitColoursUseStateFile(bool stateFileExists, bool cockpitColoursInStateFile)
{
    return stateFileExists && cockpitColoursInStateFile;
}

} // namespace kvr
