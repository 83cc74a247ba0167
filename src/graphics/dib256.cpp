// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/dib256.h"

#include "core/byte_reader.h"
#include "core/tr_marker.h"
#include "graphics/bitmap_file.h"
#include "graphics/graphic_error.h"

#include <algorithm>
#include <limits>
#include <string>

namespace kvr {
namespace {

[[noreturn]] void refuse(const Message& why)
{
    throw InvalidGraphic(fillIn(KVR_TR_NOOP("Pictures", "%1: %2"), {kDib256Invalid, why}));
}

constexpr std::uint16_t kPlanes = 1;
constexpr std::uint16_t kBitsPerPixel = 8;
// A file may hold at most the pixel area, its headers and a generous run-length stream.
constexpr std::uint64_t kMaxFileBytes = kMaxPixelBytes * 4;

} // namespace

void TDIB256::loadFromFile(const std::filesystem::path& file)
{
    loadFromBytes(readPictureFile(file, kMaxFileBytes));
}

void TDIB256::loadFromBytes(std::span<const std::uint8_t> bytes)
{
    BitmapImage file;
    try {
        file = readBitmapFile(bytes);
    } catch (const InvalidGraphic& e) {
        refuse(e.message());
    }
    if (file.bitsPerPixel != kBitsPerPixel)
        refuse(fillIn(KVR_TR_NOOP("Pictures", "it is a %1-bit bitmap; the picture needs 8 bits per pixel"),
                      {std::to_string(file.bitsPerPixel)}));
    if (file.planes != kPlanes)
        refuse(
            fillIn(KVR_TR_NOOP("Pictures", "it has %1 colour planes; bitmaps have 1"), {std::to_string(file.planes)}));
    // Sizes are kept as 16-bit values.
    if (file.width == 0 || file.height == 0 || file.width > std::numeric_limits<std::uint16_t>::max() ||
        file.height > std::numeric_limits<std::uint16_t>::max())
        refuse(fillIn(KVR_TR_NOOP("Pictures", "a picture of %1 x %2 pixels cannot be shown"),
                      {std::to_string(file.width), std::to_string(file.height)}));

    // Stored bottom-up; we keep row 0 at the top.
    const std::size_t stride = file.rowSize();
    std::vector<std::uint8_t> pixels(file.rows.size());
    for (std::size_t y = 0; y < std::size_t(file.height); ++y)
        std::copy_n(file.rows.begin() + std::ptrdiff_t((std::size_t(file.height) - 1 - y) * stride), stride,
                    pixels.begin() + std::ptrdiff_t(y * stride));

    ColourTable colours{};
    for (std::size_t i = 0; i < file.colourCount(); ++i) {
        const auto q = std::span(file.colourTable).subspan(i * bmp::kQuadSize, bmp::kQuadSize);
        colours[i] = ColourEntry{q[0], q[1], q[2], q[3]};
    }
    std::vector<std::uint8_t> header = std::move(file.info);
    setLe32(header, bmp::kInfoCompression, bmp::kUncompressed);
    setLe32(header, bmp::kInfoImageSize, std::uint32_t(pixels.size()));
    setLe32(header, bmp::kInfoColoursUsed, kColourCount);

    m_header = std::move(header);
    m_colours = colours;
    m_pixels = std::move(pixels);
    m_width = std::uint16_t(file.width);
    m_height = std::uint16_t(file.height);
    m_stride = stride;
}

} // namespace kvr
