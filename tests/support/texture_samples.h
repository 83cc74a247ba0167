// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_writer.h"

#include <filesystem>

namespace kvrtest {

// An 8-bit picture whose every pixel and colour comes from `seed`, so that any byte
// moved to a wrong place shows.
kvr::IndexedPicture noisePicture(int width, int height, unsigned seed);

// The demo game's textures as the build made them (HELMETS1.JAM and the paintings).
std::filesystem::path demoTextures();

} // namespace kvrtest
