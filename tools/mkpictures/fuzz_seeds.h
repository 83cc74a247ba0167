// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace mkpic {

// Seed inputs for the fuzz targets: DIR/dib256, DIR/dib and DIR/game_palette.
void writeFuzzSeeds(const std::filesystem::path& dir);

} // namespace mkpic
