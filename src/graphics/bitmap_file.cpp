// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/bitmap_file.h"

#include "core/byte_reader.h"
#include "core/tr_marker.h"
#include "graphics/colour_table.h"
#include "graphics/graphic_error.h"
#include "graphics/rle8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <optional>
#include <string>

namespace kvr {
namespace {

constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kRle4 = 2;

[[noreturn]] void refuse(const Message& why)
{
    throw InvalidGraphic(why);
}

[[noreturn]] void endsInHeaders()
{
    refuse(KVR_TR_NOOP("Pictures", "the file ends inside its headers"));
}

bool knownBitDepth(std::uint16_t bits)
{
    switch (bits) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}

std::string sizeText(std::int64_t width, std::int64_t height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

// The header as the bitmap class keeps it, from a 12-byte core header.
std::vector<std::uint8_t> widenedCoreHeader(std::span<const std::uint8_t> core, std::uint32_t colours)
{
    const std::uint16_t width = le16(core, bmp::kCoreWidth);
    const std::uint16_t height = le16(core, bmp::kCoreHeight);
    const std::uint16_t bits = le16(core, bmp::kCoreBitCount);
    std::vector<std::uint8_t> info;
    info.reserve(bmp::kInfoHeaderSize);
    putLe32(info, bmp::kInfoHeaderSize);
    putLe32(info, width);
    putLe32(info, height);
    putLe16(info, le16(core, bmp::kCorePlanes));
    putLe16(info, bits);
    putLe32(info, bmp::kUncompressed);
    putLe32(info, std::uint32_t(bmp::rowSize(bits, width) * height));
    putLe32(info, 0);
    putLe32(info, 0);
    putLe32(info, colours);
    putLe32(info, colours);
    return info;
}

void checkCompression(std::uint32_t compression, std::uint16_t bits)
{
    if (compression == bmp::kUncompressed)
        return;
    if (compression == bmp::kRle8 && bits != 8)
        refuse(
            fillIn(KVR_TR_NOOP("Pictures", "8-bit run-length compression in a %1-bit bitmap"), {std::to_string(bits)}));
    if (compression == kBitFields && bits != 16 && bits != 32)
        refuse(fillIn(KVR_TR_NOOP("Pictures", "colour bit fields in a %1-bit bitmap (only 16 and 32 bits have them)"),
                      {std::to_string(bits)}));
    if (compression == kRle4)
        refuse(KVR_TR_NOOP("Pictures", "4-bit run-length compression is not supported"));
    if (compression != bmp::kRle8 && compression != kBitFields)
        refuse(fillIn(KVR_TR_NOOP("Pictures", "compression type %1 is not supported"), {std::to_string(compression)}));
}

std::string hex(std::uint32_t v)
{
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += "0123456789ABCDEF"[(v >> shift) & 0xF];
    return text;
}

// One colour's bits in a bit-field pixel: a run of set bits.
struct Field {
    std::uint32_t mask;
    int shift;
    int width;
    unsigned scaled(std::uint32_t pixel, int bits) const
    {
        const std::uint32_t v = (pixel & mask) >> shift;
        const std::uint32_t top = (1u << width) - 1;
        return unsigned((v * ((1u << bits) - 1) + top / 2) / top);
    }
};

std::array<Field, 3> bitFields(std::span<const std::uint8_t> masks, std::uint16_t bits)
{
    std::array<Field, 3> fields{};
    std::uint32_t taken = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::uint32_t mask = le32(masks, i * 4);
        const int shift = mask ? std::countr_zero(mask) : 0;
        const int width = std::popcount(mask);
        const bool run = mask && ((mask >> shift) & ((mask >> shift) + 1)) == 0;
        if (!run || (bits < 32 && (mask >> bits) != 0) || (mask & taken) != 0 || width > 16)
            refuse(fillIn(KVR_TR_NOOP("Pictures", "its colour bit fields (red %1, green %2, blue %3) are not three "
                                                  "separate runs of bits within a pixel"),
                          {hex(le32(masks, 0)), hex(le32(masks, 4)), hex(le32(masks, 8))}));
        taken |= mask;
        fields[i] = {mask, shift, width};
    }
    return fields;
}

// Puts each pixel's colours where an uncompressed bitmap of the same depth keeps them
// (5 bits each for 16 bits, a byte each for 32), so that every loader reads them right.
void applyBitFields(BitmapImage& image, const std::array<Field, 3>& fields)
{
    const std::size_t rowBytes = image.rowSize();
    const std::size_t width = std::size_t(image.width);
    for (std::size_t y = 0; y < std::size_t(image.height); ++y) {
        std::uint8_t* row = image.rows.data() + y * rowBytes;
        for (std::size_t x = 0; x < width; ++x) {
            if (image.bitsPerPixel == 16) {
                std::uint8_t* p = row + 2 * x;
                const std::uint32_t v = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8);
                const unsigned out =
                    (fields[0].scaled(v, 5) << 10) | (fields[1].scaled(v, 5) << 5) | fields[2].scaled(v, 5);
                p[0] = std::uint8_t(out);
                p[1] = std::uint8_t(out >> 8);
            } else {
                std::uint8_t* p = row + 4 * x;
                const std::uint32_t v = le32(std::span<const std::uint8_t>(p, 4), 0);
                p[0] = std::uint8_t(fields[2].scaled(v, 8));
                p[1] = std::uint8_t(fields[1].scaled(v, 8));
                p[2] = std::uint8_t(fields[0].scaled(v, 8));
                p[3] = 0;
            }
        }
    }
}

} // namespace

BitmapImage readBitmapFile(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        refuse(KVR_TR_NOOP("Pictures", "the file is empty"));
    if (bytes.size() < 2 || le16(bytes, 0) != bmp::kSignature)
        refuse(KVR_TR_NOOP("Pictures", "it is not a bitmap file (it does not start with \"BM\")"));
    ByteReader in(bytes, [] { endsInHeaders(); });
    const auto fileHeader = in.take(bmp::kFileHeaderSize);
    const std::uint32_t headerSize = le32(in.peek(4), 0);

    BitmapImage image;
    std::int64_t height = 0;
    std::uint32_t compression = bmp::kUncompressed;
    std::uint32_t colours = 0;
    std::span<const std::uint8_t> header;
    if (headerSize == bmp::kCoreHeaderSize) {
        header = in.take(bmp::kCoreHeaderSize);
        image.width = le16(header, bmp::kCoreWidth);
        height = le16(header, bmp::kCoreHeight);
        image.planes = le16(header, bmp::kCorePlanes);
        image.bitsPerPixel = le16(header, bmp::kCoreBitCount);
        colours = bmp::defaultColours(image.bitsPerPixel);
    } else if (headerSize == bmp::kInfoHeaderSize) {
        header = in.take(bmp::kInfoHeaderSize);
        image.width = std::int32_t(le32(header, bmp::kInfoWidth));
        height = std::int32_t(le32(header, bmp::kInfoHeight));
        image.planes = le16(header, bmp::kInfoPlanes);
        image.bitsPerPixel = le16(header, bmp::kInfoBitCount);
        compression = le32(header, bmp::kInfoCompression);
        colours = le32(header, bmp::kInfoColoursUsed);
        if (colours == 0)
            colours = bmp::defaultColours(image.bitsPerPixel);
    } else {
        refuse(fillIn(
            KVR_TR_NOOP("Pictures", "its header is %1 bytes long; bitmaps with a 40- or 12-byte header are read"),
            {std::to_string(headerSize)}));
    }
    const bool topDown = height < 0;
    height = topDown ? -height : height;
    if (image.width < 0)
        refuse(fillIn(KVR_TR_NOOP("Pictures", "its width is negative (%1)"), {std::to_string(image.width)}));
    if (height > std::numeric_limits<std::int32_t>::max())
        refuse(KVR_TR_NOOP("Pictures", "its height is out of range"));
    image.height = std::int32_t(height);
    if (!knownBitDepth(image.bitsPerPixel))
        refuse(fillIn(KVR_TR_NOOP("Pictures", "%1 bits per pixel is not a bitmap depth (1, 4, 8, 16, 24 or 32)"),
                      {std::to_string(image.bitsPerPixel)}));
    checkCompression(compression, image.bitsPerPixel);
    if (colours > std::uint32_t(kColourCount))
        refuse(fillIn(KVR_TR_NOOP("Pictures", "its colour table claims %1 colours; at most 256 are read"),
                      {std::to_string(colours)}));
    if (std::uint64_t(image.width) * std::uint64_t(image.height) > kMaxPixelBytes)
        refuse(fillIn(KVR_TR_NOOP("Pictures", "%1 pixels are more than a picture may have (4096 x 4096)"),
                      {sizeText(image.width, image.height)}));

    std::optional<std::array<Field, 3>> fields;
    if (compression == kBitFields && le32(fileHeader, bmp::kPixelOffset) == in.position()) {
        // Some writers mark the fields but store none, the pixels right after the
        // header: the depth's usual layout.
        static constexpr std::uint8_t kUsual16[12] = {0x00, 0x7C, 0, 0, 0xE0, 0x03, 0, 0, 0x1F, 0, 0, 0};
        static constexpr std::uint8_t kUsual32[12] = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
        fields = bitFields(image.bitsPerPixel == 16 ? kUsual16 : kUsual32, image.bitsPerPixel);
    } else if (compression == kBitFields) {
        if (!in.has(12))
            refuse(KVR_TR_NOOP("Pictures", "the file ends inside its colour bit fields"));
        fields = bitFields(in.take(12), image.bitsPerPixel);
    }

    const std::size_t entry = headerSize == bmp::kCoreHeaderSize ? bmp::kTripleSize : bmp::kQuadSize;
    if (!in.has(std::uint64_t(colours) * entry))
        refuse(KVR_TR_NOOP("Pictures", "the file ends inside its colour table"));
    const auto table = in.take(std::uint64_t(colours) * entry);
    for (std::uint32_t i = 0; i < colours; ++i) {
        const auto e = table.subspan(i * entry, entry);
        image.colourTable.insert(image.colourTable.end(),
                                 {e[0], e[1], e[2], entry == bmp::kQuadSize ? e[3] : std::uint8_t(0)});
    }

    // Writers that leave the offset unset, or set it to nonsense, mean "after the colours".
    const std::uint32_t offset = le32(fileHeader, bmp::kPixelOffset);
    const std::size_t start = offset >= in.position() && offset <= bytes.size() ? offset : in.position();
    const auto data = bytes.subspan(start);
    const std::uint64_t rowBytes = image.rowSize();
    const std::uint64_t area = rowBytes * std::uint64_t(image.height);
    if (compression == bmp::kRle8) {
        image.rows.assign(std::size_t(area), 0);
        expandRle8(data, image.rows, std::size_t(rowBytes));
    } else {
        if (data.size() < area)
            refuse(fillIn(KVR_TR_NOOP("Pictures", "the pixel rows are cut short: %1 pixels need %2 bytes from byte %3, "
                                                  "the file holds %4"),
                          {sizeText(image.width, image.height), std::to_string(area), std::to_string(start),
                           std::to_string(data.size())}));
        image.rows.assign(data.begin(), data.begin() + std::ptrdiff_t(area));
    }
    // A picture of no pixels may still claim a billion rows; there is nothing to walk.
    if (fields && area > 0)
        applyBitFields(image, *fields);
    if (topDown && area > 0)
        for (std::size_t i = 0; i < std::size_t(image.height) / 2; ++i)
            std::swap_ranges(image.rows.begin() + std::ptrdiff_t(i * rowBytes),
                             image.rows.begin() + std::ptrdiff_t((i + 1) * rowBytes),
                             image.rows.end() - std::ptrdiff_t((i + 1) * rowBytes));

    if (headerSize == bmp::kCoreHeaderSize) {
        image.info = widenedCoreHeader(header, colours);
    } else {
        image.info.assign(header.begin(), header.end());
        if (topDown || compression == bmp::kRle8 || fields) {
            setLe32(image.info, bmp::kInfoHeight, std::uint32_t(image.height));
            setLe32(image.info, bmp::kInfoCompression, bmp::kUncompressed);
            setLe32(image.info, bmp::kInfoImageSize, std::uint32_t(area));
        }
    }
    return image;
}

} // namespace kvr
