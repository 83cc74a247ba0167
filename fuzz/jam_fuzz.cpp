// SPDX-License-Identifier: GPL-3.0-or-later
// The texture reader on arbitrary bytes: it loads or refuses with InvalidJam; a loaded
// texture is written back byte for byte, and goes through a bitmap and back unchanged.
#include "textures/jam_convert.h"
#include "textures/jam_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvr::JamTexture texture;
    try {
        texture = kvr::decodeJam({data, size});
    } catch (const kvr::InvalidJam&) {
        return 0;
    }
    const auto written = kvr::encodeJam(texture);
    if (!std::equal(written.begin(), written.end(), data, data + size))
        __builtin_trap();
    if (kvr::textureFromBitmap(kvr::bitmapFromTexture(texture)) != texture)
        __builtin_trap();
    return 0;
}
