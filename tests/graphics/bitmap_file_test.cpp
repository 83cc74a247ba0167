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

} // namespace
