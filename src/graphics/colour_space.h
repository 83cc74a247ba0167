// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kvr {

// A colour in CIELAB relative to the D50 white, as colour-managed paint programs and
// their profiles state it: L 0..100, a and b roughly -128..127.
struct Lab {
    float L = 0;
    float a = 0;
    float b = 0;
};

// A colour in Oklab (L 0..1): where the conversion diffuses its error and looks for the
// nearest colours, since its straight distances follow what the eye sees better than
// CIELAB's, and cost a few multiplications.
struct OkLab {
    float L = 0;
    float a = 0;
    float b = 0;
};

// The sRGB value (0..255) in linear light, 0..1.
float linearFromSrgb(std::uint8_t value);

// An 8-bit sRGB colour, through the sRGB curve and the D50-adapted sRGB primaries.
Lab labFromSrgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// Linear-light sRGB (0..1 each) in Oklab.
OkLab okLabFromLinear(float red, float green, float blue);
OkLab okLabFromSrgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

inline float squaredDistance(const OkLab& x, const OkLab& y)
{
    const float dL = x.L - y.L, da = x.a - y.a, db = x.b - y.b;
    return dL * dL + da * da + db * db;
}

// CIEDE2000 with the usual weights (kL = kC = kH = 1). Written out rather than taken
// from a colour library: the conversion calls it hundreds of thousands of times a frame.
double deltaE2000(const Lab& one, const Lab& other);

} // namespace kvr
