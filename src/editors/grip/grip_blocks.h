#pragma once

#include <cstdint>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace grip {
// The game stores each grip word with this bias added (mod 65536).
inline constexpr std::uint16_t kBias = 15751;
// Both blocks hold one 4-byte record per car number 1..40.
inline constexpr std::uint32_t kRecordSize = 4;
inline constexpr std::uint32_t kBlockSize = 40 * kRecordSize;
// Behind each random grip range word: two bytes the editor never writes.
inline constexpr std::uint32_t kRangeGap = 2;
} // namespace grip

constexpr std::uint16_t gripFromStored(std::uint16_t stored) { return std::uint16_t(stored - grip::kBias); }
constexpr std::uint16_t gripToStored(std::uint16_t grip) { return std::uint16_t(grip + grip::kBias); }

// Qualifying and other-sessions grip, car numbers 1..40.
void readGrip(GameFile& exe, SettingsRecord& record, int version);
void writeGrip(GameFile& exe, const SettingsRecord& record, int version);

// Random grip range, car numbers 1..40, no bias.
void readGripRange(GameFile& exe, SettingsRecord& record, int version);
void writeGripRange(GameFile& exe, const SettingsRecord& record, int version);

} // namespace kvr
