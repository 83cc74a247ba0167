// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_header.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kvr {

// Pictures are small; a header that asks for more pixels than this is refused rather
// than trusted (run-length data can claim any size in a few bytes).
inline constexpr std::uint64_t kMaxPixelBytes = 16ull * 1024 * 1024; // 4096 x 4096

// A bitmap file in the shape the bitmap class keeps it: a 40-byte info header, the colour
// table at 4 bytes an entry, and the pixel rows bottom-up, each padded to whole 32-bit
// words. A file stored that way keeps its header byte for byte; a 12-byte core header is
// widened, and run-length or top-down rows are kept plain, with a header that says so
// (uncompressed, positive height, image size of the rows).
struct BitmapImage {
    std::vector<std::uint8_t> info;
    std::vector<std::uint8_t> colourTable;
    std::vector<std::uint8_t> rows;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;

    std::size_t colourCount() const { return colourTable.size() / bmp::kQuadSize; }
    std::size_t rowSize() const { return std::size_t(bmp::rowSize(bitsPerPixel, std::uint32_t(width))); }
};

// The one reading of bitmap files that every loader shares (the bitmap class, the image
// view's loader, the converter, `kvrdesk-cli picture`). The rows start where the file
// header's pixel offset says; an offset inside the headers or past the end of the file
// is taken as unset, and the rows then follow the colour table. Their length comes from
// width, height and depth, never from the header's image size, which writers may leave
// 0 or set to the unpadded size. Rows may be uncompressed or 8-bit run-length (which may
// be shorter than the rows it makes), bottom-up or top-down (a negative height).
// Throws InvalidGraphic with a short text that says what is wrong.
BitmapImage readBitmapFile(std::span<const std::uint8_t> bytes);

} // namespace kvr
