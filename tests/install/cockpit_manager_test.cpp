// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/safe_write.h"
#include "install/cockpit_definition.h"
#include "install/cockpit_manager.h"
#include "install/cockpit_patcher.h"
#include "install/xy_tables.h"
#include "support/install_game.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;
using kvrtest::InstallGame;
using kvrtest::readFile;
using kvrtest::snapshot;
using Bytes = std::vector<std::uint8_t>;

const char* const kInstalled = "New cockpit installed!";

std::uint16_t wordAt(const Bytes& b, std::uint32_t at) { return std::uint16_t(b[at] | (b[at + 1] << 8)); }

// Every place of KVR.EXE a cockpit may change in a language version.
std::set<std::uint32_t> patchPlaces(const kvr::XyTable& table)
{
    std::set<std::uint32_t> places = {0xEA3A2};
    for (const auto& row : table.rows)
        places.insert(row.begin(), row.end());
    for (std::uint32_t at : {0xE92FD, 0xE9317, 0xE9311, 0xE92F2, 0xE930C, 0xE9306, 0xE92C8, 0xE92AB, 0xE92C3, 0xE92BD})
        places.insert({at, at + 1});
    places.insert({0xE92B7, 0xE92CE});
    for (std::uint32_t k = 0; k < 28; ++k)
        for (std::uint32_t base : {0x139C7Cu, 0x139778u})
            places.insert({base + 8 * k, base + 8 * k + 1, base + 8 * k + 4, base + 8 * k + 5});
    return places;
}

class CockpitInstall : public testing::TestWithParam<int> {};

TEST_P(CockpitInstall, CopiesBothPicturesAndPatchesTheVersionsPlaces)
{
    const int version = GetParam();
    InstallGame g(version == 5 ? 0 : version);
    g.context.version = version;
    const Bytes exeBefore = readFile(g.game() / "KVR.EXE");
    const Bytes highBefore = readFile(g.game() / "BITMAPS" / "CPITHI.PCX");

    EXPECT_EQ(kvr::installCockpit(g.context, "b197", g.prompt), kvr::InstallOutcome::Installed);
    EXPECT_EQ(g.prompt.informed, (std::vector<std::string>{kInstalled}));
    EXPECT_TRUE(g.prompt.warned.empty());

    EXPECT_EQ(readFile(g.game() / "BITMAPS" / "CPITHI.PCX"), readFile(g.shipped("B197HI.PCX")));
    EXPECT_EQ(readFile(g.game() / "BITMAPS" / "CPITLOW.PCX"), readFile(g.shipped("B197LO.PCX")));
    EXPECT_EQ(readFile(g.game() / "BITMAPS" / "CPITHI.PCX.orig"), highBefore);
    EXPECT_EQ(readFile(g.game() / "KVR.EXE.orig"), exeBefore);

    const std::string name = kvr::versionedDefinitionName("B197.DAT", version);
    const kvr::CockpitDefinition d = kvr::readCockpitDefinition(g.shipped(name));
    const Bytes exe = readFile(g.game() / "KVR.EXE");
    EXPECT_EQ(exe[0xEA3A2], d.yLimit & 0xFF);
    EXPECT_EQ(wordAt(exe, 0xE9317), d.svga[0]);
    EXPECT_EQ(exe[0xE92CE], d.vga[0] & 0xFF);
    for (std::uint32_t k = 0; k < 28; ++k) {
        EXPECT_EQ(wordAt(exe, 0x139C7C + 8 * k), d.txtHigh[k][0]) << name << " text " << k;
        EXPECT_EQ(wordAt(exe, 0x139778 + 8 * k + 4), d.txtLow[k][1]) << name << " text " << k;
    }
    const kvr::XyTables tables = kvr::readXyTables(g.shipped("CPITXY.TXT"));
    const kvr::XyTable& table = tables.forVersion(version);
    EXPECT_EQ(exe[table.rows[1][4]], d.xy[1][2]) << "line 3, field 3 at the version's place";
    EXPECT_EQ(exe[0xE4E5D], d.xy[0][1]) << "line 2, field 2, second place";

    const std::set<std::uint32_t> allowed = patchPlaces(table);
    for (std::uint32_t i = 0; i < exe.size(); ++i)
        if (exe[i] != exeBefore[i] && !allowed.count(i))
            ADD_FAILURE() << std::hex << "byte 0x" << i << " changed outside the cockpit's places";

    // Each version reads its own file: the text places differ between languages.
    if (version != 0 && version != 5) {
        EXPECT_NE(kvr::readCockpitDefinition(g.shipped("B197.DAT")).txtHigh, d.txtHigh);
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, CockpitInstall, testing::Values(0, 1, 3, 5, 6));

TEST(CockpitManager, SecondInstallGivesTheSameFiles)
{
    InstallGame g;
    ASSERT_EQ(kvr::installCockpit(g.context, "025", g.prompt), kvr::InstallOutcome::Installed);
    const kvrtest::Snapshot once = snapshot(g.game());
    ASSERT_EQ(kvr::installCockpit(g.context, "025", g.prompt), kvr::InstallOutcome::Installed);
    EXPECT_TRUE(snapshot(g.game()) == once);
    EXPECT_EQ(g.prompt.informed, (std::vector<std::string>{kInstalled, kInstalled}));
}

TEST(CockpitManager, EverySetInstalls)
{
    InstallGame g(4);
    for (const kvr::CockpitSet& set : kvr::kCockpitSets) {
        EXPECT_EQ(kvr::installCockpit(g.context, set.stem, g.prompt), kvr::InstallOutcome::Installed) << set.stem;
        EXPECT_EQ(readFile(g.game() / "BITMAPS" / "CPITLOW.PCX"), readFile(g.shipped(std::string(set.stem) + "LO.PCX")));
    }
    EXPECT_THROW(kvr::installCockpit(g.context, "X99", g.prompt), kvr::GeneralError);
}

void damageLine(const fs::path& file, int line)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    lines[std::size_t(line - 1)].replace(33, 3, " ?1");
    std::ofstream out(file, std::ios::trunc);
    for (const std::string& l : lines)
        out << l << '\n';
}

// Each case spoils one source; the game must stay exactly as it was.
TEST(CockpitManager, BadSourceLeavesTheGameUntouched)
{
    struct Case {
        const char* what;
        std::function<void(const InstallGame&)> spoil;
        kvr::InstallOutcome outcome;
        std::string says;
    } cases[] = {
        {"a letter in line 125 of the version's file", [](const InstallGame& g) { damageLine(g.data() / "A18.DAs", 125); },
         kvr::InstallOutcome::BadSource, "A18.DAs, line 125: field 1 (columns 34 to 36) is not a number"},
        {"a definition file of 150 lines",
         [](const InstallGame& g) {
             Bytes b = readFile(g.data() / "A18.DAs");
             std::size_t at = 0;
             for (int n = 0; n < 150; ++n)
                 at = std::size_t(std::find(b.begin() + std::ptrdiff_t(at), b.end(), '\n') - b.begin()) + 1;
             b.resize(at);
             kvrtest::writeFile(g.data() / "A18.DAs", b);
         },
         kvr::InstallOutcome::BadSource, "A18.DAs, line 151: the file ends after line 150"},
        {"no definition file for the version", [](const InstallGame& g) { fs::remove(g.data() / "A18.DAs"); },
         kvr::InstallOutcome::BadSource, "A18.DAs: the file cannot be read"},
        {"a damaged XY table file",
         [](const InstallGame& g) { kvrtest::writeFile(g.data() / "CPITXY.TXT", {'v', 'e', 'r', 's', 'i', 'o', 'n', 's', ' ', '3', '\n'}); },
         kvr::InstallOutcome::BadSource, "CPITXY.TXT, line 1: the table for versions 3 has 0 rows"},
        {"no low-resolution picture", [](const InstallGame& g) { fs::remove(g.data() / "A18LO.PCX"); },
         kvr::InstallOutcome::BadSource, "Cannot copy cockpit file!\n"},
        {"an empty high-resolution picture", [](const InstallGame& g) { kvrtest::writeFile(g.data() / "A18HI.PCX", {}); },
         kvr::InstallOutcome::BadSource, "Cannot copy cockpit file!\n"},
    };
    for (const Case& c : cases) {
        InstallGame g(3, true);
        c.spoil(g);
        const kvrtest::Snapshot before = snapshot(g.game());
        EXPECT_EQ(kvr::installCockpit(g.context, "A18", g.prompt), c.outcome) << c.what;
        EXPECT_TRUE(snapshot(g.game()) == before) << c.what;
        std::vector<std::string> told = g.prompt.warned;
        told.insert(told.end(), g.prompt.informed.begin(), g.prompt.informed.end());
        ASSERT_EQ(told.size(), 1u) << c.what;
        EXPECT_NE(told[0].find(c.says), std::string::npos) << c.what << ": " << told[0];
    }
}

TEST(CockpitManager, FreeSpaceOnTheGamesDrive)
{
    InstallGame g;
    const kvrtest::Snapshot before = snapshot(g.game());
    fs::path asked;
    auto probe = [&](std::optional<std::uintmax_t> free) {
        return [&asked, free](const fs::path& dir) {
            asked = dir;
            return free;
        };
    };
    EXPECT_EQ(kvr::installCockpit(g.context, "A18", g.prompt, probe(50000)), kvr::InstallOutcome::NotEnoughSpace);
    EXPECT_EQ(asked, g.context.gameDir());
    EXPECT_EQ(kvr::installCockpit(g.context, "A18", g.prompt, probe(std::nullopt)), kvr::InstallOutcome::NotEnoughSpace);
    EXPECT_TRUE(snapshot(g.game()) == before);
    EXPECT_EQ(g.prompt.warned, (std::vector<std::string>{kvr::kNotEnoughSpace, kvr::kNotEnoughSpace}));
    EXPECT_EQ(kvr::installCockpit(g.context, "A18", g.prompt, probe(50001)), kvr::InstallOutcome::Installed);
}

// The pictures and KVR.EXE go in as one set: any of them that cannot be written leaves
// all three as they were.
TEST(CockpitManager, PictureThatCannotBeWrittenChangesNothing)
{
    InstallGame g;
    const kvrtest::Snapshot before = snapshot(g.game());
    const fs::path low = g.game() / "BITMAPS" / "CPITLOW.PCX";
    kvr::setWriteFileHook([&](kvr::WriteStep s, const fs::path& file) {
        if (s == kvr::WriteStep::Write && file == low)
            throw kvr::WriteFailure("disk full");
    });
    const auto outcome = kvr::installCockpit(g.context, "A18", g.prompt);
    kvr::setWriteStepHook(nullptr);
    EXPECT_EQ(outcome, kvr::InstallOutcome::CopyFailed);
    EXPECT_EQ(g.prompt.informed, (std::vector<std::string>{"Cannot copy cockpit file!\n" + low.string()}));
    EXPECT_TRUE(snapshot(g.game()) == before) << "no picture, no backup and no copy is left";
}

TEST(CockpitManager, ExecutableThatCannotBeWrittenChangesNothing)
{
    InstallGame g;
    const kvrtest::Snapshot before = snapshot(g.game());
    kvr::setWriteFileHook([&](kvr::WriteStep s, const fs::path& file) {
        if (s == kvr::WriteStep::Flush && file.filename() == "KVR.EXE")
            throw kvr::WriteFailure("disk full");
    });
    EXPECT_THROW(kvr::installCockpit(g.context, "A18", g.prompt), kvr::FileWriteError);
    kvr::setWriteStepHook(nullptr);
    EXPECT_TRUE(snapshot(g.game()) == before);
}

TEST(CockpitManager, ShortExecutableIsAFileAccessErrorBeforeAnyCopy)
{
    InstallGame g;
    Bytes exe = readFile(g.game() / "KVR.EXE");
    exe.resize(0x139C7C + 8 * 27 + 5);
    kvrtest::writeFile(g.game() / "KVR.EXE", exe);
    const kvrtest::Snapshot before = snapshot(g.game());
    EXPECT_THROW(kvr::installCockpit(g.context, "A18", g.prompt), kvr::FileAccessError);
    EXPECT_TRUE(snapshot(g.game()) == before);
}

} // namespace
