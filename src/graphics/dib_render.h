// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/colour_table.h"

#include <cstdint>
#include <vector>

namespace kvr {

class TDIB;
class TDIB256;

// A picture as 0xAARRGGBB values, top row first: what a front end turns into an image
// for the screen or a PNG file.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// Through the bitmap's own colour table, or through `colours` when given.
RgbPicture renderDib256(const TDIB256& dib, const ColourTable* colours = nullptr);

// 1, 4 and 8 bits per pixel through the colour table (or `colours`), 16 bits as 5-5-5,
// 24 and 32 bits directly. Other depths give a black picture of the right size.
RgbPicture renderDib(const TDIB& dib, const ColourTable* colours = nullptr);

} // namespace kvr
