// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/colour_table.h"
#include "graphics/pixel_area.h"
#include "graphics/view_rect.h"

#include <cstdint>
#include <optional>

namespace kvr::swatch {

// The colour editors' 500 x 375 picture: the recoloured drawing in rows 0..197, the
// grid of palette swatches in rows 198..374.
inline constexpr int kPictureWidth = 500;
inline constexpr int kPictureHeight = 375;
inline constexpr int kDrawingRows = 198;
inline constexpr int kGridTop = 198;
inline constexpr int kGridBottom = 374;

// Swatch k shows index k + 11, in the 20 x 15 cell at column k mod 25, row k div 25;
// the cell's first column and first row stay in the background.
inline constexpr int kFirstIndex = 11;
inline constexpr int kLastIndex = 245;
inline constexpr int kCount = kLastIndex - kFirstIndex + 1; // 235
inline constexpr int kColumns = 25;
inline constexpr int kCellWidth = 20;
inline constexpr int kCellHeight = 15;
inline constexpr std::uint8_t kBackground = 7;

// The mark on a swatch: columns 7..13 and rows 5..9 of its cell.
inline constexpr int kMarkLeft = 7;
inline constexpr int kMarkRight = 13;
inline constexpr int kMarkTop = 5;
inline constexpr int kMarkBottom = 9;

// Marker colours: a light one on dark swatches, a dark one on light swatches.
inline constexpr std::uint8_t kMarkerOnDark = 41;
inline constexpr std::uint8_t kMarkerOnLight = 11;
inline constexpr int kDarkLimit = 384; // red + green + blue at most this is dark

// The cell of swatch k (0..234).
PixelRect cell(int k);

// Paints rows 198..374 in the background and draws the 235 swatches.
void drawGrid(PixelArea area);

} // namespace kvr::swatch

namespace kvr {

// NegColor: the marker index that stands out on palette index `index`.
std::uint8_t negColor(int index, const ColourTable& colours);

// DoRect: marks (or, with mark false, unmarks) the swatches of indices first ..
// first + length - 1. Indices without a swatch (a stored base below 11, a run past
// 245) are skipped, never drawn outside the grid.
void doRect(PixelArea area, int first, int length, bool mark, const ColourTable& markerColours);

// SetColor's rule: the base colour a click at (x, y) in the grid chooses for a run of
// `runLength` indices, or nothing when the click is outside the grid, on an empty
// cell, or the run would pass index 245.
std::optional<int> swatchBaseAt(int x, int y, int runLength);

// The same rule for the swatch of palette index `index`, as the keyboard chooses it.
std::optional<int> swatchBase(int index, int runLength);

// The swatch the keyboard moves to from palette index `index` by `columns` across and
// `rows` down; a step that would leave the grid stops at its edge. An index without a
// swatch starts from the nearest one.
int swatchStep(int index, int columns, int rows);

// Frames the swatch of palette index `index` (the keyboard's choice) in a colour that
// stands out on it; an index without a swatch draws nothing.
void drawSwatchCursor(PixelArea area, int index, const ColourTable& markerColours);

} // namespace kvr
