// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/grip/grip_rules.h"

#include "core/errors.h"
#include "core/settings_record.h"

#include <gtest/gtest.h>

namespace {

using namespace kvr;

// The full race roster: slot k drives car k, slots 29..40 empty.
SettingsRecord fullRoster()
{
    SettingsRecord record;
    for (int slot = 1; slot <= 28; ++slot)
        record.setByte(rec::carNumber(slot), std::uint8_t(slot));
    return record;
}

struct ShiftRow {
    const char* what;
    GripTable table;
    bool up;
    std::uint16_t value;
    const char* step;
    std::uint16_t result;
};

// The path "+" and "-" take: the step as typed in its box, on car 7 of the roster.
TEST(GripRules, ShiftStops)
{
    const ShiftRow rows[] = {
        {"+100 on 16950 stops at 17016", GripTable::Qualifying, true, 16950, "100", 17016},
        {"+100 on 16915 gives 17015", GripTable::Qualifying, true, 16915, "100", 17015},
        {"+100 on 16916 reaches 17016", GripTable::OtherSessions, true, 16916, "100", 17016},
        {"- 100 on 100 gives 0", GripTable::Qualifying, false, 100, "100", 0},
        {"- 100 on 101 gives 1", GripTable::Qualifying, false, 101, "100", 1},
        {"- 100 on 50 gives 0", GripTable::Range, false, 50, "100", 0},
        {"range +100 on 32700 stops at 32767", GripTable::Range, true, 32700, "100", 32767},
        {"range +100 on 32666 gives 32766", GripTable::Range, true, 32666, "100", 32766},
        {"a wrapped value above the top comes down to it on +", GripTable::Qualifying, true, 50000, "100", 17016},
        {"a wrapped value is lowered like any other on -", GripTable::Qualifying, false, 50000, "100", 49900},
        {"a negative step on + lowers and stops at 0", GripTable::Qualifying, true, 50, "-100", 0},
        {"a negative step on - raises and stops at the top", GripTable::Qualifying, false, 17000, "-100", 17016},
        {"a zero step changes nothing", GripTable::OtherSessions, true, 1234, "0", 1234},
        {"a huge step", GripTable::Range, true, 0, "9999999999", 32767},
        {"blanks around the step", GripTable::OtherSessions, false, 1234, " 34 ", 1200},
    };
    for (const ShiftRow& r : rows) {
        SCOPED_TRACE(r.what);
        SettingsRecord record = fullRoster();
        record.setWord(gripOffset(r.table, 7), r.value);
        shiftAllGrip(record, r.table, r.step, r.up);
        EXPECT_EQ(record.word(gripOffset(r.table, 7)), r.result);
    }
}

struct TypedRow {
    const char* what;
    GripTable table;
    const char* typed;
    std::uint16_t stored;
};

TEST(GripRules, TypedValueIsHeldWithinTheTablesRange)
{
    const TypedRow rows[] = {
        {"17016 is stored", GripTable::Qualifying, "17016", 17016},
        {"17017 stops at the top", GripTable::Qualifying, "17017", 17016},
        {"-1 stops at 0", GripTable::OtherSessions, "-1", 0},
        {"0 is stored", GripTable::OtherSessions, "0", 0},
        {"range 32767 is stored", GripTable::Range, "32767", 32767},
        {"range 32768 stops at the top", GripTable::Range, "32768", 32767},
        {"range 17017 is fine", GripTable::Range, "17017", 17017},
    };
    for (const TypedRow& r : rows) {
        SCOPED_TRACE(r.what);
        SettingsRecord record = fullRoster();
        record.setWord(gripOffset(r.table, 7), 555);
        EXPECT_TRUE(editTypedGrip(record, r.table, 7, r.typed));
        EXPECT_EQ(record.word(gripOffset(r.table, 7)), r.stored);
    }
}

TEST(GripRules, TypedTextAndStepThatAreNotNumbersAreRefused)
{
    SettingsRecord record = fullRoster();
    EXPECT_TRUE(editTypedGrip(record, GripTable::Range, 3, " 32760"));
    EXPECT_TRUE(editTypedGrip(record, GripTable::Range, 3, "40000"));
    EXPECT_EQ(record.word(rec::gripRange(3)), 32767);
    const SettingsRecord before = record;
    EXPECT_THROW(editTypedGrip(record, GripTable::Qualifying, 3, "fast"), GeneralError);
    EXPECT_THROW(shiftAllGrip(record, GripTable::Qualifying, "", true), GeneralError);
    EXPECT_TRUE(record == before);
    shiftAllGrip(record, GripTable::Range, "100", false);
    EXPECT_EQ(record.word(rec::gripRange(3)), 32667);
}

TEST(GripRules, TypedValueForCarWithoutEntryIsDropped)
{
    SettingsRecord record;
    const SettingsRecord before = record;
    EXPECT_FALSE(editTypedGrip(record, GripTable::Qualifying, 0, "100"));
    EXPECT_FALSE(editTypedGrip(record, GripTable::Range, 41, "100"));
    EXPECT_TRUE(record == before);
}

TEST(GripRules, TablesSitWhereTheRecordSays)
{
    EXPECT_EQ(gripOffset(GripTable::Qualifying, 1), 0x611u);
    EXPECT_EQ(gripOffset(GripTable::OtherSessions, 40), 0x661u + 78);
    EXPECT_EQ(gripOffset(GripTable::Range, 2), 0x6DBu);
}

TEST(GripRules, ShiftAllTouchesOnlyTheChosenTableOfRosterCars)
{
    SettingsRecord record = fullRoster();
    for (int car = 1; car <= 40; ++car) {
        record.setWord(rec::gripQualifying(car), 1000);
        record.setWord(rec::gripRace(car), 2000);
        record.setWord(rec::gripRange(car), 300);
    }
    shiftAllGrip(record, GripTable::OtherSessions, "100", true);
    for (int car = 1; car <= 28; ++car)
        EXPECT_EQ(record.word(rec::gripRace(car)), 2100) << car;
    for (int car = 29; car <= 40; ++car)
        EXPECT_EQ(record.word(rec::gripRace(car)), 2000) << "car " << car << " is on no slot";
    EXPECT_EQ(record.word(rec::gripQualifying(1)), 1000);
    EXPECT_EQ(record.word(rec::gripRange(1)), 300);

    shiftAllGrip(record, GripTable::Range, "500", false);
    EXPECT_EQ(record.word(rec::gripRange(28)), 0);
    EXPECT_EQ(record.word(rec::gripRange(29)), 300);
}

TEST(GripRules, CarOnTwoSlotsIsShiftedOnce)
{
    SettingsRecord record = fullRoster();
    record.setByte(rec::carNumber(2), 1); // slots 1 and 2 both drive car 1
    record.setWord(rec::gripQualifying(1), 1000);
    shiftAllGrip(record, GripTable::Qualifying, "100", true);
    EXPECT_EQ(record.word(rec::gripQualifying(1)), 1100);
}

TEST(GripRules, SlotsAbove40TouchNothing)
{
    SettingsRecord record;
    record.setByte(rec::carNumber(1), 41);
    record.setByte(rec::carNumber(2), 128);
    const SettingsRecord before = record;
    shiftAllGrip(record, GripTable::Qualifying, "100", true);
    shiftAllGrip(record, GripTable::Range, "100", false);
    copyGripOtherToQualifying(record);
    copyGripQualifyingToOther(record);
    EXPECT_TRUE(record == before);
}

TEST(GripRules, CopyDirections)
{
    SettingsRecord record = fullRoster();
    record.setWord(rec::gripQualifying(5), 111);
    record.setWord(rec::gripRace(5), 222);
    record.setWord(rec::gripQualifying(33), 333); // not on the roster

    SettingsRecord qualEqualsOther = record;
    copyGripOtherToQualifying(qualEqualsOther); // "Qual=Other"
    EXPECT_EQ(qualEqualsOther.word(rec::gripQualifying(5)), 222);
    EXPECT_EQ(qualEqualsOther.word(rec::gripRace(5)), 222);
    EXPECT_EQ(qualEqualsOther.word(rec::gripQualifying(33)), 333);

    SettingsRecord otherEqualsQual = record;
    copyGripQualifyingToOther(otherEqualsQual); // "Other=Qual"
    EXPECT_EQ(otherEqualsQual.word(rec::gripRace(5)), 111);
    EXPECT_EQ(otherEqualsQual.word(rec::gripQualifying(5)), 111);
}

TEST(GripRules, FullRosterShowsFourteenLinesEach)
{
    const GripLines lines = gripLines(fullRoster());
    ASSERT_EQ(lines.firstDrivers.size(), 14u);
    ASSERT_EQ(lines.secondDrivers.size(), 14u);
    EXPECT_EQ(lines.firstDrivers.front(), 1);
    EXPECT_EQ(lines.secondDrivers.front(), 2);
    EXPECT_EQ(lines.firstDrivers.back(), 27);
    EXPECT_EQ(lines.secondDrivers.back(), 28);
}

TEST(GripRules, GapsInTheRosterKeepEachLineOnItsOwnCar)
{
    SettingsRecord record = fullRoster();
    record.setByte(rec::carNumber(3), 0);  // team 2's first driver switched off
    record.setByte(rec::carNumber(6), 77); // no entry
    const GripLines lines = gripLines(record);
    EXPECT_EQ(lines.firstDrivers, (std::vector<int>{1, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27}));
    EXPECT_EQ(lines.secondDrivers, (std::vector<int>{2, 4, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28}));
}

} // namespace
