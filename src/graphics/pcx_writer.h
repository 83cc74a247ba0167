// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_writer.h"

#include <cstdint>
#include <vector>

namespace kvr {

// A complete 256-colour PCX file (version 5, one 8-bit plane, run-length coded rows)
// with the picture's colours in the trailing palette: the format of the game's cockpit
// pictures.
std::vector<std::uint8_t> encodePcx8(const IndexedPicture& picture);

} // namespace kvr
