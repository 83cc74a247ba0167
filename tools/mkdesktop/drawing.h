// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The editor's icon as one list of filled outlines on a 256 x 256 canvas: the SVG icon
// and the pictures of the Windows icon are both made from it, so they are one drawing.
namespace kvrdesktop {

constexpr int kCanvas = 256;

struct Point {
    double x;
    double y;
};

// Closed outlines filled by the even-odd rule, so that an inner outline is a hole.
struct Shape {
    std::vector<std::vector<Point>> outlines;
    std::uint32_t rgb;
};

std::vector<Shape> iconDrawing();

// The icons of the editor's files in the file manager, on the same canvas.
enum class DocumentKind { Settings, Patch };
std::vector<Shape> documentDrawing(DocumentKind kind);

std::string svgOf(const std::vector<Shape>& drawing);

// The drawing at `size` x `size` pixels, each pixel's cover sampled on a fine grid: rows
// top-down, blue, green, red, alpha.
std::vector<std::uint8_t> rasterize(const std::vector<Shape>& drawing, int size);

} // namespace kvrdesktop
