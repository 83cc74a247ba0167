// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cockpit/swatch_grid.h"

namespace kvr::swatch {

PixelRect cell(int k)
{
    return {(k % kColumns) * kCellWidth, kGridTop + (k / kColumns) * kCellHeight, kCellWidth, kCellHeight};
}

void drawGrid(PixelArea area)
{
    area.fill(0, kGridTop, area.width - 1, kGridBottom, kBackground);
    for (int k = 0; k < kCount; ++k) {
        const PixelRect c = cell(k);
        area.fill(c.left + 1, c.top + 1, c.left + c.width - 1, c.top + c.height - 1, std::uint8_t(k + kFirstIndex));
    }
}

} // namespace kvr::swatch

namespace kvr {

std::uint8_t negColor(int index, const ColourTable& colours)
{
    const ColourEntry& c = colours[std::size_t(index) % kColourCount];
    const int sum = c.red + c.green + c.blue;
    return sum <= swatch::kDarkLimit ? swatch::kMarkerOnDark : swatch::kMarkerOnLight;
}

void doRect(PixelArea area, int first, int length, bool mark, const ColourTable& markerColours)
{
    for (int j = first; j < first + length; ++j) {
        if (j < swatch::kFirstIndex || j > swatch::kLastIndex)
            continue;
        const PixelRect c = swatch::cell(j - swatch::kFirstIndex);
        const std::uint8_t index = mark ? negColor(j, markerColours) : std::uint8_t(j);
        area.fill(c.left + swatch::kMarkLeft, c.top + swatch::kMarkTop, c.left + swatch::kMarkRight,
                  c.top + swatch::kMarkBottom, index);
    }
}

std::optional<int> swatchBaseAt(int x, int y, int runLength)
{
    if (x < 0 || x >= swatch::kPictureWidth || y < swatch::kGridTop || y > swatch::kGridBottom)
        return std::nullopt;
    const int c =
        x / swatch::kCellWidth + (y - swatch::kGridTop) / swatch::kCellHeight * swatch::kColumns + swatch::kFirstIndex;
    // The run c .. c + runLength - 1 must stay on the swatches.
    if (c < swatch::kFirstIndex || c + runLength > swatch::kLastIndex + 1)
        return std::nullopt;
    return c;
}

} // namespace kvr
