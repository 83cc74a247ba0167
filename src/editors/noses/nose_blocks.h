#pragma once

#include <cstdint>

namespace kvr {

class GameFile;
class SettingsRecord;

// Two tables of 14 four-byte records in KVR.EXE; only the first byte of each record
// belongs to the nose. The game reads table B; table A must agree with it.
namespace noses {
inline constexpr std::uint32_t kTableBOffset = 53;   // table B starts this far after table A
inline constexpr std::uint32_t kRecordSize = 4;
inline constexpr std::uint8_t kTableARaised = 0x00;
inline constexpr std::uint8_t kTableALowered = 0x02;
inline constexpr std::uint8_t kTableBRaised = 0x01;
inline constexpr std::uint8_t kTableBLowered = 0x00;

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
