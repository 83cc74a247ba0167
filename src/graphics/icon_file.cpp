// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/icon_file.h"

#include "core/byte_reader.h"

#include <stdexcept>

namespace kvr {
namespace {

constexpr std::size_t kDirectoryBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::size_t kHeaderBytes = 40;
constexpr std::uint8_t kOpaqueFrom = 128;

// Mask rows are one bit a pixel, padded to whole 32-bit words.
std::size_t maskStride(int size)
{
    return (std::size_t(size) + 31) / 32 * 4;
}

std::size_t imageBytes(int size)
{
    return kHeaderBytes + std::size_t(size) * std::size_t(size) * 4 + maskStride(size) * std::size_t(size);
}

// The header's height counts the colour rows and the mask rows; both run bottom-up.
void putImage(std::vector<std::uint8_t>& out, const IconImage& image)
{
    const std::size_t n = std::size_t(image.size);
    putLe32(out, kHeaderBytes);
    putLe32(out, std::uint32_t(n));
    putLe32(out, std::uint32_t(2 * n));
    putLe16(out, 1);
    putLe16(out, 32);
    putLe32(out, 0);
    putLe32(out, std::uint32_t(imageBytes(image.size) - kHeaderBytes));
    for (int i = 0; i < 4; ++i)
        putLe32(out, 0);
    for (std::size_t y = n; y-- > 0;)
        out.insert(out.end(), image.bgra.begin() + std::ptrdiff_t(y * n * 4),
                   image.bgra.begin() + std::ptrdiff_t((y + 1) * n * 4));
    // Older systems draw through the mask: a set bit leaves the background showing.
    for (std::size_t y = n; y-- > 0;) {
        std::vector<std::uint8_t> row(maskStride(image.size), 0);
        for (std::size_t x = 0; x < n; ++x)
            if (image.bgra[(y * n + x) * 4 + 3] < kOpaqueFrom)
                row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

} // namespace

std::vector<std::uint8_t> encodeIconFile(const std::vector<IconImage>& images)
{
    for (const IconImage& image : images)
        if (image.size < 1 || image.size > 256 ||
            image.bgra.size() != std::size_t(image.size) * std::size_t(image.size) * 4)
            throw std::invalid_argument("an icon picture must be square, 1 to 256 pixels a side, 4 bytes a pixel");
    std::vector<std::uint8_t> out;
    putLe16(out, 0);
    putLe16(out, 1);
    putLe16(out, std::uint32_t(images.size()));
    std::size_t offset = kDirectoryBytes + kEntryBytes * images.size();
    for (const IconImage& image : images) {
        // 256 does not fit the directory's byte and is written as 0.
        out.push_back(std::uint8_t(image.size & 0xFF));
        out.push_back(std::uint8_t(image.size & 0xFF));
        out.push_back(0);
        out.push_back(0);
        putLe16(out, 1);
        putLe16(out, 32);
        putLe32(out, std::uint32_t(imageBytes(image.size)));
        putLe32(out, std::uint32_t(offset));
        offset += imageBytes(image.size);
    }
    for (const IconImage& image : images)
        putImage(out, image);
    return out;
}

} // namespace kvr
