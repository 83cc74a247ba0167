// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "graphics/bitmap_writer.h"
#include "core/byte_reader.h"
#include "support/texture_samples.h"
#include "textures/jam_convert.h"
#include "textures/jam_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Size {
    int width;
    int height;
};

class RoundTrip : public ::testing::TestWithParam<Size> {};

// bitmap -> texture -> bitmap gives the same file, and the texture file reads back as
// the same texture.
TEST_P(RoundTrip, BitmapToTextureAndBackIsExact)
{
    const auto [w, h] = GetParam();
    const kvr::IndexedPicture picture = kvrtest::noisePicture(w, h, unsigned(w * 1000 + h));
    const Bytes bitmap = kvr::encodeBitmap8(picture);
    const kvr::JamTexture texture = kvr::textureFromBitmap(bitmap);
    EXPECT_EQ(kvr::bitmapFromTexture(texture), bitmap);
    EXPECT_EQ(kvr::decodeJam(kvr::encodeJam(texture)), texture);
    // Run-length input is the same texture.
    EXPECT_EQ(kvr::textureFromBitmap(kvr::encodeBitmap8(picture, {.runLength = true})), texture);
}

// Noise does not compress; a painting of large areas does, to fewer bytes than its pixels.
TEST(BitmapToTexture, CompressedShorterThanItsPixels)
{
    const kvr::IndexedPicture flat(256, 164, 42);
    const Bytes compressed = kvr::encodeBitmap8(flat, {.runLength = true});
    ASSERT_LT(compressed.size(), kvr::encodeBitmap8(flat).size() / 4);
    EXPECT_EQ(kvr::textureFromBitmap(compressed), kvr::textureFromBitmap(kvr::encodeBitmap8(flat)));
}

INSTANTIATE_TEST_SUITE_P(SheetSizes, RoundTrip,
                         ::testing::Values(Size{256, 180}, Size{256, 164}, Size{74, 15}, Size{1, 1}, Size{3, 5}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

TEST(JamFile, LayoutIsHeaderRgbTableThenRowsTopDown)
{
    kvr::JamTexture t;
    t.width = 3;
    t.height = 2;
    t.colours[0] = kvr::rgb(1, 2, 3);
    t.colours[255] = kvr::rgb(7, 8, 9);
    t.pixels = {10, 11, 12, 20, 21, 22};
    const Bytes b = kvr::encodeJam(t);
    const Bytes header{'K', 'J', 'A', 'M', 1, 0, 16, 0, 3, 0, 2, 0, 0, 1, 0, 0};
    ASSERT_EQ(b.size(), 16u + 768u + 6u);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 16), header);
    EXPECT_EQ(Bytes(b.begin() + 16, b.begin() + 19), (Bytes{1, 2, 3})) << "colour 0 as red, green, blue";
    EXPECT_EQ(Bytes(b.begin() + 781, b.begin() + 784), (Bytes{7, 8, 9})) << "colour 255";
    EXPECT_EQ(Bytes(b.end() - 6, b.end()), t.pixels) << "top row first, no padding";
}

TEST(JamFile, DamagedFilesAreRefusedWithTheReason)
{
    kvr::JamTexture t;
    t.width = 4;
    t.height = 2;
    t.pixels.assign(8, 5);
    const Bytes good = kvr::encodeJam(t);
    auto with = [&](std::size_t at, std::uint8_t value) {
        Bytes b = good;
        b[at] = value;
        return b;
    };
    const Bytes truncated(good.begin(), good.end() - 1);
    Bytes trailing = good;
    trailing.push_back(0);
    const struct {
        const char* what;
        Bytes bytes;
        const char* reason;
    } cases[] = {
        {"empty", {}, "not a texture file"},
        {"another magic", with(0, 'X'), "not a texture file"},
        {"version 2", with(4, 2), "version 2 is not supported"},
        {"255 colours", with(12, 255), "header is damaged"},
        {"width 4100", with(9, 0x10), "outside 1 to 4096"},
        {"one byte short", truncated, "needs 792"},
        {"one byte over", trailing, "holds 793 bytes"},
    };
    for (const auto& c : cases) {
        try {
            kvr::decodeJam(c.bytes);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const kvr::InvalidJam& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

TEST(JamCommandLine, OrderDecidesDirection)
{
    using Kind = kvr::JamCommand::Kind;
    const struct {
        std::vector<std::string> args;
        Kind kind;
    } ok[] = {
        {{"-jA B.JAM", "-bC;D.BMP", "-y"}, Kind::JamToBitmap},
        {{"-bC;D.BMP", "-jA B.JAM", "-y"}, Kind::BitmapToJam},
        {{"-y", "-bC;D.BMP", "-jA B.JAM"}, Kind::BitmapToJam},
        {{"-jA B.JAM", "-bC;D.BMP"}, Kind::JamToBitmap},
    };
    for (const auto& c : ok) {
        const kvr::JamCommand cmd = kvr::parseJamCommand(c.args);
        EXPECT_EQ(cmd.kind, c.kind);
        EXPECT_EQ(cmd.jam, "A B.JAM");
        EXPECT_EQ(cmd.bitmap, "C;D.BMP");
    }
    EXPECT_EQ(kvr::parseJamCommand(std::vector<std::string>{"-jx", "--help"}).kind, Kind::Help);
    EXPECT_EQ(kvr::parseJamCommand(std::vector<std::string>{"--version", "-jx"}).kind, Kind::Version);

    const std::vector<std::string> wrong[] = {
        {}, {"-jA.JAM", "-y"}, {"-j", "-bB.BMP"}, {"-jA", "-jB", "-bC"}, {"-jA", "-bB", "-x"}, {"jA", "-bB"},
    };
    for (const auto& args : wrong)
        EXPECT_THROW(kvr::parseJamCommand(args), kvr::GeneralError) << ::testing::PrintToString(args);
}

} // namespace
