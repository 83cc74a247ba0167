// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/dib_render.h"

#include "graphics/dib.h"
#include "graphics/dib256.h"

namespace kvr {
namespace {

constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;

std::uint32_t argb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return kOpaqueBlack | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

// 5-bit channel to 8 bits.
std::uint8_t widen5(unsigned v)
{
    return std::uint8_t((v << 3) | (v >> 2));
}

} // namespace

RgbPicture renderDib256(const TDIB256& dib, const ColourTable* colours)
{
    const ColourTable& table = colours ? *colours : dib.colours();
    RgbPicture out{dib.width(), dib.height(), {}};
    out.argb.reserve(std::size_t(out.width) * std::size_t(out.height));
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.argb.push_back(toArgb(table[dib.pixel(x, y)]));
    return out;
}

RgbPicture renderDib(const TDIB& dib, const ColourTable* colours)
{
    // A bitmap without pixels (a width or height of 0) draws as nothing at all.
    if (dib.empty() || dib.width() <= 0 || dib.height() <= 0)
        return {};
    RgbPicture out{dib.width(), dib.height(), {}};
    const int bits = dib.bitsPerPixel();
    const auto rows = dib.pixels();
    const std::size_t rowSize = dib.rowSize();
    auto indexed = [&](std::size_t index) {
        if (colours)
            return index < std::size_t(kColourCount) ? toArgb((*colours)[index]) : kOpaqueBlack;
        return index < dib.colourCount() ? toArgb(dib.colour(index)) : kOpaqueBlack;
    };
    out.argb.assign(std::size_t(out.width) * std::size_t(out.height), kOpaqueBlack);
    for (int y = 0; y < out.height; ++y) {
        const auto row = rows.subspan(std::size_t(out.height - 1 - y) * rowSize, rowSize);
        for (int x = 0; x < out.width; ++x) {
            const std::size_t xs = std::size_t(x);
            std::uint32_t c = kOpaqueBlack;
            switch (bits) {
            case 1:
                c = indexed((row[xs / 8] >> (7 - xs % 8)) & 1);
                break;
            case 4:
                c = indexed((row[xs / 2] >> (xs % 2 ? 0 : 4)) & 0xF);
                break;
            case 8:
                c = indexed(row[xs]);
                break;
            case 16: {
                const unsigned v = unsigned(row[2 * xs]) | (unsigned(row[2 * xs + 1]) << 8);
                c = argb(widen5((v >> 10) & 31), widen5((v >> 5) & 31), widen5(v & 31));
                break;
            }
            case 24:
                c = argb(row[3 * xs + 2], row[3 * xs + 1], row[3 * xs]);
                break;
            case 32:
                c = argb(row[4 * xs + 2], row[4 * xs + 1], row[4 * xs]);
                break;
            default:
                break;
            }
            out.argb[std::size_t(y) * std::size_t(out.width) + xs] = c;
        }
    }
    return out;
}

} // namespace kvr
