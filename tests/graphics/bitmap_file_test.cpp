// SPDX-License-Identifier: GPL-3.0-or-later
// Every loader of bitmaps reads a file alike: the bitmap class, the image view's 8-bit
// picture and the converter find the same pixels in each way a writer may store them,
// and refuse what they cannot read with the same reason.
#include "graphics/bitmap_builder.h"
#include "graphics/bitmap_file.h"
#include "graphics/dib.h"
#include "graphics/dib256.h"
#include "graphics/dib_render.h"
#include "graphics/graphic_error.h"
#include "textures/jam_convert.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using kvrtest::BitmapFields;
using kvrtest::buildBitmap;
using Bytes = std::vector<std::uint8_t>;

// A 5 x 3 picture, rows of 8 bytes stored bottom-up: the top row is 21 .. 25.
const Bytes kRows = {1, 2, 3, 4, 5, 0, 0, 0, 11, 12, 13, 14, 15, 0, 0, 0, 21, 22, 23, 24, 25, 0, 0, 0};
const Bytes kTopDown = {21, 22, 23, 24, 25, 11, 12, 13, 14, 15, 1, 2, 3, 4, 5};

BitmapFields fields(auto change)
{
    BitmapFields s;
    change(s);
    return s;
}

// The file of `s` with `data` placed where the file header's offset says.
Bytes withGap(BitmapFields s, std::size_t gap, const Bytes& data)
{
    s.pixelOffset = 14 + 40 + s.colourEntries * 4 + std::uint32_t(gap);
    Bytes moved(gap, 0xEE);
    moved.insert(moved.end(), data.begin(), data.end());
    return buildBitmap(s, moved);
}

// The pixels each loader finds, top-down, `width` bytes a row.
Bytes viaDib256(const Bytes& file)
{
    kvr::TDIB256 dib;
    dib.loadFromBytes(file);
    Bytes out;
    for (int y = 0; y < dib.height(); ++y)
        for (int x = 0; x < dib.width(); ++x)
            out.push_back(dib.pixel(x, y));
    return out;
}

Bytes viaDib(const Bytes& file)
{
    kvr::TDIB dib;
    dib.loadFromBytes(file);
    Bytes out;
    for (int y = 0; y < dib.height(); ++y)
        for (int x = 0; x < dib.width(); ++x)
            out.push_back(dib.pixels()[std::size_t(dib.height() - 1 - y) * dib.rowSize() + std::size_t(x)]);
    return out;
}

Bytes viaConverter(const Bytes& file)
{
    return kvr::textureFromBitmap(file).pixels;
}

struct Stored {
    const char* what;
    Bytes file;
};

TEST(BitmapFile, EveryLoaderFindsTheSamePixelsHoweverTheyAreStored)
{
    const Stored cases[] = {
        {"plain rows after the colours", buildBitmap({}, kRows)},
        {"image size of the unpadded rows", buildBitmap(fields([](BitmapFields& s) { s.imageSize = 15; }), kRows)},
        {"image size 0", buildBitmap(fields([](BitmapFields& s) { s.imageSize = 0; }), kRows)},
        {"a gap before the rows that the offset describes", withGap({}, 6, kRows)},
        {"top-down rows (negative height)",
         buildBitmap(fields([](BitmapFields& s) { s.height = -3; }),
                     {21, 22, 23, 24, 25, 0, 0, 0, 11, 12, 13, 14, 15, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0})},
        {"run-length data shorter than the rows", buildBitmap(fields([](BitmapFields& s) { s.compression = 1; }),
                                                              {0,  5,  1, 2, 3, 4, 5, 0,  0,  0,  0,  5,  11, 12, 13,
                                                               14, 15, 0, 0, 0, 0, 5, 21, 22, 23, 24, 25, 0,  0,  1})},
        {"run-length data after a described gap",
         withGap(fields([](BitmapFields& s) { s.compression = 1; }), 3,
                 {0, 5, 1, 2, 3, 4, 5, 0, 0, 0, 0, 5, 11, 12, 13, 14, 15, 0, 0, 0, 0, 5, 21, 22, 23, 24, 25, 0, 0, 1})},
        {"top-down run-length data", buildBitmap(fields([](BitmapFields& s) {
                                                     s.height = -3;
                                                     s.compression = 1;
                                                 }),
                                                 {0,  5,  21, 22, 23, 24, 25, 0, 0, 0, 0, 5, 11, 12, 13,
                                                  14, 15, 0,  0,  0,  0,  5,  1, 2, 3, 4, 5, 0,  0,  1})},
        {"an offset past the end of the file, as careless writers leave it",
         [] {
             Bytes b = buildBitmap({}, kRows);
             b[10] = b[11] = b[12] = b[13] = 0xEE;
             return b;
         }()},
    };
    for (const Stored& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            EXPECT_EQ(viaDib256(c.file), kTopDown);
            EXPECT_EQ(viaDib(c.file), kTopDown);
            EXPECT_EQ(viaConverter(c.file), kTopDown);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "refused: " << e.what();
        }
    }
}

// A loaded file saved again is plain: rows after the colours, bottom-up, uncompressed.
TEST(BitmapFile, TopDownAndRunLengthFilesAreSavedPlain)
{
    kvr::TDIB dib;
    dib.loadFromBytes(buildBitmap(
        fields([](BitmapFields& s) {
            s.height = -3;
            s.compression = 1;
        }),
        {0, 5, 21, 22, 23, 24, 25, 0, 0, 0, 0, 5, 11, 12, 13, 14, 15, 0, 0, 0, 0, 5, 1, 2, 3, 4, 5, 0, 0, 1}));
    EXPECT_EQ(dib.saveToBytes(), buildBitmap(fields([](BitmapFields& s) { s.imageSize = 24; }), kRows));
}

template <typename Load> std::string refusal(Load load)
{
    try {
        load();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "loaded";
}

struct Refusal {
    const char* what;
    Bytes file;
    const char* reason;
};

TEST(BitmapFile, EveryLoaderRefusesWithTheSameTrueReason)
{
    const Refusal cases[] = {
        {"text", {'h', 'i', '!'}, "it is not a bitmap file (it does not start with \"BM\")"},
        {"the rows cut short", buildBitmap({}, Bytes(kRows.begin(), kRows.end() - 1)),
         "the pixel rows are cut short: 5 x 3 pixels need 24 bytes from byte 70, the file holds 23"},
        {"the rows cut short after a gap", withGap({}, 4, Bytes(kRows.begin(), kRows.end() - 4)),
         "the pixel rows are cut short: 5 x 3 pixels need 24 bytes from byte 74, the file holds 20"},
        {"4-bit run-length", buildBitmap(fields([](BitmapFields& s) { s.compression = 2; }), kRows),
         "4-bit run-length compression is not supported"},
        {"a 108-byte header", buildBitmap(fields([](BitmapFields& s) { s.headerSize = 108; }), kRows),
         "its header is 108 bytes long; bitmaps with a 40- or 12-byte header are read"},
        {"a colour table cut short",
         [] {
             Bytes b = buildBitmap({}, kRows);
             b.resize(60);
             return b;
         }(),
         "the file ends inside its colour table"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.what);
        kvr::TDIB dib;
        kvr::TDIB256 dib256;
        EXPECT_EQ(refusal([&] { kvr::readBitmapFile(c.file); }), c.reason);
        EXPECT_EQ(refusal([&] { dib.loadFromBytes(c.file); }), std::string("Bitmap image is not valid: ") + c.reason);
        EXPECT_EQ(refusal([&] { dib256.loadFromBytes(c.file); }),
                  std::string("Bitmap Image is not valid: ") + c.reason);
        EXPECT_EQ(refusal([&] { kvr::textureFromBitmap(c.file); }), c.reason);
    }
}

// A 2 x 1 bitmap of `bits` whose colours lie where `masks` (red, green, blue) say.
Bytes bitFieldBitmap(std::uint16_t bits, std::array<std::uint32_t, 3> masks, Bytes row)
{
    Bytes data;
    for (std::uint32_t m : masks)
        for (int i = 0; i < 4; ++i)
            data.push_back(std::uint8_t(m >> (8 * i)));
    data.insert(data.end(), row.begin(), row.end());
    return buildBitmap(fields([&](BitmapFields& s) {
                           s.width = 2;
                           s.height = 1;
                           s.bits = bits;
                           s.compression = 3;
                           s.coloursUsed = s.colourEntries = 0;
                           s.pixelOffset = 14 + 40 + 12;
                       }),
                       data);
}

TEST(BitmapFile, ColourBitFieldsAreHonoured)
{
    const struct {
        const char* what;
        Bytes file;
        std::array<std::uint32_t, 2> argb;
    } cases[] = {
        {"16-bit 565, red and green",
         bitFieldBitmap(16, {0xF800, 0x07E0, 0x001F}, {0x00, 0xF8, 0xE0, 0x07}),
         {0xFFFF0000, 0xFF00FF00}},
        {"16-bit 565, blue and a mid grey",
         bitFieldBitmap(16, {0xF800, 0x07E0, 0x001F}, {0x1F, 0x00, 0x10, 0x84}),
         {0xFF0000FF, 0xFF848484}},
        {"16-bit, fields marked but none stored",
         buildBitmap(fields([](BitmapFields& s) {
                         s.width = 2;
                         s.height = 1;
                         s.bits = 16;
                         s.compression = 3;
                         s.coloursUsed = s.colourEntries = 0;
                     }),
                     {0x00, 0x7C, 0x1F, 0x00}),
         {0xFFFF0000, 0xFF0000FF}},
        {"16-bit 555 as bit fields",
         bitFieldBitmap(16, {0x7C00, 0x03E0, 0x001F}, {0x00, 0x7C, 0x1F, 0x00}),
         {0xFFFF0000, 0xFF0000FF}},
        {"32-bit, red in the lowest byte",
         bitFieldBitmap(32, {0xFF, 0xFF00, 0xFF0000}, {0x10, 0x20, 0x30, 0, 0xFF, 0, 0, 0}),
         {0xFF102030, 0xFFFF0000}},
        {"32-bit, 10 bits a colour",
         bitFieldBitmap(32, {0x3FF00000, 0xFFC00, 0x3FF}, {0xFF, 0x03, 0xF0, 0x3F, 0, 0, 0, 0}),
         {0xFFFF00FF, 0xFF000000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        kvr::TDIB dib;
        dib.loadFromBytes(c.file);
        const kvr::RgbPicture picture = kvr::renderDib(dib, nullptr);
        ASSERT_EQ(picture.argb.size(), 2u);
        EXPECT_EQ(picture.argb[0], c.argb[0]);
        EXPECT_EQ(picture.argb[1], c.argb[1]);
    }
    const struct {
        const char* what;
        Bytes file;
        const char* reason;
    } refused[] = {
        {"overlapping", bitFieldBitmap(16, {0xF800, 0x0FE0, 0x001F}, {0, 0, 0, 0}),
         "its colour bit fields (red 0x0000F800, green 0x00000FE0, blue 0x0000001F) are not three separate runs of "
         "bits within a pixel"},
        {"a gap in a field", bitFieldBitmap(32, {0xFF0000, 0xF0F0, 0xFF}, Bytes(8, 0)),
         "its colour bit fields (red 0x00FF0000, green 0x0000F0F0, blue 0x000000FF) are not three separate runs of "
         "bits within a pixel"},
        {"no blue", bitFieldBitmap(16, {0xF800, 0x07E0, 0}, {0, 0, 0, 0}),
         "its colour bit fields (red 0x0000F800, green 0x000007E0, blue 0x00000000) are not three separate runs of "
         "bits within a pixel"},
        {"beyond 16 bits", bitFieldBitmap(16, {0xF80000, 0x07E0, 0x1F}, {0, 0, 0, 0}),
         "its colour bit fields (red 0x00F80000, green 0x000007E0, blue 0x0000001F) are not three separate runs of "
         "bits within a pixel"},
        {"cut short",
         [] {
             Bytes b = bitFieldBitmap(16, {0xF800, 0x07E0, 0x1F}, {});
             b.resize(60);
             return b;
         }(),
         "the file ends inside its colour bit fields"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(refusal([&] { kvr::readBitmapFile(c.file); }), c.reason);
    }
}

} // namespace
