// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_writer.h"

#include <string_view>

namespace mkjams {

// The helmet sheet: 256 x 180, 29 invented helmets of 74 x 15 in columns of 12, 12, 5.
kvr::IndexedPicture helmetSheet();

// A team's painting texture, 256 x 164: the car's side in rows 0..63, the top of the
// nose and engine cover in 64..111, the wings in 112..163. `team` is 0..13; `set` 0
// is the demo game's livery, 1 the add-on car set's.
kvr::IndexedPicture painting(int team, int set);

} // namespace mkjams
