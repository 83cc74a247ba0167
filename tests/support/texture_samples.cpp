// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/texture_samples.h"

#include <random>

namespace kvrtest {

kvr::IndexedPicture noisePicture(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    kvr::IndexedPicture p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.set(x, y, std::uint8_t(byte(random)));
    for (auto& c : p.colours)
        c = kvr::rgb(std::uint8_t(byte(random)), std::uint8_t(byte(random)), std::uint8_t(byte(random)));
    return p;
}

std::filesystem::path demoTextures()
{
    return std::filesystem::path(KVR_DATA_DIR) / "DEMOJAMS";
}

} // namespace kvrtest
