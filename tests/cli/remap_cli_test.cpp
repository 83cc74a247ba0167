// SPDX-License-Identifier: GPL-3.0-or-later
// kvrdesk-cli remap: any picture into a palette, its figures, its outputs and refusals.
#include "core/byte_reader.h"
#include "graphics/bitmap_file.h"
#include "graphics/bitmap_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

// A 24-bit bitmap, rows bottom-up, as paint programs save true colour.
Bytes bitmap24(int width, int height, const std::vector<Rgb>& pixels)
{
    const std::uint32_t row = std::uint32_t(width * 3 + 3) / 4 * 4;
    Bytes b;
    kvr::putLe16(b, 0x4D42);
    kvr::putLe32(b, 54 + row * std::uint32_t(height));
    kvr::putLe32(b, 0);
    kvr::putLe32(b, 54);
    kvr::putLe32(b, 40);
    kvr::putLe32(b, std::uint32_t(width));
    kvr::putLe32(b, std::uint32_t(height));
    kvr::putLe16(b, 1);
    kvr::putLe16(b, 24);
    for (int i = 0; i < 6; ++i)
        kvr::putLe32(b, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& c = pixels[std::size_t(y * width + x)];
            b.insert(b.end(), {c.b, c.g, c.r});
        }
        b.resize(b.size() + (row - std::uint32_t(width) * 3), 0);
    }
    return b;
}

// The palette: index i is (i, i, i) but for a few plain colours; in KVR.PAL form.
kvr::ColourTable palette()
{
    kvr::ColourTable t{};
    for (int i = 0; i < 256; ++i)
        t[std::size_t(i)] = kvr::rgb(std::uint8_t(i), std::uint8_t(i), std::uint8_t(i));
    t[20] = kvr::rgb(255, 0, 0);
    t[21] = kvr::rgb(0, 200, 0);
    t[22] = kvr::rgb(0, 0, 255);
    return t;
}

Bytes palFile(const kvr::ColourTable& t)
{
    Bytes b(12, 0);
    for (const auto& c : t)
        b.insert(b.end(), {c.red, c.green, c.blue, 0});
    return b;
}

// The pixel numbers of an 8-bit bitmap, top row first.
std::vector<int> indicesOf(const Bytes& file)
{
    const kvr::BitmapImage b = kvr::readBitmapFile(file);
    EXPECT_EQ(b.bitsPerPixel, 8);
    std::vector<int> out;
    for (int y = b.height - 1; y >= 0; --y)
        for (int x = 0; x < b.width; ++x)
            out.push_back(b.rows[std::size_t(y) * b.rowSize() + std::size_t(x)]);
    return out;
}

class RemapCommand : public testing::Test {
  protected:
    void SetUp() override
    {
        kvrtest::writeFile(
            m_dir / "p.bmp",
            bitmap24(3, 2, {{255, 0, 0}, {250, 5, 5}, {0, 200, 0}, {128, 128, 128}, {0, 0, 250}, {60, 61, 59}}));
        kvrtest::writeFile(m_dir / "game.pal", palFile(palette()));
    }
    kvrtest::RunResult remap(std::vector<std::string> args)
    {
        args.insert(args.begin(), {KVR_CLI, "remap"});
        return kvrtest::run(args);
    }
    std::string at(const std::string& name) const { return (m_dir / name).string(); }
    kvrtest::TempDir m_dir;
};

bool withQt(const kvrtest::RunResult& r)
{
    return r.err.find("without Qt") == std::string::npos;
}

TEST_F(RemapCommand, ConvertsByColourAndReportsTheFigures)
{
    const auto r = remap({at("p.bmp"), "-o", at("o.bmp"), "--palette", at("game.pal"), "--dither", "none"});
    if (!withQt(r))
        GTEST_SKIP() << "this build reads no pictures";
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(indicesOf(kvrtest::readFile(m_dir / "o.bmp")), (std::vector<int>{20, 20, 21, 128, 22, 61}));
    EXPECT_NE(r.err.find("3 of 6 pixels changed colour; mean difference "), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "3 x 2 -> " + at("o.bmp") + "\n");
    // The bitmap carries the palette.
    const kvr::BitmapImage b = kvr::readBitmapFile(kvrtest::readFile(m_dir / "o.bmp"));
    EXPECT_EQ(b.colourTable[20 * 4 + 2], 255);
    EXPECT_EQ(b.colourTable[22 * 4 + 0], 255);
}

TEST_F(RemapCommand, APngInItsPaletteComesBackExactly)
{
    auto r = remap({at("p.bmp"), "-o", at("o.PNG"), "--palette", at("game.pal"), "--dither", "none"});
    if (!withQt(r))
        GTEST_SKIP() << "this build reads no pictures";
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Bytes png = kvrtest::readFile(m_dir / "o.PNG");
    ASSERT_GT(png.size(), 26u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_EQ(png[24], 8) << "8 bits a pixel";
    EXPECT_EQ(png[25], 3) << "a palette picture";
    r = remap({at("o.PNG"), "-o", at("back.bmp"), "--palette", at("game.pal")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(indicesOf(kvrtest::readFile(m_dir / "back.bmp")), (std::vector<int>{20, 20, 21, 128, 22, 61}));
    EXPECT_NE(r.err.find("0 of 6 pixels changed colour; mean difference 0.00, largest 0.00"), std::string::npos)
        << r.err;
}

TEST_F(RemapCommand, TakesThePaletteOfABitmapAndConvertsAForeignOneByColour)
{
    // The picture: an 8-bit bitmap whose numbers mean other colours than the palette's.
    kvr::IndexedPicture foreign(3, 1);
    foreign.colours[0] = kvr::rgb(0, 0, 255);
    foreign.colours[1] = kvr::rgb(255, 0, 0);
    foreign.colours[2] = kvr::rgb(7, 7, 7);
    foreign.set(0, 0, 0);
    foreign.set(1, 0, 1);
    foreign.set(2, 0, 2);
    kvrtest::writeFile(m_dir / "foreign.bmp", kvr::encodeBitmap8(foreign));
    // The palette: from an 8-bit bitmap.
    kvr::IndexedPicture sheet(2, 2);
    sheet.colours = palette();
    kvrtest::writeFile(m_dir / "sheet.bmp", kvr::encodeBitmap8(sheet, {.runLength = true}));
    const auto r = remap({at("foreign.bmp"), "-o", at("o.bmp"), "--palette", at("sheet.bmp")});
    if (!withQt(r))
        GTEST_SKIP() << "this build reads no pictures";
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(indicesOf(kvrtest::readFile(m_dir / "o.bmp")), (std::vector<int>{22, 20, 7}));
}


TEST_F(RemapCommand, RefusesWhatItCannotDoAndWritesNothing)
{
    kvrtest::writeFile(m_dir / "text.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
    kvrtest::writeFile(m_dir / "deep.bmp", bitmap24(2, 2, {{1, 2, 3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}}));
    struct Row {
        const char* what;
        std::vector<std::string> args;
        int exitCode;
        const char* says;
    };
    const Row rows[] = {
        {"a strength past 100%", {"--strength", "150%"}, 2, "--strength: expected 0 to 1 or 0% to 100%"},
        {"a strength that is no number", {"--strength", "half"}, 2, "--strength"},
        {"a size of no pixels", {"--size", "0x164"}, 2, "--size: expected WIDTHxHEIGHT"},
        {"a size too large", {"--size", "5000x10"}, 2, "--size"},
        {"a size without a height", {"--size", "256"}, 2, "--size"},
        {"a colour past the palette", {"--background", "256"}, 2, "--background"},
        {"another dithering", {"--dither", "ordered"}, 2, "--dither"},
        {"a palette of a 24-bit bitmap", {"--palette", "deep.bmp"}, 3, "its colours are taken only from an 8-bit"},
        {"a missing palette", {"--palette", "none.pal"}, 3, "none.pal"},
        {"an output over the input", {"-o", "p.bmp"}, 3, "Refusing to write"},
        {"an output over the palette", {"-o", "game.pal"}, 3, "Refusing to write"},
    };
    for (const Row& row : rows) {
        const auto has = [&](const char* option) {
            return std::find(row.args.begin(), row.args.end(), option) != row.args.end();
        };
        std::vector<std::string> args = {at("p.bmp")};
        if (!has("-o"))
            args.insert(args.end(), {"-o", at("out.bmp")});
        if (!has("--palette"))
            args.insert(args.end(), {"--palette", at("game.pal")});
        for (std::size_t i = 0; i < row.args.size(); ++i) {
            const bool file = row.args[i].find('.') != std::string::npos && row.args[i].find('%') == std::string::npos;
            args.push_back(file ? at(row.args[i]) : row.args[i]);
        }
        const auto r = remap(args);
        EXPECT_EQ(r.exitCode, row.exitCode) << row.what << ": " << r.err;
        EXPECT_NE(r.err.find(row.says), std::string::npos) << row.what << ": " << r.err;
        EXPECT_FALSE(fs::exists(m_dir / "out.bmp")) << row.what;
    }
    const auto r = remap({at("text.png"), "-o", at("out.bmp"), "--palette", at("game.pal")});
    EXPECT_EQ(r.exitCode, 3);
    if (withQt(r)) {
        EXPECT_NE(r.err.find("text.png is not usable: it is not a picture"), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(m_dir / "out.bmp"));
}


} // namespace

namespace {

TEST_F(RemapCommand, PictureReadsTheSameFormats)
{
    auto r = remap({at("p.bmp"), "-o", at("o.png"), "--palette", at("game.pal"), "--dither", "none"});
    if (!withQt(r))
        GTEST_SKIP() << "this build reads no pictures";
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // A 24-bit bitmap and a PNG, which the bitmap loaders refuse, go through the picture reader.
    for (const char* file : {"o.png", "p.bmp"}) {
        const std::string shown = at(std::string("shown-") + file + ".png");
        r = kvrtest::run({KVR_CLI, "picture", at(file), "-o", shown, "--as", "picture"});
        EXPECT_EQ(r.exitCode, 0) << file << ": " << r.err;
        EXPECT_EQ(r.out, "3 x 2 -> " + shown + "\n");
    }
    r = kvrtest::run({KVR_CLI, "picture", at("o.png"), "-o", at("shown2.png")});
    EXPECT_EQ(r.exitCode, 0) << "a file that is no bitmap goes to the picture reader by itself: " << r.err;
    EXPECT_EQ(kvrtest::readFile(m_dir / "shown-o.png.png"), kvrtest::readFile(m_dir / "shown2.png"));
}

} // namespace
