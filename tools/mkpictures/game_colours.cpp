// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_colours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace mkpic {
namespace {

struct Rgb {
    double r, g, b;
};

kvr::ColourEntry toEntry(Rgb c)
{
    auto ch = [](double v) { return std::uint8_t(std::clamp(std::lround(v), 0L, 255L)); };
    return kvr::rgb(ch(c.r), ch(c.g), ch(c.b));
}

// Shade s of 16: from a quarter of the colour up to the colour, then towards white.
Rgb shadeOf(Rgb base, int s, int shades)
{
    const int full = shades * 5 / 8;
    if (s <= full) {
        const double k = 0.22 + 0.78 * s / full;
        return {base.r * k, base.g * k, base.b * k};
    }
    const double w = 0.7 * (s - full) / (shades - 1 - full);
    return {base.r + (255 - base.r) * w, base.g + (255 - base.g) * w, base.b + (255 - base.b) * w};
}

constexpr std::array<Rgb, 16> kHues = {{
    {0, 0, 0},
    {0, 0, 0}, // 10..41: the neutral colours below
    {215, 25, 30},
    {120, 135, 160}, // red, steel
    {240, 125, 15},
    {235, 205, 25}, // orange, yellow
    {35, 165, 60},
    {15, 135, 125}, // green, teal
    {50, 165, 230},
    {30, 70, 205}, // cyan, blue
    {35, 40, 120},
    {120, 45, 170}, // navy, purple
    {225, 60, 150},
    {125, 80, 40}, // pink, brown
    {205, 205, 210},
    {0, 0, 0}, // pearl; 250.. are static
}};

} // namespace

kvr::ColourTable gamePalette()
{
    kvr::ColourTable t{};
    t[ix::kDarkBackground] = kvr::rgb(18, 20, 26);
    for (int s = 0; s < ix::kGrey.length; ++s) {
        const auto v = std::uint8_t(22 + s * (236 - 22) / (ix::kGrey.length - 1));
        t[ix::kGrey.at(s)] = kvr::rgb(v, v, v);
    }
    for (int s = 0; s < ix::kSkin.length; ++s)
        t[ix::kSkin.at(s)] = toEntry(shadeOf({230, 170, 130}, s + 4, ix::kSkin.length + 4));
    t[ix::kSkyLight] = kvr::rgb(175, 210, 240);
    t[ix::kSky] = kvr::rgb(110, 165, 225);
    t[ix::kGrassDark] = kvr::rgb(45, 105, 40);
    t[ix::kGrass] = kvr::rgb(75, 145, 60);
    t[ix::kSand] = kvr::rgb(215, 195, 145);
    t[ix::kTrees] = kvr::rgb(25, 70, 35);
    t[ix::kWood] = kvr::rgb(115, 80, 50);
    t[ix::kWhite] = kvr::rgb(255, 255, 255);
    for (int d = 2; d < 16; ++d)
        for (int s = 0; s < 16; ++s) {
            const int index = 10 + 16 * d + s;
            if (index < kvr::kColourCount)
                t[std::size_t(index)] = toEntry(shadeOf(kHues[std::size_t(d)], s, 16));
        }
    kvr::applyStaticColours(t);
    return t;
}

std::vector<std::uint8_t> encodePalette(const kvr::ColourTable& colours)
{
    constexpr std::string_view kHeader{"KVRDESK PAL\0", 12};
    std::vector<std::uint8_t> out(kHeader.begin(), kHeader.end());
    for (const auto& c : colours)
        out.insert(out.end(), {c.red, c.green, c.blue, 0});
    return out;
}

} // namespace mkpic
