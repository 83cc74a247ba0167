// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/bitmap_builder.h"
#include "graphics/dib.h"
#include "graphics/graphic_error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

using kvr::TDIB;
using kvrtest::BitmapFields;
using kvrtest::buildBitmap;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes counting(std::size_t n)
{
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = std::uint8_t(i * 7 + 1);
    return b;
}

TDIB loaded(const Bytes& file)
{
    TDIB dib;
    dib.loadFromBytes(file);
    return dib;
}

std::string refusal(const Bytes& file)
{
    TDIB dib;
    try {
        dib.loadFromBytes(file);
    } catch (const kvr::InvalidGraphic& e) {
        return e.what();
    }
    return "loaded";
}

} // namespace

TEST(Dib, HelmetSheetRowsStayBottomUp)
{
    BitmapFields s;
    s.width = 256;
    s.height = 180;
    s.coloursUsed = 256;
    s.colourEntries = 256;
    const Bytes rows = counting(256 * 180);
    const TDIB dib = loaded(buildBitmap(s, rows));
    EXPECT_EQ(dib.rowSize(), 256u);
    // The top-left pixel is the first byte of the last stored row.
    EXPECT_EQ(dib.pixels()[179 * 256], rows[179 * 256]);
    EXPECT_EQ(dib.pixels().size(), rows.size());
    EXPECT_EQ(dib.colourCount(), 256u);
}

TEST(Dib, SingleHelmetRowsArePaddedTo76)
{
    BitmapFields s;
    s.width = 74;
    s.height = 15;
    const Bytes rows = counting(76 * 15);
    const TDIB dib = loaded(buildBitmap(s, rows));
    EXPECT_EQ(dib.rowSize(), 76u);
    // The top row starts at byte 14 x 76 = 1064.
    EXPECT_EQ(dib.pixels()[1064], rows[1064]);
    EXPECT_EQ(dib.pixels()[1064 + 73], rows[1064 + 73]);
}

TEST(Dib, LoadedAndSavedDiffersOnlyInTheFileHeaderFields)
{
    Bytes file = buildBitmap({}, counting(24));
    // A careless writer's file header: wrong size, reserved bytes set, wrong offset.
    for (std::size_t i = 2; i < 14; ++i)
        file[i] = 0xEE;
    const Bytes saved = loaded(file).saveToBytes();
    ASSERT_EQ(saved.size(), file.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (i < 2 || i >= 14) {
            EXPECT_EQ(saved[i], file[i]) << "byte " << i;
        }
    }
    // Size 14 + 40 + 16 + 24 = 94, reserved 0, pixels at 14 + 40 + 16 = 70.
    EXPECT_EQ(Bytes(saved.begin() + 2, saved.begin() + 14), (Bytes{94, 0, 0, 0, 0, 0, 0, 0, 70, 0, 0, 0}));
}

TEST(Dib, CoreHeaderIsSavedWithAnInfoHeaderAndFourByteColours)
{
    BitmapFields s;
    s.headerSize = 12;
    s.width = 5;
    s.height = 3;
    s.bits = 4;
    s.colourEntries = 16;
    const Bytes rows = counting(4 * 3);
    const Bytes saved = loaded(buildBitmap(s, rows)).saveToBytes();
    const Bytes expectedHeader = {
        40, 0, 0, 0,             // info header size
        5,  0, 0, 0,             // width
        3,  0, 0, 0,             // height
        1,  0,                   // planes
        4,  0,                   // bits per pixel
        0,  0, 0, 0,             // uncompressed
        12, 0, 0, 0,             // image size: row size 4 x 3 rows
        0,  0, 0, 0, 0, 0, 0, 0, // resolutions
        16, 0, 0, 0,             // colours used: 16 for 4 bits
        16, 0, 0, 0,             // colours important
    };
    ASSERT_EQ(saved.size(), 14u + 40 + 16 * 4 + 12);
    EXPECT_EQ(Bytes(saved.begin() + 14, saved.begin() + 54), expectedHeader);
    // Colour 5 (blue 5, green 105, red 195) widened with a zero byte.
    EXPECT_EQ(Bytes(saved.begin() + 54 + 20, saved.begin() + 54 + 24), (Bytes{5, 105, 195, 0}));
    EXPECT_EQ(Bytes(saved.end() - 12, saved.end()), rows);
    // File header: size and pixel offset of the rewritten file.
    EXPECT_EQ(Bytes(saved.begin() + 2, saved.begin() + 14), (Bytes{130, 0, 0, 0, 0, 0, 0, 0, 118, 0, 0, 0}));
}

TEST(Dib, CoreHeaderOneBitIsMonochromeWithTwoColours)
{
    BitmapFields s;
    s.headerSize = 12;
    s.bits = 1;
    s.colourEntries = 2;
    const TDIB dib = loaded(buildBitmap(s, counting(4 * 3)));
    EXPECT_TRUE(dib.monochrome());
    EXPECT_EQ(dib.colourCount(), 2u);
    EXPECT_EQ(dib.rowSize(), 4u);
}

struct ColourCountCase {
    std::uint16_t bits;
    std::uint32_t coloursUsed;
    std::size_t expected;
};
void PrintTo(const ColourCountCase& p, std::ostream* os)
{
    *os << p.bits << " bits, colours used " << p.coloursUsed;
}

class DibColourCount : public testing::TestWithParam<ColourCountCase> {};

TEST_P(DibColourCount, FollowsColoursUsedOrTheDepth)
{
    const auto& c = GetParam();
    BitmapFields s;
    s.bits = c.bits;
    s.coloursUsed = c.coloursUsed;
    s.colourEntries = std::uint32_t(c.expected);
    const std::size_t rowSize = (c.bits * 5 + 31) / 32 * 4;
    const Bytes rows = counting(rowSize * 3);
    const TDIB dib = loaded(buildBitmap(s, rows));
    EXPECT_EQ(dib.colourCount(), c.expected);
    EXPECT_EQ(Bytes(dib.pixels().begin(), dib.pixels().end()), rows);
}

INSTANTIATE_TEST_SUITE_P(Cases, DibColourCount,
                         testing::Values(ColourCountCase{1, 0, 2}, ColourCountCase{4, 0, 16},
                                         ColourCountCase{8, 0, 256}, ColourCountCase{24, 0, 0},
                                         ColourCountCase{16, 0, 0}, ColourCountCase{8, 3, 3},
                                         ColourCountCase{24, 2, 2}));

TEST(Dib, AnOffsetPastTheEndMeansTheRowsFollowTheColours)
{
    BitmapFields s;
    s.pixelOffset = 3000;
    const Bytes rows = counting(24);
    const TDIB dib = loaded(buildBitmap(s, rows));
    EXPECT_EQ(Bytes(dib.pixels().begin(), dib.pixels().end()), rows);
}

TEST(Dib, EmptyInputEmptiesAndSavesNothing)
{
    TDIB dib = loaded(buildBitmap({}, counting(24)));
    dib.loadFromBytes({});
    EXPECT_TRUE(dib.empty());
    EXPECT_EQ(dib.width(), 0);
    EXPECT_TRUE(dib.saveToBytes().empty());

    kvrtest::TempDir dir;
    kvrtest::writeFile(dir / "old.bmp", {1, 2, 3});
    dib.saveToFile(dir / "old.bmp");
    EXPECT_TRUE(kvrtest::readFile(dir / "old.bmp").empty());
}

TEST(Dib, WithoutSignatureItIsRefusedAndTheOldImageKept)
{
    TDIB dib = loaded(buildBitmap({}, counting(24)));
    BitmapFields s;
    s.signature[0] = 'M';
    s.signature[1] = 'B';
    EXPECT_EQ(refusal(buildBitmap(s, counting(24))),
              "Bitmap image is not valid: it is not a bitmap file (it does not start with \"BM\")");
    EXPECT_THROW(dib.loadFromBytes(buildBitmap(s, counting(24))), kvr::InvalidGraphic);
    EXPECT_EQ(dib.width(), 5);
    EXPECT_EQ(dib.pixels()[0], 1);
}

TEST(Dib, OtherHeaderSizesAreRefusedSayingSo)
{
    for (std::uint32_t size : {0u, 11u, 13u, 39u, 64u, 108u, 124u}) {
        TDIB dib = loaded(buildBitmap({}, counting(24)));
        BitmapFields s;
        s.headerSize = size;
        EXPECT_EQ(refusal(buildBitmap(s, counting(24))),
                  "Bitmap image is not valid: its header is " + std::to_string(size) +
                      " bytes long; bitmaps with a 40- or 12-byte header are read");
        EXPECT_THROW(dib.loadFromBytes(buildBitmap(s, counting(24))), kvr::InvalidGraphic);
        EXPECT_EQ(dib.width(), 5) << size;
    }
}

TEST(Dib, MissingDataIsRefusedNotReadPast)
{
    const Bytes whole = buildBitmap({}, counting(24));
    const struct {
        std::size_t size;
        const char* reason;
    } cases[] = {
        {1, "it is not a bitmap file (it does not start with \"BM\")"},
        {13, "the file ends inside its headers"},
        {14, "the file ends inside its headers"},
        {17, "the file ends inside its headers"},
        {53, "the file ends inside its headers"},
        {60, "the file ends inside its colour table"},
        {69, "the file ends inside its colour table"},
        {93, "the pixel rows are cut short: 5 x 3 pixels need 24 bytes from byte 70, the file holds 23"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refusal(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(c.size))),
                  std::string("Bitmap image is not valid: ") + c.reason)
            << c.size;
}

TEST(Dib, TopDownRowsAreKeptBottomUpAndImpossibleSizesAreRefused)
{
    BitmapFields topDown;
    topDown.height = -3;
    const TDIB dib = loaded(buildBitmap(topDown, counting(24)));
    EXPECT_EQ(dib.height(), 3);
    EXPECT_EQ(dib.pixels()[0], counting(24)[16]) << "the last stored row is the bottom one";
    // Row size times height would overflow any size type.
    BitmapFields huge;
    huge.width = 0x7FFFFFFF;
    huge.height = 0x7FFFFFFF;
    huge.bits = 32;
    EXPECT_EQ(refusal(buildBitmap(huge, counting(24))),
              "Bitmap image is not valid: 2147483647 x 2147483647 pixels are more than a picture may have (4096 x "
              "4096)");
    BitmapFields colours;
    colours.coloursUsed = 0xFFFFFFFF;
    EXPECT_EQ(refusal(buildBitmap(colours, counting(24))),
              "Bitmap image is not valid: its colour table claims 4294967295 colours; at most 256 are read");
}

TEST(Dib, BitDepthsAndPixelAreasItCannotDrawAreRefused)
{
    const struct {
        const char* what;
        std::int32_t width, height;
        std::uint16_t bits;
        std::size_t dataBytes;
        bool loads;
    } cases[] = {
        {"0 bits: no pixel bytes for a gigabyte picture", 12000, 12000, 0, 0, false},
        {"2 bits", 5, 3, 2, 12, false},
        {"7 bits", 5, 3, 7, 12, false},
        {"64 bits", 5, 3, 64, 120, false},
        {"65535 x 65535 in a tiny file", 65535, 65535, 8, 24, false},
        {"4097 x 4097 held whole, over 16 Mi pixels", 4097, 4097, 1, 4097 * 516, false},
        {"4096 x 4096 at 1 bit", 4096, 4096, 1, 4096 * 512, true},
        {"16 bits", 5, 3, 16, 36, true},
        {"32 bits", 5, 3, 32, 60, true},
    };
    for (const auto& c : cases) {
        BitmapFields s;
        s.width = c.width;
        s.height = c.height;
        s.bits = c.bits;
        s.coloursUsed = 0;
        s.colourEntries = c.bits == 1 || c.bits == 4 || c.bits == 8 ? 1u << c.bits : 0;
        const Bytes file = buildBitmap(s, Bytes(c.dataBytes, 0));
        EXPECT_EQ(refusal(file).substr(0, 25), c.loads ? "loaded" : "Bitmap image is not valid") << c.what;
    }
}

TEST(Dib, CopiesShareOneImage)
{
    TDIB a = loaded(buildBitmap({}, counting(24)));
    TDIB b = a;
    a.pixels()[0] = 200;
    EXPECT_EQ(b.pixels()[0], 200);
}

TEST(Dib, FileRoundTrip)
{
    kvrtest::TempDir dir;
    const Bytes file = buildBitmap({}, counting(24));
    kvrtest::writeFile(dir / "in.bmp", file);
    TDIB dib;
    dib.loadFromFile(dir / "in.bmp");
    dib.saveToFile(dir / "out.bmp");
    EXPECT_EQ(kvrtest::readFile(dir / "out.bmp"), file);
}
