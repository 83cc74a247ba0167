// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/dib_render.h"

#include <QImage>

namespace kvrgui {

// A rendered picture as an image for the screen (a copy: the picture may go away).
QImage toImage(const kvr::RgbPicture& picture);

} // namespace kvrgui
