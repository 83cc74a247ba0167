// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/wing.h"

namespace kvr {

TWinG::TWinG(std::uint16_t width, std::uint16_t height) : m_width(width), m_height(height)
{
    recreate();
}

void TWinG::recreate()
{
    m_pixels.assign(stride() * m_height, 0);
}

void TWinG::setWidth(std::uint16_t width)
{
    if (width == m_width)
        return;
    m_width = width;
    recreate();
    if (onChange)
        onChange();
}

void TWinG::setHeight(std::uint16_t height)
{
    if (height == m_height)
        return;
    m_height = height;
    recreate();
    if (onChange)
        onChange();
}

} // namespace kvr
