// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/pixel_area.h"

#include <cstdint>

namespace kvr {

// The rev light picture (DATA/LEDS.DIB): a panel with four unlit lights and, at the
// right, one lit sprite per colour. Rectangles are [left, right) x [top, bottom).
namespace tuning {
struct LedRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const LedRect&) const = default;
};

// Where LED `led` (0..3 for LEDs 1..4) sits on the panel; they climb to the right.
constexpr LedRect ledPlace(int led)
{
    return {10 + 17 * led, 34 - 5 * led, 21 + 17 * led, 45 - 5 * led};
}

// The lit sprite of colour byte 1 (green), 2 (yellow) or 3 (red).
constexpr LedRect ledSprite(std::uint8_t colour)
{
    const int top = 12 * (colour - 1);
    return {85, top, 95, top + 10};
}
} // namespace tuning

// Draws LED `led` into `preview`: the sprite of its colour, scaled to the light's place,
// or for a colour byte outside 1..3 the unlit light. Both come from `pristine`, the
// picture as loaded. Pixels either picture lacks are left alone.
void drawLed(PixelArea preview, const PixelArea& pristine, int led, std::uint8_t colour);

} // namespace kvr
