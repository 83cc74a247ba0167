// SPDX-License-Identifier: GPL-3.0-or-later
// Our conversion into the game palette against ImageMagick's -remap with the same palette,
// with and without Floyd-Steinberg dithering: ours must be as close to the painting, in
// mean CIEDE2000, on every painting.
#include "graphics/game_palette.h"
#include "graphics/palette_remap.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr const char* kConvert = "/usr/bin/convert";
constexpr int kWidth = 256;
constexpr int kHeight = 164;

std::uint8_t clampByte(double v)
{
    return std::uint8_t(std::lround(std::clamp(v, 0.0, 255.0)));
}

kvr::PaintedPicture blank()
{
    kvr::PaintedPicture p;
    p.width = kWidth;
    p.height = kHeight;
    p.rgba.assign(p.pixelCount() * 4, 255);
    return p;
}

void put(kvr::PaintedPicture& p, int x, int y, double r, double g, double b)
{
    std::uint8_t* o = p.rgba.data() + 4 * (std::size_t(y) * std::size_t(p.width) + std::size_t(x));
    o[0] = clampByte(r);
    o[1] = clampByte(g);
    o[2] = clampByte(b);
}

// A sky above a sunset: smooth two-way gradients, the hardest case for banding.
kvr::PaintedPicture gradient()
{
    kvr::PaintedPicture p = blank();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double u = x / double(kWidth - 1), v = y / double(kHeight - 1);
            put(p, x, y, 40 + 215 * v, 90 + 100 * u * (1 - v), 220 - 180 * v + 30 * u);
        }
    return p;
}

// Photo-like: a soft colour field with grain, as a scanned or rendered livery looks.
kvr::PaintedPicture photoLike()
{
    kvr::PaintedPicture p = blank();
    std::uint32_t seed = 12345;
    const auto noise = [&] {
        seed = seed * 1664525u + 1013904223u;
        return (double(seed >> 8) / double(1u << 24) - 0.5) * 36;
    };
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double r = 128 + 90 * std::sin(x / 23.0) * std::cos(y / 31.0);
            const double g = 120 + 80 * std::sin((x + y) / 40.0);
            const double b = 110 + 100 * std::cos(x / 17.0 - y / 29.0);
            put(p, x, y, r + noise(), g + noise(), b + noise());
        }
    return p;
}

// A team logo: flat fields in colours the palette does not hold.
kvr::PaintedPicture flatLogo()
{
    kvr::PaintedPicture p = blank();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double dx = x - 128, dy = y - 82;
            if (dx * dx + dy * dy < 60 * 60)
                put(p, x, y, 250, 120, 20); // orange disc
            else if (y < 30)
                put(p, x, y, 20, 130, 140); // teal band
            else if (x < 40)
                put(p, x, y, 120, 40, 150); // purple bar
            else
                put(p, x, y, 245, 240, 225); // off-white
            if (std::abs(dx - dy) < 6 && dx * dx + dy * dy < 60 * 60)
                put(p, x, y, 30, 30, 90); // a navy stripe through it
        }
    return p;
}

void writePpm(const fs::path& file, const kvr::PaintedPicture& p)
{
    const std::string head = "P6\n" + std::to_string(p.width) + " " + std::to_string(p.height) + "\n255\n";
    Bytes b(head.begin(), head.end());
    for (std::size_t i = 0; i < p.pixelCount(); ++i)
        b.insert(b.end(), p.pixel(i), p.pixel(i) + 3);
    kvrtest::writeFile(file, b);
}

void writePalettePpm(const fs::path& file, const kvr::ColourTable& palette)
{
    kvr::PaintedPicture p;
    p.width = 256;
    p.height = 1;
    for (const auto& c : palette)
        p.rgba.insert(p.rgba.end(), {c.red, c.green, c.blue, 255});
    writePpm(file, p);
}

// The RGB bytes of a P6 picture of known size on standard output.
Bytes ppmPixels(const std::string& out)
{
    std::istringstream in(out);
    std::string magic;
    int w = 0, h = 0, max = 0;
    in >> magic >> w >> h >> max;
    in.get();
    EXPECT_EQ(w, kWidth);
    EXPECT_EQ(h, kHeight);
    return Bytes(out.begin() + std::ptrdiff_t(in.tellg()), out.end());
}

double meanDeltaE(const kvr::PaintedPicture& painted, const Bytes& rgb)
{
    double sum = 0;
    for (std::size_t i = 0; i < painted.pixelCount(); ++i) {
        const std::uint8_t* p = painted.pixel(i);
        sum += kvr::deltaE2000(kvr::labFromSrgb(p[0], p[1], p[2]),
                               kvr::labFromSrgb(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]));
    }
    return sum / double(painted.pixelCount());
}

struct Case {
    const char* painting;
    const char* magickDither;
    kvr::Dithering ours;
};

class RemapAgainstMagick : public testing::TestWithParam<Case> {};

TEST_P(RemapAgainstMagick, IsAtLeastAsCloseToThePainting)
{
#ifdef _WIN32
    GTEST_SKIP() << "the Linux build compares with ImageMagick";
#endif
    if (!fs::exists(kConvert))
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    const Case c = GetParam();
    const std::string name = c.painting;
    const kvr::PaintedPicture painted = name == "gradient" ? gradient() : name == "photo" ? photoLike() : flatLogo();
    kvr::GamePalette palette;
    kvr::loadGamePalette(fs::path(KVR_DATA_DIR) / "KVR.PAL", palette);

    kvrtest::TempDir dir;
    writePpm(dir / "painted.ppm", painted);
    writePalettePpm(dir / "palette.ppm", palette.entries);
    const auto r = kvrtest::run({kConvert, (dir / "painted.ppm").string(), "-dither", c.magickDither, "-remap",
                                 (dir / "palette.ppm").string(), "ppm:-"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const double theirs = meanDeltaE(painted, ppmPixels(r.out));

    // Our default strength.
    const kvr::RemapResult ours = kvr::PaletteRemap(painted, palette.entries).convert({.dithering = c.ours});
    Bytes rgb;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const kvr::ColourEntry& e = palette.entries[ours.picture.at(x, y)];
            rgb.insert(rgb.end(), {e.red, e.green, e.blue});
        }
    const double mine = meanDeltaE(painted, rgb);
    EXPECT_NEAR(mine, ours.figures.meanDeltaE, 1e-3) << "the figures measure what was made";
    std::cout << "[ mean dE2000 ] " << name << " " << c.magickDither << ": ours " << mine << ", ImageMagick " << theirs
              << '\n';
    EXPECT_LE(mine, theirs);
}

INSTANTIATE_TEST_SUITE_P(Paintings, RemapAgainstMagick,
                         testing::Values(Case{"gradient", "None", kvr::Dithering::None},
                                         Case{"photo", "None", kvr::Dithering::None},
                                         Case{"logo", "None", kvr::Dithering::None},
                                         Case{"gradient", "FloydSteinberg", kvr::Dithering::Diffuse},
                                         Case{"photo", "FloydSteinberg", kvr::Dithering::Diffuse},
                                         Case{"logo", "FloydSteinberg", kvr::Dithering::Diffuse}),
                         [](const auto& info) {
                             return std::string(info.param.painting) + (info.index < 3 ? "Plain" : "Diffused");
                         });

} // namespace
