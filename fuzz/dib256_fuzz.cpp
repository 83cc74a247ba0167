// SPDX-License-Identifier: GPL-3.0-or-later
// The image view's loader on arbitrary bytes: it loads or refuses, and what it loads
// is consistent.
#include "graphics/dib256.h"
#include "graphics/graphic_error.h"
#include "graphics/wing.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvr::TDIB256 dib;
    try {
        dib.loadFromBytes({data, size});
    } catch (const kvr::InvalidGraphic&) {
        return 0;
    }
    if (dib.stride() != kvr::rowStride(dib.width()) || dib.pixels().size() != dib.stride() * dib.height() ||
        dib.width() == 0 || dib.height() == 0 || dib.header().size() != 40)
        __builtin_trap();
    unsigned sum = 0;
    for (int y = 0; y < dib.height(); ++y)
        for (int x = 0; x < dib.width(); ++x)
            sum += dib.colours()[dib.pixel(x, y)].red;
    volatile unsigned keep = sum;
    (void)keep;
    return 0;
}
