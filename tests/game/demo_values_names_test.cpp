// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/demo_values.h"

#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/block_test_file.h"
#include "editors/grip/grip_blocks.h"
#include "editors/grip/grip_rules.h"
#include "editors/names/names_blocks.h"
#include "editors/power/power_blocks.h"
#include "editors/tuning/tuning_blocks.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace kvr;
using namespace kvrtest;

TEST(DemoNames, RosterIsCompleteAndFitsTheFields)
{
    SettingsRecord record;
    fillDemoNames(record);
    std::set<std::string> teams;
    for (int team = 1; team <= 14; ++team) {
        const std::string name = record.shortString(rec::teamName(team), 13);
        EXPECT_FALSE(name.empty()) << team;
        EXPECT_LE(record.byte(rec::teamName(team)), 13);
        EXPECT_LE(record.byte(rec::engineName(team)), 13);
        EXPECT_FALSE(record.shortString(rec::engineName(team), 13).empty()) << team;
        teams.insert(name);
        EXPECT_EQ(record.byte(rec::teamEnabled(team)), record.byte(rec::carNumber(2 * team - 1)) != 0 ? 1 : 0);
    }
    EXPECT_EQ(teams.size(), 14u) << "team names must differ";
    std::set<int> cars;
    for (int slot = 1; slot <= 28; ++slot) {
        const int car = record.byte(rec::carNumber(slot));
        EXPECT_TRUE(car >= 1 && car <= 40) << slot;
        cars.insert(car);
    }
    EXPECT_EQ(cars.size(), 28u) << "each race driver has a number of his own";
    for (int car = 1; car <= 40; ++car) {
        EXPECT_GT(record.byte(rec::driverName(car)), 0) << car;
        EXPECT_LE(record.byte(rec::driverName(car)), 24) << car;
    }
}

TEST(DemoNames, SurvivesTheExecutableAndTheStateFile)
{
    TempDir dir;
    SettingsRecord demo;
    fillDemoNames(demo);

    GameFile exe = memoryFile(dir, patternBytes(kExeSize));
    writeNamesToExe(exe, demo, 0);
    SettingsRecord fromExe;
    readNamesFromExe(exe, fromExe, 0);
    EXPECT_TRUE(fromExe == demo);

    ASSERT_GT(demoStateFileSize(), std::size_t(statepos::kEngineNames + 260 + 4));
    GameFile save = memoryFile(dir, std::vector<std::uint8_t>(demoStateFileSize(), 0), "F1GSTATE.SAV");
    writeNamesToSave(save, demo);
    save.updateChecksum();
    SettingsRecord fromSave;
    fromSave.setByte(rec::kNumberZero, demo.byte(rec::kNumberZero));
    readNamesFromSave(save, fromSave);
    EXPECT_TRUE(fromSave == demo);
}

TEST(DemoPerformance, ValuesLieInsideTheEditorsRanges)
{
    SettingsRecord record;
    fillDemoPerformance(record);
    for (int team = 1; team <= 14; ++team) {
        EXPECT_GT(record.word(rec::enginePowerQualifying(team)), 0) << team;
        EXPECT_LE(record.word(rec::enginePowerQualifying(team)), 1579) << team;
        EXPECT_LE(record.word(rec::enginePowerRace(team)), 1579) << team;
    }
    for (int car = 1; car <= 40; ++car) {
        EXPECT_LE(record.word(rec::gripQualifying(car)), grip::kMaxGrip) << car;
        EXPECT_LE(record.word(rec::gripRace(car)), grip::kMaxGrip) << car;
        EXPECT_LE(record.word(rec::gripRange(car)), grip::kMaxRange) << car;
    }
    for (std::size_t led = 0; led < 4; ++led) {
        EXPECT_GE(record.byte(rec::kLedColour[led]), 1);
        EXPECT_LE(record.byte(rec::kLedColour[led]), 3);
    }
    EXPECT_LT(record.word(rec::kLedThreshold[1]), record.word(rec::kLedThreshold[2]));
    EXPECT_LT(record.word(rec::kLedThreshold[2]), record.word(rec::kLedThreshold[3]));
    EXPECT_GT(record.byte(rec::kPracticeFuel), 0);
    EXPECT_GT(record.word(rec::kHumanWeight), 0);
    EXPECT_LE(record.word(rec::kHumanWeight), 10000);
    EXPECT_LE(record.word(rec::kComputerWeight), 10000);
}

TEST(DemoPerformance, SurvivesTheExecutable)
{
    TempDir dir;
    SettingsRecord demo;
    fillDemoPerformance(demo);
    GameFile exe = memoryFile(dir, patternBytes(kExeSize));
    writeEnginePower(exe, demo, 0);
    writeHumanPower(exe, demo, 0);
    writeGrip(exe, demo, 0);
    writeGripRange(exe, demo, 0);
    writeLedColours(exe, demo, 0);
    writeLedThresholds(exe, demo, 0);
    writeFuelLoads(exe, demo, 0);
    writeHumanWeight(exe, demo, 0);
    writeComputerWeight(exe, demo, 0);
    writeOpponentFuelSwitch(exe, demo, 0);
    writeTeamPerformanceSwitch(exe, demo, 0);
    writeSplitSwitch(exe, demo, defaultPatchList());

    SettingsRecord back;
    readEnginePower(exe, back, 0);
    readHumanPower(exe, back, 0);
    readGrip(exe, back, 0);
    readGripRange(exe, back, 0);
    readLedColours(exe, back, 0);
    readLedThresholds(exe, back, 0);
    readFuelLoads(exe, back, 0);
    readHumanWeight(exe, back, 0);
    readComputerWeight(exe, back, 0);
    readOpponentFuelSwitch(exe, back, 0);
    readTeamPerformanceSwitch(exe, back, 0);
    readSplitSwitch(exe, back, defaultPatchList());
    EXPECT_TRUE(back == demo);
}

TEST(DemoPerformance, LeavesTheNamesAlone)
{
    SettingsRecord record;
    fillDemoPerformance(record);
    SettingsRecord names;
    fillDemoNames(names);
    SettingsRecord both = names;
    fillDemoPerformance(both);
    for (std::size_t i = rec::kDriverNames; i < rec::kEnginePower; ++i)
        ASSERT_EQ(both.byte(i), names.byte(i)) << "offset " << i;
    EXPECT_EQ(both.byte(rec::kNumberZero), names.byte(rec::kNumberZero));
}

} // namespace
