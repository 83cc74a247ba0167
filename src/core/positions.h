// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kvr {

inline constexpr int kLanguageVersions = 7;

// Rows of the position table of KVR.EXE. Rows 16 and 17 exist but no block uses them.
enum class Row : int {
    DriverNames = 0,
    CarNumbers = 1,
    CockpitColours = 2,
    EngineNames = 3,
    TeamNames = 4,
    NumberZero = 5,
    EnginePower = 6,
    Grip = 7,
    GripRange = 8,
    Failures = 9,
    HumanPowerRace = 10,
    HumanPowerQualifying = 11,
    PitOrder = 12,
    RandomEnginePower = 13,
    PitSpeedCheck = 14,
    OpponentFuelSwitch = 15,
    Unused16 = 16,
    Unused17 = 17,
    PitSpeedLimit = 18,
    HumanWeight = 19,
    Noses = 20,
    PitCrewColours = 21,
    Cameras = 22,
    LedColours = 23,
    LedThresholds = 24,
    PracticeFuel = 25,
    QualifyingFuel = 26,
    ComputerWeight = 27,
    TrackDataWords = 28,
    TeamPerformanceFirst = 29,
    TeamPerformanceSecond = 30,
    TrackEditorBlock = 31,
    TrackManagerFirst = 32,
    TrackManagerSecond = 33,
    TrackManagerThird = 34,
};

inline constexpr int kPositionRows = 35;

// File position of a block in KVR.EXE for a language version index (0..6).
// Throws std::out_of_range for an unused row or a bad index.
std::uint32_t positionOf(Row row, int languageVersion);

// Whether the row is one the game uses (rows 16 and 17 are not).
bool rowInUse(Row row);

// The version byte sits at a fixed place outside the table.
inline constexpr std::uint32_t kVersionBytePosition = 0x569973;

// Fixed positions in F1GSTATE.SAV, the same in every version.
namespace statepos {
inline constexpr std::uint32_t kCarNumbers = 0x37F2;
inline constexpr std::uint32_t kCockpitColours = 0x381A;
inline constexpr std::uint32_t kDriverNames = 0x387E;
inline constexpr std::uint32_t kTeamNames = 0x3C3E;
inline constexpr std::uint32_t kEngineNames = 0x3D42;
} // namespace statepos

} // namespace kvr
