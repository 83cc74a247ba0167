// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/bitmap_writer.h"
#include "graphics/graphic_error.h"
#include "graphics/wing.h"
#include "graphics/wing_image_model.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <ostream>

using kvr::IndexedPicture;
using kvr::TWinG;
using kvr::WinGImageModel;

namespace {

// Pixel (x, y) is index 10 + x + 10 y; colour i is (i, 255 - i, i / 2), statics included.
IndexedPicture picture(int w, int h)
{
    IndexedPicture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.set(x, y, std::uint8_t(10 + x + 10 * y));
    for (int i = 0; i < kvr::kColourCount; ++i)
        p.colours[std::size_t(i)] = kvr::rgb(std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2));
    return p;
}

std::string save(const kvrtest::TempDir& dir, const IndexedPicture& p, const std::string& name, bool rle = false)
{
    kvrtest::writeFile(dir / name, kvr::encodeBitmap8(p, {.runLength = rle}));
    return (dir / name).string();
}

} // namespace

TEST(WinG, NewBitmapIsOnePixelWithStrideFour)
{
    TWinG w;
    EXPECT_EQ(w.width(), 1);
    EXPECT_EQ(w.height(), 1);
    EXPECT_EQ(w.stride(), 4u);
    EXPECT_EQ(w.pixels().size(), 4u);
}

TEST(WinG, StrideRoundsWidthUpToFour)
{
    for (auto [width, stride] : {std::pair{1, 4}, {3, 4}, {4, 4}, {5, 8}, {74, 76}, {500, 500}, {601, 604}})
        EXPECT_EQ(TWinG(std::uint16_t(width), 2).stride(), std::size_t(stride)) << width;
    // The colour editors' picture: (x, y) is byte y x 500 + x.
    TWinG w(500, 375);
    EXPECT_EQ(w.offsetOf(7, 198), 198u * 500 + 7);
}

TEST(WinG, ANewSizeClearsAndFiresTheSameSizeDoesNothing)
{
    TWinG w(8, 2);
    int fired = 0;
    w.onChange = [&] { ++fired; };
    w.setPixel(3, 1, 77);
    w.colourTable()[20] = kvr::rgb(1, 2, 3);
    w.setWidth(8);
    w.setHeight(2);
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(w.pixel(3, 1), 77);
    w.setWidth(9);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(w.pixels().size(), 12u * 2);
    EXPECT_EQ(w.pixel(3, 1), 0);
    EXPECT_EQ(w.colourTable()[20], kvr::rgb(1, 2, 3));
    w.setHeight(5);
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(w.pixels().size(), 12u * 5);
}

TEST(WinGImageModel, StartsWithoutPictureAndStaticColours)
{
    WinGImageModel m;
    EXPECT_EQ(m.fileName(), "(none)");
    EXPECT_TRUE(m.autoSize());
    EXPECT_EQ(m.wing().width(), 1);
    EXPECT_EQ(m.wing().colourTable()[7], kvr::rgb(192, 192, 192));
    EXPECT_EQ(m.wing().colourTable()[255], kvr::rgb(255, 255, 255));
    EXPECT_EQ(m.wing().colourTable()[10], kvr::rgb(0, 0, 0));
}

TEST(WinGImageModel, LoadsAtThePicturesSizeWithColours10To245FromTheFile)
{
    kvrtest::TempDir dir;
    WinGImageModel m;
    int repaints = 0;
    m.onRepaint = [&] { ++repaints; };
    m.setFileName(save(dir, picture(7, 5), "p.bmp", true));
    EXPECT_EQ(m.wing().width(), 7);
    EXPECT_EQ(m.wing().height(), 5);
    EXPECT_EQ(m.wing().pixel(6, 4), 10 + 6 + 40);
    const auto& t = m.wing().colourTable();
    EXPECT_EQ(t[10], kvr::rgb(10, 245, 5));
    EXPECT_EQ(t[245], kvr::rgb(245, 10, 122));
    EXPECT_EQ(t[9], kvr::staticColour(9));
    EXPECT_EQ(t[246], kvr::staticColour(246));
    EXPECT_GT(repaints, 0);
}

TEST(WinGImageModel, WithoutAutoSizeCopiesTheOverlapOnly)
{
    kvrtest::TempDir dir;
    WinGImageModel m;
    m.setAutoSize(false);
    m.wing().setWidth(5);
    m.wing().setHeight(9);
    m.setFileName(save(dir, picture(7, 5), "p.bmp"));
    EXPECT_EQ(m.wing().width(), 5);
    EXPECT_EQ(m.wing().height(), 9);
    EXPECT_EQ(m.wing().pixel(4, 4), 10 + 4 + 40);
    EXPECT_EQ(m.wing().pixel(4, 5), 0);
    // Turning AutoSize on loads the picture again at its own size.
    m.setAutoSize(true);
    EXPECT_EQ(m.wing().width(), 7);
    EXPECT_EQ(m.wing().height(), 5);
    EXPECT_EQ(m.wing().pixel(6, 0), 16);
}

TEST(WinGImageModel, ABitmapOfAnotherSizeGetsThePictureAgain)
{
    kvrtest::TempDir dir;
    WinGImageModel m;
    m.setAutoSize(false);
    m.setFileName(save(dir, picture(7, 5), "p.bmp"));
    m.wing().setWidth(3);
    m.wing().setHeight(2);
    EXPECT_EQ(m.wing().pixel(2, 1), 10 + 2 + 10);
}

TEST(WinGImageModel, ARefusedFileLeavesTheBitmapClearedAndKeepsItsSize)
{
    kvrtest::TempDir dir;
    WinGImageModel m;
    m.setFileName(save(dir, picture(7, 5), "p.bmp"));
    kvrtest::writeFile(dir / "bad.bmp", {'B', 'M', 1, 2, 3});
    EXPECT_THROW(m.setFileName((dir / "bad.bmp").string()), kvr::InvalidGraphic);
    EXPECT_EQ(m.wing().width(), 7);
    for (auto p : m.wing().pixels())
        ASSERT_EQ(p, 0);
    EXPECT_EQ(m.wing().colourTable()[10], kvr::rgb(10, 245, 5));
    EXPECT_THROW(m.setFileName((dir / "missing.bmp").string()), kvr::GeneralError);
}

TEST(WinGImageModel, EmptyOrNoneNameClearsWithoutLoading)
{
    kvrtest::TempDir dir;
    WinGImageModel m;
    m.setFileName(save(dir, picture(7, 5), "p.bmp"));
    m.setFileName("");
    EXPECT_EQ(m.fileName(), "(none)");
    EXPECT_EQ(m.wing().width(), 7);
    EXPECT_EQ(m.wing().pixel(6, 4), 0);
    m.setFileName("(none)");
    EXPECT_EQ(m.wing().pixel(6, 4), 0);
}

TEST(WinGImageModel, ViewChangesAreClampedToTheBitmap)
{
    kvrtest::TempDir dir;
    WinGImageModel m;
    m.setFileName(save(dir, picture(500, 20), "p.bmp"));
    m.view().setMode(kvr::ViewMode::Portion);
    m.view().setWidth(100);
    m.view().setLeft(600);
    EXPECT_EQ(m.view().left(), 499);
    EXPECT_EQ(m.view().width(), 1);
}

struct TableUpdate {
    const char* what;
    int first;
    int count;
    int changedFrom; // first index that changes
    int changedTo;   // last index that changes
};
void PrintTo(const TableUpdate& p, std::ostream* os)
{
    *os << p.what;
}

class ColourTableUpdate : public testing::TestWithParam<TableUpdate> {};

TEST_P(ColourTableUpdate, KeepsTheStaticEntries)
{
    const auto& c = GetParam();
    WinGImageModel m;
    // Entry k of the run is (k, 1, 2), so the copied place shows where each landed.
    std::vector<kvr::ColourEntry> run;
    for (int k = 0; k < 300; ++k)
        run.push_back(kvr::rgb(std::uint8_t(k), 1, 2));
    const kvr::ColourTable before = m.wing().colourTable();
    m.updateColourTable(run, c.first, c.count);
    const auto& t = m.wing().colourTable();
    for (int i = 0; i < kvr::kColourCount; ++i) {
        if (i >= c.changedFrom && i <= c.changedTo)
            EXPECT_EQ(t[std::size_t(i)], kvr::rgb(std::uint8_t(i - c.first), 1, 2)) << c.what << " index " << i;
        else
            EXPECT_EQ(t[std::size_t(i)], before[std::size_t(i)]) << c.what << " index " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourTableUpdate,
                         testing::Values(TableUpdate{"inside the picture's colours", 20, 5, 20, 24},
                                         TableUpdate{"starting at 0: the leading entries are skipped", 0, 256, 10, 245},
                                         TableUpdate{"starting at 5 with 8 entries reaches 10..12", 5, 8, 10, 12},
                                         TableUpdate{"a run past 246 is cut there", 240, 16, 240, 245},
                                         TableUpdate{"only static entries: nothing changes", 246, 10, 1, 0},
                                         TableUpdate{"negative start", -5, 20, 10, 14}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(WinGImageModel, ColourTableUpdateNeverReadsPastTheRunGiven)
{
    WinGImageModel m;
    const std::vector<kvr::ColourEntry> run(3, kvr::rgb(9, 9, 9));
    m.updateColourTable(run, 10, 200);
    EXPECT_EQ(m.wing().colourTable()[12], kvr::rgb(9, 9, 9));
    EXPECT_EQ(m.wing().colourTable()[13], kvr::rgb(0, 0, 0));
}

struct PlacementRow {
    const char* why;
    int controlWidth, controlHeight, shownWidth, shownHeight;
    kvr::ViewPlacement expected;
};

const PlacementRow kPlacements[] = {
    {"exactly the picture's size", 500, 375, 500, 375, {1, 0, 0, 500, 375}},
    {"one pixel short of twice: still once, centred", 999, 749, 500, 375, {1, 249, 187, 500, 375}},
    {"twice the size", 1000, 750, 500, 375, {2, 0, 0, 1000, 750}},
    {"the narrower side decides", 1600, 760, 500, 375, {2, 300, 5, 1000, 750}},
    {"a camera view three times over", 305, 201, 100, 67, {3, 2, 0, 300, 201}},
    {"smaller than the picture: once, from the corner", 300, 200, 500, 375, {1, 0, 0, 500, 375}},
};

TEST(ViewPlacement, WholeMultiplesCentred)
{
    for (const PlacementRow& r : kPlacements) {
        const kvr::ViewPlacement p = kvr::placeView(r.controlWidth, r.controlHeight, r.shownWidth, r.shownHeight);
        EXPECT_EQ(p.scale, r.expected.scale) << r.why;
        EXPECT_EQ(p.left, r.expected.left) << r.why;
        EXPECT_EQ(p.top, r.expected.top) << r.why;
        EXPECT_EQ(p.width, r.expected.width) << r.why;
        EXPECT_EQ(p.height, r.expected.height) << r.why;
    }
}

TEST(ViewPlacement, DevicePointsMapToThePixelUnderThem)
{
    const kvr::ViewPlacement twice{2, 4, 0, 1000, 750};
    const kvr::PixelRect all{0, 0, 500, 375};
    EXPECT_EQ(kvr::placedToBitmap(4 + 2 * 420 - 0.01, 2 * 333 - 0.01, twice, all), (kvr::PixelPoint{419, 332}));
    // Beside the picture is outside it, never on its edge.
    EXPECT_EQ(kvr::placedToBitmap(3.5, -0.5, twice, all), (kvr::PixelPoint{-1, -1}));
    EXPECT_EQ(kvr::placedToBitmap(1004, 750, twice, all), (kvr::PixelPoint{500, 375}));
    // A portion counts from its own corner.
    EXPECT_EQ(kvr::placedToBitmap(5, 7, {1, 0, 0, 100, 67}, {401, 68, 100, 67}), (kvr::PixelPoint{406, 75}));
    EXPECT_EQ(kvr::naturalScale(1.25), 1);
    EXPECT_EQ(kvr::naturalScale(1.5), 2);
}
