#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace names {
// Field widths in the game files (the settings record keeps one more byte for the length).
inline constexpr std::size_t kTeamNameWidth = 13;
inline constexpr std::size_t kDriverNameWidth = 24;
// The game keeps 20 team and engine records; the editor moves the first 14.
inline constexpr std::uint32_t kTeamRecordsReserved = 20;

// Car number byte: numbers above this one carry the selected flag.
inline constexpr std::uint8_t kSelectedBit = 0x80;

inline constexpr std::uint8_t kNumberZeroOn = 0xFF;
inline constexpr std::uint8_t kNumberZeroOff = 0xDE;
} // namespace names

struct CarNumberByte {
    std::uint8_t number = 0;
    bool selected = false;
    bool operator==(const CarNumberByte&) const = default;
};

// 0x00..0x80 is the number itself, flag off; 0x81..0xFF is the number + 128, flag on.
CarNumberByte decodeCarNumber(std::uint8_t stored);

// Number + 128 (mod 256) when selected. Numbers 0 and 128 cannot carry the flag (the
// byte would turn one into the other and switch the team on or off), so for them the
// flag is dropped and the number kept.
std::uint8_t encodeCarNumber(std::uint8_t number, bool selected);

// A NUL-padded name field: every non-zero byte counts, inner zeros are skipped.
std::string decodeNameField(std::span<const std::uint8_t> field);

// At most `width` characters, the rest of the field filled with 0x00.
std::vector<std::uint8_t> encodeNameField(std::string_view name, std::size_t width);

// The roster over KVR.EXE: car numbers, team names (setting the team enabled flags),
// engine names, driver names, number-zero byte.
void readNamesFromExe(GameFile& exe, SettingsRecord& record, int version);
void writeNamesToExe(GameFile& exe, const SettingsRecord& record, int version);

// The same over F1GSTATE.SAV at its fixed positions, without the number-zero byte. The
// caller recomputes the checksum after writing.
void readNamesFromSave(GameFile& save, SettingsRecord& record);
void writeNamesToSave(GameFile& save, const SettingsRecord& record);

} // namespace kvr
