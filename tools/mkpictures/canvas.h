// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_writer.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace mkpic {

struct Pt {
    double x;
    double y;
};

// A run of shades of one colour in the palette, darkest first.
struct Ramp {
    int first;
    int length;
    std::uint8_t at(int shade) const { return std::uint8_t(first + std::clamp(shade, 0, length - 1)); }
    // t from 0 (darkest) to 1 (lightest).
    std::uint8_t lerp(double t) const { return at(int(t * (length - 1) + 0.5)); }
};

// Chooses the index of each pixel a shape covers.
using Shader = std::function<std::uint8_t(int x, int y)>;
inline Shader solid(std::uint8_t index)
{
    return [index](int, int) { return index; };
}

// Simple filled shapes on an 8-bit picture, sampled at pixel centres and clipped to
// the picture.
class Canvas {
  public:
    explicit Canvas(kvr::IndexedPicture& picture) : m_p(picture) {}

    kvr::IndexedPicture& picture() { return m_p; }
    void set(int x, int y, std::uint8_t index) { m_p.set(x, y, index); }

    // Columns left..right and rows top..bottom, inclusive.
    void rect(int left, int top, int right, int bottom, const Shader& shader);
    void polygon(const std::vector<Pt>& points, const Shader& shader);
    void ellipse(double cx, double cy, double rx, double ry, const Shader& shader);
    // A band of the given width from a to b.
    void line(Pt a, Pt b, double width, const Shader& shader);
    // Outer ring of an ellipse, `thickness` pixels wide.
    void ring(double cx, double cy, double rx, double ry, double thickness, const Shader& shader);

    // Pixels for which `inside` holds and that touch one for which it does not get
    // `index`: a dark edge around a figure.
    void outline(const std::function<bool(std::uint8_t)>& inside, std::uint8_t index);

    // Digits 0..9 in a 3 x 5 font, each font pixel `scale` pixels square.
    void digit(int x, int y, int value, int scale, std::uint8_t index);

  private:
    kvr::IndexedPicture& m_p;
};

} // namespace mkpic
