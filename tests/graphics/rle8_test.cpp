// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/bitmap_writer.h"
#include "graphics/dib256.h"
#include "graphics/rle8.h"
#include "graphics/wing.h"

#include <gtest/gtest.h>

#include <random>

using Bytes = std::vector<std::uint8_t>;

namespace {

// Rows of `width` pixels with stretches of repeats and of noise; padding stays 0.
Bytes makeRows(std::size_t width, std::size_t height, std::mt19937& rng)
{
    const std::size_t stride = kvr::rowStride(width);
    Bytes rows(stride * height, 0);
    for (std::size_t y = 0; y < height; ++y) {
        std::size_t x = 0;
        while (x < width) {
            const std::size_t len = 1 + rng() % 300;
            const bool repeat = rng() % 2;
            const auto value = std::uint8_t(rng());
            for (std::size_t i = 0; i < len && x < width; ++i, ++x)
                rows[y * stride + x] = repeat ? value : std::uint8_t(rng());
        }
    }
    return rows;
}

} // namespace

TEST(Rle8, CompressedRowsExpandToTheSameRows)
{
    std::mt19937 rng(7);
    for (std::size_t width : {1u, 2u, 3u, 4u, 5u, 7u, 8u, 254u, 255u, 256u, 257u, 511u, 600u})
        for (std::size_t height : {1u, 2u, 5u}) {
            const std::size_t stride = kvr::rowStride(width);
            const Bytes rows = makeRows(width, height, rng);
            const Bytes packed = kvr::compressRle8(rows, width, height, stride);
            Bytes back(rows.size(), 0);
            kvr::expandRle8(packed, back, stride);
            ASSERT_EQ(back, rows) << width << " x " << height;
        }
}

TEST(Rle8, EveryByteValueSurvives)
{
    Bytes rows(256);
    for (int i = 0; i < 256; ++i)
        rows[std::size_t(i)] = std::uint8_t(i);
    Bytes back(256, 0);
    kvr::expandRle8(kvr::compressRle8(rows, 256, 1, 256), back, 256);
    EXPECT_EQ(back, rows);
}

TEST(Rle8, RepeatsBecomeRunsAndRowsEndWithEndOfLine)
{
    // 6 x 1: five 9s then a 4: run (5, 9), single (1, 4), end of line, end of picture.
    const Bytes rows = {9, 9, 9, 9, 9, 4, 0, 0};
    EXPECT_EQ(kvr::compressRle8(rows, 6, 1, 8), (Bytes{5, 9, 1, 4, 0, 0, 0, 1}));
    // Three different bytes: one literal stretch with its pad byte.
    EXPECT_EQ(kvr::compressRle8(Bytes{1, 2, 3, 0}, 3, 1, 4), (Bytes{0, 3, 1, 2, 3, 0, 0, 0, 0, 1}));
}

TEST(Rle8, NothingIsWrittenOutsideTheArea)
{
    // The area sits inside a larger buffer whose guard bytes must stay untouched.
    Bytes buffer(32, 0xCC);
    std::span<std::uint8_t> area(buffer.data() + 8, 16);
    std::fill(area.begin(), area.end(), 0);
    kvr::expandRle8(Bytes{255, 1, 0, 2, 255, 255, 0, 200, 0, 0, 0, 5, 1, 2, 3, 4, 5}, area, 8);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(buffer[i], 0xCC);
        EXPECT_EQ(buffer[24 + i], 0xCC);
    }
}

TEST(BitmapWriter, PlainAndRunLengthFilesLoadBackTheSamePicture)
{
    std::mt19937 rng(3);
    kvr::IndexedPicture p(37, 11);
    const Bytes rows = makeRows(37, 11, rng);
    p.pixels = rows;
    for (int i = 0; i < 256; ++i)
        p.colours[std::size_t(i)] = kvr::rgb(std::uint8_t(i), std::uint8_t(i * 3), std::uint8_t(i * 5));
    for (bool runLength : {false, true}) {
        const Bytes file = kvr::encodeBitmap8(p, {.runLength = runLength});
        EXPECT_EQ(file[30], runLength ? 1 : 0);
        kvr::TDIB256 dib;
        dib.loadFromBytes(file);
        ASSERT_EQ(dib.width(), 37);
        ASSERT_EQ(dib.height(), 11);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 37; ++x)
                ASSERT_EQ(dib.pixel(x, y), p.at(x, y)) << x << "," << y << (runLength ? " run-length" : " plain");
        EXPECT_EQ(dib.colours(), p.colours);
    }
}
