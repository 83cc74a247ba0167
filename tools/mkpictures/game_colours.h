// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "graphics/colour_table.h"

#include <cstdint>
#include <vector>

namespace mkpic {

// The editor's game palette. Indices 10..41 are neutral colours that no colour editor
// recolours; from 42 on come fourteen ramps of 16 shades, one hue each, starting at
// 10 + 16 d, so any ramp-aligned base turns a drawn run into the same shading in
// another hue. 0..9 and 246..255 hold the static colours.
namespace ix {
inline constexpr std::uint8_t kDarkBackground = 10;
inline constexpr Ramp kGrey{11, 15}; // 11 nearly black .. 25 nearly white
inline constexpr Ramp kSkin{26, 8};  // 26..33
inline constexpr std::uint8_t kSkyLight = 34;
inline constexpr std::uint8_t kSky = 35;
inline constexpr std::uint8_t kGrassDark = 36;
inline constexpr std::uint8_t kGrass = 37;
inline constexpr std::uint8_t kSand = 38;
inline constexpr std::uint8_t kTrees = 39;
inline constexpr std::uint8_t kWood = 40;
inline constexpr std::uint8_t kWhite = 41;

constexpr Ramp hue(int d, int length = 16)
{
    return Ramp{10 + 16 * d, length};
}
inline constexpr Ramp kRed = hue(2);
inline constexpr Ramp kSteel = hue(3);
inline constexpr Ramp kOrange = hue(4);
inline constexpr Ramp kYellow = hue(5);
inline constexpr Ramp kGreen = hue(6);
inline constexpr Ramp kTeal = hue(7);
inline constexpr Ramp kCyan = hue(8);
inline constexpr Ramp kBlue = hue(9);
inline constexpr Ramp kNavy = hue(10);
inline constexpr Ramp kPurple = hue(11);
inline constexpr Ramp kPink = hue(12);
inline constexpr Ramp kBrown = hue(13);
inline constexpr Ramp kPearl = hue(14, 12); // 234..245; 246.. are static
} // namespace ix

kvr::ColourTable gamePalette();

// DATA/KVR.PAL: 12-byte header, then red, green, blue, 0 for each of the 256 colours.
std::vector<std::uint8_t> encodePalette(const kvr::ColourTable& colours);

} // namespace mkpic
