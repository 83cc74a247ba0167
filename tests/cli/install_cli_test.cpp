// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/install_game.h"
#include "support/temp_dir.h"
#include "support/texture_samples.h"
#include "textures/jam_convert.h"
#include "textures/jam_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>

namespace {

namespace fs = std::filesystem;
using kvrtest::run;

const std::string kCli = KVR_CLI;
const char* const kInsertCd = "Put \"Kavorra\" CD into CD drive, and hit \"OK\" when you are ready!\n";

class InstallCli : public testing::Test {
protected:
    kvrtest::RunResult cli(std::vector<std::string> args, const fs::path& home = fs::path(KVR_DATA_DIR).parent_path())
    {
        args.insert(args.begin(), kCli);
        args.insert(args.end(), {"--game", g.game().string(), "--home", home.string()});
        return run(args);
    }
    kvrtest::InstallGame g;
};

TEST_F(InstallCli, CockpitTracksAndCarSet)
{
    auto cockpit = cli({"install-cockpit", "sf1"});
    EXPECT_EQ(cockpit.exitCode, 0) << cockpit.err;
    EXPECT_EQ(cockpit.out, "New cockpit installed!\n");
    EXPECT_EQ(kvrtest::readFile(g.game() / "BITMAPS" / "CPITHI.PCX"), kvrtest::readFile(g.shipped("SF1HI.PCX")));

    auto pack = cli({"install-tracks", "--pack"});
    EXPECT_EQ(pack.exitCode, 0) << pack.err;
    EXPECT_EQ(pack.out, "Tracks installed!\n");

    auto noCd = cli({"install-tracks", "--original"});
    EXPECT_EQ(noCd.exitCode, 0);
    EXPECT_EQ(noCd.out, kInsertCd);
    EXPECT_NE(noCd.err.find("Stopped: nothing was installed."), std::string::npos) << noCd.err;

    auto original = cli({"install-tracks", "--original", "--cd", g.cd().string()});
    EXPECT_EQ(original.exitCode, 0) << original.err;
    EXPECT_EQ(original.out, std::string(kInsertCd) + "Original tracks installed!\n");

    fs::create_directories(g.game() / "GAMEJAMS");
    auto cars = cli({"install-carset"});
    EXPECT_EQ(cars.exitCode, 0) << cars.err;
    EXPECT_EQ(cars.out, "New carset installed!\n");
}

TEST_F(InstallCli, ExitCodes)
{
    EXPECT_EQ(cli({"install-cockpit", "X99"}).exitCode, 2) << "no such set";
    EXPECT_EQ(cli({"install-tracks"}).exitCode, 2) << "neither --pack nor --original";
    EXPECT_EQ(cli({"install-tracks", "--pack", "--original"}).exitCode, 2);

    kvrtest::TempDir home;
    fs::copy(KVR_DATA_DIR, home / "DATA", fs::copy_options::recursive);
    fs::remove(home / "DATA" / "A18.DAT");
    const kvrtest::Snapshot before = kvrtest::snapshot(g.game());
    auto missing = cli({"install-cockpit", "A18"}, home.path());
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_NE(missing.err.find("A18.DAT: the file cannot be read"), std::string::npos) << missing.err;
    EXPECT_TRUE(kvrtest::snapshot(g.game()) == before);

    std::vector<std::uint8_t> exe = kvrtest::readFile(g.game() / "KVR.EXE");
    exe.resize(0x100000);
    kvrtest::writeFile(g.game() / "KVR.EXE", exe);
    auto shortExe = cli({"install-tracks", "--pack"});
    EXPECT_EQ(shortExe.exitCode, 1);
    EXPECT_EQ(shortExe.err.substr(0, shortExe.err.find('\n')), " File access error! ");
}

using Bytes = std::vector<std::uint8_t>;

Bytes cutBy(Bytes bytes, std::size_t n)
{
    bytes.resize(bytes.size() - n);
    return bytes;
}

Bytes flipped(Bytes bytes, std::size_t at)
{
    bytes[at] ^= 0xFF;
    return bytes;
}

// Every source is checked as what it must be before the first byte is written: a
// damaged one is named with what is wrong, exit code 3, and the game stays as it was.
TEST(InstallCliSources, DamagedSourcesAreRefusedNamingTheFileAndWhatIsWrong)
{
    struct Case {
        std::vector<std::string> command;
        std::function<void(const fs::path& data, const kvrtest::InstallGame& g)> damage;
        std::string says;
    };
    const fs::path shipped = KVR_DATA_DIR;
    const Case cases[] = {
        {{"install-cockpit", "A18"},
         [](const fs::path& d, auto&) { kvrtest::writeFile(d / "A18HI.PCX", {0x0A}); },
         "A18HI.PCX: it is 1 byte long; a PCX picture's header alone takes 128"},
        {{"install-cockpit", "A18"},
         [](const fs::path& d, auto&) { kvrtest::writeFile(d / "A18LO.PCX", kvrtest::readFile(d / "A18HI.PCX")); },
         "A18LO.PCX: it is a picture of 640 x 480 pixels; this cockpit picture must be 320 x 200"},
        {{"install-cockpit", "A18"},
         [](const fs::path& d, auto&) {
             kvrtest::writeFile(d / "A18HI.PCX", cutBy(kvrtest::readFile(d / "A18HI.PCX"), 900));
         },
         "A18HI.PCX: the 256-colour palette at its end is missing"},
        {{"install-cockpit", "A18"},
         [](const fs::path& d, auto&) {
             const Bytes b = kvrtest::readFile(d / "CPITXY.TXT");
             const std::string text = std::regex_replace(std::string(b.begin(), b.end()),
                                                         std::regex("\n  3: 0x[0-9A-F]+"), "\n  3: 0xFFFFFF");
             kvrtest::writeFile(d / "CPITXY.TXT", Bytes(text.begin(), text.end()));
         },
         "CPITXY.TXT: the table for versions 0 5, row 3: position 0xFFFFFF lies past the end of KVR.EXE"},
        {{"install-carset"},
         [](const fs::path& d, auto&) { kvrtest::writeFile(d / "BENETTON.JAM", Bytes(100, 7)); },
         "BENETTON.JAM: it is not a texture the converter can read: It is not a texture file"},
        {{"install-carset"},
         [](const fs::path& d, const kvrtest::InstallGame& g) {
             fs::create_directories(g.game() / "GAMEJAMS");
             fs::copy_file(d / "FERRARI.JAM", g.game() / "GAMEJAMS" / "FERRARI.JAM");
             kvrtest::writeFile(d / "FERRARI.JAM", kvr::encodeJam(kvr::textureFromBitmap(
                                                       kvr::encodeBitmap8(kvrtest::noisePicture(74, 15, 3)))));
         },
         "FERRARI.JAM: it is a texture of 74 x 15 pixels, but"},
        {{"install-tracks", "--pack"},
         [](const fs::path& d, auto&) { kvrtest::writeFile(d / "F1CT16.DAT", Bytes(100, 1)); },
         "F1CT16.DAT: it is 100 bytes long; a track file holds"},
        {{"install-tracks", "--pack"},
         [](const fs::path& d, auto&) {
             kvrtest::writeFile(d / "F1CT02.DAT", flipped(kvrtest::readFile(d / "F1CT02.DAT"), 9));
         },
         "F1CT02.DAT: its checksum trailer does not match its content"},
        {{"install-tracks", "--pack"},
         [](const fs::path& d, auto&) { kvrtest::writeFile(d / "TRKL.DAT", Bytes(10, 1)); },
         "TRKL.DAT: it is 10 bytes long; its block is exactly 128 bytes"},
        {{"install-tracks", "--original", "--cd", "CD"},
         [](const fs::path& d, auto&) { kvrtest::writeFile(d / "ENGTN_O.DAT", Bytes(321, 0)); },
         "ENGTN_O.DAT: it is 321 bytes long; its block is exactly 320 bytes"},
        {{"install-tracks", "--original", "--cd", "CD"},
         [](const fs::path&, const kvrtest::InstallGame& g) {
             const fs::path f = g.cd() / "CIRCUITS" / "F1CT05.DAT";
             kvrtest::writeFile(f, cutBy(kvrtest::readFile(f), 1000));
         },
         "F1CT05.DAT: its checksum trailer does not match its content"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        kvrtest::InstallGame g;
        kvrtest::TempDir home;
        fs::copy(shipped, home / "DATA", fs::copy_options::recursive);
        c.damage(home / "DATA", g);
        const kvrtest::Snapshot before = kvrtest::snapshot(g.game());
        std::vector<std::string> args = {kCli};
        for (const std::string& word : c.command)
            args.push_back(word == "CD" ? g.cd().string() : word);
        args.insert(args.end(), {"--game", g.game().string(), "--home", home.path().string()});
        const auto r = run(args);
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("installed!"), std::string::npos) << r.out;
        EXPECT_TRUE(kvrtest::snapshot(g.game()) == before);
    }
}

} // namespace
