// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/safe_write.h"
#include "install/car_set.h"
#include "support/install_game.h"
#include "textures/jam_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

namespace {

namespace fs = std::filesystem;
using kvrtest::InstallGame;
using kvrtest::readFile;
using kvrtest::snapshot;
using Bytes = std::vector<std::uint8_t>;

// Car set file i: a small texture of its own.
Bytes sourceBytes(std::size_t i)
{
    kvr::JamTexture t;
    t.width = std::uint16_t(1 + i);
    t.height = 2;
    t.pixels.assign(std::size_t(t.width) * t.height, std::uint8_t(0x80 + i));
    return kvr::encodeJam(t);
}

// A game whose GAMEJAMS holds the 14 textures, some read-only, and a car set in DATA.
struct CarSetGame : InstallGame {
    CarSetGame() : InstallGame(0, true)
    {
        for (std::size_t i = 0; i < kvr::kCarSetFiles.size(); ++i) {
            kvrtest::writeFile(target(i), Bytes(100 + i, std::uint8_t(i)));
            kvrtest::writeFile(data() / kvr::kCarSetFiles[i], sourceBytes(i));
        }
        for (std::size_t i : {0u, 13u})
            fs::permissions(target(i), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);
    }
    fs::path target(std::size_t i) const { return game() / "GAMEJAMS" / kvr::kCarSetFiles[i]; }
};

bool writable(const fs::path& p) { return (fs::status(p).permissions() & fs::perms::owner_write) != fs::perms::none; }

TEST(CarSet, CopiesAllFourteenReadOnlyOnesTooKeepingOriginals)
{
    CarSetGame g;
    EXPECT_EQ(kvr::installCarSet(g.context, g.prompt), kvr::InstallOutcome::Installed);
    EXPECT_EQ(g.prompt.informed, (std::vector<std::string>{"New carset installed!"}));
    for (std::size_t i = 0; i < kvr::kCarSetFiles.size(); ++i) {
        EXPECT_EQ(readFile(g.target(i)), sourceBytes(i)) << kvr::kCarSetFiles[i];
        EXPECT_EQ(readFile(fs::path(g.target(i)) += ".orig"), Bytes(100 + i, std::uint8_t(i))) << kvr::kCarSetFiles[i];
        EXPECT_TRUE(writable(g.target(i))) << kvr::kCarSetFiles[i];
    }
    const kvrtest::Snapshot once = snapshot(g.game());
    EXPECT_EQ(kvr::installCarSet(g.context, g.prompt), kvr::InstallOutcome::Installed);
    EXPECT_TRUE(snapshot(g.game()) == once) << "twice gives the same files as once";
}

TEST(CarSet, MissingSourcesAreAllNamedAndNothingIsCopied)
{
    CarSetGame g;
    fs::remove(g.data() / "BENETTON.JAM");
    fs::remove(g.data() / "WILLIAMS.JAM");
    const kvrtest::Snapshot before = snapshot(g.game());
    EXPECT_EQ(kvr::installCarSet(g.context, g.prompt), kvr::InstallOutcome::BadSource);
    EXPECT_EQ(g.prompt.informed, (std::vector<std::string>{"Cannot copy carset files!\nMissing from " +
                                                           g.data().string() + ": BENETTON.JAM, WILLIAMS.JAM"}));
    EXPECT_TRUE(snapshot(g.game()) == before);
}

// All fourteen or none: one target that cannot be written leaves every texture old.
TEST(CarSet, OneTargetThatCannotBeWrittenChangesNothing)
{
    const struct {
        const char* what;
        std::size_t file;
        bool folderInTheWay;
    } cases[] = {
        {"a folder stands where LOTUS.JAM goes", 6, true},
        {"the disk fills up on WILLIAMS.JAM", 13, false},
    };
    for (const auto& c : cases) {
        CarSetGame g;
        if (c.folderInTheWay) {
            fs::remove(g.target(c.file));
            fs::create_directory(g.target(c.file));
        }
        const kvrtest::Snapshot before = snapshot(g.game());
        kvr::setWriteFileHook([&](kvr::WriteStep s, const fs::path& file) {
            if (!c.folderInTheWay && s == kvr::WriteStep::Write && file == g.target(c.file))
                throw std::system_error(ENOSPC, std::generic_category());
        });
        const auto outcome = kvr::installCarSet(g.context, g.prompt);
        kvr::setWriteStepHook(nullptr);
        EXPECT_EQ(outcome, kvr::InstallOutcome::CopyFailed) << c.what;
        ASSERT_EQ(g.prompt.informed.size(), 1u) << c.what;
        EXPECT_EQ(g.prompt.informed[0].rfind("Cannot copy carset files!\nNot copied into " +
                                                 (g.game() / "GAMEJAMS").string() + ": " + kvr::kCarSetFiles[c.file] +
                                                 "\n",
                                             0),
                  0u)
            << c.what << ": " << g.prompt.informed[0];
        EXPECT_TRUE(snapshot(g.game()) == before) << c.what << ": the other thirteen are not installed either";
    }
}

TEST(CarSet, NotEnoughSpaceCopiesNothing)
{
    CarSetGame g;
    const kvrtest::Snapshot before = snapshot(g.game());
    EXPECT_EQ(kvr::installCarSet(g.context, g.prompt, [](const fs::path&) { return std::optional<std::uintmax_t>(49000); }),
              kvr::InstallOutcome::NotEnoughSpace);
    EXPECT_EQ(g.prompt.warned, (std::vector<std::string>{kvr::kNotEnoughSpace}));
    EXPECT_TRUE(snapshot(g.game()) == before);
}

} // namespace
