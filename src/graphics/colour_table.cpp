// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/colour_table.h"

#include <stdexcept>

namespace kvr {

ColourEntry staticColour(int index)
{
    if (index >= 0 && index < kFirstPictureColour)
        return kStaticColours[std::size_t(index)];
    if (index >= kFirstUpperStatic && index < kColourCount)
        return kStaticColours[std::size_t(kFirstPictureColour + index - kFirstUpperStatic)];
    throw std::out_of_range("not a static colour index");
}

void applyStaticColours(ColourTable& table)
{
    for (int i = 0; i < kColourCount; ++i)
        if (isStaticColour(i))
            table[std::size_t(i)] = staticColour(i);
}

} // namespace kvr
