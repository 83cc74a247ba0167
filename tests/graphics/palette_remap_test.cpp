// SPDX-License-Identifier: GPL-3.0-or-later
// Colour differences, nearest colours and the conversion of painted pictures into a
// palette, against hand-worked and published values.
#include "core/errors.h"
#include "graphics/palette_remap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using kvr::Dithering;
using kvr::PaintedPicture;

struct Rgba {
    std::uint8_t r, g, b, a = 255;
};

PaintedPicture painting(int width, int height, const std::vector<Rgba>& pixels)
{
    PaintedPicture p;
    p.width = width;
    p.height = height;
    for (const Rgba& c : pixels)
        p.rgba.insert(p.rgba.end(), {c.r, c.g, c.b, c.a});
    return p;
}

PaintedPicture flat(int width, int height, Rgba colour)
{
    return painting(width, height, std::vector<Rgba>(std::size_t(width) * std::size_t(height), colour));
}

// Black everywhere but for a few colours: every unnamed entry repeats index 0's colour.
kvr::ColourTable smallPalette()
{
    kvr::ColourTable t{};
    t[1] = kvr::rgb(255, 255, 255);
    t[2] = kvr::rgb(255, 0, 0);
    t[3] = kvr::rgb(0, 160, 0);
    t[4] = kvr::rgb(0, 0, 255);
    t[5] = kvr::rgb(128, 128, 128);
    t[6] = kvr::rgb(255, 255, 255); // white a second time
    return t;
}

// A full palette of distinct colours, as a game's is.
kvr::ColourTable fullPalette()
{
    kvr::ColourTable t{};
    for (int i = 0; i < 256; ++i)
        t[std::size_t(i)] =
            kvr::rgb(std::uint8_t((i * 53) % 256), std::uint8_t((i * 97 + 31) % 256), std::uint8_t((i / 16) * 17));
    return t;
}

std::vector<std::uint8_t> indicesOf(const kvr::IndexedPicture& p)
{
    std::vector<std::uint8_t> out;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            out.push_back(p.at(x, y));
    return out;
}

// Published CIEDE2000 test pairs (the usual table of 34 pairs), a selection that covers
// each term, the hue turns near 180 degrees and the blue rotation.
struct DeltaEPair {
    kvr::Lab one, other;
    double expected;
};
const DeltaEPair kDeltaEPairs[] = {
    {{50, 2.6772f, -79.7751f}, {50, 0, -82.7485f}, 2.0425},
    {{50, 3.1571f, -77.2803f}, {50, 0, -82.7485f}, 2.8615},
    {{50, 2.8361f, -74.0200f}, {50, 0, -82.7485f}, 3.4412},
    {{50, 0, 0}, {50, -1, 2}, 2.3669},
    {{50, -1, 2}, {50, 0, 0}, 2.3669},
    {{50, 2.49f, -0.001f}, {50, -2.49f, 0.0009f}, 7.1792},
    {{50, 2.49f, -0.001f}, {50, -2.49f, 0.0011f}, 7.2195},
    {{50, -0.001f, 2.49f}, {50, 0.0009f, -2.49f}, 4.8045},
    {{50, -0.001f, 2.49f}, {50, 0.0011f, -2.49f}, 4.7461},
    {{50, 2.5f, 0}, {50, 0, -2.5f}, 4.3065},
    {{50, 2.5f, 0}, {73, 25, -18}, 27.1492},
    {{50, 2.5f, 0}, {61, -5, 29}, 22.8977},
    {{50, 2.5f, 0}, {56, -27, -3}, 31.9030},
    {{50, 2.5f, 0}, {58, 24, 15}, 19.4535},
    {{50, 2.5f, 0}, {50, 3.1736f, 0.5854f}, 1.0000},
    {{60.2574f, -34.0099f, 36.2677f}, {60.4626f, -34.1751f, 39.4387f}, 1.2644},
    {{63.0109f, -31.0961f, -5.8663f}, {62.8187f, -29.7946f, -4.0864f}, 1.2630},
    {{22.7233f, 20.0904f, -46.6940f}, {23.0331f, 14.9730f, -42.5619f}, 2.0373},
    {{90.8027f, -2.0831f, 1.4410f}, {91.1528f, -1.6435f, 0.0447f}, 1.4441},
    {{2.0776f, 0.0795f, -1.1350f}, {0.9033f, -0.0636f, -0.5514f}, 0.9082},
};

TEST(DeltaE2000, GivesThePublishedDifferences)
{
    for (const DeltaEPair& p : kDeltaEPairs) {
        EXPECT_NEAR(kvr::deltaE2000(p.one, p.other), p.expected, 5e-5)
            << p.one.L << " " << p.one.a << " " << p.one.b << " / " << p.other.L << " " << p.other.a << " "
            << p.other.b;
        EXPECT_NEAR(kvr::deltaE2000(p.other, p.one), p.expected, 5e-5) << "either way round";
    }
}

TEST(ColourSpaces, KnownSrgbColours)
{
    // D50 values as a colour-managed program states them (to the second decimal).
    struct Row {
        Rgba rgb;
        kvr::Lab lab;
    };
    const Row rows[] = {
        {{255, 255, 255}, {100, 0, 0}},
        {{0, 0, 0}, {0, 0, 0}},
        {{255, 0, 0}, {54.29f, 80.80f, 69.89f}},
        {{0, 255, 0}, {87.82f, -79.29f, 80.99f}},
        {{0, 0, 255}, {29.57f, 68.30f, -112.03f}},
        {{128, 128, 128}, {53.59f, 0, 0}},
    };
    for (const Row& r : rows) {
        const kvr::Lab lab = kvr::labFromSrgb(r.rgb.r, r.rgb.g, r.rgb.b);
        EXPECT_NEAR(lab.L, r.lab.L, 0.02) << int(r.rgb.r) << "," << int(r.rgb.g) << "," << int(r.rgb.b);
        EXPECT_NEAR(lab.a, r.lab.a, 0.05);
        EXPECT_NEAR(lab.b, r.lab.b, 0.05);
    }
    const kvr::OkLab white = kvr::okLabFromSrgb(255, 255, 255);
    EXPECT_NEAR(white.L, 1.0, 1e-4);
    EXPECT_NEAR(white.a, 0.0, 1e-4);
    EXPECT_NEAR(white.b, 0.0, 1e-4);
    const kvr::OkLab red = kvr::okLabFromSrgb(255, 0, 0);
    EXPECT_NEAR(red.L, 0.62796, 1e-3);
    EXPECT_NEAR(red.a, 0.22486, 1e-3);
    EXPECT_NEAR(red.b, 0.12585, 1e-3);
}

TEST(PaletteMatcher, FindsTheTrueNearestInOklabAndNeverWorseInDeltaE)
{
    const kvr::PaletteMatcher matcher(fullPalette());
    std::mt19937 random(7);
    for (int n = 0; n < 20000; ++n) {
        const auto r = std::uint8_t(random()), g = std::uint8_t(random()), b = std::uint8_t(random());
        const kvr::OkLab ok = kvr::okLabFromSrgb(r, g, b);
        int best = 0;
        for (int i = 1; i < 256; ++i)
            if (kvr::squaredDistance(matcher.okLab(i), ok) < kvr::squaredDistance(matcher.okLab(best), ok))
                best = i;
        const int found = matcher.nearest(ok);
        ASSERT_EQ(kvr::squaredDistance(matcher.okLab(found), ok), kvr::squaredDistance(matcher.okLab(best), ok))
            << int(r) << "," << int(g) << "," << int(b);
        const kvr::Lab lab = kvr::labFromSrgb(r, g, b);
        ASSERT_LE(kvr::deltaE2000(lab, matcher.lab(matcher.nearestDeltaE(lab, ok))),
                  kvr::deltaE2000(lab, matcher.lab(found)) + 1e-9);
    }
}


// One painted colour each, converted without dithering.
struct ColourCase {
    const char* what;
    Rgba painted;
    std::uint8_t index;
    bool changed;
};
const ColourCase kColourCases[] = {
    {"pure red is red", {255, 0, 0}, 2, false},
    {"white is the first white, not its repeat", {255, 255, 255}, 1, false},
    {"a dark red is nearer red than black in CIEDE2000", {200, 30, 20}, 2, true},
    {"near-black is black", {20, 18, 22}, 0, true},
    {"light grey is grey", {150, 150, 150}, 5, true},
    {"a sky blue is nearer grey than blue", {110, 140, 200}, 5, true},
    {"a deep green is the green", {10, 120, 20}, 3, true},
};

TEST(PaletteRemap, KnownColoursBecomeKnownIndices)
{
    for (const ColourCase& c : kColourCases) {
        const kvr::PaletteRemap remap(flat(3, 2, c.painted), smallPalette());
        const kvr::RemapResult r = remap.convert({.dithering = Dithering::None});
        EXPECT_EQ(indicesOf(r.picture), std::vector<std::uint8_t>(6, c.index)) << c.what;
        EXPECT_EQ(r.figures.pixels, 6u) << c.what;
        EXPECT_EQ(r.figures.changed, c.changed ? 6u : 0u) << c.what;
        const kvr::ColourEntry e = smallPalette()[c.index];
        const double d = kvr::deltaE2000(kvr::labFromSrgb(c.painted.r, c.painted.g, c.painted.b),
                                         kvr::labFromSrgb(e.red, e.green, e.blue));
        EXPECT_NEAR(r.figures.meanDeltaE, d, 1e-4) << c.what;
        EXPECT_NEAR(r.figures.largestDeltaE, d, 1e-4) << c.what;
        EXPECT_EQ(remap.exact(), !c.changed) << c.what;
    }
}

TEST(PaletteRemap, APictureInThePaletteConvertsExactlyWithAnyOptions)
{
    const kvr::ColourTable palette = fullPalette();
    std::vector<std::uint8_t> indices;
    for (int i = 0; i < 40 * 30; ++i)
        indices.push_back(std::uint8_t((i * 7 + i / 40) % 256));
    const PaintedPicture painted = kvr::paintedFromIndices(40, 30, indices, palette);
    const kvr::PaletteRemap remap(painted, palette);
    EXPECT_TRUE(remap.exact());
    for (const kvr::RemapOptions& o :
         {kvr::RemapOptions{Dithering::None, 1, 0}, kvr::RemapOptions{Dithering::Diffuse, 1, 0},
          kvr::RemapOptions{Dithering::Diffuse, 0.3f, 9}}) {
        const kvr::RemapResult r = remap.convert(o);
        EXPECT_EQ(indicesOf(r.picture), indices);
        EXPECT_EQ(r.figures.changed, 0u);
        EXPECT_EQ(r.figures.meanDeltaE, 0.0);
        EXPECT_EQ(r.picture.colours, palette);
    }
}

TEST(PaletteRemap, AnEightBitPictureKeepsItsOwnNumberForARepeatedColour)
{
    // White stands at 1 and 6: a picture in this palette that used 6 keeps 6; the same
    // white without pixel numbers takes 1.
    const std::vector<std::uint8_t> own = {6, 1, 6, 2, 0, 6};
    const PaintedPicture indexed = kvr::paintedFromIndices(3, 2, own, smallPalette());
    EXPECT_EQ(indicesOf(kvr::PaletteRemap(indexed, smallPalette()).convert({}).picture), own);
    PaintedPicture plain = indexed;
    plain.indices.clear();
    EXPECT_EQ(indicesOf(kvr::PaletteRemap(plain, smallPalette()).convert({}).picture),
              (std::vector<std::uint8_t>{1, 1, 1, 2, 0, 1}));
}

TEST(PaletteRemap, AForeignPaletteIsConvertedByColourNotByNumber)
{
    // The same six colours as the palette, in another order: number 0 is red there.
    kvr::ColourTable foreign{};
    foreign[0] = kvr::rgb(255, 0, 0);
    foreign[1] = kvr::rgb(0, 0, 255);
    foreign[2] = kvr::rgb(255, 255, 255);
    foreign[3] = kvr::rgb(0, 160, 0);
    foreign[4] = kvr::rgb(128, 128, 128);
    foreign[5] = kvr::rgb(250, 250, 250); // in no palette entry
    const PaintedPicture p = kvr::paintedFromIndices(6, 1, {0, 1, 2, 3, 4, 5}, foreign);
    const kvr::PaletteRemap remap(p, smallPalette());
    EXPECT_FALSE(remap.exact());
    const kvr::RemapResult r = remap.convert({.dithering = Dithering::None});
    EXPECT_EQ(indicesOf(r.picture), (std::vector<std::uint8_t>{2, 4, 1, 3, 5, 1}));
    EXPECT_EQ(r.figures.changed, 1u);
}

TEST(PaletteRemap, TransparentPixelsTakeTheBackgroundAndHalfTransparentOnesShowIt)
{
    const PaintedPicture p = painting(4, 1, {{255, 0, 0, 0}, {255, 255, 255, 128}, {255, 0, 0, 255}, {10, 200, 10, 0}});
    const kvr::PaletteRemap remap(p, smallPalette());
    EXPECT_TRUE(remap.hasTransparency());
    EXPECT_FALSE(remap.exact());
    for (const Dithering d : {Dithering::None, Dithering::Diffuse}) {
        // White at half opacity over black is (128, 128, 128): the grey, exactly.
        kvr::RemapResult r = remap.convert({.dithering = d, .background = 0});
        EXPECT_EQ(indicesOf(r.picture), (std::vector<std::uint8_t>{0, 5, 2, 0}));
        EXPECT_EQ(r.figures.transparent, 2u);
        EXPECT_EQ(r.figures.pixels, 2u);
        EXPECT_EQ(r.figures.changed, 0u);
        // Over white it is white.
        r = remap.convert({.dithering = d, .background = 1});
        EXPECT_EQ(indicesOf(r.picture), (std::vector<std::uint8_t>{1, 1, 2, 1}));
    }
}

TEST(PaletteRemap, DiffusionMixesTwoEntriesToTheColourBetween)
{
    // Black and white alone (every other entry is black): a flat mid grey becomes a mix
    // of the two whose mean Oklab lightness is the grey's.
    kvr::ColourTable bw{};
    bw[1] = kvr::rgb(255, 255, 255);
    const std::uint8_t grey = 119; // Oklab lightness 0.57
    const kvr::RemapResult r = kvr::PaletteRemap(flat(64, 64, {grey, grey, grey}), bw).convert({.strength = 1});
    std::size_t white = 0;
    for (std::uint8_t i : indicesOf(r.picture)) {
        ASSERT_TRUE(i == 0 || i == 1);
        white += i;
    }
    EXPECT_NEAR(double(white) / (64 * 64), kvr::okLabFromSrgb(grey, grey, grey).L, 0.02);
    // At no strength nothing is handed on: every pixel is the one nearest.
    const kvr::RemapResult none = kvr::PaletteRemap(flat(64, 64, {grey, grey, grey}), bw).convert({.strength = 0});
    EXPECT_EQ(indicesOf(none.picture), std::vector<std::uint8_t>(64 * 64, 1));
}

TEST(PaletteRemap, ExactPixelsBesideADitheredFieldKeepTheirColour)
{
    // Left half a colour between the entries, right half the palette's red: no error
    // crosses into the red, and none of the field's grain is red.
    std::vector<Rgba> pixels;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            pixels.push_back(x < 16 ? Rgba{190, 190, 190} : Rgba{255, 0, 0});
    const kvr::RemapResult r = kvr::PaletteRemap(painting(32, 32, pixels), smallPalette()).convert({});
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (x >= 16)
                ASSERT_EQ(r.picture.at(x, y), 2) << x << "," << y;
            else
                ASSERT_TRUE(r.picture.at(x, y) == 1 || r.picture.at(x, y) == 5) << x << "," << y;
        }
    EXPECT_EQ(r.figures.changed, 16u * 32);
}

TEST(ScalePicture, RefusesSizesItCannotMake)
{
    const PaintedPicture p = flat(4, 4, {1, 2, 3});
    for (const auto& [w, h] : {std::pair{0, 4}, std::pair{4, 0}, std::pair{-1, 3}, std::pair{4097, 10}})
        EXPECT_THROW(kvr::scalePicture(p, w, h), kvr::GeneralError) << w << " x " << h;
    EXPECT_THROW(kvr::scalePicture(PaintedPicture{}, 4, 4), kvr::GeneralError);
}

TEST(ScalePicture, AveragesInLinearLightAndKeepsTheSameSizeAsItIs)
{
    // A black and white checkerboard halved is the grey of half the light, sRGB 188 (not
    // 128, the mean of the numbers), away from the edges, where the filter is cut short.
    std::vector<Rgba> board;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            board.push_back((x + y) % 2 ? Rgba{255, 255, 255} : Rgba{0, 0, 0});
    const PaintedPicture half = kvr::scalePicture(painting(16, 16, board), 8, 8);
    ASSERT_EQ(half.width, 8);
    ASSERT_EQ(half.height, 8);
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 7; ++x) {
            const std::uint8_t* p = half.pixel(std::size_t(y * 8 + x));
            EXPECT_EQ((std::vector<int>{p[0], p[1], p[2], p[3]}), (std::vector<int>{188, 188, 188, 255}))
                << x << "," << y;
        }
    // A transparent pixel's colour does not bleed into its neighbour.
    const PaintedPicture edge = kvr::scalePicture(painting(2, 1, {{0, 0, 255, 0}, {255, 0, 0, 255}}), 1, 1);
    EXPECT_EQ(edge.pixel(0)[0], 255);
    EXPECT_EQ(edge.pixel(0)[2], 0);
    EXPECT_EQ(edge.pixel(0)[3], 128);
    // Growing keeps flat colour flat.
    const PaintedPicture grown = kvr::scalePicture(flat(3, 2, {40, 90, 200}), 256, 164);
    for (std::size_t i = 0; i < grown.pixelCount(); i += 97)
        EXPECT_EQ((std::vector<int>{grown.pixel(i)[0], grown.pixel(i)[1], grown.pixel(i)[2]}),
                  (std::vector<int>{40, 90, 200}));
    // The same size is the picture itself, pixel numbers and all.
    const PaintedPicture indexed = kvr::paintedFromIndices(2, 2, {1, 2, 3, 4}, smallPalette());
    EXPECT_EQ(kvr::scalePicture(indexed, 2, 2).indices, indexed.indices);
    EXPECT_TRUE(kvr::scalePicture(indexed, 4, 4).indices.empty());
}


} // namespace
