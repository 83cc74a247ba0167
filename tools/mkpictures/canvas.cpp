// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include <array>
#include <cmath>

namespace mkpic {

void Canvas::rect(int left, int top, int right, int bottom, const Shader& shader)
{
    for (int y = std::max(top, 0); y <= std::min(bottom, m_p.height - 1); ++y)
        for (int x = std::max(left, 0); x <= std::min(right, m_p.width - 1); ++x)
            m_p.set(x, y, shader(x, y));
}

void Canvas::polygon(const std::vector<Pt>& points, const Shader& shader)
{
    if (points.size() < 3)
        return;
    for (int y = 0; y < m_p.height; ++y) {
        const double cy = y + 0.5;
        std::vector<double> xs;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Pt a = points[i];
            const Pt b = points[(i + 1) % points.size()];
            if ((a.y <= cy && b.y > cy) || (b.y <= cy && a.y > cy))
                xs.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            const int from = std::max(0, int(std::ceil(xs[i] - 0.5)));
            const int to = std::min(m_p.width - 1, int(std::ceil(xs[i + 1] - 0.5)) - 1);
            for (int x = from; x <= to; ++x)
                m_p.set(x, y, shader(x, y));
        }
    }
}

void Canvas::ellipse(double cx, double cy, double rx, double ry, const Shader& shader)
{
    for (int y = std::max(0, int(cy - ry - 1)); y <= std::min(m_p.height - 1, int(cy + ry + 1)); ++y)
        for (int x = std::max(0, int(cx - rx - 1)); x <= std::min(m_p.width - 1, int(cx + rx + 1)); ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0)
                m_p.set(x, y, shader(x, y));
        }
}

void Canvas::ring(double cx, double cy, double rx, double ry, double thickness, const Shader& shader)
{
    for (int y = std::max(0, int(cy - ry - 1)); y <= std::min(m_p.height - 1, int(cy + ry + 1)); ++y)
        for (int x = std::max(0, int(cx - rx - 1)); x <= std::min(m_p.width - 1, int(cx + rx + 1)); ++x) {
            const double ox = (x + 0.5 - cx) / rx;
            const double oy = (y + 0.5 - cy) / ry;
            const double ix = (x + 0.5 - cx) / (rx - thickness);
            const double iy = (y + 0.5 - cy) / (ry - thickness);
            if (ox * ox + oy * oy <= 1.0 && ix * ix + iy * iy > 1.0)
                m_p.set(x, y, shader(x, y));
        }
}

void Canvas::line(Pt a, Pt b, double width, const Shader& shader)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double len = std::hypot(dx, dy);
    if (len == 0)
        return;
    const double nx = -dy / len * width / 2;
    const double ny = dx / len * width / 2;
    polygon({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}, shader);
}

void Canvas::outline(const std::function<bool(std::uint8_t)>& inside, std::uint8_t index)
{
    const kvr::IndexedPicture before = m_p;
    for (int y = 0; y < m_p.height; ++y)
        for (int x = 0; x < m_p.width; ++x) {
            if (!inside(before.at(x, y)))
                continue;
            const std::array<std::array<int, 2>, 4> around = {{{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}};
            for (const auto& n : around)
                if (before.contains(n[0], n[1]) && !inside(before.at(n[0], n[1]))) {
                    m_p.set(x, y, index);
                    break;
                }
        }
}

void Canvas::digit(int x, int y, int value, int scale, std::uint8_t index)
{
    // Rows of three bits, top to bottom.
    static constexpr std::array<std::array<std::uint8_t, 5>, 10> kFont = {{
        {7, 5, 5, 5, 7},
        {2, 6, 2, 2, 7},
        {7, 1, 7, 4, 7},
        {7, 1, 3, 1, 7},
        {5, 5, 7, 1, 1},
        {7, 4, 7, 1, 7},
        {7, 4, 7, 5, 7},
        {7, 1, 2, 2, 2},
        {7, 5, 7, 5, 7},
        {7, 5, 7, 1, 7},
    }};
    const auto& rows = kFont[std::size_t(value % 10)];
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            if (rows[std::size_t(r)] & (4 >> c))
                rect(x + c * scale, y + r * scale, x + c * scale + scale - 1, y + r * scale + scale - 1, solid(index));
}

} // namespace mkpic
