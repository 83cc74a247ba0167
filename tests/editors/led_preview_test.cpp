// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tuning/led_preview.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint8_t kPanel = 9;
constexpr std::uint8_t kUnlit = 7;

// A picture shaped like LEDS.DIB whose sprites are filled with their own colour byte,
// so a drawn pixel tells where it came from.
struct Picture {
    int width;
    int height;
    std::vector<std::uint8_t> pixels;

    Picture(int w, int h) : width(w), height(h), pixels(kvr::rowStride(std::size_t(w)) * std::size_t(h), kPanel)
    {
        for (int led = 0; led < 4; ++led)
            fill(kvr::tuning::ledPlace(led), kUnlit);
        for (std::uint8_t colour = 1; colour <= 3; ++colour)
            fill(kvr::tuning::ledSprite(colour), colour);
    }
    kvr::PixelArea area() { return {pixels, width, height, kvr::rowStride(std::size_t(width))}; }
    void fill(const kvr::tuning::LedRect& r, std::uint8_t value)
    {
        area().fill(r.left, r.top, r.right - 1, r.bottom - 1, value);
    }
    // Pixels of the picture holding `value` inside `r` and anywhere.
    int count(const kvr::tuning::LedRect& r, std::uint8_t value)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += area().contains(x, y) && area().at(x, y) == value;
        return n;
    }
};

TEST(LedPreview, EveryColourByteLightsTheWholeLampOrLeavesItUnlit)
{
    Picture pristine(100, 50);
    Picture preview(100, 50);
    const kvr::tuning::LedRect place = kvr::tuning::ledPlace(3);
    const kvr::tuning::LedRect around{place.left - 1, place.top - 1, place.right + 1, place.bottom + 1};
    for (int colour = 0; colour < 256; ++colour) {
        SCOPED_TRACE(colour);
        kvr::drawLed(preview.area(), pristine.area(), 3, std::uint8_t(colour));
        const bool lit = colour >= 1 && colour <= 3;
        EXPECT_EQ(preview.count(place, lit ? std::uint8_t(colour) : kUnlit), 11 * 11)
            << "the 10-pixel sprite is stretched over the 11-pixel lamp";
        EXPECT_EQ(preview.count(around, kPanel), 13 * 13 - 11 * 11) << "the panel around it is untouched";
    }
}

TEST(LedPreview, ASmallerPictureIsDrawnOnlyWhereItHasPixels)
{
    // Neither the sprites nor LEDs 1 and 4 fit: nothing is read or written outside it.
    Picture pristine(40, 30);
    Picture preview(40, 30);
    const std::vector<std::uint8_t> before = preview.pixels;
    for (int led = 0; led < 4; ++led) {
        kvr::drawLed(preview.area(), pristine.area(), led, 3);
        kvr::drawLed(preview.area(), pristine.area(), led, 0);
    }
    EXPECT_EQ(preview.pixels, before);
}

} // namespace
