// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/helmets/helmet_sheet.h"

#include "core/settings_record.h"
#include "editors/names/names_rules.h"
#include "graphics/dib.h"
#include "core/tr_marker.h"
#include "textures/bitmap_check.h"

namespace kvr {
namespace {

using namespace helmets;

constexpr int kColumns = 3;

// Byte of pixel (x, y), counted from the top-left, in the bottom-up rows.
std::size_t offsetOf(const TDIB& dib, int x, int y)
{
    return std::size_t(dib.height() - 1 - y) * dib.rowSize() + std::size_t(x);
}

void copyRows(const TDIB& from, int fromX, int fromY, std::vector<std::uint8_t>& to)
{
    const auto pixels = from.pixels();
    for (int y = 0; y < kHeight; ++y) {
        const auto first = pixels.begin() + std::ptrdiff_t(offsetOf(from, fromX, fromY + y));
        to.insert(to.end(), first, first + kWidth);
    }
}

void pasteRows(TDIB& to, int toX, int toY, std::span<const std::uint8_t> helmet)
{
    if (helmet.size() != std::size_t(kWidth * kHeight))
        return;
    const auto pixels = to.pixels();
    for (int y = 0; y < kHeight; ++y) {
        const auto row = helmet.subspan(std::size_t(y * kWidth), kWidth);
        std::copy(row.begin(), row.end(), pixels.begin() + std::ptrdiff_t(offsetOf(to, toX, toY + y)));
    }
}

bool isSheet(const TDIB& dib)
{
    return !sheetProblem(dib).has_value();
}

} // namespace

CellCorner helmetCell(int helmet)
{
    const int column = helmet / kPerColumn;
    return {column * kWidth, (helmet - column * kPerColumn) * kHeight};
}

std::optional<int> helmetAt(int x, int y)
{
    if (x < 0 || y < 0 || x >= kColumns * kWidth)
        return std::nullopt;
    const int row = y / kHeight;
    if (row >= kPerColumn)
        return std::nullopt;
    const int helmet = (x / kWidth) * kPerColumn + row;
    if (helmet >= kCount)
        return std::nullopt;
    return helmet;
}

std::vector<std::string> helmetDriverLines(const SettingsRecord& record)
{
    std::vector<std::string> lines;
    for (int slot = 1; slot <= rec::kDrivers && int(lines.size()) < kCount; ++slot) {
        const int car = record.byte(rec::carNumber(slot));
        if (car == 0)
            continue;
        lines.push_back(driverNameOfSlot(record, slot).value_or("Car " + std::to_string(car)));
    }
    return lines;
}

std::optional<Message> sheetProblem(const TDIB& bitmap)
{
    return bitmapProblem(bitmap, kSheetWidth, kSheetHeight,
                         KVR_TR_NOOP("Pictures", "The helmet sheet must be an 8-bit (256 colour) bitmap of %1 x %2 "
                                                 "pixels; this is %3."));
}

std::optional<Message> helmetProblem(const TDIB& bitmap)
{
    return bitmapProblem(
        bitmap, kWidth, kHeight,
        KVR_TR_NOOP("Pictures", "A helmet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3."));
}

std::vector<std::uint8_t> copyCell(const TDIB& sheet, int helmet)
{
    std::vector<std::uint8_t> pixels;
    if (!isSheet(sheet) || helmet < 0 || helmet >= kCount)
        return pixels;
    const CellCorner c = helmetCell(helmet);
    copyRows(sheet, c.x, c.y, pixels);
    return pixels;
}

void pasteCell(TDIB& sheet, int helmet, std::span<const std::uint8_t> pixels)
{
    if (!isSheet(sheet) || helmet < 0 || helmet >= kCount)
        return;
    const CellCorner c = helmetCell(helmet);
    pasteRows(sheet, c.x, c.y, pixels);
}

std::vector<std::uint8_t> helmetPixels(const TDIB& single)
{
    std::vector<std::uint8_t> pixels;
    if (!helmetProblem(single))
        copyRows(single, 0, 0, pixels);
    return pixels;
}

void setHelmetPixels(TDIB& single, std::span<const std::uint8_t> pixels)
{
    if (!helmetProblem(single))
        pasteRows(single, 0, 0, pixels);
}

} // namespace kvr
