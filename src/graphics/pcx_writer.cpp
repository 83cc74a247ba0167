// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/pcx_writer.h"

#include "core/byte_reader.h"

#include <stdexcept>

namespace kvr {
namespace {

constexpr std::uint8_t kManufacturer = 0x0A;
constexpr std::uint8_t kVersion = 5;
constexpr std::uint8_t kRunLength = 1;
constexpr std::uint8_t kBitsPerPixel = 8;
constexpr std::uint16_t kDotsPerInch = 72;
constexpr std::size_t kHeaderSize = 128;
constexpr std::uint8_t kPaletteMarker = 0x0C;
// A byte with both top bits set is a run count, so such a value always travels in a run.
constexpr std::uint8_t kRunFlag = 0xC0;
constexpr int kLongestRun = 0x3F;

void encodeRow(std::vector<std::uint8_t>& out, const std::uint8_t* row, int width, int bytesPerLine)
{
    // Rows are padded to an even length; runs never cross a row.
    auto at = [&](int x) { return x < width ? row[x] : std::uint8_t(0); };
    for (int x = 0; x < bytesPerLine;) {
        const std::uint8_t value = at(x);
        int run = 1;
        while (x + run < bytesPerLine && run < kLongestRun && at(x + run) == value)
            ++run;
        if (run > 1 || (value & kRunFlag) == kRunFlag)
            out.push_back(std::uint8_t(kRunFlag | run));
        out.push_back(value);
        x += run;
    }
}

} // namespace

std::vector<std::uint8_t> encodePcx8(const IndexedPicture& picture)
{
    if (picture.width < 1 || picture.height < 1 || picture.width > 0xFFFF || picture.height > 0xFFFF)
        throw std::invalid_argument("picture size");
    const int bytesPerLine = picture.width + (picture.width % 2);

    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + picture.pixels.size() / 4 + 769);
    out.push_back(kManufacturer);
    out.push_back(kVersion);
    out.push_back(kRunLength);
    out.push_back(kBitsPerPixel);
    putLe16(out, 0);
    putLe16(out, 0);
    putLe16(out, std::uint16_t(picture.width - 1));
    putLe16(out, std::uint16_t(picture.height - 1));
    putLe16(out, kDotsPerInch);
    putLe16(out, kDotsPerInch);
    // The 16-colour header palette: the first 16 colours, for readers that look there.
    for (int i = 0; i < 16; ++i) {
        const ColourEntry& c = picture.colours[std::size_t(i)];
        out.insert(out.end(), {c.red, c.green, c.blue});
    }
    out.push_back(0);
    out.push_back(1); // planes
    putLe16(out, std::uint16_t(bytesPerLine));
    putLe16(out, 1); // colour palette
    putLe16(out, std::uint16_t(picture.width));
    putLe16(out, std::uint16_t(picture.height));
    out.resize(kHeaderSize, 0);

    for (int y = 0; y < picture.height; ++y)
        encodeRow(out, picture.pixels.data() + std::size_t(y) * picture.stride, picture.width, bytesPerLine);

    out.push_back(kPaletteMarker);
    for (const ColourEntry& c : picture.colours)
        out.insert(out.end(), {c.red, c.green, c.blue});
    return out;
}

} // namespace kvr
