// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/picture_files.h"

#include "core/byte_reader.h"
#include "core/errors.h"
#include "core/tr_marker.h"
#include "graphics/bitmap_file.h"
#include "graphics/graphic_error.h"

#include <algorithm>

namespace kvr {

namespace {
constexpr std::uint64_t kMaxBitmapBytes = 64ull * 1024 * 1024;
} // namespace

PaintedPicture paintedFromBitmap(std::span<const std::uint8_t> bytes)
{
    const BitmapImage b = readBitmapFile(bytes);
    if (b.bitsPerPixel != 8)
        throw InvalidGraphic(KVR_TR_NOOP("Pictures", "it is not a picture in a format this program reads"));
    ColourTable colours{};
    for (std::size_t i = 0; i < std::min<std::size_t>(b.colourCount(), kColourCount); ++i) {
        const std::uint8_t* q = b.colourTable.data() + 4 * i;
        colours[i] = rgb(q[2], q[1], q[0]);
    }
    const std::size_t w = std::size_t(b.width), h = std::size_t(b.height);
    std::vector<std::uint8_t> indices(w * h);
    for (std::size_t y = 0; y < h; ++y) // the rows are stored bottom-up
        std::copy_n(b.rows.begin() + std::ptrdiff_t((h - 1 - y) * b.rowSize()), w,
                    indices.begin() + std::ptrdiff_t(y * w));
    return paintedFromIndices(b.width, b.height, std::move(indices), colours);
}

PaintedPicture PictureFiles::read(const std::filesystem::path& file) const
{
    try {
        return paintedFromBitmap(readPictureFile(file, kMaxBitmapBytes));
    } catch (const InvalidGraphic& e) {
        throw InvalidGraphic(
            fillIn(KVR_TR_NOOP("Pictures", "The picture %1 is not usable: %2"), {file.string(), messageOf(e)}));
    }
}

std::string PictureFiles::namePatterns() const
{
    return "*.bmp";
}

std::vector<std::uint8_t> PictureFiles::indexedPng(const IndexedPicture&) const
{
    throw GeneralError(KVR_TR_NOOP("Pictures", "The PNG picture cannot be made"));
}

} // namespace kvr
