// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs on which a fuzz target once hung or crashed.
#include "graphics/dib.h"
#include "graphics/dib_render.h"
#include "graphics/graphic_error.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// Width 0, height 0x3F000005, 0 bits per pixel, so no pixel bytes.
const std::vector<std::uint8_t> kZeroWidthHugeHeight = {
    0x42, 0x4d, 0x5e, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x28,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x3f, 0x03, 0x00, 0x00, 0x00,
    0x00, 0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x18, 0x00, 0x00, 0x00, 0x00, 0x35, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03, 0x00, 0x01, 0xfc, 0x03};
constexpr std::size_t kBitCountAt = 14 + 14;
constexpr std::size_t kCompressionAt = 14 + 16;
} // namespace

TEST(FuzzRegressions, DibOfWidthZeroAndHugeHeightDrawsAsNothing)
{
    // Drawing it once walked a billion empty rows. At 0 bits per pixel it is refused now;
    // at 16 bits (no colour table), uncompressed, it still holds no pixel and draws as
    // nothing.
    kvr::TDIB refused;
    EXPECT_THROW(refused.loadFromBytes(kZeroWidthHugeHeight), kvr::InvalidGraphic);

    std::vector<std::uint8_t> file = kZeroWidthHugeHeight;
    file[kBitCountAt] = 16;
    std::fill(file.begin() + kCompressionAt, file.begin() + kCompressionAt + 4, 0);
    kvr::TDIB dib;
    dib.loadFromBytes(file);
    EXPECT_EQ(dib.width(), 0);
    EXPECT_EQ(dib.height(), 0x3F000005);
    const kvr::RgbPicture picture = kvr::renderDib(dib);
    EXPECT_EQ(picture.width, 0);
    EXPECT_EQ(picture.height, 0);
    EXPECT_TRUE(picture.argb.empty());
}
