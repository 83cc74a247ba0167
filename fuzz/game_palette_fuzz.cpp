// SPDX-License-Identifier: GPL-3.0-or-later
// The game palette loader on arbitrary bytes: it fills at most 256 entries or refuses.
#include "core/errors.h"
#include "graphics/game_palette.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvr::GamePalette palette;
    try {
        kvr::loadGamePaletteBytes({data, size}, palette);
    } catch (const kvr::GeneralError&) {
        if (palette.loaded)
            __builtin_trap();
        return 0;
    }
    if (!palette.loaded)
        __builtin_trap();
    for (const auto& e : palette.entries)
        if (e.reserved != 0)
            __builtin_trap();
    return 0;
}
