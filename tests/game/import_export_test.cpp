// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/checksum.h"
#include "core/errors.h"
#include "core/game_dir.h"
#include "core/positions.h"
#include "core/safe_write.h"
#include "core/settings_record.h"
#include "editors/track/track_data.h"
#include "editors/tuning/patch_list.h"
#include "game/demo_game.h"
#include "game/import_export.h"
#include "game/startup_load.h"
#include "game/track_files.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>

namespace {
namespace fs = std::filesystem;
namespace rec = kvr::rec;
using kvrtest::readFile;
using kvrtest::ScriptedPrompt;
using kvrtest::TempDir;
using Bytes = std::vector<std::uint8_t>;
using Snapshot = std::map<std::string, Bytes>;

Snapshot snapshot(const fs::path& dir)
{
    Snapshot s;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            s[fs::relative(e.path(), dir).string()] = readFile(e.path());
    return s;
}

class GameFixture {
public:
    explicit GameFixture(int version = 0)
    {
        fs::create_directories(m_dir / "home" / "DATA");
        kvr::writePatchList(m_dir / "home" / "DATA" / "PLT.DAT", kvr::defaultPatchList());
        kvr::makeDemoGame(game(), version, m_dir / "home" / "DATA" / "PLT.DAT");
        context.config = kvr::Configuration::forExecutable(game() / "KVR.EXE");
        context.version = version;
        context.home = kvr::EditorHome::inFolder(m_dir / "home");
    }
    fs::path game() const { return m_dir / "game"; }
    fs::path dir() const { return m_dir.path(); }

    kvr::GameContext context;

private:
    TempDir m_dir;
};

kvr::SequenceEnd importAll(const kvr::GameContext& context, kvr::SettingsRecord& r, ScriptedPrompt& prompt)
{
    bool trackDataKnown = false;
    return kvr::importAllData(context, r, prompt, trackDataKnown);
}

// An export of a record whose track data the user has (read, loaded or typed).
kvr::SequenceEnd exportAll(const kvr::GameContext& context, kvr::SettingsRecord r, ScriptedPrompt& prompt)
{
    bool trackDataKnown = true;
    return kvr::exportAllData(context, r, prompt, trackDataKnown);
}

// What an import of a demo game gives: the demo values (the description is not read).
kvr::SettingsRecord imported(const kvr::GameContext& context, ScriptedPrompt& prompt)
{
    kvr::SettingsRecord r;
    r.setShortString(rec::kDescription, rec::kDescriptionChars, "no description");
    importAll(context, r, prompt);
    return r;
}

class EveryVersion : public ::testing::TestWithParam<int> {};

TEST_P(EveryVersion, ImportReadsBackEveryDemoValue)
{
    GameFixture g(GetParam());
    ScriptedPrompt prompt;
    const kvr::SettingsRecord r = imported(g.context, prompt);
    const kvr::SettingsRecord expected = kvr::demoRecord();
    for (std::size_t i = 0; i < rec::kSize; ++i)
        ASSERT_EQ(r.byte(i), expected.byte(i)) << "record offset 0x" << std::hex << i;
    EXPECT_EQ(prompt.informed, std::vector<std::string>{"All data has been imported!"});
    EXPECT_TRUE(prompt.confirmed.empty()) << "the track files are there: nothing to ask";
}

TEST_P(EveryVersion, StartUpLoadReportsEveryStepAndDetectsTheVersion)
{
    GameFixture g(GetParam());
    kvr::GameContext context = g.context;
    context.version = 0;
    kvr::SettingsRecord r;
    std::vector<int> bars;
    kvr::startupLoad(context, r, [&](int bar) { bars.push_back(bar); });
    std::vector<int> expected;
    for (int bar = 8; bar <= 88; bar += 4)
        expected.push_back(bar);
    expected.push_back(92);
    EXPECT_EQ(bars, expected);
    EXPECT_EQ(context.version, GetParam());
    EXPECT_EQ(context.config.languageVersion, GetParam());
    // Everything but the track data (read on entering the track editor) and the description.
    const kvr::SettingsRecord demo = kvr::demoRecord();
    for (std::size_t i = 0; i < rec::kSize; ++i) {
        const bool notLoaded = (i >= rec::kTrackData && i < rec::kTrackData + 16 * rec::kTrackRecordSize) ||
                               (i >= rec::kDescription && i < rec::kDescription + 256);
        if (!notLoaded) {
            ASSERT_EQ(r.byte(i), demo.byte(i)) << "record offset 0x" << std::hex << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryVersion, ::testing::Values(0, 1, 2, 3, 4, 6));

std::vector<std::uint32_t> trackPatchPositions()
{
    std::vector<std::uint32_t> p;
    for (auto [from, count] : {std::pair{0x10C032u, 5u}, {0x10C073u, 5u}, {0x10C180u, 2u}, {0x10EAEBu, 2u}})
        for (std::uint32_t i = 0; i < count; ++i)
            p.push_back(from + i);
    return p;
}

TEST(ExportAll, UnchangedRecordRewritesTheSameBytes)
{
    GameFixture g;
    const Snapshot before = snapshot(g.game());
    ScriptedPrompt prompt;
    const kvr::SettingsRecord r = imported(g.context, prompt);
    ASSERT_EQ(snapshot(g.game()), before) << "an import writes nothing";

    ASSERT_EQ(exportAll(g.context, r, prompt), kvr::SequenceEnd::Completed);
    Snapshot after = snapshot(g.game());
    ASSERT_TRUE(after.count("KVR.EXE.orig"));
    EXPECT_EQ(after["KVR.EXE.orig"], before.at("KVR.EXE")) << "the pristine copy is the game as it was";
    after.erase("KVR.EXE.orig");

    // Only the track patch differs, and it is there now.
    Bytes exe = after["KVR.EXE"];
    for (std::uint32_t p : trackPatchPositions()) {
        EXPECT_EQ(exe[p], 0x90) << p;
        exe[p] = before.at("KVR.EXE")[p];
    }
    after["KVR.EXE"] = exe;
    for (const auto& [name, bytes] : before)
        EXPECT_TRUE(after[name] == bytes) << name << " changed";
    EXPECT_EQ(prompt.informed.back(), "All data has been exported!");

    // A second export changes nothing at all.
    const Snapshot once = snapshot(g.game());
    exportAll(g.context, r, prompt);
    EXPECT_TRUE(snapshot(g.game()) == once);
}

TEST(ExportAll, EditedValuesReachEveryFileWithFreshChecksums)
{
    GameFixture g;
    ScriptedPrompt prompt;
    kvr::SettingsRecord r = imported(g.context, prompt);
    r.setShortString(rec::driverName(7), rec::kDriverNameChars, "Changed Driver");
    r.setByte(rec::cockpitColour(2, 1), 120);
    r.setByte(rec::trackData(3, 0), r.byte(rec::trackData(3, 0)) ^ 1);
    r.setWord(rec::kHumanWeight, 1234);
    exportAll(g.context, r, prompt);

    EXPECT_TRUE(kvr::verifyChecksumFile(g.game() / "F1GSTATE.SAV"));
    for (int t = 1; t <= 16; ++t) {
        char name[32];
        std::snprintf(name, sizeof name, "CIRCUITS/F1CT%02d.DAT", t);
        EXPECT_TRUE(kvr::verifyChecksumFile(g.game() / name)) << name;
    }
    ScriptedPrompt again;
    const kvr::SettingsRecord back = imported(g.context, again);
    EXPECT_EQ(back, r);
}

struct SourceCase {
    const char* what;
    bool stateFile;
    bool namesInState;
    bool cockpitInState;
};

class SourceChoice : public ::testing::TestWithParam<SourceCase> {};

// Names and cockpit colours go where the choices say, and come back from there.
TEST_P(SourceChoice, NamesAndCockpitColoursFollowTheChoice)
{
    const SourceCase c = GetParam();
    GameFixture g;
    if (!c.stateFile)
        fs::remove(g.game() / "F1GSTATE.SAV");
    g.context.config.namesInStateFile = c.namesInState;
    g.context.config.cockpitColoursInStateFile = c.cockpitInState;
    ScriptedPrompt prompt;
    kvr::SettingsRecord r = imported(g.context, prompt);
    const Snapshot before = snapshot(g.game());

    r.setShortString(rec::teamName(5), rec::kTeamNameChars, "Renamed");
    r.setByte(rec::cockpitColour(5, 0), 77);
    exportAll(g.context, r, prompt);
    const Snapshot after = snapshot(g.game());

    EXPECT_EQ(after.count("F1GSTATE.SAV"), c.stateFile ? 1u : 0u) << "no state file is ever made";
    if (c.stateFile) {
        const Bytes& s0 = before.at("F1GSTATE.SAV");
        const Bytes& s1 = after.at("F1GSTATE.SAV");
        const bool namesChanged = !std::equal(s0.begin() + kvr::statepos::kTeamNames,
                                              s0.begin() + kvr::statepos::kTeamNames + 14 * 14,
                                              s1.begin() + kvr::statepos::kTeamNames);
        EXPECT_EQ(namesChanged, c.namesInState);
        const bool cockpitChanged = !std::equal(s0.begin() + kvr::statepos::kCockpitColours,
                                                s0.begin() + kvr::statepos::kCockpitColours + 60,
                                                s1.begin() + kvr::statepos::kCockpitColours);
        EXPECT_EQ(cockpitChanged, c.cockpitInState);
        EXPECT_TRUE(kvr::verifyChecksumFile(g.game() / "F1GSTATE.SAV"));
    }

    // The executable always gets both.
    g.context.config.namesInStateFile = false;
    g.context.config.cockpitColoursInStateFile = false;
    ScriptedPrompt p2;
    const kvr::SettingsRecord fromExe = imported(g.context, p2);
    EXPECT_EQ(fromExe.shortString(rec::teamName(5), rec::kTeamNameChars), "Renamed");
    EXPECT_EQ(fromExe.byte(rec::cockpitColour(5, 0)), 77);
}

INSTANTIATE_TEST_SUITE_P(Cases, SourceChoice,
                         ::testing::Values(SourceCase{"both in the state file", true, true, true},
                                           SourceCase{"names in the executable", true, false, true},
                                           SourceCase{"cockpit colours in the executable", true, true, false},
                                           SourceCase{"no state file", false, true, true}));

TEST(ImportAll, WithoutTheStateFileNamesComeFromTheExecutable)
{
    GameFixture g;
    // Make the two files disagree, then take the state file away.
    ScriptedPrompt prompt;
    kvr::SettingsRecord r = imported(g.context, prompt);
    r.setShortString(rec::driverName(1), rec::kDriverNameChars, "Only In The Executable");
    g.context.config.namesInStateFile = false;
    exportAll(g.context, r, prompt);
    g.context.config.namesInStateFile = true;
    ScriptedPrompt p1;
    EXPECT_NE(imported(g.context, p1).shortString(rec::driverName(1), 24), "Only In The Executable");
    fs::remove(g.game() / "F1GSTATE.SAV");
    ScriptedPrompt p2;
    EXPECT_EQ(imported(g.context, p2).shortString(rec::driverName(1), 24), "Only In The Executable");
}

TEST(TrackStep, DeclinedImportKeepsTheBlocksAndSaysNothing)
{
    GameFixture g;
    fs::remove_all(g.game() / "CIRCUITS");
    ScriptedPrompt prompt;
    prompt.confirmAnswers = {false};
    kvr::SettingsRecord r;
    EXPECT_EQ(importAll(g.context, r, prompt), kvr::SequenceEnd::TrackFilesDeclined);
    EXPECT_EQ(prompt.confirmed, std::vector<std::string>{kvr::trackfiles::kInstallQuestion});
    EXPECT_TRUE(prompt.informed.empty());
    const kvr::SettingsRecord demo = kvr::demoRecord();
    EXPECT_EQ(r.shortString(rec::driverName(3), 24), demo.shortString(rec::driverName(3), 24));
    for (std::size_t i = 0; i < 16 * rec::kTrackRecordSize; ++i)
        EXPECT_EQ(r.byte(rec::kTrackData + i), 0) << "no track data read";
}

TEST(TrackStep, AcceptedImportCopiesTheTrackFilesFromTheCd)
{
    GameFixture g;
    fs::remove_all(g.game() / "CIRCUITS");
    kvr::makeDemoCd(g.dir() / "cd", 0, g.context.patchList());
    ScriptedPrompt prompt;
    prompt.confirmAnswers = {true};
    prompt.fileAnswers = {kvr::findInDir(g.dir() / "cd", "KVR.EXE")};
    kvr::SettingsRecord r;
    EXPECT_EQ(importAll(g.context, r, prompt), kvr::SequenceEnd::Completed);
    EXPECT_EQ(prompt.informed.back(), "All data has been imported!");
    EXPECT_TRUE(fs::exists(g.game() / "CIRCUITS" / "F1CT16.DAT"));
    const kvr::SettingsRecord demo = kvr::demoRecord();
    for (std::size_t i = 0; i < 16 * rec::kTrackRecordSize; ++i)
        EXPECT_EQ(r.byte(rec::kTrackData + i), demo.byte(rec::kTrackData + i));
}

TEST(TrackStep, DeclinedExportStillWritesTheBlocksAndThePatch)
{
    GameFixture g;
    fs::remove_all(g.game() / "CIRCUITS");
    ScriptedPrompt prompt;
    prompt.confirmAnswers = {false};
    kvr::SettingsRecord r = kvr::demoRecord();
    r.setWord(rec::kComputerWeight, 999);
    EXPECT_EQ(exportAll(g.context, r, prompt), kvr::SequenceEnd::TrackFilesDeclined);
    EXPECT_TRUE(prompt.informed.empty());
    const Bytes exe = readFile(g.game() / "KVR.EXE");
    EXPECT_EQ(exe[kvr::positionOf(kvr::Row::ComputerWeight, 0)], 999 & 0xFF);
    EXPECT_EQ(exe[0x10C032], 0x90);
}

TEST(ExportAll, AFailingBlockLeavesEveryFileAsItWas)
{
    GameFixture g;
    // Cut the executable inside the names: the first blocks fit, a later one does not.
    Bytes exe = readFile(g.game() / "KVR.EXE");
    exe.resize(kvr::positionOf(kvr::Row::DriverNames, 0) + 100);
    kvrtest::writeFile(g.game() / "KVR.EXE", exe);
    const Snapshot before = snapshot(g.game());
    ScriptedPrompt prompt;
    kvr::SettingsRecord r = kvr::demoRecord();
    r.setShortString(rec::teamName(1), 13, "Changed");
    EXPECT_THROW(exportAll(g.context, r, prompt), kvr::FileAccessError);
    EXPECT_TRUE(snapshot(g.game()) == before) << "no file was touched, no backup made";
}

// The blocks, the track patch and the tyre table reach KVR.EXE in one replacement: no
// moment holds the new blocks beside the old tyre table.
TEST(ExportAll, ReplacesKvrExeOnce)
{
    GameFixture g;
    ScriptedPrompt prompt;
    kvr::SettingsRecord r = imported(g.context, prompt);
    r.setShortString(rec::teamName(1), 13, "Changed");
    kvr::TrackSetup s = kvr::trackSetup(r, 3);
    s.tyreConsumption = std::uint16_t(s.tyreConsumption + 5);
    kvr::setTrackSetup(r, 3, s);
    int replaced = 0;
    kvr::setWriteFileHook([&](kvr::WriteStep step, const fs::path& file) {
        replaced += step == kvr::WriteStep::Rename && file.filename() == "KVR.EXE";
    });
    const kvr::SequenceEnd end = exportAll(g.context, r, prompt);
    kvr::setWriteStepHook(nullptr);
    EXPECT_EQ(end, kvr::SequenceEnd::Completed);
    EXPECT_EQ(replaced, 1);
    ScriptedPrompt again;
    const kvr::SettingsRecord back = imported(g.context, again);
    EXPECT_EQ(back.shortString(rec::teamName(1), 13), "Changed");
    EXPECT_EQ(kvr::trackSetup(back, 3).tyreConsumption, s.tyreConsumption);
}

TEST(ExportAll, ADamagedPatchListStopsBeforeAnyWrite)
{
    GameFixture g;
    kvrtest::writeFile(g.context.patchList(), {1, 2, 3});
    const Snapshot before = snapshot(g.game());
    ScriptedPrompt prompt;
    EXPECT_THROW(exportAll(g.context, kvr::demoRecord(), prompt), kvr::GeneralError);
    EXPECT_TRUE(snapshot(g.game()) == before);
}

TEST(ExportAll, OnlyTheFirstVersionWritesTheSplitSwitch)
{
    for (int v : {0, 2}) {
        GameFixture g(v);
        ScriptedPrompt prompt;
        kvr::SettingsRecord r = imported(g.context, prompt);
        r.setByte(rec::kSplitSwitch, r.byte(rec::kSplitSwitch) ? 0 : 1);
        exportAll(g.context, r, prompt);
        ScriptedPrompt again;
        const kvr::SettingsRecord back = imported(g.context, again);
        if (v == 0) {
            EXPECT_EQ(back.byte(rec::kSplitSwitch), r.byte(rec::kSplitSwitch));
        } else {
            EXPECT_NE(back.byte(rec::kSplitSwitch), r.byte(rec::kSplitSwitch)) << "version " << v << " read, never written";
        }
    }
}

} // namespace
