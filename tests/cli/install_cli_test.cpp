#include "support/install_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

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

} // namespace
