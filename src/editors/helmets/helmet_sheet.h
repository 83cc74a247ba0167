// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvr {

class SettingsRecord;
class TDIB;

namespace helmets {
inline constexpr int kSheetWidth = 256;
inline constexpr int kSheetHeight = 180;
inline constexpr int kWidth = 74;
inline constexpr int kHeight = 15;
inline constexpr int kCount = 29;
inline constexpr int kPerColumn = 12;
inline constexpr int kPreviewWidth = 292;
inline constexpr int kPreviewHeight = 56;
} // namespace helmets

// Top-left corner of helmet n's cell on the sheet: columns of 12, 12 and 5 helmets.
struct CellCorner {
    int x = 0;
    int y = 0;
    bool operator==(const CellCorner&) const = default;
};
CellCorner helmetCell(int helmet);

// The helmet whose cell holds the point; none outside the 29 cells.
std::optional<int> helmetAt(int x, int y);

// One line per driver, line n standing for helmet n: for team slots 1 to 20 the first
// and then the second driver, skipping car number 0. Drivers past helmet 28 have no
// helmet on the sheet and get no line; a car number without a name shows as "Car n".
std::vector<std::string> helmetDriverLines(const SettingsRecord& record);

// Why a bitmap cannot serve as the sheet or as one helmet (it must be an 8-bit bitmap
// of exactly that size), naming what it needs; nothing when it can.
std::optional<Message> sheetProblem(const TDIB& bitmap);
std::optional<Message> helmetProblem(const TDIB& bitmap);

// Helmet n's 74 x 15 pixels, top row first.
std::vector<std::uint8_t> copyCell(const TDIB& sheet, int helmet);
void pasteCell(TDIB& sheet, int helmet, std::span<const std::uint8_t> pixels);

// The single helmet's pixels, top row first (the bitmap's rows are padded to 76 bytes).
std::vector<std::uint8_t> helmetPixels(const TDIB& single);
void setHelmetPixels(TDIB& single, std::span<const std::uint8_t> pixels);

} // namespace kvr
