// SPDX-License-Identifier: GPL-3.0-or-later
// The file manager's icons of the editor's two kinds of files: a sheet with a folded corner
// and the editor's chequered flag, a settings file with the rows of a table, a patch with
// the marks of lines taken out and put in.
#include "drawing.h"

namespace kvrdesktop {
namespace {

using Outline = std::vector<Point>;

constexpr double kLeft = 44;
constexpr double kRight = 212;
constexpr double kTop = 16;
constexpr double kBottom = 240;
constexpr double kFold = 44;

constexpr std::uint32_t kPaper = 0xf4f4f0;
constexpr std::uint32_t kEdge = 0x6b7079;
constexpr std::uint32_t kFoldShade = 0xc9ccd1;
constexpr std::uint32_t kInk = 0x2b2f36;
constexpr std::uint32_t kRemoved = 0xc8102e;
constexpr std::uint32_t kAdded = 0x2e8b3c;

Outline rect(double x, double y, double w, double h)
{
    return {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
}

Outline sheet(double inset)
{
    return {{kLeft + inset, kTop + inset},
            {kRight - kFold, kTop + inset},
            {kRight - inset, kTop + kFold},
            {kRight - inset, kBottom - inset},
            {kLeft + inset, kBottom - inset}};
}

// The flag of the editor's icon, small, in the sheet's upper part.
void flag(std::vector<Shape>& d)
{
    constexpr double kSquare = 14;
    constexpr double kX = 76;
    constexpr double kY = 46;
    d.push_back({{rect(kX - 6, kY - 2, 4, 70)}, kEdge});
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 5; ++column)
            if ((row + column) % 2 == 0)
                d.push_back({{rect(kX + column * kSquare, kY + row * kSquare, kSquare, kSquare)}, kInk});
}

} // namespace

std::vector<Shape> documentDrawing(DocumentKind kind)
{
    std::vector<Shape> d = {
        {{sheet(0)}, kEdge},
        {{sheet(5)}, kPaper},
        {{{{kRight - kFold, kTop + 5}, {kRight - kFold, kTop + kFold}, {kRight - 5, kTop + kFold}}}, kFoldShade},
    };
    flag(d);
    constexpr double kRows = 126;
    constexpr double kRowStep = 22;
    for (int i = 0; i < 4; ++i) {
        const double y = kRows + i * kRowStep;
        if (kind == DocumentKind::Settings) {
            // A name column and a value column.
            d.push_back({{rect(70, y, 64, 10)}, kInk});
            d.push_back({{rect(146, y, 40, 10)}, kEdge});
            continue;
        }
        const bool added = i % 2 == 1;
        const double mark = 72;
        d.push_back({{rect(mark, y + 3, 16, 4)}, added ? kAdded : kRemoved});
        if (added)
            d.push_back({{rect(mark + 6, y - 3, 4, 16)}, kAdded});
        d.push_back({{rect(100, y, 86 - (i % 3) * 14, 10)}, kInk});
    }
    return d;
}

} // namespace kvrdesktop
