// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/settings_record.h"
#include "game/record_fields.h"
#include "game/record_patch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {
namespace rec = kvr::rec;
using kvr::OnConflict;
using kvr::RecordPatch;
using kvr::SettingsRecord;

SettingsRecord randomRecord(std::mt19937& random)
{
    SettingsRecord r;
    for (std::uint8_t& b : r.bytes())
        b = std::uint8_t(random());
    return r;
}

// Random records differ everywhere, in text after a name's end and in on/off bytes
// other than 0 and 1 too; records a user made differ in a few values.
TEST(RecordPatch, AppliedToItsBaseGivesTheChangedRecordByteForByte)
{
    std::mt19937 random(22);
    for (int round = 0; round < 60; ++round) {
        const SettingsRecord a = randomRecord(random);
        SettingsRecord b = a;
        if (round % 2 == 0) {
            b = randomRecord(random);
        } else {
            for (int i = 0; i < 12; ++i)
                b.setByte(random() % rec::kSize, std::uint8_t(random()));
        }
        const RecordPatch patch = kvr::parsePatch(kvr::patchText(kvr::makePatch(a, b)));
        const kvr::PatchOutcome out = kvr::applyPatches(a, {patch});
        ASSERT_TRUE(out.record == b) << "round " << round;
        EXPECT_TRUE(out.unexpected.empty()) << out.unexpected.front().name;
        EXPECT_TRUE(out.conflicts.empty());
    }
}

TEST(RecordPatch, NamesTheFieldsThatDifferWithBothValues)
{
    SettingsRecord a;
    SettingsRecord b = a;
    b.setWord(rec::gripRace(4), 12500);
    b.setShortString(rec::teamName(2), rec::kTeamNameChars, "M\xf6we"); // Windows-1252
    RecordPatch patch = kvr::makePatch(a, b);
    patch.about = {"Wet grip", "Ann", "For rain.\nTeam 4 only.", "kvrdesk 0.1"};
    // Teams are counted from 1 in the labels, as the windows count them; the names keep
    // the places stored patches rely on.
    EXPECT_EQ(kvr::patchText(patch), R"({
  "kvpatch": 1,
  "title": "Wet grip",
  "author": "Ann",
  "description": "For rain.\nTeam 4 only.",
  "made_with": "kvrdesk 0.1",
  "changes": [
    {
      "field": "team_names[1]",
      "label": "Team 2 name",
      "from": "",
      "to": "Möwe"
    },
    {
      "field": "grip.race[3]",
      "label": "Car 4 grip, other sessions",
      "from": 0,
      "to": 12500
    }
  ]
}
)");
    EXPECT_TRUE(kvr::parsePatch(kvr::patchText(patch)) == patch);
    EXPECT_TRUE(kvr::makePatch(a, a).changes.empty());
}

// Without the exact copy: only what a window shows, no description, no leftover bytes.
TEST(RecordPatch, ValuesOnlyLeavesOutWhatNoWindowShows)
{
    SettingsRecord a;
    a.setShortString(rec::teamName(1), rec::kTeamNameChars, "Corvane RT");
    SettingsRecord b = a;
    b.setShortString(rec::teamName(1), rec::kTeamNameChars, "Kite"); // "ane RT" stays after it
    b.setShortString(rec::kDescription, rec::kDescriptionChars, "mine");
    b.setByte(rec::kUnused74B, 9);
    b.setByte(rec::kRandomEnginePower, 2); // on, by another byte than 1
    b.setWord(rec::gripRace(4), 12500);
    const RecordPatch exact = kvr::makePatch(a, b);
    EXPECT_EQ(exact.changes.size(), 5u);
    const RecordPatch values = kvr::makeValuesPatch(a, b);
    ASSERT_EQ(values.changes.size(), 3u);
    EXPECT_EQ(values.changes[0].name, "team_names[0]");
    EXPECT_EQ(values.changes[0].to, "Kite");
    EXPECT_EQ(values.changes[1].name, "engine_power.random");
    EXPECT_EQ(values.changes[2].name, "grip.race[3]");
    const SettingsRecord laid = kvr::applyPatches(a, {values}).record;
    EXPECT_EQ(laid.shortString(rec::teamName(1), rec::kTeamNameChars), "Kite");
    EXPECT_EQ(laid.byte(rec::kRandomEnginePower), 1);
    EXPECT_EQ(laid.word(rec::gripRace(4)), 12500);
    EXPECT_TRUE(laid.shortString(rec::kDescription, rec::kDescriptionChars).empty());
    EXPECT_EQ(laid.byte(rec::kUnused74B), 0);
}

std::string patchOf(const std::string& changes)
{
    return R"({"kvpatch": 1, "changes": [)" + changes + "]}";
}

struct Refusal {
    const char* what;
    std::string text;
    std::string message;
};

void PrintTo(const Refusal& r, std::ostream* os)
{
    *os << r.what;
}

class PatchRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(PatchRefusal, NamesWhatIsWrong)
{
    try {
        kvr::parsePatch(GetParam().text);
        FAIL() << "accepted";
    } catch (const kvr::GeneralError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PatchRefusal,
    ::testing::Values(
        Refusal{"a field the table does not have", patchOf(R"({"field": "grip.race[40]", "from": 0, "to": 1})"),
                "field grip.race[40]: no such field"},
        Refusal{"a word past 65535", patchOf(R"({"field": "grip.race[3]", "from": 0, "to": 65536})"),
                "field grip.race[3]: expected a whole number from 0 to 65535"},
        Refusal{"a negative byte", patchOf(R"({"field": "pit_line.order[0]", "from": -1, "to": 3})"),
                "field pit_line.order[0]: expected a whole number from 0 to 255"},
        Refusal{"a fraction", patchOf(R"({"field": "failures[2]", "from": 0, "to": 1.5})"),
                "field failures[2]: expected a whole number from 0 to 65535"},
        Refusal{"an on/off value of 2", patchOf(R"({"field": "engine_power.random", "from": false, "to": 2})"),
                "field engine_power.random: expected true or false"},
        Refusal{"a name too long",
                patchOf(R"({"field": "team_names[0]", "from": "", "to": "Abcdefghijklmnopqrstuvwxyz"})"),
                "field team_names[0]: 26 characters, the field holds at most 13"},
        Refusal{"a character the game cannot show",
                patchOf(R"({"field": "driver_names[0]", "from": "", "to": "\u4e2d"})"),
                "field driver_names[0]: \"\u4e2d\" is not a character of the game's code page (Windows-1252)"},
        Refusal{"a byte past the record's end", patchOf(R"({"field": "raw_bytes.0xB1E", "from": 0, "to": 1})"),
                "field raw_bytes.0xB1E: no such field"},
        Refusal{"a raw byte of 256", patchOf(R"({"field": "raw_bytes.0x74B", "from": 0, "to": 256})"),
                "field raw_bytes.0x74B: expected a whole number from 0 to 255"},
        Refusal{
            "one field twice",
            patchOf(R"({"field": "failures[2]", "from": 0, "to": 1}, {"field": "failures[2]", "from": 1, "to": 2})"),
            "field failures[2]: named twice in the patch"},
        Refusal{"one byte twice, spelt differently",
                patchOf(R"({"field": "raw_bytes.0x74b", "from": 0, "to": 1},
                           {"field": "raw_bytes.0x0074B", "from": 1, "to": 2})"),
                "field raw_bytes.0x74B: named twice in the patch"},
        Refusal{"a change without the value it replaces", patchOf(R"({"field": "failures[2]", "to": 1})"),
                "change 1: expected an object with \"field\", \"from\" and \"to\""},
        Refusal{"another format", R"({"kvpatch": 2, "changes": []})", "patch format 2: this editor reads format 1"},
        Refusal{"a settings file's JSON form", R"({"grip": {}})",
                "not a patch: expected an object with \"kvpatch\" and \"changes\""},
        Refusal{"a key of its own", R"({"kvpatch": 1, "changes": [], "licence": "mine"})",
                "unknown key \"licence\": a patch holds only \"kvpatch\", \"title\", \"author\", \"description\", "
                "\"made_with\" and \"changes\""}));

RecordPatch gripPatch(int from, int to)
{
    return kvr::parsePatch(patchOf(R"({"field": "grip.race[3]", "from": )" + std::to_string(from) + R"(, "to": )" +
                                   std::to_string(to) + "}"));
}

TEST(RecordPatch, TwoPatchesSettingOneValueDifferentlyConflictUnlessTheLastWins)
{
    SettingsRecord base;
    base.setWord(rec::gripRace(4), 100);
    const kvr::PatchOutcome refused = kvr::applyPatches(base, {gripPatch(100, 200), gripPatch(100, 300)});
    ASSERT_EQ(refused.conflicts.size(), 1u);
    EXPECT_EQ(kvr::conflictText(refused.conflicts[0], {"a.kvpatch", "b.kvpatch"}),
              "grip.race[3]: a.kvpatch sets 200, b.kvpatch sets 300");
    EXPECT_TRUE(refused.record == base);

    const kvr::PatchOutcome last =
        kvr::applyPatches(base, {gripPatch(100, 200), gripPatch(100, 300)}, OnConflict::LastWins);
    EXPECT_TRUE(last.conflicts.empty());
    EXPECT_EQ(last.record.word(rec::gripRace(4)), 300);
    ASSERT_EQ(last.unexpected.size(), 1u) << "the second patch expected 100, found the first one's 200";
    EXPECT_EQ(last.unexpected[0].patch, 1u);
    EXPECT_EQ(last.unexpected[0].expected, "100");
    EXPECT_EQ(last.unexpected[0].found, "200");

    // The same new value twice is no conflict; one patch after another is none either.
    EXPECT_TRUE(kvr::applyPatches(base, {gripPatch(100, 200), gripPatch(100, 200)}).conflicts.empty());
    const kvr::PatchOutcome chained = kvr::applyPatches(base, {gripPatch(100, 200), gripPatch(200, 200)});
    EXPECT_TRUE(chained.conflicts.empty());
    EXPECT_TRUE(chained.unexpected.empty());
}

TEST(RecordPatch, PreviewMarksAValueThePatchDidNotExpect)
{
    SettingsRecord current;
    current.setWord(rec::gripRace(4), 150);
    current.setWord(rec::enginePowerQualifying(3), 745);
    const RecordPatch patch = kvr::parsePatch(patchOf(
        R"({"field": "grip.race[3]", "from": 100, "to": 300},
           {"field": "engine_power.qualifying[2]", "from": 745, "to": 795},
           {"field": "raw_bytes.0x74C", "from": 0, "to": 9})"));
    const kvr::PatchOutcome out = kvr::applyPatches(current, {patch});
    std::vector<std::string> lines;
    for (const kvr::Message& line : kvr::patchPreviewLines(current, out))
        lines.push_back(line.english());
    EXPECT_EQ(lines,
              (std::vector<std::string>{"Team 3 engine, qualifying: 745 \u2192 795 BHP",
                                        "Car 4 grip, other sessions: 150 \u2192 300 (the patch expects 100)",
                                        "Byte 0x74C: 0 \u2192 9"}));
    EXPECT_EQ(kvr::patchPreviewHeading(current, out),
              "These values will change. The marked one holds something other than the value the patch expects to "
              "replace; it changes all the same:");
    EXPECT_EQ(kvr::patchPreviewHeading(out.record, kvr::applyPatches(out.record, {patch})),
              "Nothing to change: the settings hold these values already.");
}

} // namespace
