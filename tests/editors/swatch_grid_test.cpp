// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cockpit/swatch_grid.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <vector>

using kvr::PixelArea;

namespace {

struct Picture {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(500 * 375, 3);
    PixelArea area() { return {bytes, 500, 375, 500}; }
    std::uint8_t at(int x, int y) const { return bytes[std::size_t(y) * 500 + std::size_t(x)]; }
};

// The middle of swatch index i's cell.
int xOf(int index)
{
    return (index - 11) % 25 * 20 + 10;
}
int yOf(int index)
{
    return 198 + (index - 11) / 25 * 15 + 7;
}

kvr::ColourTable greys()
{
    kvr::ColourTable t{};
    for (int i = 0; i < 256; ++i)
        t[std::size_t(i)] = kvr::rgb(std::uint8_t(i), std::uint8_t(i), std::uint8_t(i));
    return t;
}

} // namespace

TEST(SwatchGrid, EveryGridPixelIsItsSwatchOrTheBackground)
{
    Picture p;
    kvr::swatch::drawGrid(p.area());
    for (int y = 0; y < 375; ++y)
        for (int x = 0; x < 500; ++x) {
            int expected = 3; // rows above the grid are not touched
            if (y >= 198) {
                const int k = (y - 198) / 15 * 25 + x / 20;
                const bool inner = x % 20 != 0 && (y - 198) % 15 != 0;
                expected = k < 235 && inner ? k + 11 : 7;
            }
            ASSERT_EQ(p.at(x, y), expected) << x << "," << y;
        }
}

TEST(SwatchGrid, NegColorSplitsAtASumOf384)
{
    kvr::ColourTable t{};
    t[20] = kvr::rgb(128, 128, 128); // 384: dark
    t[21] = kvr::rgb(128, 128, 129); // 385: light
    t[22] = kvr::rgb(255, 255, 255);
    t[23] = kvr::rgb(0, 0, 0);
    t[24] = kvr::rgb(255, 130, 0); // 385
    EXPECT_EQ(kvr::negColor(20, t), 41);
    EXPECT_EQ(kvr::negColor(21, t), 11);
    EXPECT_EQ(kvr::negColor(22, t), 11);
    EXPECT_EQ(kvr::negColor(23, t), 41);
    EXPECT_EQ(kvr::negColor(24, t), 11);
}

TEST(SwatchGrid, DoRectMarksTheSevenByFiveBlockOfEachSwatchOfTheRun)
{
    Picture p;
    kvr::swatch::drawGrid(p.area());
    const std::vector<std::uint8_t> grid = p.bytes;
    const auto colours = greys();
    kvr::doRect(p.area(), 42, 15, true, colours);
    int changed = 0;
    for (int y = 0; y < 375; ++y)
        for (int x = 0; x < 500; ++x) {
            const std::size_t at = std::size_t(y) * 500 + std::size_t(x);
            if (p.bytes[at] != grid[at])
                ++changed;
        }
    EXPECT_EQ(changed, 15 * 7 * 5);
    // Swatch of index 42: cell at column 6, row 1 (x 120, y 213); block x 127..133, y 218..222.
    EXPECT_EQ(p.at(127, 218), 41); // grey 42 is dark
    EXPECT_EQ(p.at(133, 222), 41);
    EXPECT_EQ(p.at(126, 218), 42);
    EXPECT_EQ(p.at(134, 218), 42);
    EXPECT_EQ(p.at(127, 217), 42);
    EXPECT_EQ(p.at(127, 223), 42);
    // Index 200 (light grey) gets the dark marker.
    kvr::doRect(p.area(), 200, 1, true, colours);
    EXPECT_EQ(p.at(xOf(200), yOf(200)), 11);
    // Removing the marks gives the grid back.
    kvr::doRect(p.area(), 42, 15, false, colours);
    kvr::doRect(p.area(), 200, 1, false, colours);
    EXPECT_EQ(p.bytes, grid);
}

TEST(SwatchGrid, RunsReachingPastTheSwatchesMarkOnlyWhatHasOne)
{
    Picture p;
    kvr::swatch::drawGrid(p.area());
    const std::vector<std::uint8_t> grid = p.bytes;
    const auto colours = greys();
    auto changedPixels = [&] {
        int n = 0;
        for (std::size_t i = 0; i < grid.size(); ++i)
            n += p.bytes[i] != grid[i];
        return n;
    };
    // A stored base of 2 (byte 0xF8 in the game file): only 11..16 have swatches.
    kvr::doRect(p.area(), 2, 15, true, colours);
    EXPECT_EQ(changedPixels(), 6 * 35);
    kvr::doRect(p.area(), 2, 15, false, colours);
    // The team logo run from 240: 240..245 only, and nothing past the grid.
    kvr::doRect(p.area(), 240, 16, true, colours);
    EXPECT_EQ(changedPixels(), 6 * 35);
    kvr::doRect(p.area(), 240, 16, false, colours);
    kvr::doRect(p.area(), 250, 16, true, colours);
    EXPECT_EQ(changedPixels(), 0);
}

struct Accept {
    const char* what;
    int index; // the swatch clicked
    int runLength;
    bool accepted;
};
void PrintTo(const Accept& p, std::ostream* os)
{
    *os << p.what;
}

class SetColorRule : public testing::TestWithParam<Accept> {};

TEST_P(SetColorRule, AcceptsOnlyRunsThatStayOnTheSwatches)
{
    const auto& c = GetParam();
    const auto base = kvr::swatchBaseAt(xOf(c.index), yOf(c.index), c.runLength);
    if (c.accepted)
        EXPECT_EQ(base, std::optional<int>(c.index)) << c.what;
    else
        EXPECT_EQ(base, std::nullopt) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetColorRule,
    testing::Values(Accept{"cockpit (15) highest base", 231, 15, true}, Accept{"cockpit one past", 232, 15, false},
                    Accept{"mirrors (16) highest base", 230, 16, true}, Accept{"mirrors one past", 231, 16, false},
                    Accept{"front wing (14) highest base", 232, 14, true},
                    Accept{"front wing one past", 233, 14, false},
                    Accept{"pit crew group (16) highest base", 230, 16, true},
                    Accept{"pit crew one past", 231, 16, false}, Accept{"last swatch for the cockpit", 245, 15, false},
                    Accept{"first swatch", 11, 16, true}, Accept{"empty cell after the last swatch", 246, 1, false},
                    Accept{"last empty cell", 310, 1, false}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(SetColorRule, ClickPositionsOutsideTheGridChooseNothing)
{
    EXPECT_EQ(kvr::swatchBaseAt(10, 197, 1), std::nullopt);
    EXPECT_EQ(kvr::swatchBaseAt(10, 375, 1), std::nullopt);
    EXPECT_EQ(kvr::swatchBaseAt(-1, 200, 1), std::nullopt);
    EXPECT_EQ(kvr::swatchBaseAt(500, 200, 1), std::nullopt);
    // Edges of the grid: the first pixel of a cell (its background) counts as the cell.
    EXPECT_EQ(kvr::swatchBaseAt(0, 198, 15), std::optional<int>(11));
    EXPECT_EQ(kvr::swatchBaseAt(499, 198 + 14, 15), std::optional<int>(35));
    EXPECT_EQ(kvr::swatchBaseAt(20, 213, 15), std::optional<int>(37));
}
