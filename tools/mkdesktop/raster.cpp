// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing.h"

#include <algorithm>
#include <cmath>

namespace kvrdesktop {
namespace {

// Rows of samples per pixel; across a row each span's cover is measured exactly.
constexpr int kRowsPerPixel = 8;

class Cover {
  public:
    explicit Cover(int size) : m_size(size), m_cover(std::size_t(size) * std::size_t(size), 0.0) {}

    void clear() { std::fill(m_cover.begin(), m_cover.end(), 0.0); }
    double at(std::size_t i) const { return std::min(m_cover[i], 1.0); }

    void addSpan(int row, double x0, double x1, double weight)
    {
        x0 = std::clamp(x0, 0.0, double(m_size));
        x1 = std::clamp(x1, 0.0, double(m_size));
        if (x1 <= x0)
            return;
        double* line = m_cover.data() + std::size_t(row) * std::size_t(m_size);
        const int first = int(x0);
        const int last = int(x1);
        if (first == last) {
            line[first] += (x1 - x0) * weight;
            return;
        }
        line[first] += (first + 1 - x0) * weight;
        for (int x = first + 1; x < last; ++x)
            line[x] += weight;
        if (last < m_size)
            line[last] += (x1 - last) * weight;
    }

  private:
    int m_size;
    std::vector<double> m_cover;
};

void coverShape(Cover& cover, const Shape& shape, int size)
{
    const double scale = double(size) / kCanvas;
    std::vector<double> crossings;
    for (int sub = 0; sub < size * kRowsPerPixel; ++sub) {
        const double y = (sub + 0.5) / kRowsPerPixel;
        crossings.clear();
        for (const auto& outline : shape.outlines)
            for (std::size_t i = 0; i < outline.size(); ++i) {
                const Point p{outline[i].x * scale, outline[i].y * scale};
                const Point& next = outline[(i + 1) % outline.size()];
                const Point q{next.x * scale, next.y * scale};
                if ((p.y <= y) != (q.y <= y))
                    crossings.push_back(p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y));
            }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            cover.addSpan(sub / kRowsPerPixel, crossings[i], crossings[i + 1], 1.0 / kRowsPerPixel);
    }
}

} // namespace

std::vector<std::uint8_t> rasterize(const std::vector<Shape>& drawing, int size)
{
    const std::size_t pixels = std::size_t(size) * std::size_t(size);
    // Colour premultiplied by cover while shapes are laid over each other.
    std::vector<double> blue(pixels), green(pixels), red(pixels), alpha(pixels);
    Cover cover(size);
    for (const Shape& shape : drawing) {
        cover.clear();
        coverShape(cover, shape, size);
        const double r = (shape.rgb >> 16 & 0xFF) / 255.0;
        const double g = (shape.rgb >> 8 & 0xFF) / 255.0;
        const double b = (shape.rgb & 0xFF) / 255.0;
        for (std::size_t i = 0; i < pixels; ++i) {
            const double c = cover.at(i);
            red[i] = red[i] * (1 - c) + r * c;
            green[i] = green[i] * (1 - c) + g * c;
            blue[i] = blue[i] * (1 - c) + b * c;
            alpha[i] = alpha[i] * (1 - c) + c;
        }
    }
    std::vector<std::uint8_t> out(pixels * 4);
    const auto byte = [](double v) { return std::uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    for (std::size_t i = 0; i < pixels; ++i) {
        const double a = alpha[i];
        out[i * 4] = a > 0 ? byte(blue[i] / a) : 0;
        out[i * 4 + 1] = a > 0 ? byte(green[i] / a) : 0;
        out[i * 4 + 2] = a > 0 ? byte(red[i] / a) : 0;
        out[i * 4 + 3] = byte(a);
    }
    return out;
}

} // namespace kvrdesktop
