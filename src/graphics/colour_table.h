// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace kvr {

// One colour of a bitmap's colour table, in the order a bitmap file stores it.
struct ColourEntry {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
    bool operator==(const ColourEntry&) const = default;
};

inline constexpr int kColourCount = 256;
using ColourTable = std::array<ColourEntry, kColourCount>;

// Indices 0..9 and 246..255 are the screen's static colours; pictures own 10..245.
inline constexpr int kFirstPictureColour = 10;
inline constexpr int kFirstUpperStatic = 246;
inline constexpr int kStaticColourCount = 20;

constexpr bool isStaticColour(int index)
{
    return index < kFirstPictureColour || index >= kFirstUpperStatic;
}

constexpr ColourEntry rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return {blue, green, red, 0};
}

// Our fixed stand-in for the system palette's static colours: 0..9 then 246..255.
inline constexpr std::array<ColourEntry, kStaticColourCount> kStaticColours = {
    rgb(0, 0, 0),       rgb(128, 0, 0),     rgb(0, 128, 0),     rgb(128, 128, 0),   rgb(0, 0, 128),
    rgb(128, 0, 128),   rgb(0, 128, 128),   rgb(192, 192, 192), rgb(192, 220, 192), rgb(166, 202, 240),
    rgb(255, 251, 240), rgb(160, 160, 164), rgb(128, 128, 128), rgb(255, 0, 0),     rgb(0, 255, 0),
    rgb(255, 255, 0),   rgb(0, 0, 255),     rgb(255, 0, 255),   rgb(0, 255, 255),   rgb(255, 255, 255),
};

// The static colour shown at `index` (which must be a static index).
ColourEntry staticColour(int index);

// Puts the static colours into entries 0..9 and 246..255, leaving 10..245 alone.
void applyStaticColours(ColourTable& table);

// 0xAARRGGBB, opaque.
constexpr std::uint32_t toArgb(ColourEntry c)
{
    return 0xFF000000u | (std::uint32_t(c.red) << 16) | (std::uint32_t(c.green) << 8) | std::uint32_t(c.blue);
}

} // namespace kvr
