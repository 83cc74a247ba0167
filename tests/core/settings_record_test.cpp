// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_record.h"

#include <gtest/gtest.h>

#include <random>

namespace {
using kvr::SettingsRecord;
namespace rec = kvr::rec;

TEST(SettingsRecord, LayoutEndsWithTheLastLedColour)
{
    // The record is exactly the fields laid end to end.
    EXPECT_EQ(rec::kSize, 2846u);
    EXPECT_EQ(rec::driverName(40) + 25, rec::kTeamNames);
    EXPECT_EQ(rec::teamName(14) + 14, rec::kEngineNames);
    EXPECT_EQ(rec::engineName(14) + 14, rec::kCarNumbers);
    EXPECT_EQ(rec::carSelected(40) + 1, rec::kEnginePower);
    EXPECT_EQ(rec::enginePowerRace(20) + 2, rec::kGripQualifying);
    EXPECT_EQ(rec::gripQualifying(40) + 2, rec::kGripRace);
    EXPECT_EQ(rec::gripRace(40) + 2, rec::kFailures);
    EXPECT_EQ(rec::failure(20) + 2, rec::kGripRange);
    EXPECT_EQ(rec::gripRange(40) + 2, rec::kTeamEnabled);
    EXPECT_EQ(rec::teamEnabled(20) + 1, rec::kPitOrder);
    EXPECT_EQ(rec::pitOrder(14) + 1, rec::kUnused74B);
    EXPECT_EQ(rec::kUnused74B + rec::kUnused74BSize, rec::kCockpitColours);
    EXPECT_EQ(rec::cockpitColour(20, 2) + 1, rec::kPitCrewColours);
    EXPECT_EQ(rec::pitCrewColour(14, 15) + 1, rec::kCameras);
    EXPECT_EQ(rec::camera(10, 7) + 2, rec::kHumanPowerQualifying);
    EXPECT_EQ(rec::kQualifyingFuel + 1, rec::kDescription);
    EXPECT_EQ(rec::kDescription + 256, rec::kNoses);
    EXPECT_EQ(rec::nose(14) + 1, rec::kTrackData);
    EXPECT_EQ(rec::trackData(15, 12) + 1, rec::kUnusedB12);
    EXPECT_EQ(rec::kUnusedB12 + 2, rec::kLedColour[0]);
    EXPECT_EQ(rec::kLedColour[3] + 1, rec::kSize);
}

TEST(SettingsRecord, WordsAreLittleEndian)
{
    SettingsRecord r;
    r.setByte(rec::kPitSpeedLimit, 0x34);
    r.setByte(rec::kPitSpeedLimit + 1, 0x12);
    EXPECT_EQ(r.word(rec::kPitSpeedLimit), 0x1234);
    r.setWord(rec::kHumanWeight, 0xABCD);
    EXPECT_EQ(r.byte(rec::kHumanWeight), 0xCD);
    EXPECT_EQ(r.byte(rec::kHumanWeight + 1), 0xAB);
}

TEST(SettingsRecord, ShortStringsAreCutToTheirField)
{
    SettingsRecord r;
    r.setShortString(rec::teamName(1), rec::kTeamNameChars, "A very long team name");
    EXPECT_EQ(r.shortString(rec::teamName(1), rec::kTeamNameChars), "A very long t");
    EXPECT_EQ(r.byte(rec::teamName(1)), 13);
    EXPECT_EQ(r.byte(rec::teamName(2)), 0) << "the next name is untouched";

    // A damaged length byte never reads past the field.
    r.setByte(rec::teamName(3), 200);
    EXPECT_EQ(r.shortString(rec::teamName(3), rec::kTeamNameChars).size(), 13u);

    r.setShortString(rec::kDescription, rec::kDescriptionChars, std::string(300, 'x'));
    EXPECT_EQ(r.shortString(rec::kDescription, rec::kDescriptionChars).size(), 255u);
    EXPECT_EQ(r.byte(rec::kNoses), 0);
}

TEST(SettingsRecord, ResetZeroesNumbersPowerAndGripOnly)
{
    SettingsRecord r;
    std::mt19937 rng(7);
    for (auto& b : r.bytes())
        b = std::uint8_t(rng());
    const SettingsRecord before = r;
    r.reset();
    for (std::size_t i = 0; i < rec::kSize; ++i) {
        const bool zeroed = (i >= rec::kCarNumbers && i < rec::kCarNumbers + 80) ||
                            (i >= rec::kEnginePower && i < rec::kEnginePower + 80) ||
                            (i >= rec::kGripQualifying && i < rec::kGripQualifying + 160) ||
                            (i >= rec::kGripRange && i < rec::kGripRange + 80);
        if (zeroed)
            EXPECT_EQ(r.byte(i), 0) << "offset " << i;
        else
            EXPECT_EQ(r.byte(i), before.byte(i)) << "offset " << i;
    }
}

} // namespace
