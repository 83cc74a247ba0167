// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace kvr {

enum class ViewMode { All, Portion };

// A rectangle of a bitmap in bitmap pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The part of the bitmap an image view shows: all of it, or the rectangle Left, Top,
// Width, Height. Every setter fires onChange (the view clamps and repaints there).
class TView {
  public:
    ViewMode mode() const { return m_mode; }
    std::int16_t left() const { return m_left; }
    std::int16_t top() const { return m_top; }
    std::int16_t width() const { return m_width; }
    std::int16_t height() const { return m_height; }

    void setMode(ViewMode mode);
    void setLeft(std::int16_t left);
    void setTop(std::int16_t top);
    void setWidth(std::int16_t width);
    void setHeight(std::int16_t height);
    // One change for a whole rectangle, as the cameras editor sets it.
    void setPortion(std::int16_t left, std::int16_t top, std::int16_t width, std::int16_t height);

    // Keeps the rectangle inside a bitmap of the given size without firing onChange:
    // a left or top edge at or past the bitmap's edge moves onto its last pixel, a
    // rectangle reaching past the edge is cut there, negative values become 0.
    void clampTo(int bitmapWidth, int bitmapHeight);

    // What is shown of a bitmap of the given size.
    PixelRect shown(int bitmapWidth, int bitmapHeight) const;

    std::function<void()> onChange;

  private:
    void changed();

    ViewMode m_mode = ViewMode::All;
    std::int16_t m_left = 0;
    std::int16_t m_top = 0;
    std::int16_t m_width = 0;
    std::int16_t m_height = 0;
};

// The bitmap pixel under point (x, y) of a control of the given size that shows `shown`
// scaled onto its whole area.
struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};
PixelPoint controlToBitmap(int x, int y, int controlWidth, int controlHeight, const PixelRect& shown);

} // namespace kvr
