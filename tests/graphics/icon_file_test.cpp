// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/icon_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A 2 x 2 picture, top row: opaque red, half-transparent green; bottom row: clear,
// opaque blue. Bytes are blue, green, red, alpha.
kvr::IconImage twoByTwo()
{
    return {2, {0, 0, 255, 255, 0, 255, 0, 127, 0, 0, 0, 0, 255, 0, 0, 255}};
}

// Worked out by hand from the format: directory, one entry, 40-byte header, the colour
// rows bottom-up, then the mask rows bottom-up, each padded to four bytes.
TEST(IconFile, OnePictureIsWrittenByteForByte)
{
    // clang-format off
    const Bytes expected = {
        0, 0, 1, 0, 1, 0,                     // reserved, type icon, one picture
        2, 2, 0, 0, 1, 0, 32, 0,              // 2 x 2, no palette, one plane, 32 bits
        40 + 16 + 8, 0, 0, 0, 22, 0, 0, 0,    // bytes in the picture, where it starts
        40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0,  // header size, width, height of colour and mask
        1, 0, 32, 0, 0, 0, 0, 0,              // planes, bits, no compression
        24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 0, 0, 255, 0, 0, 255,           // bottom row first: clear, blue
        0, 0, 255, 255, 0, 255, 0, 127,       // then red, half-transparent green
        0x80, 0, 0, 0,                        // mask, bottom row: the clear pixel shows through
        0x40, 0, 0, 0,                        // top row: so does the green below half cover
    };
    // clang-format on
    EXPECT_EQ(kvr::encodeIconFile({twoByTwo()}), expected);
}

TEST(IconFile, EveryPictureHasItsEntryAndA256PixelSideIsWrittenAsZero)
{
    kvr::IconImage big{256, Bytes(256 * 256 * 4, 255)};
    const Bytes file = kvr::encodeIconFile({twoByTwo(), big});
    auto dword = [&](std::size_t at) {
        return std::uint32_t(file[at] | file[at + 1] << 8 | file[at + 2] << 16 | std::uint32_t(file[at + 3]) << 24);
    };
    ASSERT_EQ(file[4], 2);
    const std::size_t small = 40 + 16 + 8;
    const std::size_t large = 40 + 256 * 256 * 4 + 32 * 256;
    EXPECT_EQ(dword(6 + 8), small);
    EXPECT_EQ(dword(6 + 12), 6u + 2 * 16);
    EXPECT_EQ(file[22], 0) << "width 256";
    EXPECT_EQ(file[23], 0) << "height 256";
    EXPECT_EQ(dword(22 + 8), large);
    EXPECT_EQ(dword(22 + 12), 6u + 2 * 16 + small);
    ASSERT_EQ(file.size(), 6u + 2 * 16 + small + large);
    EXPECT_EQ(dword(38 + small + 8), 512u) << "colour rows and mask rows";
    EXPECT_EQ(file.back(), 0) << "an opaque picture's mask is clear";
}

TEST(IconFile, PicturesThatAreNoIconsAreRefused)
{
    EXPECT_THROW(kvr::encodeIconFile({{0, {}}}), std::invalid_argument);
    EXPECT_THROW(kvr::encodeIconFile({{257, Bytes(257 * 257 * 4)}}), std::invalid_argument);
    EXPECT_THROW(kvr::encodeIconFile({{2, Bytes(15)}}), std::invalid_argument);
}

} // namespace
