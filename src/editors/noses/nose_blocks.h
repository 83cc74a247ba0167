// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/codecs.h"

#include <cstdint>

namespace kvr {

class GameFile;
class SettingsRecord;

// Two tables of 14 four-byte records in KVR.EXE; only the first byte of each record
// belongs to the nose. The game reads table B; table A must agree with it.
namespace noses {
inline constexpr std::uint32_t kTableBOffset = 53;   // table B starts this far after table A
inline constexpr std::uint32_t kRecordSize = 4;
// Table A is written only; table B reads as raised for any byte but 0.
inline constexpr CodeSwitch kTableA{0x00, 0x02, CodeSwitch::Reads::OnlyOnIsOn};
inline constexpr CodeSwitch kTableB{0x01, 0x00, CodeSwitch::Reads::OnUnlessOff};

std::uint32_t tableA(int version);
std::uint32_t tableB(int version);
} // namespace noses

// Reads table B: a team's nose is raised exactly when its byte is not 0.
void readNoses(GameFile& exe, SettingsRecord& record, int version);

// Writes table A, then table B, for teams 1..14; bytes 1..3 of each record are skipped.
void writeNoses(GameFile& exe, const SettingsRecord& record, int version);

bool noseRaised(const SettingsRecord& record, int team);
void setNoseRaised(SettingsRecord& record, int team, bool raised);

} // namespace kvr
