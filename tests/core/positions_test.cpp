// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"

#include <gtest/gtest.h>

namespace {
using kvr::Row;
using kvr::positionOf;

// Column 0 of every row, and the shifts the other versions apply. Written out apart
// from the table itself so a mistyped digit in either shows up.
struct Expect {
    Row row;
    std::uint32_t english;
    std::array<std::int32_t, 7> shift;
};

constexpr std::array<std::int32_t, 7> kNone = {0, 0, 0, 0, 0, 0, 0};
constexpr std::array<std::int32_t, 7> kNames = {0, 0x70, 0x34, 0x54, 0x30, 0, 0x30};
constexpr std::array<std::int32_t, 7> kCrew = {0, 0x70, 0x40, 0x60, 0x30, 0, 0x30};
constexpr std::array<std::int32_t, 7> kTrackEd = {0, 0xFCE, 0xDDB, 0x131D, 0x108F, 0, 0x926};

const Expect kExpected[] = {
    {Row::DriverNames, 0x1DC27A, kNames},
    {Row::CarNumbers, 0x1DC1EE, kNames},
    {Row::CockpitColours, 0x1DC216, kNames},
    {Row::EngineNames, 0x1DC73E, kNames},
    {Row::TeamNames, 0x1DC63A, kNames},
    {Row::NumberZero, 0x1DC867, kNames},
    {Row::EnginePower, 0x1D77EC, kNames},
    {Row::Grip, 0x1D783C, kNames},
    {Row::GripRange, 0x1D78DC, kNames},
    {Row::Failures, 0x1D797C, kNames},
    {Row::HumanPowerRace, 0xA5A98, kNone},
    {Row::HumanPowerQualifying, 0xA5A9F, kNone},
    {Row::PitOrder, 0x1DD12F, kNames},
    {Row::RandomEnginePower, 0xA5B0D, kNone},
    {Row::PitSpeedCheck, 0x91B73, kNone},
    {Row::OpponentFuelSwitch, 0xE4F02, kNone},
    {Row::PitSpeedLimit, 0x138844, kNone},
    {Row::HumanWeight, 0x1390C8, kNone},
    {Row::Noses, 0x12E5B3, kNone},
    {Row::PitCrewColours, 0x1E658C, kCrew},
    {Row::Cameras, 0x13735A, kNone},
    {Row::LedColours, 0x139934, kNone},
    {Row::LedThresholds, 0x139958, kNone},
    {Row::PracticeFuel, 0xA4798, kNone},
    {Row::QualifyingFuel, 0xABFD0, kNone},
    {Row::ComputerWeight, 0x1390CC, kNone},
    {Row::TrackDataWords, 0x138A48, kNone},
    {Row::TeamPerformanceFirst, 0xA5A8B, kNone},
    {Row::TeamPerformanceSecond, 0xA5BF8, kNone},
    {Row::TrackEditorBlock, 0x56B50C, kTrackEd},
    {Row::TrackManagerFirst, 0x56B50B, kTrackEd},
    {Row::TrackManagerSecond, 0x1DD02C, kNames},
    {Row::TrackManagerThird, 0x1DC868, kNames},
};

TEST(PositionTable, EveryRowInEveryVersion)
{
    for (const Expect& e : kExpected)
        for (int v = 0; v < kvr::kLanguageVersions; ++v)
            EXPECT_EQ(positionOf(e.row, v), std::uint32_t(std::int32_t(e.english) + e.shift[std::size_t(v)]))
                << "row " << int(e.row) << " version " << v;
}

TEST(PositionTable, SpotChecksAgainstTheWrittenTable)
{
    EXPECT_EQ(positionOf(Row::DriverNames, 3), 0x1DC2CEu);
    EXPECT_EQ(positionOf(Row::PitCrewColours, 2), 0x1E65CCu);
    EXPECT_EQ(positionOf(Row::TrackEditorBlock, 6), 0x56BE32u);
    EXPECT_EQ(positionOf(Row::TrackManagerFirst, 3), 0x56C828u);
    EXPECT_EQ(positionOf(Row::Failures, 1), 0x1D79ECu);
}

TEST(PositionTable, UnusedRowsAndBadVersionsAreRefused)
{
    EXPECT_FALSE(kvr::rowInUse(Row::Unused16));
    EXPECT_FALSE(kvr::rowInUse(Row::Unused17));
    EXPECT_THROW(positionOf(Row::Unused16, 0), std::out_of_range);
    EXPECT_THROW(positionOf(Row::Grip, 7), std::out_of_range);
    EXPECT_THROW(positionOf(Row::Grip, -1), std::out_of_range);
}

} // namespace
