// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picture_qt.h"

namespace kvrgui {

QImage toImage(const kvr::RgbPicture& picture)
{
    if (picture.width <= 0 || picture.height <= 0)
        return {};
    const QImage view(reinterpret_cast<const uchar*>(picture.argb.data()), picture.width, picture.height,
                      qsizetype(picture.width) * 4, QImage::Format_ARGB32);
    return view.copy();
}

} // namespace kvrgui
