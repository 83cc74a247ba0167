// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editor_home.h"
#include "core/errors.h"
#include "graphics/game_palette.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using kvr::GamePalette;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Header of 12 bytes (9s), then colour n = red n, green 2n, blue 255 - n, unused 0xAA.
Bytes palette(std::size_t colours, std::size_t extraBytes = 0)
{
    Bytes b(12, 9);
    for (std::size_t n = 0; n < colours; ++n)
        b.insert(b.end(), {std::uint8_t(n), std::uint8_t(2 * n), std::uint8_t(255 - n), 0xAA});
    b.insert(b.end(), extraBytes, 0x77);
    return b;
}

GamePalette marked()
{
    GamePalette p;
    for (auto& e : p.entries)
        e = kvr::rgb(1, 1, 1);
    return p;
}

} // namespace

TEST(GamePalette, FullFileFillsAll256AsBlueGreenRed)
{
    GamePalette p;
    kvr::loadGamePaletteBytes(palette(256), p);
    EXPECT_TRUE(p.loaded);
    EXPECT_EQ(p.entries[0], kvr::rgb(0, 0, 255));
    EXPECT_EQ(p.entries[100], kvr::rgb(100, 200, 155));
    EXPECT_EQ(p.entries[255], kvr::rgb(255, 254, 0));
    // Stored as blue, green, red, 0: the unused byte is not copied.
    EXPECT_EQ(p.entries[255].reserved, 0);
    EXPECT_EQ(p.entries[255].blue, 0);
}

TEST(GamePalette, ShortFileLeavesTheRemainingEntriesAsTheyWere)
{
    GamePalette p = marked();
    // 3 whole colours and 2 bytes of a fourth.
    kvr::loadGamePaletteBytes(palette(3, 2), p);
    EXPECT_EQ(p.entries[2], kvr::rgb(2, 4, 253));
    EXPECT_EQ(p.entries[3], kvr::rgb(1, 1, 1));
    EXPECT_EQ(p.entries[255], kvr::rgb(1, 1, 1));
}

TEST(GamePalette, NothingPast256ColoursIsStored)
{
    GamePalette p;
    Bytes b = palette(256);
    // Entry 256 would wrap to 0 if the loader went on counting.
    b.insert(b.end(), {50, 60, 70, 0, 80, 90, 100, 0});
    kvr::loadGamePaletteBytes(b, p);
    EXPECT_EQ(p.entries[0], kvr::rgb(0, 0, 255));
    EXPECT_EQ(p.entries[255], kvr::rgb(255, 254, 0));
}

TEST(GamePalette, FileWithoutAColourIsAnErrorAndChangesNothing)
{
    for (std::size_t size : {0u, 5u, 12u, 15u}) {
        GamePalette p = marked();
        EXPECT_THROW(kvr::loadGamePaletteBytes(Bytes(size, 3), p), kvr::GeneralError) << size;
        EXPECT_FALSE(p.loaded);
        EXPECT_EQ(p.entries[0], kvr::rgb(1, 1, 1));
    }
}

TEST(GamePalette, FromFile)
{
    kvrtest::TempDir dir;
    kvrtest::writeFile(dir / "KVR.PAL", palette(256, 5000));
    GamePalette p;
    kvr::loadGamePalette(dir / "KVR.PAL", p);
    EXPECT_EQ(p.entries[17], kvr::rgb(17, 34, 238));
}

TEST(GamePalette, MissingFileOrFolderIsAnErrorNamingTheFile)
{
    kvrtest::TempDir dir;
    GamePalette p = marked();
    for (const auto& path : {dir / "KVR.PAL", dir.path()}) {
        try {
            kvr::loadGamePalette(path, p);
            FAIL() << path;
        } catch (const kvr::GeneralError& e) {
            EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos);
        }
    }
    EXPECT_EQ(p.entries[0], kvr::rgb(1, 1, 1));
}

TEST(GamePalette, StartUpWarnsAndGoesOnWithoutIt)
{
    kvrtest::TempDir dir;
    std::filesystem::create_directories(dir / "DATA");
    kvrtest::ScriptedPrompt prompt;
    const GamePalette p = kvr::readGamePaletteAtStart(kvr::EditorHome::inFolder(dir.path()), prompt);
    EXPECT_FALSE(p.loaded);
    ASSERT_EQ(prompt.warned.size(), 1u);
    EXPECT_NE(prompt.warned[0].find("KVR.PAL"), std::string::npos);

    kvrtest::writeFile(dir / "DATA" / "KVR.PAL", palette(256));
    kvrtest::ScriptedPrompt quiet;
    EXPECT_TRUE(kvr::readGamePaletteAtStart(kvr::EditorHome::inFolder(dir.path()), quiet).loaded);
    EXPECT_TRUE(quiet.warned.empty());
}

TEST(GamePalette, MarkersUseThePicturesColoursUntilThePaletteIsLoaded)
{
    kvr::ColourTable picture{};
    picture[5] = kvr::rgb(5, 5, 5);
    GamePalette p;
    EXPECT_EQ(&kvr::markerColours(p, picture), &picture);
    kvr::loadGamePaletteBytes(palette(256), p);
    EXPECT_EQ(&kvr::markerColours(p, picture), &p.entries);
}
