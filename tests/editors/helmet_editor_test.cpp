// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_record.h"
#include "editors/helmets/helmet_editor.h"
#include "graphics/bitmap_writer.h"
#include "graphics/picture_files.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "support/texture_samples.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

namespace fs = std::filesystem;
namespace rec = kvr::rec;
using Bytes = std::vector<std::uint8_t>;
using kvrtest::ScriptedPrompt;

// Drivers in slots 1..count with car numbers 1..count.
kvr::SettingsRecord roster(int count)
{
    kvr::SettingsRecord r;
    for (int slot = 1; slot <= count; ++slot) {
        r.setByte(rec::carNumber(slot), std::uint8_t(slot));
        r.setShortString(rec::driverName(slot), rec::kDriverNameChars, "Driver " + std::to_string(slot));
    }
    return r;
}

// Helmet n's pixels in a top-down picture.
Bytes cellOf(const kvr::IndexedPicture& p, int n)
{
    Bytes b;
    const auto c = kvr::helmetCell(n);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 74; ++x)
            b.push_back(p.at(c.x + x, c.y + y));
    return b;
}

class HelmetEditorTest : public ::testing::Test {
  protected:
    HelmetEditorTest() : m_picture(kvrtest::noisePicture(256, 180, 5))
    {
        kvrtest::writeFile(m_dir / "sheet.bmp", kvr::encodeBitmap8(m_picture));
        m_editor.loadSheet(m_dir / "sheet.bmp");
        m_editor.show(roster(26));
        m_original = sheetBytes();
    }
    // The whole sheet, top row first, read from the bitmap's bottom-up rows.
    Bytes sheetBytes() const
    {
        Bytes b;
        const auto rows = m_editor.sheet().pixels();
        for (int y = 179; y >= 0; --y)
            b.insert(b.end(), rows.begin() + y * 256, rows.begin() + (y + 1) * 256);
        return b;
    }
    // The sheet as loaded, with some cells replaced.
    Bytes originalWith(std::initializer_list<std::pair<int, Bytes>> cells) const
    {
        Bytes b = m_original;
        for (const auto& [helmet, pixels] : cells) {
            const auto c = kvr::helmetCell(helmet);
            for (int y = 0; y < 15; ++y)
                std::copy_n(pixels.begin() + y * 74, 74, b.begin() + (c.y + y) * 256 + c.x);
        }
        return b;
    }
    Bytes single() const { return kvr::helmetPixels(m_editor.singleHelmet()); }

    kvrtest::TempDir m_dir;
    kvr::IndexedPicture m_picture;
    kvr::HelmetEditor m_editor;
    Bytes m_original;
};

TEST(HelmetCells, PointsBelongToTheCellThatHoldsThem)
{
    const struct {
        int x, y;
        std::optional<int> helmet;
    } cases[] = {
        {0, 0, 0},     {73, 14, 0},   {74, 0, 12},  {0, 179, 11},   {147, 179, 23}, {148, 0, 24},
        {221, 74, 28}, {148, 75, {}}, {222, 0, {}}, {255, 179, {}}, {-1, 0, {}},    {0, 180, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kvr::helmetAt(c.x, c.y), c.helmet) << c.x << "," << c.y;
}

TEST_F(HelmetEditorTest, ADragSwapsTwoCellsAndNothingElse)
{
    ASSERT_TRUE(m_editor.press(10, 3 * 15 + 7));
    EXPECT_EQ(single(), cellOf(m_picture, 3)) << "pressing selects helmet 3";
    ASSERT_TRUE(m_editor.release(100, 8 * 15 + 1)); // helmet 20
    EXPECT_EQ(sheetBytes(), originalWith({{3, cellOf(m_picture, 20)}, {20, cellOf(m_picture, 3)}}));
    EXPECT_EQ(m_editor.selected(), 20);
    EXPECT_EQ(single(), cellOf(m_picture, 3)) << "the preview shows the moved helmet";
}

TEST_F(HelmetEditorTest, OtherDropsAndHelmetsWithoutALineChangeNothing)
{
    const struct {
        const char* what;
        int pressX, pressY, releaseX, releaseY;
    } cases[] = {
        {"same helmet", 5, 50, 60, 52},
        {"outside the cells", 5, 50, 230, 10},
        {"helmet 26 has no line of 26", 5, 50, 150, 2 * 15 + 3},
        {"press outside the cells", 230, 10, 5, 50},
        {"press below helmet 28", 150, 100, 5, 50},
    };
    for (const auto& c : cases) {
        m_editor.press(c.pressX, c.pressY);
        EXPECT_FALSE(m_editor.release(c.releaseX, c.releaseY)) << c.what;
        EXPECT_EQ(m_editor.dragSource(), -1);
        EXPECT_EQ(sheetBytes(), m_original) << c.what;
    }
    EXPECT_FALSE(m_editor.selectLine(26));
    EXPECT_TRUE(m_editor.selectLine(25));
    EXPECT_EQ(single(), cellOf(m_picture, 25));
}

TEST_F(HelmetEditorTest, LoadedHelmetGoesIntoTheSelectedCellOnly)
{
    m_editor.selectLine(7);
    // In the sheet's own colours: it goes in as it is, with no question.
    kvr::IndexedPicture helmet = kvrtest::noisePicture(74, 15, 9);
    helmet.colours = m_picture.colours;
    kvrtest::writeFile(m_dir / "one.bmp", kvr::encodeBitmap8(helmet));
    ScriptedPrompt prompt;
    prompt.fileAnswers = {std::nullopt, m_dir / "one.bmp"};
    m_editor.loadHelmetFromBitmap(prompt, kvr::PictureFiles());
    EXPECT_EQ(sheetBytes(), m_original) << "a cancelled dialog changes nothing";
    m_editor.loadHelmetFromBitmap(prompt, kvr::PictureFiles());
    EXPECT_EQ(sheetBytes(), originalWith({{7, cellOf(helmet, 0)}}));
    EXPECT_TRUE(prompt.warned.empty());
    EXPECT_EQ(prompt.fileRequests.at(0).title, "Load helmet from bitmap");
}

TEST_F(HelmetEditorTest, BitmapsOfAnotherSizeOrDepthAreRefused)
{
    auto bitmap = [&](const char* name, int w, int h, bool runLength) {
        kvrtest::writeFile(m_dir / name, kvr::encodeBitmap8(kvrtest::noisePicture(w, h, 3), {.runLength = runLength}));
        return m_dir / name;
    };
    kvrtest::writeFile(m_dir / "text.bmp", Bytes{'h', 'i'});
    const struct {
        fs::path file;
        bool sheet;
        const char* needed;
    } cases[] = {
        {bitmap("wide.bmp", 75, 15, false), false, "75 x 15 pixels, the texture 74 x 15"},
        {bitmap("packed.bmp", 74, 16, true), false, "74 x 16 pixels, the texture 74 x 15"},
        {bitmap("car.bmp", 256, 164, false), true, "256 x 164 pixels, the texture 256 x 180"},
        {m_dir / "text.bmp", true, "text.bmp is not usable"},
        {m_dir / "missing.bmp", false, "missing.bmp"},
    };
    m_editor.selectLine(4);
    for (const auto& c : cases) {
        ScriptedPrompt prompt;
        prompt.fileAnswers = {c.file};
        // OK without scaling: the sizes are named and nothing changes.
        if (c.file.stem() != "text" && c.file.stem() != "missing")
            prompt.conversionAnswers = {[](kvr::PictureConversion&) { return true; }};
        if (c.sheet)
            m_editor.loadAllHelmetsFromBitmap(prompt, kvr::PictureFiles());
        else
            m_editor.loadHelmetFromBitmap(prompt, kvr::PictureFiles());
        ASSERT_EQ(prompt.warned.size(), 1u) << c.file;
        EXPECT_NE(prompt.warned[0].find(c.needed), std::string::npos) << prompt.warned[0];
        EXPECT_EQ(sheetBytes(), m_original) << c.file;
        EXPECT_EQ(single(), cellOf(m_picture, 4));
    }
}

TEST_F(HelmetEditorTest, ANewSheetShowsItsOwnHelmetInThePreview)
{
    m_editor.selectLine(9);
    const kvr::IndexedPicture other = kvrtest::noisePicture(256, 180, 77);
    kvrtest::writeFile(m_dir / "other.bmp", kvr::encodeBitmap8(other));
    m_editor.loadSheet(m_dir / "other.bmp");
    EXPECT_EQ(single(), cellOf(other, 9));
}

// Each change of the sheet is one step: undo gives back the sheet before it, with the
// selected line's helmet in the preview, and redo the sheet after it.
TEST_F(HelmetEditorTest, EachChangeOfTheSheetIsOneStepUndoAndRedoTakeIt)
{
    // In the sheet's own colours: it goes in as it is, with no question.
    kvr::IndexedPicture helmet = kvrtest::noisePicture(74, 15, 9);
    helmet.colours = m_picture.colours;
    kvrtest::writeFile(m_dir / "one.bmp", kvr::encodeBitmap8(helmet));
    const kvr::IndexedPicture other = kvrtest::noisePicture(256, 180, 77);
    kvrtest::writeFile(m_dir / "other.bmp", kvr::encodeBitmap8(other));
    Bytes otherSheet;
    for (int y = 0; y < 180; ++y)
        for (int x = 0; x < 256; ++x)
            otherSheet.push_back(other.at(x, y));
    const struct {
        const char* what;
        std::function<void(kvr::HelmetEditor&)> change;
        const char* step;
        Bytes after;
        int selected;
    } cases[] = {
        {"a drag from helmet 3 onto helmet 20",
         [](kvr::HelmetEditor& e) {
             e.press(10, 3 * 15 + 7);
             e.release(100, 8 * 15 + 1);
         },
         kvr::kSwapHelmetsStep, originalWith({{3, cellOf(m_picture, 20)}, {20, cellOf(m_picture, 3)}}), 20},
        {"Space on line 7, then on line 9",
         [](kvr::HelmetEditor& e) {
             e.selectLine(7);
             e.pickOrSwap();
             e.selectLine(9);
             e.pickOrSwap();
         },
         kvr::kSwapHelmetsStep, originalWith({{7, cellOf(m_picture, 9)}, {9, cellOf(m_picture, 7)}}), 9},
        {"a helmet loaded into line 6",
         [&](kvr::HelmetEditor& e) {
             e.selectLine(6);
             e.loadHelmet(m_dir / "one.bmp");
         },
         kvr::kLoadHelmetStep, originalWith({{6, cellOf(helmet, 0)}}), 6},
        {"all helmets loaded", [&](kvr::HelmetEditor& e) { e.loadSheet(m_dir / "other.bmp"); },
         kvr::kLoadAllHelmetsStep, otherSheet, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        kvr::HelmetEditor& e = m_editor;
        e.show(roster(26));
        ASSERT_EQ(e.undoStep(), nullptr);
        c.change(e);
        ASSERT_EQ(sheetBytes(), c.after);
        EXPECT_STREQ(e.undoStep(), c.step);
        EXPECT_EQ(e.redoStep(), nullptr);

        e.undo();
        EXPECT_EQ(sheetBytes(), m_original);
        EXPECT_EQ(e.selected(), c.selected);
        EXPECT_EQ(single(), cellOf(m_picture, c.selected));
        EXPECT_EQ(e.undoStep(), nullptr);
        EXPECT_STREQ(e.redoStep(), c.step);
        e.undo();
        EXPECT_EQ(sheetBytes(), m_original) << "nothing more to undo";

        e.redo();
        EXPECT_EQ(sheetBytes(), c.after);
        EXPECT_EQ(e.redoStep(), nullptr);
        e.undo();
    }
}

TEST_F(HelmetEditorTest, WhatChangesNoPixelIsNoStep)
{
    kvrtest::writeFile(m_dir / "wide.bmp", kvr::encodeBitmap8(kvrtest::noisePicture(75, 15, 3)));
    ScriptedPrompt prompt;
    prompt.fileAnswers = {m_dir / "wide.bmp", m_dir / "wide.bmp"};
    prompt.conversionAnswers = {[](kvr::PictureConversion&) { return true; },
                                [](kvr::PictureConversion&) { return true; }};
    m_editor.loadHelmetFromBitmap(prompt, kvr::PictureFiles());
    m_editor.loadAllHelmetsFromBitmap(prompt, kvr::PictureFiles());
    EXPECT_EQ(prompt.warned.size(), 2u);
    m_editor.press(10, 3 * 15 + 7);
    m_editor.release(12, 3 * 15 + 9);
    m_editor.selectLine(4);
    m_editor.pickOrSwap();
    m_editor.pickOrSwap();
    m_editor.loadSheet(m_dir / "sheet.bmp");
    EXPECT_EQ(m_editor.undoStep(), nullptr);
    EXPECT_EQ(sheetBytes(), m_original);

    // A new step after an undo takes the redo away.
    m_editor.press(10, 3 * 15 + 7);
    m_editor.release(100, 8 * 15 + 1);
    m_editor.undo();
    m_editor.selectLine(1);
    m_editor.pickOrSwap();
    m_editor.selectLine(2);
    m_editor.pickOrSwap();
    EXPECT_EQ(m_editor.redoStep(), nullptr);
    EXPECT_EQ(sheetBytes(), originalWith({{1, cellOf(m_picture, 2)}, {2, cellOf(m_picture, 1)}}));
}

TEST(HelmetEditorHistory, BringingTheFirstSheetIsNoStep)
{
    kvrtest::TempDir dir;
    kvrtest::writeFile(dir / "sheet.bmp", kvr::encodeBitmap8(kvrtest::noisePicture(256, 180, 5)));
    kvr::HelmetEditor e;
    e.loadSheet(dir / "sheet.bmp");
    EXPECT_TRUE(e.available());
    EXPECT_EQ(e.undoStep(), nullptr);
    e.undo();
    EXPECT_TRUE(e.available());
}

TEST(HelmetDriverLines, LineNIsHelmetN)
{
    kvr::SettingsRecord r = roster(3);
    r.setByte(rec::carNumber(2), 0);  // skipped
    r.setByte(rec::carNumber(3), 50); // no name entry
    EXPECT_EQ(kvr::helmetDriverLines(r), (std::vector<std::string>{"Driver 1", "Car 50"}));
    EXPECT_EQ(kvr::helmetDriverLines(roster(40)).size(), 29u) << "one line per helmet at most";
}

} // namespace
