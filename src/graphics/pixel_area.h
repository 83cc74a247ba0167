// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_writer.h"
#include "graphics/wing.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace kvr {

// Top-down 8-bit rows in memory, wherever they live (the view's bitmap, a picture
// being drawn): what the recolouring and swatch routines work on.
struct PixelArea {
    std::span<std::uint8_t> pixels;
    int width = 0;
    int height = 0;
    std::size_t stride = 0;

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * stride + std::size_t(x)]; }
    void set(int x, int y, std::uint8_t index)
    {
        if (contains(x, y))
            pixels[std::size_t(y) * stride + std::size_t(x)] = index;
    }
    // Fills the rectangle of columns [left, right] and rows [top, bottom], clipped.
    void fill(int left, int top, int right, int bottom, std::uint8_t index)
    {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                set(x, y, index);
    }
};

inline PixelArea areaOf(TWinG& bitmap)
{
    return {bitmap.pixels(), bitmap.width(), bitmap.height(), bitmap.stride()};
}
inline PixelArea areaOf(IndexedPicture& picture)
{
    return {picture.pixels, picture.width, picture.height, picture.stride};
}

} // namespace kvr
