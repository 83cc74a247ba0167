// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codecs.h"
#include "core/settings_record.h"
#include "editors/track/track_data.h"
#include "editors/tuning/patch_list.h"
#include "editors/tuning/tuning_blocks.h"
#include "game/block_table.h"
#include "game/demo_game.h"
#include "game/import_export.h"
#include "game/startup_load.h"
#include "game/track_files.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <random>

namespace {
namespace fs = std::filesystem;
namespace rec = kvr::rec;
using kvr::Editor;
using kvrtest::ScriptedPrompt;

struct Game {
    kvrtest::TempDir dir;
    kvr::GameContext context;

    explicit Game(int version = 0)
    {
        fs::create_directories(dir / "DATA");
        kvr::writePatchList(dir / "DATA" / "PLT.DAT", kvr::defaultPatchList());
        kvr::makeDemoGame(dir / "game", version, dir / "DATA" / "PLT.DAT");
        context.config = kvr::Configuration::forExecutable(dir / "game" / "KVR.EXE");
        context.version = version;
        context.home = kvr::EditorHome::inFolder(dir.path());
    }

    // Everything the game holds, read into a copy of `start`.
    kvr::SettingsRecord import(kvr::SettingsRecord start) const
    {
        ScriptedPrompt prompt;
        bool known = false;
        EXPECT_EQ(kvr::importAllData(context, start, prompt, known), kvr::SequenceEnd::Completed);
        return start;
    }
};

// The places of the settings record each editor owns.
struct Owned {
    Editor editor;
    std::size_t offset;
    std::size_t size;
};

const Owned kOwners[] = {
    {Editor::Names, rec::kDriverNames, 1000},   {Editor::Names, rec::kTeamNames, 196},
    {Editor::Names, rec::kEngineNames, 196},    {Editor::Names, rec::kCarNumbers, 80},
    {Editor::Names, rec::kTeamEnabled, 20},     {Editor::Names, rec::kNumberZero, 1},
    {Editor::Power, rec::kEnginePower, 80},     {Editor::Power, rec::kHumanPowerQualifying, 4},
    {Editor::Power, rec::kRandomEnginePower, 1}, {Editor::Grip, rec::kGripQualifying, 160},
    {Editor::Grip, rec::kGripRange, 80},        {Editor::Failures, rec::kFailures, 40},
    {Editor::PitLine, rec::kPitOrder, 14},      {Editor::PitLine, rec::kPitSpeedCheck, 1},
    {Editor::PitLine, rec::kPitSpeedLimit, 2},  {Editor::Cockpit, rec::kCockpitColours, 60},
    {Editor::PitCrew, rec::kPitCrewColours, 224}, {Editor::Cameras, rec::kCameras, 176},
    {Editor::Tuning, rec::kOpponentFuelSwitch, 3}, {Editor::Tuning, rec::kHumanWeight, 6},
    {Editor::Tuning, rec::kLedColour[0], 10},   {Editor::Noses, rec::kNoses, 14},
    {Editor::Tracks, rec::kTrackData, 16 * rec::kTrackRecordSize},
};

// A record in which every value the game files hold differs from `game`'s, so a block
// that is not written, or not read back, shows.
kvr::SettingsRecord everyValueChanged(const kvr::SettingsRecord& game, int version, unsigned seed)
{
    std::mt19937 random(seed);
    auto other = [&](std::uint8_t b) { return std::uint8_t(b + 1 + random() % 255); };
    kvr::SettingsRecord r = game;
    for (const Owned& o : kOwners)
        for (std::size_t i = o.offset; i < o.offset + o.size; ++i)
            r.setByte(i, other(game.byte(i)));
    // Names are short strings: the bytes after the text are not the game's.
    for (std::size_t i = rec::kDriverNames; i < rec::kCarNumbers; ++i)
        r.setByte(i, game.byte(i));

    auto name = [&](std::size_t at, std::size_t chars) {
        std::string text(1 + random() % chars, 'A');
        for (char& c : text)
            c = char('A' + random() % 26);
        if (text == game.shortString(at, chars))
            text += text.size() < chars ? "Z" : "";
        r.setShortString(at, chars, text);
    };
    for (int car = 1; car <= rec::kDrivers; ++car)
        name(rec::driverName(car), rec::kDriverNameChars);
    for (int team = 1; team <= rec::kTeams; ++team) {
        name(rec::teamName(team), rec::kTeamNameChars);
        name(rec::engineName(team), rec::kTeamNameChars);
    }
    // Numbers that can carry the selected flag, each slot another number and flag.
    for (int slot = 1; slot <= rec::kDrivers; ++slot) {
        const int was = game.byte(rec::carNumber(slot));
        r.setByte(rec::carNumber(slot), std::uint8_t(1 + (was + random() % 126) % 127));
        r.setByte(rec::carSelected(slot), kvr::flagByte(game.byte(rec::carSelected(slot)) == 0));
    }
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        r.setByte(rec::teamEnabled(team), team <= rec::kTeams ? 1 : game.byte(rec::teamEnabled(team)));
    for (std::size_t flag : {rec::kNumberZero, rec::kRandomEnginePower, rec::kPitSpeedCheck, rec::kOpponentFuelSwitch,
                             rec::kTeamPerformanceSwitch, rec::kSplitSwitch})
        r.setByte(flag, kvr::flagByte(game.byte(flag) == 0));
    for (int team = 1; team <= rec::kTeams; ++team)
        r.setByte(rec::nose(team), kvr::flagByte(game.byte(rec::nose(team)) == 0));
    // The split switch is written only into the first version.
    if (!kvr::splitSwitchWritable(version))
        r.setByte(rec::kSplitSwitch, game.byte(rec::kSplitSwitch));
    return r;
}

class AllData : public ::testing::TestWithParam<int> {};

// Every value reaches its file and comes back: what was exported is what is imported.
TEST_P(AllData, EveryValueMakesTheRoundTrip)
{
    Game g(GetParam());
    const kvr::SettingsRecord before = g.import(kvr::demoRecord());
    const kvr::SettingsRecord changed = everyValueChanged(before, GetParam(), 7u + unsigned(GetParam()));
    kvr::SettingsRecord exported = changed;
    ScriptedPrompt prompt;
    bool known = true;
    ASSERT_EQ(kvr::exportAllData(g.context, exported, prompt, known), kvr::SequenceEnd::Completed);
    EXPECT_EQ(exported, changed) << "an export changes nothing in the record it was given";
    const kvr::SettingsRecord back = g.import(before);
    for (std::size_t i = 0; i < rec::kSize; ++i)
        ASSERT_EQ(back.byte(i), changed.byte(i)) << "record offset 0x" << std::hex << i;
}

INSTANTIATE_TEST_SUITE_P(Languages, AllData, ::testing::Values(0, 3));

class OneEditor : public ::testing::TestWithParam<Editor> {};

// An editor's own export moves its values and nothing else; its own import reads them.
TEST_P(OneEditor, ExportAndImportMoveTheEditorsValuesOnly)
{
    const Editor editor = GetParam();
    Game g;
    const kvr::SettingsRecord before = g.import(kvr::demoRecord());
    const kvr::SettingsRecord changed = everyValueChanged(before, 0, 11u + unsigned(editor));
    kvr::SettingsRecord expected = before;
    for (const Owned& o : kOwners)
        if (o.editor == editor)
            for (std::size_t i = o.offset; i < o.offset + o.size; ++i)
                expected.setByte(i, changed.byte(i));

    ScriptedPrompt prompt;
    kvr::exportEditor(g.context, changed, prompt, editor);
    EXPECT_EQ(prompt.informed.back(), editor == Editor::Tracks ? "Tracks data has been exported!"
                                                               : "Data has been exported!");
    const kvr::SettingsRecord back = g.import(before);
    for (std::size_t i = 0; i < rec::kSize; ++i)
        ASSERT_EQ(back.byte(i), expected.byte(i)) << kvr::editorName(editor) << ", record offset 0x" << std::hex << i;

    kvr::SettingsRecord own = before;
    bool known = false;
    kvr::importEditor(g.context, own, prompt, editor, known);
    EXPECT_EQ(own, expected) << "the editor's own import reads what its export wrote";
    EXPECT_EQ(known, editor == Editor::Tracks);
}

INSTANTIATE_TEST_SUITE_P(Editors, OneEditor, ::testing::ValuesIn(kvr::allEditors().begin(), kvr::allEditors().end()),
                         [](const auto& info) { return std::string(kvr::editorName(info.param)); });

TEST(BlockTable, EditorNamesGoBothWays)
{
    for (Editor e : kvr::allEditors())
        EXPECT_EQ(kvr::editorNamed(kvr::editorName(e)), e);
    EXPECT_FALSE(kvr::editorNamed("helmets"));
}

TEST(TrackData, StartUpReadsItWhenTheTrackFilesAreThere)
{
    Game g;
    kvr::GameContext context = g.context;
    kvr::SettingsRecord r;
    EXPECT_TRUE(kvr::startupLoad(context, r));
    EXPECT_EQ(kvr::trackSetup(r, 5), kvr::trackSetup(kvr::demoRecord(), 5));

    fs::remove(g.dir / "game" / "CIRCUITS" / "F1CT07.DAT");
    kvr::SettingsRecord unread;
    unread.setByte(rec::trackData(0, 0), 0x5A);
    EXPECT_FALSE(kvr::startupLoad(context, unread));
    EXPECT_EQ(unread.byte(rec::trackData(0, 0)), 0x5A) << "the block stays as it was";
}

// After a start without track files the record holds no track values; an export that
// installs the track files reads them first instead of writing zeros into them.
TEST(TrackData, AnExportNeverWritesValuesNobodyRead)
{
    Game g;
    kvr::makeDemoCd(g.dir / "cd", 0, g.context.patchList());
    fs::remove_all(g.dir / "game" / "CIRCUITS");
    kvr::SettingsRecord r = kvr::demoRecord();
    for (int t = 0; t < rec::kTracks; ++t)
        kvr::setTrackSetup(r, t, {});
    ScriptedPrompt prompt;
    prompt.confirmAnswers = {true};
    prompt.fileAnswers = {g.dir / "cd" / "KVR.EXE"};
    bool known = false;
    ASSERT_EQ(kvr::exportAllData(g.context, r, prompt, known), kvr::SequenceEnd::Completed);
    EXPECT_TRUE(known);
    const auto cdTrack = kvrtest::readFile(g.dir / "cd" / "CIRCUITS" / "F1CT03.DAT");
    EXPECT_EQ(kvrtest::readFile(g.dir / "game" / "CIRCUITS" / "F1CT03.DAT"), cdTrack);
    EXPECT_EQ(kvr::trackSetup(r, 2), kvr::trackSetup(kvr::demoRecord(), 2)) << "the record now holds them";
}

TEST(TrackData, CancelledCdDialogStopsSayingTheFilesWereNotInstalled)
{
    Game g;
    fs::remove_all(g.dir / "game" / "CIRCUITS");
    kvr::SettingsRecord r = kvr::demoRecord();
    ScriptedPrompt prompt;
    prompt.confirmAnswers = {true};
    prompt.fileAnswers = {std::nullopt};
    bool known = true;
    EXPECT_EQ(kvr::exportAllData(g.context, r, prompt, known), kvr::SequenceEnd::TrackFilesDeclined);
    EXPECT_TRUE(prompt.warned.empty());
    EXPECT_EQ(prompt.informed, (std::vector<std::string>{kvr::trackfiles::kInsertCd, kvr::trackfiles::kNotInstalled}))
        << "no final message";
}

} // namespace
