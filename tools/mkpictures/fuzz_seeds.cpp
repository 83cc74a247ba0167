// SPDX-License-Identifier: GPL-3.0-or-later
// Small hand-made inputs that start the fuzz targets off on every path of the loaders.
#include "fuzz_seeds.h"

#include "graphics/bitmap_header.h"
#include "core/byte_reader.h"
#include "graphics/rle8.h"

#include <fstream>

namespace mkpic {
namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

struct Header {
    std::uint32_t size = kvr::bmp::kInfoHeaderSize;
    std::int32_t width = 5;
    std::int32_t height = 3;
    std::uint16_t bits = 8;
    std::uint32_t compression = kvr::bmp::kUncompressed;
    std::uint32_t coloursUsed = 4;
};

Bytes bitmap(const Header& h, const Bytes& pixels)
{
    Bytes out;
    const bool core = h.size == kvr::bmp::kCoreHeaderSize;
    const std::uint32_t colours = h.coloursUsed ? h.coloursUsed : kvr::bmp::defaultColours(h.bits);
    const std::size_t entry = core ? kvr::bmp::kTripleSize : kvr::bmp::kQuadSize;
    const auto offset = std::uint32_t(kvr::bmp::kFileHeaderSize + h.size + colours * entry);
    kvr::putLe16(out, kvr::bmp::kSignature);
    kvr::putLe32(out, std::uint32_t(offset + pixels.size()));
    kvr::putLe32(out, 0);
    kvr::putLe32(out, offset);
    kvr::putLe32(out, h.size);
    if (core) {
        kvr::putLe16(out, std::uint16_t(h.width));
        kvr::putLe16(out, std::uint16_t(h.height));
        kvr::putLe16(out, 1);
        kvr::putLe16(out, h.bits);
    } else {
        kvr::putLe32(out, std::uint32_t(h.width));
        kvr::putLe32(out, std::uint32_t(h.height));
        kvr::putLe16(out, 1);
        kvr::putLe16(out, h.bits);
        kvr::putLe32(out, h.compression);
        kvr::putLe32(out, std::uint32_t(pixels.size()));
        kvr::putLe32(out, 0);
        kvr::putLe32(out, 0);
        kvr::putLe32(out, h.coloursUsed);
        kvr::putLe32(out, 0);
    }
    for (std::uint32_t i = 0; i < colours; ++i) {
        const auto v = std::uint8_t(i * 60);
        out.insert(out.end(), {v, std::uint8_t(255 - v), std::uint8_t(i), 0});
        if (core)
            out.pop_back();
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes rows(std::size_t rowBytes, int height)
{
    Bytes out;
    for (std::size_t i = 0; i < rowBytes * std::size_t(height); ++i)
        out.push_back(std::uint8_t(i % 4));
    return out;
}

void write(const fs::path& file, const Bytes& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

} // namespace

void writeFuzzSeeds(const fs::path& dir)
{
    const Bytes plain8 = bitmap({}, rows(8, 3));
    // Runs, an early end of line, a delta, odd and even literal stretches, the end.
    const Bytes rle = {3, 1, 0, 0, 0, 2, 1, 1, 0, 3, 1, 2, 3, 0, 0, 4, 1, 2, 3, 0, 2, 2, 0, 1};
    Header rleHeader;
    rleHeader.compression = kvr::bmp::kRle8;
    Header zeroColours;
    zeroColours.coloursUsed = 0;

    write(dir / "dib256" / "plain8.bmp", plain8);
    write(dir / "dib256" / "rle8.bmp", bitmap(rleHeader, rle));
    write(dir / "dib256" / "rle8_compressed.bmp", bitmap(rleHeader, kvr::compressRle8(rows(8, 3), 5, 3, 8)));
    write(dir / "dib256" / "zero_colours.bmp", bitmap(zeroColours, rows(8, 3)));

    Header core8;
    core8.size = kvr::bmp::kCoreHeaderSize;
    core8.coloursUsed = 0;
    Header core1 = core8;
    core1.bits = 1;
    Header four;
    four.bits = 4;
    four.coloursUsed = 0;
    Header rgb24;
    rgb24.bits = 24;
    rgb24.coloursUsed = 0;
    write(dir / "dib" / "plain8.bmp", plain8);
    write(dir / "dib" / "core8.bmp", bitmap(core8, rows(8, 3)));
    write(dir / "dib" / "core1.bmp", bitmap(core1, rows(4, 3)));
    write(dir / "dib" / "four_bit.bmp", bitmap(four, rows(4, 3)));
    write(dir / "dib" / "rgb24.bmp", bitmap(rgb24, rows(16, 3)));

    Bytes palette(12, 0);
    for (int i = 0; i < 256; ++i)
        palette.insert(palette.end(), {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2), 0});
    write(dir / "game_palette" / "full.pal", palette);
    write(dir / "game_palette" / "short.pal", Bytes(palette.begin(), palette.begin() + 12 + 4 * 3 + 2));
    Bytes longer = palette;
    longer.insert(longer.end(), 40, 7);
    write(dir / "game_palette" / "long.pal", longer);
}

} // namespace mkpic
