// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_writer.h"

namespace mkpic {

// The cockpit editor's picture: 500 x 375, the cockpit seen from the driver's seat in
// rows 0..197 (body 42..56, mirrors 58..73, front wing 154..167), the swatch grid below.
kvr::IndexedPicture cockpitPicture();

// The pit crew editor's picture: 500 x 375, a crew member in rows 0..197 whose
// clothing, sign, monitor and jack use the 16-index runs from 42 and the logo
// 250..255, the swatch grid below.
kvr::IndexedPicture crewPicture();

// The cameras editor's sheet: 601 x 135, nine 100 x 67 default views.
kvr::IndexedPicture cameraSheet();

// The helmets editor's single helmet: 74 x 15.
kvr::IndexedPicture smallHelmet();

// The car tuning editor's rev-light preview: a panel with four unlit lights and three
// 10 x 10 lit lights (green, yellow, red) at x 85..95.
kvr::IndexedPicture ledPreview();

} // namespace mkpic
