// SPDX-License-Identifier: GPL-3.0-or-later
// What kvrdesk-cli refuses before it writes anything, and how it says so: outputs that are
// game files or inputs, settings files of another size, game files it cannot write, and
// an export preview that tells what the export will do without the track files.
#include "cli/cli_fixture.h"
#include "core/settings_file.h"
#include "core/settings_record.h"

#include <gtest/gtest.h>

namespace {
namespace fs = std::filesystem;
namespace rec = kvr::rec;
using kvrtest::readFile;
using kvrtest::snapshot;
using kvrtest::writeFile;
using Bytes = std::vector<std::uint8_t>;
using Args = std::vector<std::string>;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class Refusals : public kvrtest::Cli {
protected:
    // A demo game, its record as imported, and the same with changed grip and track data.
    void makeGameAndRecords(const std::vector<std::string>& demoOptions = {})
    {
        Args demo = {"demo-game", game().string(), "--home", home().string()};
        demo.insert(demo.end(), demoOptions.begin(), demoOptions.end());
        const auto made = cli(demo);
        ASSERT_EQ(made.exitCode, 0) << made.err;
        const auto imported = cli({"import", "--game", game().string(), "-o", file("a.KVS").string(), "--home",
                                   home().string()});
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        ASSERT_TRUE(kvr::readSettingsFile(file("a.KVS"), m_changed));
        m_changed.setWord(rec::gripRace(1), 12345);
        m_changed.setByte(rec::trackData(0, 0), std::uint8_t(m_changed.byte(rec::trackData(0, 0)) + 1));
        ASSERT_TRUE(kvr::writeSettingsFile(file("b.KVS"), m_changed));
    }
    Args withHome(Args args) const
    {
        args.insert(args.end(), {"--home", home().string()});
        return args;
    }
    kvr::SettingsRecord m_changed;
};

TEST_F(Refusals, AnOutputThatIsAGameFileOrAnInputIsRefused)
{
    makeGameAndRecords();
    const fs::path g = game();
    writeFile(file("r.json"), Bytes{'{', '}'});
    fs::copy_file(fs::path(KVR_DATA_DIR) / "Dib1.dib", file("p.bmp"));
    fs::copy_file(fs::path(KVR_DATA_DIR) / "KVR.PAL", file("p.pal"));
    struct Case {
        Args args;
        std::string says;
    };
    std::vector<Case> cases = {
        {withHome({"import", "--game", g.string(), "-o", (g / "KVR.EXE").string()}), "it is the game's KVR.EXE"},
        // Commands that know no game refuse one that their output lies in.
        {{"from-json", file("r.json").string(), "-o", (g / "KVR.EXE").string()}, "it is the game's KVR.EXE"},
        {{"picture", file("p.bmp").string(), "-o", (g / "BITMAPS" / "CPITHI.PCX").string()},
         "it is the game's BITMAPS/CPITHI.PCX"},
        // ... and their own inputs.
        {{"from-json", file("r.json").string(), "-o", file("r.json").string()}, "it is the input of this command"},
        {{"picture", file("p.bmp").string(), "-o", file("p.bmp").string()}, "it is the input of this command"},
        {{"picture", file("p.bmp").string(), "--palette", file("p.pal").string(), "-o", file("p.pal").string()},
         "it is the input of this command"},
    };
#ifndef _WIN32
    // Every way of naming a game file is in the game files' own test; one link here.
    fs::create_hard_link(g / "F1GSTATE.SAV", file("state-link"));
    fs::create_symlink(file("p.bmp"), file("picture-link"));
    cases.push_back({withHome({"import", "--game", g.string(), "-o", file("state-link").string()}),
                     "it is the game's F1GSTATE.SAV"});
    cases.push_back({{"picture", file("p.bmp").string(), "-o", file("picture-link").string()},
                     "it is the same file as the input " + file("p.bmp").string()});
#endif
    const auto game = snapshot(g);
    const auto mine = snapshot(m_dir.path());
    for (const Case& c : cases) {
        const auto r = cli(c.args);
        EXPECT_EQ(r.exitCode, 3) << c.args[0] << " -o " << c.args.back();
        EXPECT_TRUE(contains(r.err, "kvrdesk-cli: Refusing to write ")) << r.err;
        EXPECT_TRUE(contains(r.err, c.says)) << r.err;
    }
    EXPECT_TRUE(snapshot(g) == game);
    EXPECT_TRUE(snapshot(m_dir.path()) == mine) << "no input nor anything else was written";

    // The user's own files may live in the game folder.
    const auto own = cli(withHome({"import", "--game", g.string(), "-o", (g / "mine.KVS").string()}));
    EXPECT_EQ(own.exitCode, 0) << own.err;
    EXPECT_EQ(readFile(g / "mine.KVS"), readFile(file("a.KVS")));
}

TEST_F(Refusals, ASettingsFileOfAnotherSizeIsReadOnlyWithAnySize)
{
    makeGameAndRecords();
    Bytes longer = readFile(file("b.KVS"));
    longer.resize(rec::kSize + 1, 0xEE);
    writeFile(file("long.KVS"), longer);
    const std::string said = "kvrdesk-cli: " + file("long.KVS").string() +
                             " holds 2847 bytes, a settings file exactly 2846: only its first 2846 bytes would be "
                             "read, and if it is some other file they make no sense as settings. Give --any-size "
                             "to read it anyway.\n";
    const std::string g = game().string();
    const std::vector<Args> commands = {
        withHome({"export", "--game", g, "-i", file("long.KVS").string()}),
        withHome({"export", "--game", g, "-i", file("long.KVS").string(), "--dry-run"}),
        withHome({"import", "--game", g, "--only", "names", "-i", file("long.KVS").string(), "-o",
                  file("out.KVS").string()}),
        {"to-json", file("long.KVS").string()},
        {"diff", file("b.KVS").string(), file("long.KVS").string()},
    };
    const auto before = snapshot(game());
    for (const Args& args : commands) {
        const auto r = cli(args);
        EXPECT_EQ(r.exitCode, 3) << args[0];
        EXPECT_EQ(r.err, said) << args[0];
        EXPECT_EQ(r.out, "") << args[0];
    }
    EXPECT_TRUE(snapshot(game()) == before);
    EXPECT_FALSE(fs::exists(file("out.KVS")));

    // With --any-size the first record is read, as the windows do once the user agrees.
    for (Args args : commands) {
        args.push_back("--any-size");
        const auto r = cli(args);
        EXPECT_EQ(r.exitCode, 0) << args[0] << ": " << r.err;
    }
    EXPECT_FALSE(snapshot(game()) == before) << "the export ran";

    // A shorter file is no settings file, whatever the option.
    writeFile(file("short.KVS"), Bytes(100, 1));
    const auto shorter = cli({"to-json", file("short.KVS").string(), "--any-size"});
    EXPECT_EQ(shorter.exitCode, 3);
    EXPECT_TRUE(contains(shorter.err, "short.KVS holds 100 bytes, a settings file holds 2846.")) << shorter.err;
}

// However a game file fails to be written (here: no file may grow past 2 KiB, as on a full
// disk), the game is as it was and the exit code is 3, as for any output.
TEST_F(Refusals, AGameFileThatCannotBeWrittenIsExitThree)
{
#ifdef _WIN32
    GTEST_SKIP() << "file size limits are POSIX";
#else
    makeGameAndRecords();
    Bytes state = readFile(game() / "F1GSTATE.SAV");
    state.back() ^= 0xFF;
    writeFile(game() / "F1GSTATE.SAV", state);
    const std::string g = game().string();
    const std::string shipped = fs::path(KVR_DATA_DIR).parent_path().string();
    struct Case {
        Args args;
        std::string says;
    };
    const Case cases[] = {
        {withHome({"export", "--game", g, "-i", file("b.KVS").string()}), "File too large"},
        {withHome({"export", "--game", g, "-i", file("b.KVS").string(), "--only", "grip"}), "File too large"},
        {withHome({"export", "--game", g, "-i", file("b.KVS").string(), "--only", "tracks"}), "File too large"},
        {{"checksum", (game() / "F1GSTATE.SAV").string()}, "File too large"},
        {{"install-tracks", "--game", g, "--pack", "--home", shipped}, "File too large"},
        {{"install-cockpit", "--game", g, "A18", "--home", shipped}, "Cannot copy cockpit file!"},
        {{"install-carset", "--game", g, "--home", shipped}, "GAMEJAMS"},
    };
    fs::create_directories(game() / "GAMEJAMS");
    kvrtest::RunOptions full;
    full.fileSizeLimit = 2048;
    const auto before = snapshot(game());
    for (const Case& c : cases) {
        const auto r = cli(c.args, full);
        EXPECT_EQ(r.exitCode, 3) << c.args[0] << " " << c.args.back() << ": " << r.err;
        EXPECT_TRUE(contains(r.err, c.says)) << c.args[0] << ": " << r.err;
        EXPECT_EQ(r.out, "") << c.args[0] << ": the failure is no information";
        EXPECT_TRUE(snapshot(game()) == before) << c.args[0] << " " << c.args.back();
    }
#endif
}

// The preview says what the export will do when the track files are missing, and the
// export then does it.
TEST_F(Refusals, DryRunTellsWhatTheExportDoesWithoutTrackFiles)
{
    makeGameAndRecords({"--cd-folder", file("cd").string()});
    fs::remove_all(game() / "CIRCUITS");
    fs::create_directories(file("empty"));
    const fs::path pristine = file("pristine");
    fs::copy(game(), pristine, fs::copy_options::recursive);
    const std::string missing = "The track files are missing from " + (game() / "CIRCUITS").string() +
                                ", so the track data cannot be compared. ";
    const std::string allData = missing + "After the other values, the export would ask to install the track files "
                                          "from the game CD: ";
    const std::string grip = "Car 1 grip, other sessions: 16150 \u2192 12345  (grip.race[0])\n";
    struct Case {
        Args options;
        std::string preview;
        int exportExit;
        bool tracksInstalled;
    };
    const Case cases[] = {
        {{}, allData + "without --yes the answer is Cancel, and it would stop there without the track data (exit 0).\n" + grip,
         0, false},
        {{"--yes"},
         allData + "with no --cd there is nothing to copy them from, and it would stop there without the track data "
                   "(exit 0).\n" + grip,
         0, false},
        {{"--yes", "--cd", file("cd").string()},
         allData + "it would copy them from " + file("cd").string() + " and write the track data into them.\n" + grip,
         0, true},
        {{"--yes", "--cd", file("empty").string()},
         allData + "the folder " + file("empty").string() + " cannot serve (" + (file("empty") / "KVR.EXE").string() +
             ": there is no such file, so this is not the game CD), so it would stop there with the track file "
             "error (exit 1).\n" + grip,
         1, false},
        {{"--only", "tracks"},
         missing + "The export of the track data would stop with the track file error (exit 1).\n"
                   "Nothing else to change: the game holds the other values already.\n",
         1, false},
    };
    for (const Case& c : cases) {
        fs::remove_all(game());
        fs::copy(pristine, game(), fs::copy_options::recursive);
        Args args = withHome({"export", "--game", game().string(), "-i", file("b.KVS").string()});
        args.insert(args.end(), c.options.begin(), c.options.end());
        Args dry = args;
        dry.push_back("--dry-run");
        const auto preview = cli(dry);
        EXPECT_EQ(preview.exitCode, 0) << preview.err;
        EXPECT_EQ(preview.out, c.preview);
        EXPECT_TRUE(snapshot(game()) == snapshot(pristine)) << "a preview writes nothing";

        const auto done = cli(args);
        EXPECT_EQ(done.exitCode, c.exportExit) << done.err;
        EXPECT_EQ(fs::exists(game() / "CIRCUITS" / "F1CT01.DAT"), c.tracksInstalled);
    }
}

} // namespace
