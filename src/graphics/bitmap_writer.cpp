// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/bitmap_writer.h"

#include "graphics/bitmap_header.h"
#include "core/byte_reader.h"
#include "graphics/rle8.h"
#include "graphics/wing.h"

namespace kvr {

IndexedPicture::IndexedPicture(int w, int h, std::uint8_t fill)
    : width(w), height(h), stride(rowStride(std::size_t(w))), pixels(stride * std::size_t(h), fill)
{
}

std::vector<std::uint8_t> encodeBitmap8(const IndexedPicture& picture, BitmapWriteOptions options)
{
    std::vector<std::uint8_t> rows;
    rows.reserve(picture.pixels.size());
    for (int y = picture.height - 1; y >= 0; --y) {
        const auto first = picture.pixels.begin() + std::ptrdiff_t(std::size_t(y) * picture.stride);
        rows.insert(rows.end(), first, first + std::ptrdiff_t(picture.stride));
    }
    if (options.runLength)
        rows = compressRle8(rows, std::size_t(picture.width), std::size_t(picture.height), picture.stride);

    constexpr std::uint32_t kPixelOffset = bmp::kFileHeaderSize + bmp::kInfoHeaderSize + kColourCount * bmp::kQuadSize;
    std::vector<std::uint8_t> out;
    out.reserve(kPixelOffset + rows.size());
    putLe16(out, bmp::kSignature);
    putLe32(out, std::uint32_t(kPixelOffset + rows.size()));
    putLe32(out, 0);
    putLe32(out, kPixelOffset);
    putLe32(out, bmp::kInfoHeaderSize);
    putLe32(out, std::uint32_t(picture.width));
    putLe32(out, std::uint32_t(picture.height));
    putLe16(out, 1);
    putLe16(out, 8);
    putLe32(out, options.runLength ? bmp::kRle8 : bmp::kUncompressed);
    putLe32(out, std::uint32_t(rows.size()));
    putLe32(out, 0);
    putLe32(out, 0);
    putLe32(out, options.coloursUsedZero ? 0 : kColourCount);
    putLe32(out, 0);
    for (const auto& c : picture.colours)
        out.insert(out.end(), {c.blue, c.green, c.red, 0});
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

} // namespace kvr
