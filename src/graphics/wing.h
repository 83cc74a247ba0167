// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/colour_table.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace kvr {

// Row length in bytes of an 8-bit picture: the width rounded up to a multiple of 4.
constexpr std::size_t rowStride(std::size_t width)
{
    return (width + 3) & ~std::size_t(3);
}

// The off-screen 8-bit bitmap: top-down rows of palette indices and its own 256-entry
// colour table. The editors write indices straight into pixels() and ask for a repaint.
class TWinG {
  public:
    TWinG() : TWinG(1, 1) {}
    TWinG(std::uint16_t width, std::uint16_t height);

    std::uint16_t width() const { return m_width; }
    std::uint16_t height() const { return m_height; }
    std::size_t stride() const { return rowStride(m_width); }

    // A different size makes a new, cleared bitmap and fires onChange; the same size
    // does nothing. The colour table is kept.
    void setWidth(std::uint16_t width);
    void setHeight(std::uint16_t height);

    // Pixel (x, y), counted from the top-left corner, is pixels()[y * stride() + x].
    std::span<std::uint8_t> pixels() { return m_pixels; }
    std::span<const std::uint8_t> pixels() const { return m_pixels; }
    std::size_t offsetOf(int x, int y) const { return std::size_t(y) * stride() + std::size_t(x); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    std::uint8_t pixel(int x, int y) const { return m_pixels[offsetOf(x, y)]; }
    void setPixel(int x, int y, std::uint8_t index) { m_pixels[offsetOf(x, y)] = index; }

    ColourTable& colourTable() { return m_colours; }
    const ColourTable& colourTable() const { return m_colours; }

    std::function<void()> onChange;

  private:
    void recreate();

    std::uint16_t m_width;
    std::uint16_t m_height;
    std::vector<std::uint8_t> m_pixels;
    ColourTable m_colours{};
};

} // namespace kvr
