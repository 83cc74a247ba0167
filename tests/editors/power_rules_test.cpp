// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/power/power_rules.h"

#include "core/errors.h"
#include "core/settings_record.h"

#include <gtest/gtest.h>

namespace {

using namespace kvr;

SettingsRecord allTeamsAt(std::uint16_t qualifying, std::uint16_t other)
{
    SettingsRecord record;
    for (int slot = 1; slot <= 20; ++slot) {
        record.setWord(rec::enginePowerQualifying(slot), qualifying);
        record.setWord(rec::enginePowerRace(slot), other);
    }
    return record;
}

struct BhpRow {
    const char* what;
    const char* typed;
    std::uint16_t bhp;
};

TEST(PowerRules, TypedTeamBhp)
{
    const BhpRow rows[] = {
        {"2000 is clamped to 1579", "2000", 1579},
        {"1579 stays", "1579", 1579},
        {"0 stays", "0", 0},
        {"700 stays", "700", 700},
        {"a negative number means no power, not full power", "-5", 0},
        {"beyond a word", "70000", 1579},
    };
    for (const BhpRow& r : rows) {
        SCOPED_TRACE(r.what);
        SettingsRecord record = allTeamsAt(555, 600);
        editTypedTeamPower(record, PowerKind::OtherSessions, 6, r.typed);
        EXPECT_EQ(record.word(rec::enginePowerRace(6)), r.bhp);
        EXPECT_EQ(record.word(rec::enginePowerQualifying(6)), 555);
    }
}

struct StepRow {
    const char* what;
    bool up;
    std::uint16_t value;
    const char* step;
    std::uint16_t result;
};

// The path "+" and "-" take: the step as typed in its box.
TEST(PowerRules, StepStops)
{
    const StepRow rows[] = {
        {"+100 on 1500 gives 1579", true, 1500, "100", 1579},
        {"+100 on 1479 gives 1579", true, 1479, "100", 1579},
        {"+100 on 1478 gives 1578", true, 1478, "100", 1578},
        {"-100 on 50 gives 0", false, 50, "100", 0},
        {"-100 on 100 gives 0", false, 100, "100", 0},
        {"-100 on 101 gives 1", false, 101, "100", 1},
        {"+ a negative step lowers", true, 50, "-100", 0},
        {"- a negative step raises", false, 1550, "-100", 1579},
        {"a value read above the top comes down on +", true, 32719, "0", 1579},
        {"a value read above the top is lowered on -", false, 32719, "100", 32619},
        {"a step beyond any word", true, 3, " 99999999999 ", 1579},
    };
    for (const StepRow& r : rows) {
        SCOPED_TRACE(r.what);
        SettingsRecord record = allTeamsAt(700, 600);
        record.setWord(rec::enginePowerRace(9), r.value);
        shiftShownTeams(record, PowerKind::OtherSessions, r.step, r.up);
        EXPECT_EQ(record.word(rec::enginePowerRace(9)), r.result);
        EXPECT_EQ(record.word(rec::enginePowerQualifying(9)), 700);
    }
}

TEST(PowerRules, StepsTouchOnlyTheChosenTableOfTeams1To14)
{
    SettingsRecord record = allTeamsAt(700, 600);
    shiftShownTeams(record, PowerKind::OtherSessions, "100", true);
    EXPECT_EQ(record.word(rec::enginePowerRace(1)), 700);
    EXPECT_EQ(record.word(rec::enginePowerRace(14)), 700);
    EXPECT_EQ(record.word(rec::enginePowerRace(15)), 600);
    EXPECT_EQ(record.word(rec::enginePowerQualifying(1)), 700);
    shiftShownTeams(record, PowerKind::Qualifying, "650", false);
    EXPECT_EQ(record.word(rec::enginePowerQualifying(14)), 50);
    EXPECT_EQ(record.word(rec::enginePowerQualifying(20)), 700);
}

TEST(PowerRules, CopyDirectionsAreTheOppositeOfTheGripEditors)
{
    SettingsRecord record = allTeamsAt(700, 600);
    SettingsRecord qualEqualsOther = record;
    copyPowerQualifyingToOther(qualEqualsOther); // "Qual=Other"
    EXPECT_EQ(qualEqualsOther.word(rec::enginePowerRace(3)), 700);
    EXPECT_EQ(qualEqualsOther.word(rec::enginePowerRace(15)), 600) << "slot 15 is not shown";

    SettingsRecord otherEqualsQual = record;
    copyPowerOtherToQualifying(otherEqualsQual); // "Other=Qual"
    EXPECT_EQ(otherEqualsQual.word(rec::enginePowerQualifying(3)), 600);
    EXPECT_EQ(otherEqualsQual.word(rec::enginePowerQualifying(15)), 700);
}

TEST(PowerRules, HumanBhpHasNoEditorLimit)
{
    const BhpRow rows[] = {
        {"above the teams' top", "9999", 9999},
        {"2000 stays", "2000", 2000},
        {"a negative number is none", "-1", 0},
        {"beyond a word stops at its top", "70000", 65535},
    };
    for (const BhpRow& r : rows) {
        SCOPED_TRACE(r.what);
        SettingsRecord record = allTeamsAt(700, 600);
        editTypedHumanPower(record, PowerKind::Qualifying, r.typed);
        EXPECT_EQ(record.word(rec::kHumanPowerQualifying), r.bhp);
        EXPECT_EQ(record.word(rec::kHumanPowerRace), 0);
    }
}

TEST(PowerRules, ATypedBoxStoresItsOwnTeamAlone)
{
    SettingsRecord record = allTeamsAt(700, 600);
    record.setWord(rec::enginePowerRace(9), 15000); // read from the game above the top
    record.setWord(rec::enginePowerQualifying(2), 15000);
    editTypedTeamPower(record, PowerKind::Qualifying, 1, " 2000 ");
    editTypedTeamPower(record, PowerKind::Qualifying, 14, "-7");
    editTypedTeamPower(record, PowerKind::Qualifying, 2, "15000");
    EXPECT_EQ(record.word(rec::enginePowerQualifying(1)), 1579) << "held at the top";
    EXPECT_EQ(record.word(rec::enginePowerQualifying(14)), 0);
    EXPECT_EQ(record.word(rec::enginePowerQualifying(2)), 15000) << "the value shown is left as it is";
    EXPECT_EQ(record.word(rec::enginePowerRace(9)), 15000) << "no other value is touched";
    const SettingsRecord before = record;
    EXPECT_THROW(editTypedTeamPower(record, PowerKind::Qualifying, 3, "12a"), GeneralError);
    EXPECT_THROW(editTypedTeamPower(record, PowerKind::Qualifying, 3, ""), GeneralError);
    EXPECT_TRUE(record == before);
}

TEST(PowerRules, TypedHumanBoxAndStepRefuseTextThatIsNotANumber)
{
    SettingsRecord record = allTeamsAt(700, 600);
    editTypedHumanPower(record, PowerKind::OtherSessions, "1234");
    EXPECT_EQ(record.word(rec::kHumanPowerRace), 1234);
    const SettingsRecord before = record;
    EXPECT_THROW(editTypedHumanPower(record, PowerKind::Qualifying, "lots"), GeneralError);
    EXPECT_THROW(shiftShownTeams(record, PowerKind::Qualifying, "1e2", true), GeneralError);
    EXPECT_TRUE(record == before);
    shiftShownTeams(record, PowerKind::Qualifying, "50", false);
    EXPECT_EQ(record.word(rec::enginePowerQualifying(1)), 650);
    EXPECT_EQ(record.word(rec::enginePowerRace(1)), 600);
}

TEST(PowerRules, OffsetsOfTheChosenKind)
{
    EXPECT_EQ(teamPowerOffset(PowerKind::Qualifying, 1), 0x5C1u);
    EXPECT_EQ(teamPowerOffset(PowerKind::OtherSessions, 1), 0x5C1u + 40);
    EXPECT_EQ(humanPowerOffset(PowerKind::Qualifying), 0x922u);
    EXPECT_EQ(humanPowerOffset(PowerKind::OtherSessions), 0x924u);
}

} // namespace
