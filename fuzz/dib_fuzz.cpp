// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmap class on arbitrary bytes: it loads or refuses, and a loaded bitmap saved
// and loaded again is the same bitmap.
#include "graphics/dib.h"
#include "graphics/dib_render.h"
#include "graphics/graphic_error.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvr::TDIB dib;
    try {
        dib.loadFromBytes({data, size});
    } catch (const kvr::InvalidGraphic&) {
        return 0;
    }
    if (dib.empty())
        return 0;
    const auto saved = dib.saveToBytes();
    kvr::TDIB again;
    again.loadFromBytes(saved);
    if (!std::equal(dib.memory().begin(), dib.memory().end(), again.memory().begin(), again.memory().end()))
        __builtin_trap();
    // Drawing it touches every pixel and colour; keep that to sane sizes.
    if (std::int64_t(dib.width()) * dib.height() <= 1 << 20)
        (void)kvr::renderDib(dib);
    return 0;
}
