// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/names/names_rules.h"

#include "core/settings_record.h"

#include <gtest/gtest.h>

namespace {

using namespace kvr;

SettingsRecord rosterOf(std::initializer_list<std::pair<int, int>> slotCars)
{
    SettingsRecord record;
    for (auto [slot, car] : slotCars)
        record.setByte(rec::carNumber(slot), std::uint8_t(car));
    for (int car = 1; car <= 40; ++car)
        record.setShortString(rec::driverName(car), 24, "Name " + std::to_string(car));
    return record;
}

TEST(NamesRules, TeamLineIsCutTo27Characters)
{
    SettingsRecord record;
    record.setShortString(rec::teamName(3), 13, "Thirteen Char");
    record.setShortString(rec::engineName(3), 13, "Engine Thirte");
    EXPECT_EQ(teamLine(record, 3), "Thirteen Char-Engine Thirte");  // 13 + 1 + 13 = 27, nothing cut
    record.setShortString(rec::engineName(3), 13, "");
    EXPECT_EQ(teamLine(record, 3), "Thirteen Char-");
    // A settings file may carry overlong lengths: the line still stops at 27.
    record.setShortString(rec::engineName(3), 13, "Engine Thirte");
    record.setByte(rec::teamName(3), 200);
    EXPECT_EQ(teamLine(record, 3).size(), 27u);
}

TEST(NamesRules, NamesAreCutToThirteen)
{
    SettingsRecord record;
    setTeamName(record, 2, "A much too long team name");
    setEngineName(record, 2, "Fourteen chars");
    EXPECT_EQ(record.shortString(rec::teamName(2), 13), "A much too lo");
    EXPECT_EQ(record.shortString(rec::engineName(2), 13), "Fourteen char");
    EXPECT_EQ(record.shortString(rec::teamName(1), 13), "") << "the neighbour stays";
}

TEST(NamesRules, EnabledTeamsInTeamOrder)
{
    SettingsRecord record;
    for (int team : {1, 4, 14})
        record.setByte(rec::teamEnabled(team), 1);
    record.setByte(rec::teamEnabled(15), 1);  // not a team the editors list
    EXPECT_EQ(enabledTeams(record), (std::vector<int>{1, 4, 14}));
}

struct CarNumberRow {
    const char* what;
    int number;
    bool accepted;
};

TEST(NamesRules, CarNumberChoiceKeepsTheFlagAndStaysInRange)
{
    const CarNumberRow rows[] = {
        {"lowest", 1, true}, {"highest", 40, true}, {"zero is not offered", 0, false},
        {"41 has no entry", 41, false}, {"negative", -1, false}, {"128", 128, false},
    };
    for (const CarNumberRow& r : rows) {
        SCOPED_TRACE(r.what);
        SettingsRecord record = rosterOf({{3, 9}});
        record.setByte(rec::carSelected(3), 1);
        EXPECT_EQ(setCarNumberOfSlot(record, 3, r.number), r.accepted);
        EXPECT_EQ(record.byte(rec::carNumber(3)), r.accepted ? r.number : 9);
        EXPECT_EQ(record.byte(rec::carSelected(3)), 1);
    }
}

TEST(NamesRules, NewNumberShowsTheNameStoredUnderIt)
{
    SettingsRecord record = rosterOf({{1, 3}, {2, 4}});
    EXPECT_EQ(driverNameOfSlot(record, 1), "Name 3");
    ASSERT_TRUE(setCarNumberOfSlot(record, 1, 17));
    EXPECT_EQ(driverNameOfSlot(record, 1), "Name 17");
}

TEST(NamesRules, RenamingRenamesTheCarNumber)
{
    SettingsRecord record = rosterOf({{1, 12}, {4, 12}, {2, 5}});
    ASSERT_TRUE(renameDriverOfSlot(record, 1, "Corin Malvaux with a very long tail"));
    EXPECT_EQ(driverNameOfSlot(record, 4), "Corin Malvaux with a ver") << "cut to 24, shared by car 12";
    EXPECT_EQ(driverNameOfSlot(record, 2), "Name 5");
}

TEST(NamesRules, SlotWithoutTableEntryHasNoNameAndRenamesNothing)
{
    for (int car : {0, 41, 128}) {
        SCOPED_TRACE("car " + std::to_string(car));
        SettingsRecord record = rosterOf({{7, car}});
        const SettingsRecord before = record;
        EXPECT_EQ(driverNameOfSlot(record, 7), std::nullopt);
        EXPECT_FALSE(renameDriverOfSlot(record, 7, "Intruder"));
        EXPECT_TRUE(record == before) << "no other entry may change";
    }
}

TEST(NamesRules, NumberListItems)
{
    EXPECT_EQ(carNumberItem(1), 0);
    EXPECT_EQ(carNumberItem(40), 39);
    EXPECT_EQ(carNumberItem(0), std::nullopt);
    EXPECT_EQ(carNumberItem(41), std::nullopt);
}

} // namespace
