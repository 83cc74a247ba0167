// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures and palette the build makes for the editor: sizes, depths, and the
// index runs the colour editors depend on.
#include "editors/cockpit/cockpit_recolour.h"
#include "editors/cockpit/swatch_grid.h"
#include "editors/pitcrew/pitcrew_recolour.h"
#include "core/byte_reader.h"
#include "graphics/dib.h"
#include "graphics/dib256.h"
#include "graphics/game_palette.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

fs::path data(const char* name)
{
    return fs::path(KVR_DATA_DIR) / name;
}

kvr::TDIB256 load256(const char* name)
{
    kvr::TDIB256 dib;
    dib.loadFromFile(data(name));
    return dib;
}

// How often each index appears in rows [from, to) of a picture.
std::map<int, int> histogram(const kvr::TDIB256& dib, int from, int to)
{
    std::map<int, int> h;
    for (int y = from; y < to; ++y)
        for (int x = 0; x < dib.width(); ++x)
            ++h[dib.pixel(x, y)];
    return h;
}

int countIn(const std::map<int, int>& h, int first, int last)
{
    int n = 0;
    for (const auto& [index, count] : h)
        if (index >= first && index <= last)
            n += count;
    return n;
}

void expectSwatchGrid(const kvr::TDIB256& dib)
{
    std::vector<std::uint8_t> grid(500 * 375, 0);
    kvr::swatch::drawGrid({grid, 500, 375, 500});
    for (int y = 198; y < 375; ++y)
        for (int x = 0; x < 500; ++x)
            ASSERT_EQ(dib.pixel(x, y), grid[std::size_t(y) * 500 + std::size_t(x)]) << x << "," << y;
}

} // namespace

TEST(ShippedPictures, PaletteHoldsThePicturesColours)
{
    EXPECT_EQ(fs::file_size(data("KVR.PAL")), 12u + 256 * 4);
    kvr::GamePalette palette;
    kvr::loadGamePalette(data("KVR.PAL"), palette);
    const auto cockpit = load256("Dib1.dib");
    for (int i = 10; i < 246; ++i)
        EXPECT_EQ(palette.entries[std::size_t(i)], cockpit.colours()[std::size_t(i)]) << i;
    // The marker colours contrast: 41 is light, 11 dark.
    EXPECT_EQ(kvr::negColor(41, palette.entries), kvr::swatch::kMarkerOnLight);
    EXPECT_EQ(kvr::negColor(11, palette.entries), kvr::swatch::kMarkerOnDark);
}

TEST(ShippedPictures, CockpitUsesTheThreeRunsAboveTheSwatchGrid)
{
    const auto dib = load256("Dib1.dib");
    ASSERT_EQ(dib.width(), 500);
    ASSERT_EQ(dib.height(), 375);
    // Stored run-length compressed, so the program reads that kind every time.
    EXPECT_EQ(kvr::le32(kvrtest::readFile(data("Dib1.dib")), 30), 1u);
    const auto h = histogram(dib, 0, 198);
    for (const auto& run : kvr::kCockpitRuns)
        EXPECT_GT(countIn(h, run.first, run.first + run.length - 1), 1000) << run.caption;
    // Each run's shading uses most of its shades.
    for (const auto& run : kvr::kCockpitRuns) {
        std::set<int> shades;
        for (const auto& [index, count] : h)
            if (index >= run.first && index < run.first + run.length)
                shades.insert(index);
        EXPECT_GE(int(shades.size()), run.length / 2) << run.caption;
    }
    // Scenery outside the runs is there too.
    int elsewhere = 0;
    for (const auto& [index, count] : h)
        if (!kvr::cockpitElementAt(std::uint8_t(index)))
            elsewhere += count;
    EXPECT_GT(elsewhere, 30000);
    expectSwatchGrid(dib);
}

TEST(ShippedPictures, PitCrewUsesEveryGroupAndTheLogo)
{
    const auto dib = load256("DIB2.DIB");
    ASSERT_EQ(dib.width(), 500);
    ASSERT_EQ(dib.height(), 375);
    EXPECT_EQ(kvr::le32(kvrtest::readFile(data("DIB2.DIB")), 30), 1u);
    const auto h = histogram(dib, 0, 198);
    for (int d = kvr::kFirstCrewGroup; d < kvr::kLastCrewGroup; ++d)
        EXPECT_GT(countIn(h, kvr::crewRunFirst(d), kvr::crewRunFirst(d) + 15), 80) << kvr::crewGroupCaption(d);
    for (int logo = 250; logo <= 255; ++logo)
        EXPECT_GT(h.count(logo), 0u) << logo;
    // Nothing of the crew uses 246..249, which show static colours, not the head's shades.
    EXPECT_EQ(countIn(h, 246, 249), 0);
    expectSwatchGrid(dib);
}

TEST(ShippedPictures, CameraSheetHasNineDifferentViewsAtTheirPlaces)
{
    const auto dib = load256("Dib3.dib");
    ASSERT_GE(dib.width(), 601);
    ASSERT_GE(dib.height(), 135);
    EXPECT_EQ(kvr::le32(kvrtest::readFile(data("Dib3.dib")), 30), 0u);
    const std::array<std::pair<int, int>, 9> places = {
        {{401, 68}, {101, 0}, {201, 0}, {301, 0}, {401, 0}, {501, 0}, {101, 68}, {201, 68}, {301, 68}}};
    std::vector<std::vector<std::uint8_t>> views;
    for (const auto& [left, top] : places) {
        std::vector<std::uint8_t> v;
        for (int y = top; y < top + 67; ++y)
            for (int x = left; x < left + 100; ++x)
                v.push_back(dib.pixel(x, y));
        EXPECT_GT(std::set<std::uint8_t>(v.begin(), v.end()).size(), 5u) << left << "," << top;
        views.push_back(std::move(v));
    }
    for (std::size_t a = 0; a < views.size(); ++a)
        for (std::size_t b = a + 1; b < views.size(); ++b) {
            std::size_t differing = 0;
            for (std::size_t i = 0; i < views[a].size(); ++i)
                differing += views[a][i] != views[b][i];
            EXPECT_GT(differing, views[a].size() / 10) << "cameras " << a + 1 << " and " << b + 1;
        }
}

TEST(ShippedPictures, SingleHelmetIsEightBit74By15)
{
    kvr::TDIB dib;
    dib.loadFromFile(data("SMALL.DIB"));
    EXPECT_EQ(dib.width(), 74);
    EXPECT_EQ(dib.height(), 15);
    EXPECT_EQ(dib.bitsPerPixel(), 8);
    EXPECT_EQ(dib.rowSize(), 76u);
}

TEST(ShippedPictures, RevLightSpritesAreGreenYellowRed)
{
    const auto dib = load256("LEDS.DIB");
    ASSERT_GE(dib.width(), 96);
    ASSERT_GE(dib.height(), 46);
    auto colour = [&](int x, int y) { return dib.colours()[dib.pixel(x, y)]; };
    const auto green = colour(90, 5);
    const auto yellow = colour(90, 17);
    const auto red = colour(90, 29);
    EXPECT_GT(green.green, green.red + 60);
    EXPECT_GT(yellow.red, yellow.blue + 100);
    EXPECT_GT(yellow.green, yellow.blue + 100);
    EXPECT_GT(red.red, red.green + 100);
    // The four lights on the panel are unlit: none shows a sprite's colour.
    for (int k = 0; k < 4; ++k) {
        const auto lamp = colour(10 + 17 * k + 5, 34 - 5 * k + 5);
        EXPECT_NE(lamp, green);
        EXPECT_NE(lamp, yellow);
        EXPECT_NE(lamp, red);
    }
}
