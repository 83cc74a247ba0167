// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/view_rect.h"

#include <algorithm>
#include <cstdint>

namespace kvr {

void TView::changed()
{
    if (onChange)
        onChange();
}

void TView::setMode(ViewMode mode)
{
    m_mode = mode;
    changed();
}

void TView::setLeft(std::int16_t left)
{
    m_left = left;
    changed();
}

void TView::setTop(std::int16_t top)
{
    m_top = top;
    changed();
}

void TView::setWidth(std::int16_t width)
{
    m_width = width;
    changed();
}

void TView::setHeight(std::int16_t height)
{
    m_height = height;
    changed();
}

void TView::setPortion(std::int16_t left, std::int16_t top, std::int16_t width, std::int16_t height)
{
    m_mode = ViewMode::Portion;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    changed();
}

void TView::clampTo(int bitmapWidth, int bitmapHeight)
{
    int left = m_left;
    int top = m_top;
    int width = m_width;
    int height = m_height;
    if (left >= bitmapWidth)
        left = bitmapWidth - 1;
    if (top >= bitmapHeight)
        top = bitmapHeight - 1;
    // Negative edges or sizes would make the copy read outside the bitmap.
    left = std::max(left, 0);
    top = std::max(top, 0);
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (left + width > bitmapWidth)
        width = std::max(bitmapWidth - left, 0);
    if (top + height > bitmapHeight)
        height = std::max(bitmapHeight - top, 0);
    constexpr int kMax = INT16_MAX;
    m_left = std::int16_t(std::min(left, kMax));
    m_top = std::int16_t(std::min(top, kMax));
    m_width = std::int16_t(std::min(width, kMax));
    m_height = std::int16_t(std::min(height, kMax));
}

PixelRect TView::shown(int bitmapWidth, int bitmapHeight) const
{
    if (m_mode == ViewMode::All)
        return {0, 0, bitmapWidth, bitmapHeight};
    return {m_left, m_top, m_width, m_height};
}

PixelPoint controlToBitmap(int x, int y, int controlWidth, int controlHeight, const PixelRect& shown)
{
    if (controlWidth <= 0 || controlHeight <= 0)
        return {shown.left, shown.top};
    // Floor division so that points left of or above the control stay outside.
    auto scale = [](int p, int span, int size) {
        const long long n = static_cast<long long>(p) * span;
        long long q = n / size;
        if (n % size != 0 && n < 0)
            --q;
        return int(q);
    };
    return {shown.left + scale(x, shown.width, controlWidth), shown.top + scale(y, shown.height, controlHeight)};
}

} // namespace kvr
