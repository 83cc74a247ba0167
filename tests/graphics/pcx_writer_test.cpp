// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/cockpit_artwork.h"
#include "graphics/pcx_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Decoded {
    int width = 0;
    int height = 0;
    Bytes pixels; // width x height, no padding
    Bytes palette; // 768 bytes
};

// An independent reading of the format: header fields, run-length rows, palette.
Decoded decode(const Bytes& f)
{
    Decoded d;
    EXPECT_GE(f.size(), 128u + 769u);
    EXPECT_EQ(f[0], 0x0A);
    EXPECT_EQ(f[1], 5);
    EXPECT_EQ(f[2], 1);
    EXPECT_EQ(f[3], 8);
    EXPECT_EQ(f[65], 1) << "one plane";
    auto word = [&](std::size_t at) { return int(f[at] | (f[at + 1] << 8)); };
    d.width = word(8) - word(4) + 1;
    d.height = word(10) - word(6) + 1;
    const int bytesPerLine = word(66);
    EXPECT_EQ(bytesPerLine % 2, 0);
    EXPECT_GE(bytesPerLine, d.width);
    std::size_t at = 128;
    for (int y = 0; y < d.height; ++y) {
        Bytes line;
        while (int(line.size()) < bytesPerLine) {
            std::uint8_t b = f.at(at++);
            int count = 1;
            if ((b & 0xC0) == 0xC0) {
                count = b & 0x3F;
                b = f.at(at++);
            }
            line.insert(line.end(), std::size_t(count), b);
        }
        EXPECT_EQ(int(line.size()), bytesPerLine) << "a run crosses the end of row " << y;
        d.pixels.insert(d.pixels.end(), line.begin(), line.begin() + d.width);
    }
    EXPECT_EQ(f.at(at), 0x0C) << "palette marker right after the pixels";
    EXPECT_EQ(f.size(), at + 769);
    d.palette.assign(f.begin() + std::ptrdiff_t(at) + 1, f.end());
    return d;
}

TEST(PcxWriter, EveryValueAndRunLengthDecodesBack)
{
    kvr::IndexedPicture p(301, 3);
    for (int x = 0; x < p.width; ++x) {
        p.set(x, 0, std::uint8_t(x));                  // every value once, 0xC0 and up included
        p.set(x, 1, x < 200 ? 0xC5 : std::uint8_t(7)); // runs longer than 63 of a flagged value
        p.set(x, 2, std::uint8_t(x / 70));
    }
    for (int i = 0; i < 256; ++i)
        p.colours[std::size_t(i)] = kvr::rgb(std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 3));
    const Decoded d = decode(kvr::encodePcx8(p));
    ASSERT_EQ(d.width, 301);
    ASSERT_EQ(d.height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 301; ++x)
            ASSERT_EQ(d.pixels[std::size_t(y * 301 + x)], p.at(x, y)) << x << "," << y;
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(d.palette[std::size_t(i * 3)], i);
        EXPECT_EQ(d.palette[std::size_t(i * 3 + 1)], 255 - i);
        EXPECT_EQ(d.palette[std::size_t(i * 3 + 2)], std::uint8_t(i * 3));
    }
}

TEST(PcxWriter, ShippedCockpitsAreReadByAnotherProgram)
{
#ifdef _WIN32
    GTEST_SKIP() << "the Linux build checks against ImageMagick";
#endif
    const fs::path identify = "/usr/bin/identify";
    if (!fs::exists(identify))
        GTEST_SKIP() << "ImageMagick's identify is not installed";
    for (const char* name : {"A18HI.PCX", "025LO.PCX"}) {
        const fs::path file = fs::path(KVR_DATA_DIR) / name;
        const auto r = kvrtest::run({identify.string(), "-format", "%m %w %h %k", file.string()});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const bool high = std::string(name).find("HI") != std::string::npos;
        const std::string size = high ? "640 480" : "320 200";
        EXPECT_EQ(r.out.substr(0, 4 + size.size()), "PCX " + size) << r.out;
        EXPECT_GT(std::stoi(r.out.substr(r.out.rfind(' ') + 1)), 20) << "a drawing, not a blank: " << r.out;
        const Decoded d = decode(kvrtest::readFile(file));
        EXPECT_EQ(d.pixels[0], kvr::kCockpitClear) << "the view above the cockpit is clear";
        EXPECT_NE(d.pixels.back(), kvr::kCockpitClear) << "the cockpit fills the bottom";
    }
}

TEST(PcxWriter, NothingOfTheCockpitAboveItsTopRow)
{
    kvr::CockpitLivery l = kvr::demoOriginalLivery();
    for (double side : {0.85, 1.0, 1.15}) {
        l.sideHeight = side;
        const kvr::IndexedPicture p = kvr::cockpitArtwork(320, 200, l);
        const int top = kvr::cockpitTopRow(200, l);
        for (int y = 0; y < top; ++y)
            for (int x = 0; x < p.width; ++x)
                ASSERT_EQ(p.at(x, y), kvr::kCockpitClear) << x << "," << y << " side " << side;
        bool drawn = false;
        for (int x = 0; x < p.width; ++x)
            drawn = drawn || p.at(x, top + 2) != kvr::kCockpitClear;
        EXPECT_TRUE(drawn) << "the top row is where the drawing begins, side " << side;
    }
}

} // namespace
