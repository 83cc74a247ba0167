// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace kvr {

// Places in a bitmap file: the 14-byte file header, then the info header.
namespace bmp {
inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::uint16_t kSignature = 0x4D42; // "BM"
inline constexpr std::size_t kFileSize = 2;
inline constexpr std::size_t kReserved = 6;
inline constexpr std::size_t kPixelOffset = 10;

inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::size_t kCoreHeaderSize = 12;
// Offsets inside the 40-byte info header.
inline constexpr std::size_t kInfoSize = 0;
inline constexpr std::size_t kInfoWidth = 4;
inline constexpr std::size_t kInfoHeight = 8;
inline constexpr std::size_t kInfoPlanes = 12;
inline constexpr std::size_t kInfoBitCount = 14;
inline constexpr std::size_t kInfoCompression = 16;
inline constexpr std::size_t kInfoImageSize = 20;
inline constexpr std::size_t kInfoXResolution = 24;
inline constexpr std::size_t kInfoYResolution = 28;
inline constexpr std::size_t kInfoColoursUsed = 32;
inline constexpr std::size_t kInfoColoursImportant = 36;
// Offsets inside the 12-byte core header.
inline constexpr std::size_t kCoreWidth = 4;
inline constexpr std::size_t kCoreHeight = 6;
inline constexpr std::size_t kCorePlanes = 8;
inline constexpr std::size_t kCoreBitCount = 10;

inline constexpr std::uint32_t kUncompressed = 0;
inline constexpr std::uint32_t kRle8 = 1;

inline constexpr std::size_t kQuadSize = 4;   // blue, green, red, 0
inline constexpr std::size_t kTripleSize = 3; // blue, green, red (core header)

// Bytes per stored row: bits rounded up to whole 32-bit words.
constexpr std::uint64_t rowSize(std::uint64_t bitsPerPixel, std::uint64_t width)
{
    return (bitsPerPixel * width + 31) / 32 * 4;
}

// The colour count a header implies when it does not give one.
constexpr std::uint32_t defaultColours(std::uint32_t bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}
} // namespace bmp

} // namespace kvr
