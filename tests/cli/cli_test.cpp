// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_fixture.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {
namespace fs = std::filesystem;
using kvrtest::Cli;
using kvrtest::readFile;
using kvrtest::snapshot;
using kvrtest::TempDir;
using Bytes = std::vector<std::uint8_t>;

TEST_F(Cli, DemoGameImportExportRoundTrip)
{
    makeGame("4");
    auto v = cli({"version", "--game", game().string()});
    EXPECT_EQ(v.exitCode, 0);
    EXPECT_EQ(v.out, "4 Version francaise 1.0b\n");

    auto imp = cli({"import", "--game", game().string(), "--output", file("a.KVS").string(), "--home", home().string()});
    ASSERT_EQ(imp.exitCode, 0) << imp.err;
    EXPECT_EQ(imp.out, "All data has been imported!\n");
    EXPECT_EQ(fs::file_size(file("a.KVS")), 2846u);

    auto exp = cli({"export", "--game", game().string(), "--input", file("a.KVS").string(), "--home", home().string()});
    ASSERT_EQ(exp.exitCode, 0) << exp.err;
    auto again = cli({"import", "--game", game().string(), "--output", file("b.KVS").string(), "--home", home().string()});
    ASSERT_EQ(again.exitCode, 0);
    EXPECT_EQ(readFile(file("a.KVS")), readFile(file("b.KVS")));
}

TEST_F(Cli, DeclinedTrackQuestionStopsWithANoteAndExitZero)
{
    makeGame();
    fs::remove_all(game() / "CIRCUITS");
    auto r = cli({"import", "--game", game().string(), "--output", file("a.KVS").string(), "--home", home().string()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "") << "no final message";
    EXPECT_NE(r.err.find("You have not installed track files on your hard disk."), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Stopped before the track data"), std::string::npos);
    EXPECT_TRUE(fs::exists(file("a.KVS")));

    // With --yes and the CD the files come over.
    const auto cd = cli({"demo-game", file("other").string(), "--cd-folder", file("cd").string(), "--home", home().string()});
    ASSERT_EQ(cd.exitCode, 0) << cd.err;
    auto yes = cli({"import", "--game", game().string(), "--output", file("b.KVS").string(), "--home", home().string(),
                    "--yes", "--cd", file("cd").string()});
    EXPECT_EQ(yes.exitCode, 0) << yes.err;
    EXPECT_NE(yes.out.find("Put \"Kavorra\" CD into CD drive"), std::string::npos);
    EXPECT_NE(yes.out.find("All data has been imported!"), std::string::npos);
    EXPECT_TRUE(fs::exists(game() / "CIRCUITS" / "F1CT16.DAT"));
}

// Only a missing --cd is a cancelled CD dialog: a folder named with --cd that does not
// hold the game CD stops before the track data with the track file error.
TEST_F(Cli, ACdFolderThatCannotServeIsAnError)
{
    const char* kInsertCd = "Put \"Kavorra\" CD into CD drive, and hit \"OK\" when you are ready!\n";
    makeGame();
    fs::remove_all(game() / "CIRCUITS");
    const auto made = cli({"demo-game", file("other").string(), "--cd-folder", file("cd").string(), "--home",
                           home().string()});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    fs::create_directories(file("empty"));
    fs::create_directories(file("exe-only"));
    fs::copy_file(file("cd") / "KVR.EXE", file("exe-only") / "KVR.EXE");
    fs::copy(file("cd"), file("damaged"), fs::copy_options::recursive);
    fs::resize_file(file("damaged") / "CIRCUITS" / "F1CT05.DAT", 100);
    const fs::path pristine = file("pristine");
    fs::copy(game(), pristine, fs::copy_options::recursive);
    auto imp = cli({"import", "--game", game().string(), "--output", file("a.KVS").string(), "--home",
                    home().string()});
    ASSERT_EQ(imp.exitCode, 0) << imp.err;

    struct Case {
        const char* what;
        fs::path cd;
        std::string says;
    };
    const Case cases[] = {
        {"an empty folder", file("empty"), "KVR.EXE: there is no such file, so this is not the game CD"},
        {"no such folder", file("nowhere"), "KVR.EXE: there is no such file, so this is not the game CD"},
        {"KVR.EXE without CIRCUITS", file("exe-only"), "F1CT01.DAT: the file cannot be read"},
        {"a cut track file", file("damaged"), "F1CT05.DAT: it is 100 bytes long"},
    };
    for (const Case& c : cases) {
        for (const std::string command : {"import", "export"}) {
            fs::remove_all(game());
            fs::copy(pristine, game(), fs::copy_options::recursive);
            const std::string settings = file(command == "import" ? "b.KVS" : "a.KVS").string();
            const auto r = cli({command, "--game", game().string(), command == "import" ? "--output" : "--input",
                                settings, "--home", home().string(), "--yes", "--cd", c.cd.string()});
            EXPECT_EQ(r.exitCode, 1) << command << ", " << c.what << ": " << r.err;
            EXPECT_NE(r.err.find("Cannot copy track file!\n"), std::string::npos) << c.what << ": " << r.err;
            EXPECT_NE(r.err.find(c.says), std::string::npos) << c.what << ": " << r.err;
            EXPECT_NE(r.err.find("Stopped before the track data: the track files are missing."), std::string::npos)
                << c.what << ": " << r.err;
            EXPECT_EQ(r.out, std::string(kInsertCd)) << c.what << ": no final message";
            EXPECT_FALSE(fs::exists(game() / "CIRCUITS" / "F1CT01.DAT")) << c.what;
        }
    }
}

// A settings file saved while the track data was unread holds none: its export reads the
// game's track data instead of writing zeros into the track files.
TEST_F(Cli, ASettingsFileWithoutTrackDataLeavesTheTrackFilesAlone)
{
    makeGame();
    fs::rename(game() / "CIRCUITS", file("circuits"));
    auto r = cli({"import", "--game", game().string(), "--output", file("a.KVS").string(), "--home", home().string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    fs::remove_all(game() / "CIRCUITS"); // the empty folder the track question leaves
    fs::rename(file("circuits"), game() / "CIRCUITS");
    const auto before = snapshot(game() / "CIRCUITS");
    auto exp = cli({"export", "--game", game().string(), "--input", file("a.KVS").string(), "--home", home().string()});
    ASSERT_EQ(exp.exitCode, 0) << exp.err;
    EXPECT_TRUE(snapshot(game() / "CIRCUITS") == before);
    auto only = cli({"export", "--game", game().string(), "--input", file("a.KVS").string(), "--only", "tracks",
                     "--home", home().string()});
    EXPECT_EQ(only.exitCode, 3);
    EXPECT_NE(only.err.find("holds no track data"), std::string::npos) << only.err;
    EXPECT_TRUE(snapshot(game() / "CIRCUITS") == before);
}

TEST_F(Cli, DemoGameFromTheProgramsOwnDataHasItsTextures)
{
    // The shipped data holds the demo textures: the start-up helmet import needs the sheet.
    const auto r = cli({"demo-game", game().string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(fs::is_regular_file(game() / "GAMEJAMS" / "HELMETS1.JAM"));
}

TEST_F(Cli, ExitCodes)
{
    makeGame();
    auto good = cli({"import", "--game", game().string(), "--output", file("a.KVS").string(), "--home", home().string()});
    ASSERT_EQ(good.exitCode, 0);

    Bytes exe = readFile(game() / "KVR.EXE");
    exe.resize(0x1D0000);
    kvrtest::writeFile(game() / "KVR.EXE", exe);
    const auto before = snapshot(game());
    for (const char* command : {"import", "export"}) {
        std::vector<std::string> args = {command, "--game", game().string(), "--home", home().string(), "--yes"};
        if (std::string(command) == "import")
            args.insert(args.end(), {"--output", file("b.KVS").string()});
        else
            args.insert(args.end(), {"--input", file("a.KVS").string()});
        auto r = cli(args);
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), " File access error! ") << command;
        EXPECT_TRUE(snapshot(game()) == before) << command << " touched a file";
    }
    EXPECT_FALSE(fs::exists(file("b.KVS"))) << "a failed import saves nothing";

    EXPECT_EQ(cli({"import", "--game", game().string()}).exitCode, 2) << "missing --output";
    EXPECT_EQ(cli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(cli({"import", "--game", game().string(), "--output", "x", "--names", "both"}).exitCode, 2);
    auto missing = cli({"to-json", file("nothing.KVS").string()});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1) << "one line: " << missing.err;
    EXPECT_EQ(cli({"demo-game", file("g5").string(), "--language", "5", "--home", home().string()}).exitCode, 3);
}

TEST_F(Cli, ChecksumWritesAndVerifies)
{
    kvrtest::writeFile(file("s.SAV"), {0x61, 0x62, 0x63, 0, 0, 0, 0});
    EXPECT_EQ(cli({"checksum", "--verify", file("s.SAV").string()}).exitCode, 4)
        << "a mismatch is an answer, not a game file access error (1)";
    EXPECT_EQ(cli({"checksum", file("s.SAV").string()}).exitCode, 0);
    EXPECT_EQ(readFile(file("s.SAV")), (Bytes{0x61, 0x62, 0x63, 0x26, 0x01, 0xB3, 0x1B}));
    EXPECT_EQ(cli({"checksum", "--verify", file("s.SAV").string()}).exitCode, 0);
    EXPECT_EQ(cli({"checksum", file("missing").string()}).exitCode, 3);
}

TEST_F(Cli, JsonRoundTripIsExactForAnyBytes)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        kvr::SettingsRecord r;
        std::mt19937 rng(seed);
        for (auto& b : r.bytes())
            b = std::uint8_t(rng());
        ASSERT_TRUE(kvr::writeSettingsFile(file("r.KVS"), r));
        auto json = cli({"to-json", file("r.KVS").string()});
        ASSERT_EQ(json.exitCode, 0) << json.err;
        kvrtest::writeFile(file("r.json"), Bytes(json.out.begin(), json.out.end()));
        auto back = cli({"from-json", file("r.json").string(), "-o", file("back.KVS").string()});
        ASSERT_EQ(back.exitCode, 0) << back.err;
        EXPECT_EQ(readFile(file("back.KVS")), readFile(file("r.KVS"))) << "seed " << seed;
    }
}

TEST_F(Cli, JsonShowsTheEditorsValuesAndDiffNamesFields)
{
    kvr::SettingsRecord a;
    namespace rec = kvr::rec;
    a.setShortString(rec::driverName(12), 24, "R\xE9mi Example");
    a.setByte(rec::carNumber(3), 12);
    a.setByte(rec::carSelected(3), 1);
    a.setWord(rec::gripRace(5), 16000);
    a.setByte(rec::driverName(1) + 20, 0x41); // left over behind an empty name
    ASSERT_TRUE(kvr::writeSettingsFile(file("a.KVS"), a));
    auto json = cli({"to-json", file("a.KVS").string()});
    ASSERT_EQ(json.exitCode, 0);
    EXPECT_NE(json.out.find("\"R\u00e9mi Example\""), std::string::npos) << "names as text";
    EXPECT_NE(json.out.find("\"0x015\": \"41\""), std::string::npos) << "bytes no field shows are kept";

    kvr::SettingsRecord b = a;
    b.setWord(rec::gripRace(5), 16100);
    b.setByte(rec::carSelected(3), 0);
    ASSERT_TRUE(kvr::writeSettingsFile(file("b.KVS"), b));
    auto diff = cli({"diff", file("a.KVS").string(), file("b.KVS").string()});
    EXPECT_EQ(diff.exitCode, 1) << "files that differ, as diff(1) says it";
    EXPECT_EQ(cli({"diff", file("a.KVS").string(), file("a.KVS").string()}).exitCode, 0);
    EXPECT_EQ(diff.out, "car_numbers[2].selected: true -> false\ngrip.race[4]: 16000 -> 16100\n");

    kvrtest::writeFile(file("bad.json"), Bytes{'{', '}'});
    auto bad = cli({"from-json", file("bad.json").string(), "-o", file("x.KVS").string()});
    EXPECT_EQ(bad.exitCode, 3);
    EXPECT_NE(bad.err.find("is missing"), std::string::npos);
    EXPECT_FALSE(fs::exists(file("x.KVS")));
}

} // namespace

namespace {

// --only runs the editors' own import and export: only their values move.
TEST_F(Cli, OnlyMovesTheNamedEditorsValues)
{
    makeGame();
    const std::string g = game().string();
    const std::string h = home().string();
    ASSERT_EQ(cli({"import", "--game", g, "-o", file("base.KVS").string(), "--home", h}).exitCode, 0);
    kvr::SettingsRecord edited;
    ASSERT_TRUE(kvr::readSettingsFile(file("base.KVS"), edited));
    edited.setWord(kvr::rec::camera(2, 0), 0x1234);
    edited.setWord(kvr::rec::failure(3), 0x4321);
    edited.setWord(kvr::rec::kHumanWeight, 777);
    ASSERT_TRUE(kvr::writeSettingsFile(file("edited.KVS"), edited));

    const auto out = cli({"export", "--game", g, "-i", file("edited.KVS").string(), "--home", h, "--only",
                          "cameras,failures"});
    ASSERT_EQ(out.exitCode, 0) << out.err;
    EXPECT_EQ(out.out, "Data has been exported!\nData has been exported!\n");

    const auto in = cli({"import", "--game", g, "-i", file("base.KVS").string(), "-o", file("back.KVS").string(),
                         "--home", h, "--only", "cameras"});
    ASSERT_EQ(in.exitCode, 0) << in.err;
    kvr::SettingsRecord back;
    ASSERT_TRUE(kvr::readSettingsFile(file("back.KVS"), back));
    EXPECT_EQ(back.word(kvr::rec::camera(2, 0)), 0x1234);
    EXPECT_NE(back.word(kvr::rec::failure(3)), 0x4321) << "failures were not imported";
    ASSERT_EQ(cli({"import", "--game", g, "-o", file("all.KVS").string(), "--home", h}).exitCode, 0);
    kvr::SettingsRecord all;
    ASSERT_TRUE(kvr::readSettingsFile(file("all.KVS"), all));
    EXPECT_EQ(all.word(kvr::rec::failure(3)), 0x4321);
    EXPECT_NE(all.word(kvr::rec::kHumanWeight), 777) << "car tuning was not exported";

    EXPECT_EQ(cli({"import", "--game", g, "-o", file("x.KVS").string(), "--only", "names"}).exitCode, 2)
        << "an import with --only needs a base file";
    EXPECT_EQ(cli({"export", "--game", g, "-i", file("edited.KVS").string(), "--only", "wheels"}).exitCode, 2);
}

} // namespace

namespace {

TEST_F(Cli, DryRunListsTheChangesAndWritesNothing)
{
    makeGame();
    const std::string g = game().string();
    const std::string h = home().string();
    ASSERT_EQ(cli({"import", "--game", g, "-o", file("base.KVS").string(), "--home", h}).exitCode, 0);
    const auto unchanged = cli({"export", "--game", g, "-i", file("base.KVS").string(), "--home", h, "--dry-run"});
    ASSERT_EQ(unchanged.exitCode, 0) << unchanged.err;
    const std::string nothing = unchanged.out;

    kvr::SettingsRecord edited;
    ASSERT_TRUE(kvr::readSettingsFile(file("base.KVS"), edited));
    edited.setWord(kvr::rec::camera(2, 0), 0x1234);
    edited.setWord(kvr::rec::kHumanWeight, 777);
    ASSERT_TRUE(kvr::writeSettingsFile(file("edited.KVS"), edited));
    const auto before = snapshot(game());
    const auto all = cli({"export", "--game", g, "-i", file("edited.KVS").string(), "--home", h, "--dry-run"});
    const auto cameras = cli({"export", "--game", g, "-i", file("edited.KVS").string(), "--home", h, "--dry-run",
                              "--only", "cameras"});
    EXPECT_EQ(snapshot(game()), before);
    ASSERT_EQ(all.exitCode, 0) << all.err;
    ASSERT_EQ(cameras.exitCode, 0) << cameras.err;
    EXPECT_NE(all.out, nothing);
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 2) << all.out;
    EXPECT_NE(all.out.find("777"), std::string::npos) << all.out;
    EXPECT_EQ(std::count(cameras.out.begin(), cameras.out.end(), '\n'), 1) << cameras.out;
    EXPECT_EQ(cameras.out.find("777"), std::string::npos) << cameras.out;
}

} // namespace
