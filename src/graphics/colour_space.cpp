// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/colour_space.h"

#include <array>
#include <bit>
#include <cmath>
#include <numbers>

namespace kvr {
namespace {

// sRGB's primaries in XYZ, adapted from D65 to D50 with the Bradford transform.
constexpr double kToXyz[3][3] = {
    {0.4360747, 0.3850649, 0.1430804},
    {0.2225045, 0.7168786, 0.0606169},
    {0.0139322, 0.0971045, 0.7141733},
};
constexpr double kWhite[3] = {0.9642, 1.0, 0.8249};

// The cube root to float precision for 0 <= x <= 2: a first guess from the number's
// exponent bits, then two of Halley's steps (each triples the correct digits). The
// library's own takes several times as long, and every pixel needs six.
float cubeRoot(float x)
{
    if (x <= 0)
        return 0;
    float y = std::bit_cast<float>(std::bit_cast<std::uint32_t>(x) / 3 + 709921077u);
    for (int step = 0; step < 2; ++step) {
        const float y3 = y * y * y;
        y *= (y3 + 2 * x) / (2 * y3 + x);
    }
    return y;
}

double labCurve(double t)
{
    constexpr double kEpsilon = 216.0 / 24389.0;
    constexpr double kKappa = 24389.0 / 27.0;
    return t > kEpsilon ? double(cubeRoot(float(t))) : (kKappa * t + 16.0) / 116.0;
}

const std::array<float, 256>& linearTable()
{
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            t[std::size_t(v)] = float(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return t;
    }();
    return table;
}

constexpr double kPow25To7 = 6103515625.0; // 25^7

double pow7(double x)
{
    const double x2 = x * x;
    const double x3 = x2 * x;
    return x3 * x3 * x;
}

double degrees(double radians)
{
    return radians * (180.0 / std::numbers::pi);
}

} // namespace

float linearFromSrgb(std::uint8_t value)
{
    return linearTable()[value];
}

Lab labFromSrgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    const double rgb[3] = {linearFromSrgb(red), linearFromSrgb(green), linearFromSrgb(blue)};
    double f[3];
    for (int i = 0; i < 3; ++i)
        f[i] = labCurve((kToXyz[i][0] * rgb[0] + kToXyz[i][1] * rgb[1] + kToXyz[i][2] * rgb[2]) / kWhite[i]);
    return {float(116.0 * f[1] - 16.0), float(500.0 * (f[0] - f[1])), float(200.0 * (f[1] - f[2]))};
}

OkLab okLabFromLinear(float red, float green, float blue)
{
    const float l = cubeRoot(0.4122214708f * red + 0.5363325363f * green + 0.0514459929f * blue);
    const float m = cubeRoot(0.2119034982f * red + 0.6806995451f * green + 0.1073969566f * blue);
    const float s = cubeRoot(0.0883024619f * red + 0.2817188376f * green + 0.6299787005f * blue);
    return {0.2104542553f * l + 0.7936177850f * m - 0.0040720468f * s,
            1.9779984951f * l - 2.4285922050f * m + 0.4505937099f * s,
            0.0259040371f * l + 0.7827717662f * m - 0.8086757660f * s};
}

OkLab okLabFromSrgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return okLabFromLinear(linearFromSrgb(red), linearFromSrgb(green), linearFromSrgb(blue));
}

double deltaE2000(const Lab& one, const Lab& other)
{
    const double L1 = one.L, a1 = one.a, b1 = one.b;
    const double L2 = other.L, a2 = other.a, b2 = other.b;
    const double meanC7 = pow7((std::sqrt(a1 * a1 + b1 * b1) + std::sqrt(a2 * a2 + b2 * b2)) / 2);
    const double g = 1.5 - 0.5 * std::sqrt(meanC7 / (meanC7 + kPow25To7)); // 1 + G
    const double ap1 = g * a1, ap2 = g * a2;
    const double c1 = std::sqrt(ap1 * ap1 + b1 * b1), c2 = std::sqrt(ap2 * ap2 + b2 * b2);

    const double dL = L2 - L1;
    const double dC = c2 - c1;
    // The hue difference from the two vectors: 2 sqrt(C1 C2) sin(dh / 2), whose square is
    // 2 (C1 C2 - a1 a2 - b1 b2), with the sign of the turn from one to the other.
    const double product = c1 * c2;
    double dH = 0;
    if (product > 0) {
        dH = std::sqrt(std::max(0.0, 2 * (product - ap1 * ap2 - b1 * b2)));
        if (ap1 * b2 - ap2 * b1 < 0)
            dH = -dH;
    }

    // The mean hue is the bisector of the two hue directions (a zero chroma has none).
    double x = 0, y = 0;
    if (c1 > 0) {
        x += ap1 / c1;
        y += b1 / c1;
    }
    if (c2 > 0) {
        x += ap2 / c2;
        y += b2 / c2;
    }
    const double r = std::sqrt(x * x + y * y);
    double cosH = 1, sinH = 0;
    if (r > 1e-12) {
        cosH = x / r;
        sinH = y / r;
    } else if (product > 0) {
        // Opposite hues: the bisector is either normal; the standard picks by the hue sum.
        double h1 = degrees(std::atan2(b1, ap1)), h2 = degrees(std::atan2(b2, ap2));
        h1 += h1 < 0 ? 360 : 0;
        h2 += h2 < 0 ? 360 : 0;
        const double mean = (h1 + h2 < 360 ? h1 + h2 + 360 : h1 + h2 - 360) / 2;
        cosH = std::cos(mean * std::numbers::pi / 180);
        sinH = std::sin(mean * std::numbers::pi / 180);
    }
    const double cos2 = cosH * cosH - sinH * sinH, sin2 = 2 * sinH * cosH;
    const double cos3 = cos2 * cosH - sin2 * sinH, sin3 = sin2 * cosH + cos2 * sinH;
    const double cos4 = cos2 * cos2 - sin2 * sin2, sin4 = 2 * sin2 * cos2;
    constexpr double kC30 = 0.86602540378443865, kS30 = 0.5;
    constexpr double kC6 = 0.99452189536827333, kS6 = 0.10452846326765347;
    constexpr double kC63 = 0.45399049973954675, kS63 = 0.89100652418836786;
    const double t = 1 - 0.17 * (cosH * kC30 + sinH * kS30) + 0.24 * cos2 + 0.32 * (cos3 * kC6 - sin3 * kS6) -
                     0.20 * (cos4 * kC63 + sin4 * kS63);

    const double meanL = (L1 + L2) / 2 - 50;
    const double meanCp = (c1 + c2) / 2;
    const double sl = 1 + 0.015 * meanL * meanL / std::sqrt(20 + meanL * meanL);
    const double sc = 1 + 0.045 * meanCp;
    const double sh = 1 + 0.015 * meanCp * t;
    const double lTerm = dL / sl, cTerm = dC / sc, hTerm = dH / sh;

    // The blue rotation term; beyond 120 degrees from 275 it is below 1e-9 and left out.
    double rt = 0;
    constexpr double kCos275 = 0.08715574274765817, kSin275 = -0.99619469809174553;
    if (meanCp > 0 && cosH * kCos275 + sinH * kSin275 > -0.5) {
        double h = degrees(std::atan2(sinH, cosH));
        h += h < 0 ? 360 : 0;
        const double z = (h - 275) / 25;
        const double dTheta = 30 * std::exp(-z * z);
        const double meanCp7 = pow7(meanCp);
        rt = -2 * std::sqrt(meanCp7 / (meanCp7 + kPow25To7)) * std::sin(2 * dTheta * std::numbers::pi / 180);
    }
    return std::sqrt(std::max(0.0, lTerm * lTerm + cTerm * cTerm + hTerm * hTerm + rt * cTerm * hTerm));
}

} // namespace kvr
