// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmaps written by ImageMagick, made fresh for each test: our loaders must read what
// another program writes, and refuse what they do not take.
#include "core/byte_reader.h"
#include "graphics/dib.h"
#include "graphics/dib256.h"
#include "graphics/dib_render.h"
#include "graphics/graphic_error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Rgb = std::array<std::uint8_t, 3>;

namespace {

constexpr const char* kConvert = "/usr/bin/convert";
constexpr int kWidth = 23; // rows of 24 bytes at 8 bits, 12 at 4 bits
constexpr int kHeight = 7;

// Colour (x, y) of a test picture with `colours` different colours.
Rgb colourAt(int x, int y, int colours)
{
    const int k = (x * 3 + y * 5) % colours;
    return {std::uint8_t(k * 6), std::uint8_t(255 - k * 5), std::uint8_t((k * 37) % 256)};
}

void writePpm(const fs::path& file, int colours)
{
    const std::string head = "P6\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n255\n";
    Bytes b(head.begin(), head.end());
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = colourAt(x, y, colours);
            b.insert(b.end(), c.begin(), c.end());
        }
    kvrtest::writeFile(file, b);
}

Rgb rgbOf(const kvr::ColourEntry& e)
{
    return {e.red, e.green, e.blue};
}
Rgb rgbOf(std::uint32_t argb)
{
    return {std::uint8_t(argb >> 16), std::uint8_t(argb >> 8), std::uint8_t(argb)};
}

class MagickBitmaps : public testing::Test {
  protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "the Linux build checks against ImageMagick";
#endif
        if (!fs::exists(kConvert))
            GTEST_SKIP() << "ImageMagick's convert is not installed";
        writePpm(m_dir / "c40.ppm", 40);
        writePpm(m_dir / "c12.ppm", 12);
    }

    // Runs convert on `input` with `options`, writing `output` ("BMP3:name").
    fs::path convert(const std::string& input, std::vector<std::string> options, const std::string& format,
                     const std::string& name)
    {
        std::vector<std::string> argv = {kConvert, (m_dir / input).string()};
        argv.insert(argv.end(), options.begin(), options.end());
        argv.push_back(format + ":" + (m_dir / name).string());
        const auto r = kvrtest::run(argv);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return m_dir / name;
    }

    static void expectPicture(const kvr::TDIB256& dib, int colours)
    {
        ASSERT_EQ(dib.width(), kWidth);
        ASSERT_EQ(dib.height(), kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(rgbOf(dib.colours()[dib.pixel(x, y)]), colourAt(x, y, colours)) << x << "," << y;
    }

    static void expectPicture(const kvr::TDIB& dib, int colours)
    {
        const kvr::RgbPicture rgb = kvr::renderDib(dib);
        ASSERT_EQ(rgb.width, kWidth);
        ASSERT_EQ(rgb.height, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(rgbOf(rgb.argb[std::size_t(y * kWidth + x)]), colourAt(x, y, colours)) << x << "," << y;
    }

    static std::string refusal256(const fs::path& file)
    {
        kvr::TDIB256 dib;
        try {
            dib.loadFromFile(file);
        } catch (const kvr::InvalidGraphic& e) {
            return e.what();
        }
        return "loaded";
    }

    kvrtest::TempDir m_dir;
};

} // namespace

TEST_F(MagickBitmaps, EightBitLoadsPixelForPixelAndSavesBackUnchanged)
{
    const fs::path file = convert("c40.ppm", {"-type", "Palette", "-compress", "None"}, "BMP3", "p8.bmp");
    const Bytes bytes = kvrtest::readFile(file);
    ASSERT_EQ(kvr::le16(bytes, 28), 8);
    ASSERT_EQ(kvr::le32(bytes, 30), 0u);
    kvr::TDIB256 dib256;
    dib256.loadFromFile(file);
    expectPicture(dib256, 40);

    kvr::TDIB dib;
    dib.loadFromFile(file);
    expectPicture(dib, 40);
    const Bytes saved = dib.saveToBytes();
    ASSERT_EQ(saved.size(), bytes.size());
    EXPECT_TRUE(std::equal(saved.begin(), saved.begin() + 2, bytes.begin()));
    EXPECT_TRUE(std::equal(saved.begin() + 14, saved.end(), bytes.begin() + 14));
}

TEST_F(MagickBitmaps, RunLengthLoadsPixelForPixel)
{
    const fs::path file = convert("c40.ppm", {"-type", "Palette", "-compress", "RLE"}, "BMP3", "rle.bmp");
    ASSERT_EQ(kvr::le32(kvrtest::readFile(file), 30), 1u);
    kvr::TDIB256 dib;
    dib.loadFromFile(file);
    expectPicture(dib, 40);
}

TEST_F(MagickBitmaps, CoreHeaderLoadsInBothAndIsSavedWithAnInfoHeader)
{
    const fs::path file = convert("c40.ppm", {"-type", "Palette"}, "BMP2", "core.bmp");
    ASSERT_EQ(kvr::le32(kvrtest::readFile(file), 14), 12u);
    kvr::TDIB256 core256;
    core256.loadFromFile(file);
    expectPicture(core256, 40);

    kvr::TDIB dib;
    dib.loadFromFile(file);
    expectPicture(dib, 40);
    dib.saveToFile(m_dir / "info.bmp");
    const Bytes saved = kvrtest::readFile(m_dir / "info.bmp");
    EXPECT_EQ(kvr::le32(saved, 14), 40u);
    kvr::TDIB256 dib256;
    dib256.loadFromFile(m_dir / "info.bmp");
    expectPicture(dib256, 40);
}

TEST_F(MagickBitmaps, ZeroColoursUsedMeans256)
{
    // A 256-colour picture gets a full table; its "colours used" is then set to 0.
    const std::string head = "P6\n16 16\n255\n";
    Bytes ppm(head.begin(), head.end());
    for (int i = 0; i < 256; ++i)
        ppm.insert(ppm.end(), {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7)});
    kvrtest::writeFile(m_dir / "c256.ppm", ppm);
    const fs::path file = convert("c256.ppm", {"-type", "Palette", "-compress", "None"}, "BMP3", "all.bmp");
    Bytes bytes = kvrtest::readFile(file);
    ASSERT_EQ(kvr::le16(bytes, 28), 8);
    ASSERT_EQ(kvr::le32(bytes, 10), 14u + 40 + 256 * 4);
    kvr::setLe32(bytes, 46, 0);
    kvrtest::writeFile(file, bytes);

    kvr::TDIB256 dib256;
    dib256.loadFromFile(file);
    kvr::TDIB dib;
    dib.loadFromFile(file);
    EXPECT_EQ(dib.colourCount(), 256u);
    const kvr::RgbPicture rgb = kvr::renderDib(dib);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int i = y * 16 + x;
            const Rgb expected = {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7)};
            ASSERT_EQ(rgbOf(dib256.colours()[dib256.pixel(x, y)]), expected) << i;
            ASSERT_EQ(rgbOf(rgb.argb[std::size_t(i)]), expected) << i;
        }
}

TEST_F(MagickBitmaps, FourBitIsRefusedByTheViewButReadByTheBitmapClass)
{
    const fs::path file = convert("c12.ppm", {"-type", "Palette", "-compress", "None"}, "BMP3", "four.bmp");
    ASSERT_EQ(kvr::le16(kvrtest::readFile(file), 28), 4);
    EXPECT_EQ(refusal256(file), "Bitmap Image is not valid: it is a 4-bit bitmap; the picture needs 8 bits per pixel");
    kvr::TDIB dib;
    dib.loadFromFile(file);
    EXPECT_EQ(dib.rowSize(), 12u);
    expectPicture(dib, 12);
}

TEST_F(MagickBitmaps, SixteenBitIsRefused)
{
    const fs::path file = convert("c40.ppm", {"-define", "bmp:subtype=RGB555"}, "BMP3", "sixteen.bmp");
    ASSERT_EQ(kvr::le16(kvrtest::readFile(file), 28), 16);
    EXPECT_EQ(refusal256(file), "Bitmap Image is not valid: it is a 16-bit bitmap; the picture needs 8 bits per pixel");
}
