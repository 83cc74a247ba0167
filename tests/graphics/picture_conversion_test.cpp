// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/picture_conversion.h"

#include "support/texture_samples.h"

#include <gtest/gtest.h>

namespace {

// A soft true-colour painting with a transparent band at the top.
kvr::PaintedPicture painting(int width, int height)
{
    kvr::PaintedPicture p;
    p.width = width;
    p.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.rgba.insert(p.rgba.end(), {std::uint8_t(x * 255 / width), std::uint8_t(y * 255 / height),
                                         std::uint8_t(128 + x - y), std::uint8_t(y < 3 ? 0 : 255)});
    return p;
}

kvr::ConversionTarget target(int width, int height)
{
    return {kvrtest::noisePicture(1, 1, 7).colours, width, height, 17};
}

// Every step of a user moving the options gives what a fresh conversion with those
// options gives: nothing kept from the opening or an earlier step leaks into another.
TEST(PictureConversion, EachOptionChangeGivesAFreshConversionsPixels)
{
    const kvr::PaintedPicture painted = painting(40, 24);
    kvr::PictureConversion conversion(painted, target(32, 20));
    EXPECT_FALSE(conversion.exact());
    EXPECT_FALSE(conversion.ready());
    EXPECT_EQ(conversion.result(), nullptr);
    EXPECT_NE(conversion.sizeProblem().english().find("40 x 24 pixels, the texture 32 x 20"), std::string::npos);
    EXPECT_EQ(conversion.options().background, 17) << "the target's background colour at first";

    const struct {
        bool scaled;
        kvr::RemapOptions options;
    } steps[] = {
        {true, {kvr::Dithering::Diffuse, 0.8f, 17}},
        {true, {kvr::Dithering::None, 0.8f, 17}},
        {true, {kvr::Dithering::None, 0.8f, 40}},    // no dithering over another background
        {true, {kvr::Dithering::Diffuse, 0.0f, 40}}, // diffusing nothing is no dithering
        {true, {kvr::Dithering::Diffuse, 0.35f, 40}},
        {true, {kvr::Dithering::None, 0.35f, 17}}, // back to the one made at first
        {false, {kvr::Dithering::None, 0.35f, 17}},
    };
    const kvr::PaintedPicture scaled = kvr::scalePicture(painted, 32, 20);
    for (const auto& s : steps) {
        conversion.setScaled(s.scaled);
        conversion.setOptions(s.options);
        if (!s.scaled) {
            EXPECT_EQ(conversion.result(), nullptr);
            continue;
        }
        ASSERT_NE(conversion.result(), nullptr);
        const kvr::RemapResult fresh = kvr::PaletteRemap(scaled, target(32, 20).palette).convert(s.options);
        EXPECT_EQ(conversion.result()->picture.pixels, fresh.picture.pixels) << s.options.background;
        EXPECT_EQ(conversion.result()->figures.changed, fresh.figures.changed);
        EXPECT_EQ(conversion.result()->figures.transparent, fresh.figures.transparent);
    }
}

TEST(PictureConversion, EdgeColourIsTheOneMostCommonOnTheBorder)
{
    const struct {
        std::vector<std::uint8_t> pixels;
        int width, height;
        std::uint8_t edge;
    } cases[] = {
        {{5, 5, 5, 5, 9, 5, 5, 5, 5}, 3, 3, 5}, // the middle does not count
        {{9, 9, 9, 1, 7, 1, 9, 9, 9}, 3, 3, 9},
        {{4}, 1, 1, 4},
        {{}, 0, 0, 0},           // no picture: colour 0
        {{3, 2, 2, 3}, 2, 2, 2}, // a tie goes to the lower number
    };
    for (const auto& c : cases)
        EXPECT_EQ(kvr::edgeColour(c.pixels, c.width, c.height, std::size_t(c.width)), c.edge);
}

} // namespace
