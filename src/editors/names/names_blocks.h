// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/codecs.h"

#include <cstddef>
#include <cstdint>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace names {
// Field widths in the game files (the settings record keeps one more byte for the length).
inline constexpr std::size_t kTeamNameWidth = 13;
inline constexpr std::size_t kDriverNameWidth = 24;
// The game keeps 20 team and engine records; the editor moves the first 14.
inline constexpr std::uint32_t kTeamRecordsReserved = 20;

inline constexpr NameField kTeamNameField{kTeamNameWidth};
inline constexpr NameField kDriverNameField{kDriverNameWidth};

// "First driver - '0'": on exactly when the byte is 0xFF; written as 0xFF or 0xDE.
inline constexpr CodeSwitch kNumberZero{0xFF, 0xDE, CodeSwitch::Reads::OnlyOnIsOn};
} // namespace names

// The roster over KVR.EXE: car numbers, team names (setting the team enabled flags),
// engine names, driver names, number-zero byte.
void readNamesFromExe(GameFile& exe, SettingsRecord& record, int version);
void writeNamesToExe(GameFile& exe, const SettingsRecord& record, int version);

// The same over F1GSTATE.SAV at its fixed positions, without the number-zero byte. The
// caller recomputes the checksum after writing.
void readNamesFromSave(GameFile& save, SettingsRecord& record);
void writeNamesToSave(GameFile& save, const SettingsRecord& record);

} // namespace kvr
