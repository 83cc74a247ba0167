// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/colour_table.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvr {

// An 8-bit picture held top-down, rows of rowStride(width) bytes: what the editor's
// picture maker draws into and what bitmap files are written from.
struct IndexedPicture {
    IndexedPicture(int width, int height, std::uint8_t fill = 0);

    int width;
    int height;
    std::size_t stride;
    std::vector<std::uint8_t> pixels;
    ColourTable colours{};

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * stride + std::size_t(x)]; }
    // Points outside the picture are ignored, so drawings may reach past its edges.
    void set(int x, int y, std::uint8_t index)
    {
        if (contains(x, y))
            pixels[std::size_t(y) * stride + std::size_t(x)] = index;
    }
};

struct BitmapWriteOptions {
    bool runLength = false;       // 8-bit run-length compression
    bool coloursUsedZero = false; // leave "colours used" 0, meaning 256
};

// A complete 8-bit bitmap file: 40-byte header, 256 colours, rows bottom-up.
std::vector<std::uint8_t> encodeBitmap8(const IndexedPicture& picture, BitmapWriteOptions options = {});

} // namespace kvr
