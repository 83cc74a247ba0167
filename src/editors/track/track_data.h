// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace track {
// Track files: a word at a fixed place points (with an offset, wrapping at 16 bits) at
// the computer cars' setup.
inline constexpr std::uint32_t kSetupWordPosition = 0x1014;
inline constexpr std::uint16_t kSetupWordOffset = 0x1020;
inline constexpr int kSetupBytes = 8;             // front wing, rear wing, gears 1..6
inline constexpr std::uint32_t kTyreOffset = 8;   // from the setup position
inline constexpr std::uint32_t kFuelOffset = 26;  // from the setup position
inline constexpr std::uint8_t kSetupBias = 0x97;
inline constexpr std::uint8_t kTyreBias = 0x34;
inline constexpr int kTyreTypes = 4;              // "A" .. "D"
inline constexpr int kGears = 6;

// Byte places inside one 13-byte track record of the settings record.
inline constexpr int kFrontWing = 0;
inline constexpr int kRearWing = 1;
inline constexpr int kFirstGear = 2;
inline constexpr int kTyreType = 8;
inline constexpr int kFuelConsumption = 9;
inline constexpr int kTyreConsumption = 11;

// "0) File access error! " .. "3) File access error! ": which step of the track
// transfer failed (tyre table seek, tyre table, track file and setup position, setup
// values).
Message errorText(int step);
inline constexpr int kTyreTableSeekStep = 0;
inline constexpr int kTyreTableStep = 1;
inline constexpr int kTrackOpenStep = 2;
inline constexpr int kSetupStep = 3;
} // namespace track

// "F1CT01.DAT" for track 0 .. "F1CT16.DAT" for track 15.
std::string trackFileName(int track);

// The track file in the game's CIRCUITS folder, found without regard to case.
std::filesystem::path trackFilePath(const std::filesystem::path& gameDir, int track);

// The setup position for the word at 0x1014 (0xF000 gives 0x0020).
std::uint16_t trackSetupPosition(std::uint16_t word);

// Why a track file of `size` bytes cannot hold its setup at `setup`: the setup bytes and
// the fuel word must lie inside the file, clear of the position word and of the checksum
// trailer, as writing there would break the file for the game and for the next read.
// Nothing when it can.
std::optional<std::string> trackSetupProblem(std::uint32_t setup, std::uint64_t size);

struct TrackSetup {
    std::uint8_t frontWing = 0;
    std::uint8_t rearWing = 0;
    std::array<std::uint8_t, track::kGears> gears{};
    std::uint8_t tyreType = 0;  // 0..3 in the game; other values are kept as read
    std::uint16_t fuelConsumption = 0;
    std::uint16_t tyreConsumption = 0;
    bool operator==(const TrackSetup&) const = default;
};

TrackSetup trackSetup(const SettingsRecord& record, int track);
// Whether the record holds track data: one saved while the track data was unread has all
// 16 setups zero, which no game has (a fuel and a tyre consumption of 0 everywhere).
bool holdsTrackData(const SettingsRecord& record);
void setTrackSetup(SettingsRecord& record, int track, const TrackSetup& setup);

// The 16 track files of `gameDir`, read whole ("2) File access error! " when one
// cannot be read).
std::vector<GameFile> openTrackFiles(const std::filesystem::path& gameDir);

// Reads the tyre consumption table of KVR.EXE and the setup and fuel consumption of the
// 16 track files (those of `gameDir`, or as given). On a FileAccessError (numbered
// message) nothing of the record has changed.
void readTrackData(GameFile& exe, const std::filesystem::path& gameDir, SettingsRecord& record, int version);
void readTrackData(GameFile& exe, std::span<GameFile> tracks, SettingsRecord& record, int version);

// Writes the tyre table into `exe` and the setup and fuel consumption into the 16 track
// files, each with a fresh checksum, all in memory: the caller commits them with
// KVR.EXE as one set. Every file is checked first: a FileAccessError leaves all of them
// as they were.
void writeTrackData(GameFile& exe, std::span<GameFile> tracks, const SettingsRecord& record, int version);

// The 16 zero-terminated track names of KVR.EXE (raw ANSI bytes).
std::vector<std::string> readTrackNames(GameFile& exe, int version);

// The editing rules of the track editor's boxes: a text that is not a whole number
// keeps the previous value; a number is held within 0..255 (setup) or 0..65535
// (consumption).
std::uint8_t trackByteFromText(std::string_view text, std::uint8_t previous);
std::uint16_t trackWordFromText(std::string_view text, std::uint16_t previous);

// The tyre list's item for a tyre type, or -1 (no item) for a value beyond "D".
int tyreComboIndex(std::uint8_t tyreType);

} // namespace kvr
