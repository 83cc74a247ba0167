// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cockpit/swatch_grid.h"

#include <algorithm>

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
    return swatchBase(x / swatch::kCellWidth + (y - swatch::kGridTop) / swatch::kCellHeight * swatch::kColumns +
                          swatch::kFirstIndex,
                      runLength);
}

std::optional<int> swatchBase(int index, int runLength)
{
    // The run index .. index + runLength - 1 must stay on the swatches.
    if (index < swatch::kFirstIndex || index + runLength > swatch::kLastIndex + 1)
        return std::nullopt;
    return index;
}

int swatchStep(int index, int columns, int rows)
{
    const int k = std::clamp(index, swatch::kFirstIndex, swatch::kLastIndex) - swatch::kFirstIndex;
    const int column = std::clamp(k % swatch::kColumns + columns, 0, swatch::kColumns - 1);
    const int lastRow = (swatch::kCount - 1) / swatch::kColumns;
    const int row = std::clamp(k / swatch::kColumns + rows, 0, lastRow);
    int to = row * swatch::kColumns + column;
    // The last row is short: a step down past its end stays where it was, a step
    // across stops at its last swatch.
    if (to >= swatch::kCount)
        to = rows > 0 ? k : swatch::kCount - 1;
    return to + swatch::kFirstIndex;
}

void drawSwatchCursor(PixelArea area, int index, const ColourTable& markerColours)
{
    if (index < swatch::kFirstIndex || index > swatch::kLastIndex)
        return;
    const PixelRect c = swatch::cell(index - swatch::kFirstIndex);
    const std::uint8_t frame = negColor(index, markerColours);
    const int left = c.left + 1;
    const int top = c.top + 1;
    const int right = c.left + c.width - 1;
    const int bottom = c.top + c.height - 1;
    // Two pixels wide, so it shows at the smallest scale too.
    area.fill(left, top, right, top + 1, frame);
    area.fill(left, bottom - 1, right, bottom, frame);
    area.fill(left, top, left + 1, bottom, frame);
    area.fill(right - 1, top, right, bottom, frame);
}

} // namespace kvr
