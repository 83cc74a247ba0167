// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/bitmap_builder.h"
#include "core/byte_reader.h"
#include "graphics/dib256.h"
#include "graphics/graphic_error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

using kvr::TDIB256;
using kvrtest::BitmapFields;
using kvrtest::buildBitmap;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Three stored rows of a 5-wide picture, 8 bytes each; the file holds the bottom row
// first, so row 0 of the loaded picture is "21 22 23 24 25".
const Bytes kRows = {1, 2, 3, 4, 5, 0, 0, 0, 11, 12, 13, 14, 15, 0, 0, 0, 21, 22, 23, 24, 25, 0, 0, 0};

BitmapFields rle(std::int32_t width, std::int32_t height)
{
    BitmapFields s;
    s.width = width;
    s.height = height;
    s.compression = 1;
    return s;
}

// Loads and returns the top-down rows, each `stride` bytes.
Bytes load(const Bytes& file)
{
    TDIB256 dib;
    dib.loadFromBytes(file);
    return Bytes(dib.pixels().begin(), dib.pixels().end());
}

std::string refusal(const Bytes& file)
{
    TDIB256 dib;
    try {
        dib.loadFromBytes(file);
    } catch (const kvr::InvalidGraphic& e) {
        return e.what();
    }
    return "loaded";
}

} // namespace

TEST(Dib256, RowsComeTopDownWithStrideRoundedToFour)
{
    TDIB256 dib;
    dib.loadFromBytes(buildBitmap({}, kRows));
    EXPECT_EQ(dib.width(), 5);
    EXPECT_EQ(dib.height(), 3);
    EXPECT_EQ(dib.stride(), 8u);
    EXPECT_EQ(dib.pixel(0, 0), 21);
    EXPECT_EQ(dib.pixel(4, 0), 25);
    EXPECT_EQ(dib.pixel(2, 1), 13);
    EXPECT_EQ(dib.pixel(0, 2), 1);
    // Colour entry 3 of the file: blue 3, green 103, red 197; entries past 4 stay 0.
    EXPECT_EQ(dib.colours()[3], kvr::rgb(197, 103, 3));
    EXPECT_EQ(dib.colours()[4], kvr::rgb(0, 0, 0));
}

TEST(Dib256, EvenHeightSwapsEveryRowPair)
{
    BitmapFields s;
    s.width = 4;
    s.height = 4;
    EXPECT_EQ(load(buildBitmap(s, {1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4})),
              (Bytes{4, 4, 4, 4, 3, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1}));
}

TEST(Dib256, ZeroColoursUsedReadsAll256Entries)
{
    BitmapFields s;
    s.coloursUsed = 0;
    s.colourEntries = 256;
    TDIB256 dib;
    dib.loadFromBytes(buildBitmap(s, kRows));
    EXPECT_EQ(dib.colours()[255], kvr::rgb(std::uint8_t(200 - 255), std::uint8_t(100 + 255), 255));
    EXPECT_EQ(dib.pixel(0, 0), 21); // the pixels follow the 256 entries
    EXPECT_EQ(kvr::le32(dib.header(), 32), 256u);
}

TEST(Dib256, PixelsStartWhereTheOffsetSays)
{
    BitmapFields s;
    s.pixelOffset = 14 + 40 + 16 + 4;
    Bytes gap = {9, 9, 9, 9};
    gap.insert(gap.end(), kRows.begin(), kRows.end());
    EXPECT_EQ(load(buildBitmap(s, gap))[0], 21);
}

TEST(Dib256, ShortImageSizeIsNotTrusted)
{
    BitmapFields s;
    s.imageSize = 8; // a writer's mistake: the rows are all there
    EXPECT_EQ(load(buildBitmap(s, kRows)),
              (Bytes{21, 22, 23, 24, 25, 0, 0, 0, 11, 12, 13, 14, 15, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0}));
}

struct Refused {
    const char* what;
    BitmapFields fields;
    Bytes data;
};
void PrintTo(const Refused& p, std::ostream* os)
{
    *os << p.what;
}

class Dib256Refuses : public testing::TestWithParam<Refused> {};

TEST_P(Dib256Refuses, WithItsMessageAndKeepsTheEarlierPicture)
{
    TDIB256 dib;
    dib.loadFromBytes(buildBitmap({}, kRows));
    EXPECT_THROW(dib.loadFromBytes(buildBitmap(GetParam().fields, GetParam().data)), kvr::InvalidGraphic);
    EXPECT_EQ(refusal(buildBitmap(GetParam().fields, GetParam().data)).substr(0, 27), "Bitmap Image is not valid: ");
    EXPECT_EQ(dib.width(), 5);
    EXPECT_EQ(dib.pixel(0, 0), 21);
}

BitmapFields with(auto change)
{
    BitmapFields s;
    change(s);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Dib256Refuses,
    testing::Values(Refused{"signature BA", with([](BitmapFields& s) { s.signature[1] = 'A'; }), kRows},
                    Refused{"larger header", with([](BitmapFields& s) { s.headerSize = 108; }), kRows},
                    Refused{"width 0", with([](BitmapFields& s) { s.width = 0; }), kRows},
                    Refused{"height 0", with([](BitmapFields& s) { s.height = 0; }), kRows},
                    Refused{"two planes", with([](BitmapFields& s) { s.planes = 2; }), kRows},
                    Refused{"4 bits", with([](BitmapFields& s) { s.bits = 4; }), kRows},
                    Refused{"16 bits", with([](BitmapFields& s) { s.bits = 16; }), kRows},
                    Refused{"24 bits", with([](BitmapFields& s) { s.bits = 24; }), kRows},
                    Refused{"257 colours", with([](BitmapFields& s) {
                                s.coloursUsed = 257;
                                s.colourEntries = 257;
                            }),
                            kRows},
                    Refused{"4-bit run-length", with([](BitmapFields& s) { s.compression = 2; }), kRows},
                    Refused{"bit fields", with([](BitmapFields& s) { s.compression = 3; }), kRows},
                    Refused{"colour table cut short", with([](BitmapFields& s) { s.colourEntries = 2; }), {}},
                    Refused{"pixel rows cut short", BitmapFields{}, Bytes(23, 1)},
                    Refused{"run-length area too large", rle(65535, 65535), {0, 1}}),
    [](const auto& info) {
        std::string n = info.param.what;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return n;
    });

TEST(Dib256, FilesShorterThanTheHeadersAreRefused)
{
    const Bytes whole = buildBitmap({}, kRows);
    for (std::size_t size : {0u, 2u, 13u, 14u, 53u})
        EXPECT_EQ(refusal(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(size))).substr(0, 27),
                  "Bitmap Image is not valid: ")
            << size << " bytes";
}

TEST(Dib256, MissingFileIsAGeneralErrorNamingIt)
{
    kvrtest::TempDir dir;
    TDIB256 dib;
    try {
        dib.loadFromFile(dir / "nothere.dib");
        FAIL();
    } catch (const kvr::InvalidGraphic&) {
        FAIL() << "a missing file is not a malformed one";
    } catch (const kvr::GeneralError& e) {
        EXPECT_NE(std::string(e.what()).find("nothere.dib"), std::string::npos);
    }
}

// Run-length pictures: a table of streams and the top-down rows they give (5 x 3,
// rows of 8 bytes; stream rows are bottom-up).
struct RleCase {
    const char* what;
    Bytes stream;
    Bytes topDown;
};
void PrintTo(const RleCase& p, std::ostream* os)
{
    *os << p.what;
}

class Dib256RunLength : public testing::TestWithParam<RleCase> {};

TEST_P(Dib256RunLength, ExpandsAsStated)
{
    EXPECT_EQ(load(buildBitmap(rle(5, 3), GetParam().stream)), GetParam().topDown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Dib256RunLength,
    testing::Values(RleCase{"runs go on into the row's padding, as the output only moves forward",
                            {5, 7, 3, 8, 0, 1},
                            {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 7, 7, 7, 7, 8, 8, 8}},
                    RleCase{"end of line after 2 pixels continues at the next row, skipped pixels unwritten",
                            {2, 9, 0, 0, 1, 4, 0, 0, 0, 1},
                            {0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 9, 9, 0, 0, 0, 0, 0, 0}},
                    RleCase{"end of line at the start of a row does not skip a row",
                            {8, 1, 0, 0, 2, 6, 0, 1},
                            {0, 0, 0, 0, 0, 0, 0, 0, 6, 6, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1}},
                    RleCase{"delta moves right and up",
                            {1, 5, 0, 2, 2, 1, 1, 6, 0, 1},
                            {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0}},
                    RleCase{"odd literal stretch skips its pad byte",
                            {0, 3, 1, 2, 3, 99, 1, 4, 0, 1},
                            {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 0, 0, 0, 0}},
                    RleCase{"even literal stretch has no pad",
                            {0, 4, 1, 2, 3, 4, 1, 5, 0, 1},
                            {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0}},
                    RleCase{"end of picture ignores what follows",
                            {1, 3, 0, 1, 5, 9},
                            {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0}},
                    RleCase{"a run past the end of the area stops at its last byte",
                            {16, 1, 255, 2, 255, 3, 0, 1},
                            {2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
                    RleCase{"a literal stretch past the end of the area is cut there",
                            {20, 1, 0, 6, 1, 2, 3, 4, 5, 6},
                            {1, 1, 1, 1, 1, 2, 3, 4, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
                    RleCase{"a delta past the end writes nothing more",
                            {1, 1, 0, 2, 0, 9, 7, 7},
                            {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
                    RleCase{"data that stops inside a literal stretch ends the picture",
                            {0, 9, 4, 4},
                            {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 0, 0, 0, 0, 0, 0}},
                    RleCase{"a lone last byte is ignored", {2, 8, 3}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                                       0, 0, 0, 0, 8, 8, 0, 0, 0, 0, 0, 0}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Dib256, RunLengthHeaderIsMarkedUncompressedAfterLoading)
{
    TDIB256 dib;
    dib.loadFromBytes(buildBitmap(rle(5, 3), {0, 1}));
    EXPECT_EQ(kvr::le32(dib.header(), 16), 0u);
    EXPECT_EQ(kvr::le32(dib.header(), 20), 24u);
}
