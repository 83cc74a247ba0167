// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tuning/led_preview.h"

#include "editors/tuning/tuning_rules.h"

namespace kvr {

void drawLed(PixelArea preview, const PixelArea& pristine, int led, std::uint8_t colour)
{
    const tuning::LedRect to = tuning::ledPlace(led);
    const tuning::LedRect from = ledColourItem(colour) ? tuning::ledSprite(colour) : to;
    const int toWidth = to.right - to.left;
    const int toHeight = to.bottom - to.top;
    const int fromWidth = from.right - from.left;
    const int fromHeight = from.bottom - from.top;
    for (int y = 0; y < toHeight; ++y)
        for (int x = 0; x < toWidth; ++x) {
            // The sprites are a pixel smaller than the lights: stretched as the copy did.
            const int sx = from.left + x * fromWidth / toWidth;
            const int sy = from.top + y * fromHeight / toHeight;
            if (pristine.contains(sx, sy))
                preview.set(to.left + x, to.top + y, pristine.at(sx, sy));
        }
}

} // namespace kvr
