// SPDX-License-Identifier: GPL-3.0-or-later
// A chequered flag waving over a dark racing stripe, as on the main window's buttons,
// with the letters KVR in a slanted block type of its own (no font needed to show it).
#include "drawing.h"

#include <cmath>
#include <iomanip>
#include <numbers>
#include <sstream>

namespace kvrdesktop {
namespace {

constexpr int kSquares = 6;
constexpr int kFlagRows = kSquares - 2;
constexpr double kFlagLeft = 44.0;
constexpr double kFlagTop = 52.0;
constexpr double kSquare = 26.0;
constexpr double kWave = 9.0;

constexpr std::uint32_t kBackground = 0x2b2f36;
constexpr std::uint32_t kRed = 0xc8102e;
constexpr std::uint32_t kYellow = 0xf2c300;
constexpr std::uint32_t kPole = 0xd0d0d0;
constexpr std::uint32_t kWhite = 0xffffff;
constexpr std::uint32_t kBlack = 0x111111;

using Outline = std::vector<Point>;

// The flag cloth bends in one sine wave across its width.
double wave(double x)
{
    return kWave * std::sin((x - kFlagLeft) / (kSquares * kSquare) * 2 * std::numbers::pi);
}

Outline roundedRect(double x, double y, double w, double h, double r)
{
    constexpr int kSteps = 12;
    const Point centres[4] = {{x + w - r, y + r}, {x + w - r, y + h - r}, {x + r, y + h - r}, {x + r, y + r}};
    Outline o;
    for (int corner = 0; corner < 4; ++corner)
        for (int i = 0; i <= kSteps; ++i) {
            const double a = (corner - 1 + double(i) / kSteps) * std::numbers::pi / 2;
            o.push_back({centres[corner].x + r * std::cos(a), centres[corner].y + r * std::sin(a)});
        }
    return o;
}

Outline square(int column, int row)
{
    const double x0 = kFlagLeft + column * kSquare;
    const double x1 = x0 + kSquare;
    const double y0 = kFlagTop + row * kSquare;
    const double y1 = y0 + kSquare;
    return {{x0, y0 + wave(x0)}, {x1, y0 + wave(x1)}, {x1, y1 + wave(x1)}, {x0, y1 + wave(x0)}};
}

// The letters, drawn on a 32-unit cap height from their top left corner, then slanted
// and placed on the baseline.
constexpr double kCap = 32.0;
constexpr double kBaseline = 226.0;
constexpr double kSlant = 0.2;

Outline letter(Outline o, double left)
{
    for (Point& p : o)
        p = {left + p.x + (kCap - p.y) * kSlant, kBaseline - kCap + p.y};
    return o;
}

std::vector<Shape> letters()
{
    constexpr double kLeft = 80.0;
    const Outline k = {{0, 0},   {8, 0},   {8, 12}, {19, 0}, {29, 0}, {15, 15},
                       {29, 32}, {19, 32}, {8, 19}, {8, 32}, {0, 32}};
    const Outline v = {{0, 0}, {9, 0}, {15, 22}, {21, 0}, {30, 0}, {19, 32}, {11, 32}};
    // R: the stem and bowl as one outline with the bowl's hole, then the leg.
    Outline bowl = {{0, 0}, {17, 0}};
    for (int i = 0; i <= 8; ++i) {
        const double a = -std::numbers::pi / 2 + std::numbers::pi * i / 8;
        bowl.push_back({17 + 9 * std::cos(a), 9 + 9 * std::sin(a)});
    }
    bowl.insert(bowl.end(), {{8, 18}, {8, 32}, {0, 32}});
    Outline hole = {{8, 7}, {16, 7}};
    for (int i = 0; i <= 6; ++i) {
        const double a = -std::numbers::pi / 2 + std::numbers::pi * i / 6;
        hole.push_back({16 + 2 * std::cos(a), 9 + 2 * std::sin(a)});
    }
    hole.push_back({8, 11});
    const Outline leg = {{12, 16}, {21, 16}, {28, 32}, {19, 32}};
    return {
        {{letter(k, kLeft)}, kWhite},
        {{letter(v, kLeft + 31)}, kWhite},
        {{letter(bowl, kLeft + 64), letter(hole, kLeft + 64)}, kWhite},
        {{letter(leg, kLeft + 64)}, kWhite},
    };
}

} // namespace

std::vector<Shape> iconDrawing()
{
    std::vector<Shape> d = {
        {{roundedRect(8, 8, 240, 240, 36)}, kBackground},
        {{{{8, 190}, {248, 120}, {248, 168}, {8, 238}}}, kRed},
        {{{{8, 208}, {248, 138}, {248, 150}, {8, 220}}}, kYellow},
        {{roundedRect(36, 40, 8, 190, 3)}, kPole},
    };
    for (int row = 0; row < kFlagRows; ++row)
        for (int column = 0; column < kSquares; ++column)
            d.push_back({{square(column, row)}, (row + column) % 2 == 0 ? kWhite : kBlack});
    for (Shape& s : letters())
        d.push_back(std::move(s));
    return d;
}

std::string svgOf(const std::vector<Shape>& drawing)
{
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kCanvas << "\" height=\"" << kCanvas
        << "\" viewBox=\"0 0 " << kCanvas << " " << kCanvas << "\">\n";
    for (const Shape& s : drawing) {
        svg << "  <path d=\"";
        for (std::size_t n = 0; n < s.outlines.size(); ++n) {
            const Outline& o = s.outlines[n];
            for (std::size_t i = 0; i < o.size(); ++i)
                svg << (i == 0 ? (n == 0 ? "M" : " M") : " L") << std::round(o[i].x * 100) / 100 << ","
                    << std::round(o[i].y * 100) / 100;
            svg << " Z";
        }
        svg << "\" fill=\"#" << std::hex << std::setw(6) << std::setfill('0') << s.rgb << std::dec
            << "\" fill-rule=\"evenodd\"/>\n";
    }
    svg << "</svg>\n";
    return svg.str();
}

} // namespace kvrdesktop
