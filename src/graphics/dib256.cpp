#include "graphics/dib256.h"

#include "graphics/bitmap_header.h"
#include "core/byte_reader.h"
#include "graphics/graphic_error.h"
#include "graphics/rle8.h"
#include "graphics/wing.h"

#include <algorithm>
#include <limits>

namespace kvr {
namespace {

[[noreturn]] void invalid()
{
    throw InvalidGraphic(kDib256Invalid);
}

void check(bool ok)
{
    if (!ok)
        invalid();
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
    ByteReader in(bytes, [] { invalid(); });
    const auto fileHeader = in.take(bmp::kFileHeaderSize);
    check(le16(fileHeader, 0) == bmp::kSignature);

    const auto info = in.take(bmp::kInfoHeaderSize);
    const auto width = std::int32_t(le32(info, bmp::kInfoWidth));
    const auto height = std::int32_t(le32(info, bmp::kInfoHeight));
    check(le32(info, bmp::kInfoSize) == bmp::kInfoHeaderSize);
    check(width != 0 && height != 0);
    check(le16(info, bmp::kInfoPlanes) == kPlanes);
    check(le16(info, bmp::kInfoBitCount) == kBitsPerPixel);
    // Sizes are kept as 16-bit values; top-down files (negative height) are not ours.
    check(width > 0 && height > 0);
    check(width <= std::numeric_limits<std::uint16_t>::max() && height <= std::numeric_limits<std::uint16_t>::max());

    std::uint32_t coloursUsed = le32(info, bmp::kInfoColoursUsed);
    if (coloursUsed == 0)
        coloursUsed = kColourCount;
    check(coloursUsed <= std::uint32_t(kColourCount));
    const auto colourBytes = in.take(std::uint64_t(coloursUsed) * bmp::kQuadSize);

    const std::size_t stride = rowStride(std::size_t(width));
    const std::uint64_t area = std::uint64_t(stride) * std::uint64_t(height);
    check(area <= kMaxPixelBytes);
    std::uint32_t imageSize = le32(info, bmp::kInfoImageSize);
    if (imageSize == 0)
        imageSize = std::uint32_t(area);

    std::vector<std::uint8_t> pixels(std::size_t(area), 0);
    const std::uint32_t compression = le32(info, bmp::kInfoCompression);
    if (compression == bmp::kUncompressed) {
        check(imageSize <= area);
        const auto data = in.take(imageSize);
        std::copy(data.begin(), data.end(), pixels.begin());
    } else if (compression == bmp::kRle8) {
        expandRle8(in.rest(), pixels, stride);
        imageSize = std::uint32_t(area);
    } else {
        invalid();
    }

    // Stored bottom-up; we keep row 0 at the top.
    for (std::size_t i = 0; i < std::size_t(height) / 2; ++i)
        std::swap_ranges(pixels.begin() + std::ptrdiff_t(i * stride), pixels.begin() + std::ptrdiff_t((i + 1) * stride),
                         pixels.begin() + std::ptrdiff_t((std::size_t(height) - 1 - i) * stride));

    ColourTable colours{};
    for (std::uint32_t i = 0; i < coloursUsed; ++i) {
        const auto q = colourBytes.subspan(i * bmp::kQuadSize, bmp::kQuadSize);
        colours[i] = ColourEntry{q[0], q[1], q[2], q[3]};
    }
    std::vector<std::uint8_t> header(info.begin(), info.end());
    setLe32(header, bmp::kInfoCompression, bmp::kUncompressed);
    setLe32(header, bmp::kInfoImageSize, imageSize);
    setLe32(header, bmp::kInfoColoursUsed, kColourCount);

    m_header = std::move(header);
    m_colours = colours;
    m_pixels = std::move(pixels);
    m_width = std::uint16_t(width);
    m_height = std::uint16_t(height);
    m_stride = stride;
}

} // namespace kvr
