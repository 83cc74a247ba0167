// SPDX-License-Identifier: GPL-3.0-or-later
// The mod list's meaning, over records: two mods setting one value conflict and the later
// holds; taking the first off gives what putting only the second on gives, byte for byte;
// taking the rest off gives the record back; a value the user changed stays and is named.
#include "core/errors.h"
#include "core/settings_record.h"
#include "game/field_json.h"
#include "game/mod_list.h"
#include "game/record_patch.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {
namespace rec = kvr::rec;
using kvr::ModList;
using kvr::ModPlan;
using kvr::SettingsRecord;

kvr::ModEntry mod(const std::string& title, const std::string& changes)
{
    kvr::ModEntry m{title + ".kvpatch", kvr::parsePatch(R"({"kvpatch": 1, "changes": [)" + changes + "]}")};
    m.patch.about.title = title;
    return m;
}

// The value each change expects to replace is of its field's kind; which one does not matter here.
std::string change(const std::string& field, const std::string& to)
{
    const std::string from = to.starts_with('"') ? R"("")" : to == "true" ? "false" : "0";
    return R"({"field": ")" + field + R"(", "from": )" + from + R"(, "to": )" + to + "}";
}

// A game as delivered: every byte something, names long enough to leave text behind.
SettingsRecord game()
{
    SettingsRecord r;
    for (std::size_t i = 0; i < rec::kSize; ++i)
        r.setByte(i, std::uint8_t(i * 13 + 5));
    r.setShortString(rec::teamName(1), rec::kTeamNameChars, "Corvane Works");
    r.setByte(rec::kRandomEnginePower, 0);
    return r;
}

const std::vector<bool> kHeld(rec::kSize, true);

// A game no mod has touched yet.
ModPlan untouched(SettingsRecord record)
{
    ModPlan p;
    p.record = std::move(record);
    return p;
}

ModPlan on(const ModPlan& p, const std::vector<kvr::ModEntry>& mods)
{
    return kvr::putOnMods(p.list, p.record, kHeld, mods);
}

ModPlan off(const ModPlan& p, std::size_t i)
{
    return kvr::takeOffMod(p.list, p.record, i);
}

struct Shared {
    const char* what;
    kvr::ModEntry first;
    kvr::ModEntry second;
    const char* conflict; // as the command line lists it
};

class SharedValue : public ::testing::TestWithParam<Shared> {};

void PrintTo(const Shared& s, std::ostream* os)
{
    *os << s.what;
}

TEST_P(SharedValue, LaterHoldsAndEachTakeOffGivesWhatTheRestMake)
{
    const Shared& s = GetParam();
    const ModPlan fresh = untouched(game());
    const ModPlan both = on(on(fresh, {s.first}), {s.second});
    const auto conflicts = kvr::modConflicts(both.list);
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(kvr::conflictLine(both.list, conflicts[0]), s.conflict);
    EXPECT_EQ(conflicts[0].holds, 1u);
    EXPECT_TRUE(both.record == on(fresh, {s.first, s.second}).record);

    const ModPlan onlySecond = on(fresh, {s.second});
    const ModPlan firstOff = off(both, 0);
    EXPECT_TRUE(firstOff.record == onlySecond.record);
    EXPECT_TRUE(firstOff.list == onlySecond.list);
    EXPECT_TRUE(firstOff.kept.empty());
    EXPECT_TRUE(off(firstOff, 0).record == game());
    EXPECT_TRUE(off(firstOff, 0).list == ModList{});

    // The other order of taking off, and moving, which turns who holds.
    EXPECT_TRUE(off(off(both, 1), 0).record == game());
    const ModPlan moved = kvr::moveMod(both.list, both.record, 1, 0);
    EXPECT_TRUE(moved.record == on(fresh, {s.second, s.first}).record);
    EXPECT_EQ(kvr::modConflicts(moved.list)[0].holds, 1u);
    EXPECT_TRUE(off(off(moved, 0), 0).record == game());
    EXPECT_TRUE(kvr::parseModList(kvr::modListText(moved.list)) == moved.list);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SharedValue,
    ::testing::Values(
        Shared{"a word", mod("Wet", change("grip.race[3]", "16500") + "," + change("failures[1]", "9")),
               mod("Dry", change("grip.race[3]", "17000") + "," + change("pit_line.order[2]", "4")),
               "grip.race[3]: 1 Wet sets 16500, 2 Dry sets 17000; 2 Dry holds"},
        Shared{"a name, shorter then longer", mod("Short", change("team_names[0]", R"("Kite")")),
               mod("Long", change("team_names[0]", R"("Kestrel Racer")")),
               R"(team_names[0]: 1 Short sets "Kite", 2 Long sets "Kestrel Racer"; 2 Long holds)"},
        Shared{"a letter of a name by its byte", mod("Name", change("team_names[0]", R"("Corvane RT")")),
               mod("Letter", change("raw_bytes.0x3F1", "65")),
               R"(team_names[0]: 1 Name sets "Corvane RT", 2 Letter sets raw_bytes.0x3F1 65; 2 Letter holds)"},
        Shared{"a switch", mod("On", change("engine_power.random", "true")),
               mod("Byte", change("raw_bytes.0x927", "2")),
               "engine_power.random: 1 On sets true, 2 Byte sets raw_bytes.0x927 2; 2 Byte holds"}));

TEST(ModList, AValueTheUserChangedStaysAndIsNamed)
{
    const ModPlan fresh = untouched(game());
    const ModPlan wet = on(fresh, {mod("Wet", change("grip.race[3]", "16500") + "," + change("failures[1]", "9"))});
    SettingsRecord edited = wet.record;
    edited.setWord(rec::gripRace(4), 17000);
    const ModPlan taken = kvr::takeOffMod(wet.list, edited, 0);
    EXPECT_EQ(taken.kept, (std::vector<kvr::Message>{"kept: grip.race[3] holds 17000, not 16500 as the mods set it"}));
    EXPECT_EQ(taken.record.word(rec::gripRace(4)), 17000);
    EXPECT_EQ(taken.record.word(rec::failure(2)), game().word(rec::failure(2))) << "the rest goes back";
    EXPECT_TRUE(taken.list == ModList{});
    // A mod put on over the user's value sets it: the user chose that mod.
    const ModPlan again = kvr::putOnMods(wet.list, edited, kHeld, {mod("Dry", change("grip.race[3]", "15000"))});
    EXPECT_TRUE(again.kept.empty());
    EXPECT_EQ(again.record.word(rec::gripRace(4)), 15000);
}

TEST(ModList, LeavesOutWhatTheGameHoldsNoPlaceForAndNamesMods)
{
    std::vector<bool> held(rec::kSize, true);
    for (std::size_t i = 0; i <= rec::kDescriptionChars; ++i)
        held[rec::kDescription + i] = false;
    const ModPlan p = kvr::putOnMods(
        {}, game(), held, {mod("Words", change("description", R"("mine")") + "," + change("failures[1]", "9"))});
    EXPECT_EQ(p.leftOut,
              (std::vector<kvr::Message>{"left out: Words.kvpatch: description, which the game holds no place for"}));
    ASSERT_EQ(p.list.mods.size(), 1u);
    EXPECT_EQ(p.list.mods[0].patch.changes.size(), 1u);
    EXPECT_TRUE(p.record.shortString(rec::kDescription, rec::kDescriptionChars) ==
                game().shortString(rec::kDescription, rec::kDescriptionChars));

    const ModPlan two = on(p, {mod("Dry", change("grip.race[3]", "1"))});
    EXPECT_EQ(kvr::findMod(two.list, "Dry"), 1u);
    EXPECT_EQ(kvr::findMod(two.list, "1"), 0u);
    struct Bad {
        const char* name;
        const char* message;
    };
    for (const Bad& b :
         {Bad{"3", "There is no mod 3: the list holds 2."}, Bad{"0", "Places on the list are counted from 1."},
          Bad{"Wet", "No mod named \"Wet\" is on the list."}})
        try {
            kvr::findMod(two.list, b.name);
            ADD_FAILURE() << b.name;
        } catch (const kvr::GeneralError& e) {
            EXPECT_STREQ(e.what(), b.message);
        }
    EXPECT_THROW(on(two, {mod("Dry", change("grip.race[4]", "1"))}), kvr::GeneralError) << "one name, one mod";
}

TEST(ModList, AListEditedByHandIsRefused)
{
    const ModPlan p = on(untouched(game()), {mod("Wet", change("grip.race[3]", "16500"))});
    const std::string text = kvr::modListText(p.list);
    struct Edit {
        std::string from, to, message;
    } edits[] = {
        {R"("0x667": )", R"("0x669": )",
         "not a mod list of this program: the values before the mods do not match the "
         "values they set"},
        {R"("kvrdesk_mods": 1)", R"("kvrdesk_mods": 2)",
         "not a mod list of this program: expected \"kvrdesk_mods\": 1, \"mods\" and \"before\""},
        {R"("to": 16500)", R"("to": 65536)",
         "not a mod list of this program: mod 1: field grip.race[3]: expected a whole number from 0 to 65535"},
        {R"("file": "Wet.kvpatch")", R"("file": 5)",
         "not a mod list of this program: mod 1: expected \"file\" and \"patch\""},
    };
    for (const Edit& e : edits) {
        std::string edited = text;
        const auto at = edited.find(e.from);
        ASSERT_NE(at, std::string::npos) << e.from;
        edited.replace(at, e.from.size(), e.to);
        try {
            kvr::parseModList(edited);
            ADD_FAILURE() << e.to;
        } catch (const kvr::GeneralError& error) {
            EXPECT_EQ(error.what(), e.message);
        }
    }
}

} // namespace

// The window names a shared value as the other windows do; a byte no field holds by its place.
TEST(ModList, ASharedValueIsNamedAsTheWindowsNameIt)
{
    EXPECT_EQ(kvr::modValueLabel("grip.race[3]").english(), "Car 4 grip, other sessions");
    EXPECT_EQ(kvr::modValueLabel("raw_bytes.0x3F1").english(), "Byte 0x3F1");
    EXPECT_EQ(kvr::modValueLabel("raw_bytes.0x9999").english(), "raw_bytes.0x9999");
}
