// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/colour_table.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvr {

// A picture as a paint program saved it, whatever its file: RGBA pixels and, for an 8-bit
// picture, its own pixel numbers and colour table as well.
struct PaintedPicture {
    int width = 0;
    int height = 0;
    // Red, green, blue and alpha (0 transparent .. 255 opaque) a pixel, top row first.
    std::vector<std::uint8_t> rgba;
    // The pixel numbers of an 8-bit picture, width x height with no padding; empty otherwise.
    std::vector<std::uint8_t> indices;
    ColourTable colours{};

    bool indexed() const { return !indices.empty(); }
    std::size_t pixelCount() const { return std::size_t(width) * std::size_t(height); }
    const std::uint8_t* pixel(std::size_t i) const { return rgba.data() + 4 * i; }
};

// Every pixel of `indices` through the colour table, opaque.
PaintedPicture paintedFromIndices(int width, int height, std::vector<std::uint8_t> indices, const ColourTable& colours);

// The picture scaled smoothly to width x height (1 to 4096 each): a tent filter as wide as
// a source pixel or an output pixel, whichever is wider, in linear light with the colours
// weighted by their opacity. The same size gives the picture itself, pixel numbers and all;
// any other loses them.
PaintedPicture scalePicture(const PaintedPicture& picture, int width, int height);

} // namespace kvr
