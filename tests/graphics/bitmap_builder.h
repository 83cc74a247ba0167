// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace kvrtest {

// The fields of a bitmap file, each settable, so a test can make exactly the file it
// needs, faults included.
struct BitmapFields {
    char signature[2] = {'B', 'M'};
    std::uint32_t headerSize = 40;
    std::int32_t width = 5;
    std::int32_t height = 3;
    std::uint16_t planes = 1;
    std::uint16_t bits = 8;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 4;
    std::uint32_t colourEntries = 4; // entries actually written
    std::uint32_t pixelOffset = 0;   // 0: right after the colour table
};

// Colour entry i is (blue i, green 100 + i, red 200 - i) with 3 or 4 bytes as the
// header size asks; `data` follows the table directly.
std::vector<std::uint8_t> buildBitmap(const BitmapFields& fields, const std::vector<std::uint8_t>& data);

} // namespace kvrtest
