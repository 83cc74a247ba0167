// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/codecs.h"
#include "editors/tuning/patch_list.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace tuning {
inline constexpr int kLeds = 4;
// LED colour records: colour byte, then three bytes that are never written.
inline constexpr std::uint32_t kLedColourRecord = 4;
// LED threshold records (LEDs 2..4): threshold word, then two bytes never written.
inline constexpr std::uint32_t kLedThresholdRecord = 4;
inline constexpr std::uint32_t kLedColourGap = kLedColourRecord - 1;
inline constexpr std::uint32_t kLedThresholdGap = kLedThresholdRecord - 2;

inline constexpr CodeSwitch kOpponentFuel{0xEB, 0x74, CodeSwitch::Reads::OnUnlessOff};
inline constexpr CodeSwitch kTeamPerformance{0x00, 0xFF, CodeSwitch::Reads::OnUnlessOff};
} // namespace tuning

// Colour bytes of LEDs 1..4.
void readLedColours(GameFile& exe, SettingsRecord& record, int version);
void writeLedColours(GameFile& exe, const SettingsRecord& record, int version);

// Threshold words of LEDs 2..4, as stored (the editor shows them plus 6154).
void readLedThresholds(GameFile& exe, SettingsRecord& record, int version);
void writeLedThresholds(GameFile& exe, const SettingsRecord& record, int version);

// Practice fuel (laps), then qualifying fuel (laps - 1), one byte each, as stored.
void readFuelLoads(GameFile& exe, SettingsRecord& record, int version);
void writeFuelLoads(GameFile& exe, const SettingsRecord& record, int version);

// Car weights in pounds.
void readHumanWeight(GameFile& exe, SettingsRecord& record, int version);
void writeHumanWeight(GameFile& exe, const SettingsRecord& record, int version);
void readComputerWeight(GameFile& exe, SettingsRecord& record, int version);
void writeComputerWeight(GameFile& exe, const SettingsRecord& record, int version);

// On unless the byte is 0x74; written as 0xEB (on) or 0x74 (off).
void readOpponentFuelSwitch(GameFile& exe, SettingsRecord& record, int version);
void writeOpponentFuelSwitch(GameFile& exe, const SettingsRecord& record, int version);

// Two bytes; on unless the second is 0xFF; both written as 0x00 (on) or 0xFF (off).
void readTeamPerformanceSwitch(GameFile& exe, SettingsRecord& record, int version);
void writeTeamPerformanceSwitch(GameFile& exe, const SettingsRecord& record, int version);

// The split comparison switch at the places of a patch list: each record whose byte
// matches its off or on value sets the switch, the last match decides, no match keeps
// it. Writing puts the off or on value of every record in place. Every listed place is
// checked to lie inside the file before anything changes (FileAccessError); an empty
// list is a GeneralError.
void readSplitSwitch(GameFile& exe, SettingsRecord& record, const std::vector<PatchRecord>& list);
void writeSplitSwitch(GameFile& exe, const SettingsRecord& record, const std::vector<PatchRecord>& list);

// The same with the list read from a file (DATA/PLT.DAT); GeneralError when it is
// missing, empty or damaged.
void readSplitSwitch(GameFile& exe, SettingsRecord& record, const std::filesystem::path& patchList);
void writeSplitSwitch(GameFile& exe, const SettingsRecord& record, const std::filesystem::path& patchList);

// The editor writes the switch only into the version its list was made for.
constexpr bool splitSwitchWritable(int version) { return version == 0; }

} // namespace kvr
