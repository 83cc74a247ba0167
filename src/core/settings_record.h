// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kvr {

// Byte offsets of the settings record. Indexed fields are 1-based in the game's terms;
// the helpers below take those indices.
namespace rec {
inline constexpr std::size_t kSize = 2846;

inline constexpr std::size_t kUnused0 = 0x000;
inline constexpr std::size_t kDriverNames = 0x001;      // 40 x 25, by car number
inline constexpr std::size_t kDriverNameChars = 24;
inline constexpr std::size_t kTeamNames = 0x3E9;        // 14 x 14
inline constexpr std::size_t kEngineNames = 0x4AD;      // 14 x 14
inline constexpr std::size_t kTeamNameChars = 13;
inline constexpr std::size_t kCarNumbers = 0x571;       // 40 x (number, selected)
inline constexpr std::size_t kEnginePower = 0x5C1;      // 20 qualifying words, 20 race words
inline constexpr std::size_t kGripQualifying = 0x611;   // 40 words by car number
inline constexpr std::size_t kGripRace = 0x661;         // 40 words by car number
inline constexpr std::size_t kFailures = 0x6B1;         // 20 words
inline constexpr std::size_t kGripRange = 0x6D9;        // 40 words by car number
inline constexpr std::size_t kTeamEnabled = 0x729;      // 20 bytes
inline constexpr std::size_t kPitOrder = 0x73D;         // 14 bytes
inline constexpr std::size_t kUnused74B = 0x74B;        // 11 bytes
inline constexpr std::size_t kUnused74BSize = 11;
inline constexpr std::size_t kCockpitColours = 0x756;   // 20 x 3
inline constexpr std::size_t kPitCrewColours = 0x792;   // 14 x 16
inline constexpr std::size_t kCameras = 0x872;          // 11 x 8 words
inline constexpr std::size_t kHumanPowerQualifying = 0x922;
inline constexpr std::size_t kHumanPowerRace = 0x924;
inline constexpr std::size_t kNumberZero = 0x926;
inline constexpr std::size_t kRandomEnginePower = 0x927;
inline constexpr std::size_t kPitSpeedCheck = 0x928;
inline constexpr std::size_t kOpponentFuelSwitch = 0x929;
inline constexpr std::size_t kTeamPerformanceSwitch = 0x92A;
inline constexpr std::size_t kSplitSwitch = 0x92B;
inline constexpr std::size_t kPitSpeedLimit = 0x92C;
inline constexpr std::size_t kHumanWeight = 0x92E;
inline constexpr std::size_t kComputerWeight = 0x930;
inline constexpr std::size_t kPracticeFuel = 0x932;
inline constexpr std::size_t kQualifyingFuel = 0x933;
inline constexpr std::size_t kDescription = 0x934;      // short string of 255
inline constexpr std::size_t kDescriptionChars = 255;
inline constexpr std::size_t kNoses = 0xA34;            // 14 bytes
inline constexpr std::size_t kTrackData = 0xA42;        // 16 x 13
inline constexpr std::size_t kTrackRecordSize = 13;
inline constexpr std::size_t kUnusedB12 = 0xB12;        // 2 bytes
inline constexpr std::size_t kUnusedB12Size = 2;
// Rev LEDs interleave colour bytes and threshold words; LED 1 has no threshold.
inline constexpr std::size_t kLedColour[4] = {0xB14, 0xB17, 0xB1A, 0xB1D};
inline constexpr std::size_t kLedThreshold[4] = {0, 0xB15, 0xB18, 0xB1B};

inline constexpr int kDrivers = 40;
inline constexpr int kTeams = 14;
inline constexpr int kTeamSlots = 20;
inline constexpr int kTracks = 16;
inline constexpr int kCameraRecords = 11;

constexpr std::size_t driverName(int carNumber) { return kDriverNames + std::size_t(carNumber - 1) * 25; }
constexpr std::size_t teamName(int team) { return kTeamNames + std::size_t(team - 1) * 14; }
constexpr std::size_t engineName(int team) { return kEngineNames + std::size_t(team - 1) * 14; }
constexpr std::size_t carNumber(int slot) { return kCarNumbers + std::size_t(slot - 1) * 2; }
constexpr std::size_t carSelected(int slot) { return carNumber(slot) + 1; }
constexpr std::size_t enginePowerQualifying(int teamSlot) { return kEnginePower + std::size_t(teamSlot - 1) * 2; }
constexpr std::size_t enginePowerRace(int teamSlot) { return kEnginePower + 40 + std::size_t(teamSlot - 1) * 2; }
constexpr std::size_t gripQualifying(int carNumber) { return kGripQualifying + std::size_t(carNumber - 1) * 2; }
constexpr std::size_t gripRace(int carNumber) { return kGripRace + std::size_t(carNumber - 1) * 2; }
constexpr std::size_t gripRange(int carNumber) { return kGripRange + std::size_t(carNumber - 1) * 2; }
constexpr std::size_t failure(int teamSlot) { return kFailures + std::size_t(teamSlot - 1) * 2; }
constexpr std::size_t teamEnabled(int teamSlot) { return kTeamEnabled + std::size_t(teamSlot - 1); }
constexpr std::size_t pitOrder(int position) { return kPitOrder + std::size_t(position - 1); }
constexpr std::size_t cockpitColour(int teamSlot, int part) { return kCockpitColours + std::size_t(teamSlot - 1) * 3 + std::size_t(part); }
constexpr std::size_t pitCrewColour(int team, int index) { return kPitCrewColours + std::size_t(team - 1) * 16 + std::size_t(index); }
constexpr std::size_t camera(int record, int word) { return kCameras + std::size_t(record) * 16 + std::size_t(word) * 2; }
constexpr std::size_t nose(int team) { return kNoses + std::size_t(team - 1); }
constexpr std::size_t trackData(int track, int byte) { return kTrackData + std::size_t(track) * kTrackRecordSize + std::size_t(byte); }
} // namespace rec

// The editor's in-memory copy of every editable value: 2846 bytes, saved and loaded
// whole. Bytes no field owns are kept exactly as they came.
class SettingsRecord {
public:
    SettingsRecord() { m_bytes.fill(0); }

    std::uint8_t byte(std::size_t offset) const { return m_bytes.at(offset); }
    void setByte(std::size_t offset, std::uint8_t value) { m_bytes.at(offset) = value; }

    std::uint16_t word(std::size_t offset) const;
    void setWord(std::size_t offset, std::uint16_t value);

    // Short string: length byte, then `capacity` character bytes. A stored length
    // beyond the capacity reads as the whole field.
    std::string shortString(std::size_t offset, std::size_t capacity) const;
    // Cuts the text to `capacity`; the bytes after the new text are left as they are.
    void setShortString(std::size_t offset, std::size_t capacity, std::string_view text);

    std::span<std::uint8_t, rec::kSize> bytes() { return m_bytes; }
    std::span<const std::uint8_t, rec::kSize> bytes() const { return m_bytes; }

    // Zeroes the car numbers, engine power and grip; everything else stays.
    void reset();

    bool operator==(const SettingsRecord&) const = default;

private:
    std::array<std::uint8_t, rec::kSize> m_bytes;
};

} // namespace kvr
