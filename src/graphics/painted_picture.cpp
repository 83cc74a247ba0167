// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/painted_picture.h"

#include "core/errors.h"
#include "graphics/colour_space.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kvr {
namespace {

constexpr int kMaxSide = 4096;

struct Tap {
    int first = 0;
    std::vector<float> weights;
};

// The source pixels that make each output pixel along one axis, with their weights.
std::vector<Tap> taps(int from, int to)
{
    const double step = double(from) / double(to);
    const double radius = std::max(1.0, step);
    std::vector<Tap> out(static_cast<std::size_t>(to));
    for (int x = 0; x < to; ++x) {
        const double centre = (x + 0.5) * step - 0.5;
        const int first = std::max(0, int(std::ceil(centre - radius)));
        const int last = std::min(from - 1, int(std::floor(centre + radius)));
        Tap& t = out[std::size_t(x)];
        t.first = first;
        double sum = 0;
        for (int i = first; i <= last; ++i) {
            const double w = std::max(0.0, 1.0 - std::abs(i - centre) / radius);
            t.weights.push_back(float(w));
            sum += w;
        }
        if (sum <= 0) { // a centre right on the edge: take the nearest pixel
            t.first = std::clamp(int(std::lround(centre)), 0, from - 1);
            t.weights.assign(1, 1.0f);
            sum = 1;
        }
        for (float& w : t.weights)
            w = float(w / sum);
    }
    return out;
}

std::uint8_t toSrgb(float linear)
{
    static const std::array<std::uint8_t, 4097> table = [] {
        std::array<std::uint8_t, 4097> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double v = double(i) / 4096.0;
            const double s = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
            t[i] = std::uint8_t(std::lround(std::clamp(s, 0.0, 1.0) * 255));
        }
        return t;
    }();
    return table[std::size_t(std::lround(std::clamp(linear, 0.0f, 1.0f) * 4096))];
}

} // namespace

PaintedPicture paintedFromIndices(int width, int height, std::vector<std::uint8_t> indices, const ColourTable& colours)
{
    PaintedPicture p;
    p.width = width;
    p.height = height;
    p.colours = colours;
    p.rgba.resize(indices.size() * 4);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const ColourEntry& c = colours[indices[i]];
        std::uint8_t* out = p.rgba.data() + 4 * i;
        out[0] = c.red;
        out[1] = c.green;
        out[2] = c.blue;
        out[3] = 255;
    }
    p.indices = std::move(indices);
    return p;
}

PaintedPicture scalePicture(const PaintedPicture& picture, int width, int height)
{
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "A picture of %1 x %2 pixels cannot be made"),
                                  {std::to_string(width), std::to_string(height)}));
    if (picture.width < 1 || picture.height < 1)
        throw GeneralError(KVR_TR_NOOP("Pictures", "An empty picture cannot be scaled"));
    if (width == picture.width && height == picture.height)
        return picture;

    // Linear light weighted by opacity, so that a transparent pixel's colour does not bleed.
    const std::size_t srcW = std::size_t(picture.width);
    std::vector<std::array<float, 4>> across(srcW * std::size_t(height));
    const std::vector<Tap> down = taps(picture.height, height);
    for (int y = 0; y < height; ++y) {
        const Tap& t = down[std::size_t(y)];
        for (std::size_t x = 0; x < srcW; ++x) {
            std::array<float, 4> sum{};
            for (std::size_t k = 0; k < t.weights.size(); ++k) {
                const std::uint8_t* p = picture.pixel((std::size_t(t.first) + k) * srcW + x);
                const float alpha = p[3] / 255.0f * t.weights[k];
                for (int c = 0; c < 3; ++c)
                    sum[std::size_t(c)] += linearFromSrgb(p[c]) * alpha;
                sum[3] += alpha;
            }
            across[std::size_t(y) * srcW + x] = sum;
        }
    }
    PaintedPicture out;
    out.width = width;
    out.height = height;
    out.rgba.resize(std::size_t(width) * std::size_t(height) * 4);
    const std::vector<Tap> along = taps(picture.width, width);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Tap& t = along[std::size_t(x)];
            std::array<float, 4> sum{};
            for (std::size_t k = 0; k < t.weights.size(); ++k) {
                const auto& p = across[std::size_t(y) * srcW + std::size_t(t.first) + k];
                for (std::size_t c = 0; c < 4; ++c)
                    sum[c] += p[c] * t.weights[k];
            }
            std::uint8_t* o = out.rgba.data() + 4 * (std::size_t(y) * std::size_t(width) + std::size_t(x));
            for (std::size_t c = 0; c < 3; ++c)
                o[c] = sum[3] > 0 ? toSrgb(sum[c] / sum[3]) : 0;
            o[3] = std::uint8_t(std::lround(std::clamp(sum[3], 0.0f, 1.0f) * 255));
        }
    return out;
}

} // namespace kvr
