// The converter program itself, run as the editor runs it.
#include "graphics/bitmap_writer.h"
#include "support/temp_dir.h"
#include "support/texture_samples.h"
#include "textures/jam_convert.h"
#include "textures/jam_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using kvrtest::readFile;
using kvrtest::TempDir;
using kvrtest::writeFile;

kvrtest::RunResult kvrjam(std::vector<std::string> args)
{
    args.insert(args.begin(), KVR_JAM);
    return kvrtest::run(args);
}

bool oneLine(const std::string& text)
{
    return !text.empty() && text.find('\n') == text.size() - 1;
}

TEST(Kvrjam, ReplacedTextureKeepsItsFirstOriginal)
{
    TempDir dir;
    const Bytes first = kvr::encodeJam(kvr::textureFromBitmap(kvr::encodeBitmap8(kvrtest::noisePicture(256, 164, 1))));
    writeFile(dir / "CAR.JAM", first);
    for (unsigned seed : {2u, 3u}) {
        const Bytes painting = kvr::encodeBitmap8(kvrtest::noisePicture(256, 164, seed));
        writeFile(dir / "p.bmp", painting);
        const auto r = kvrjam({"-b" + (dir / "p.bmp").string(), "-j" + (dir / "CAR.JAM").string(), "-y"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(kvr::bitmapFromTexture(kvr::readJamFile(dir / "CAR.JAM")), painting);
        EXPECT_EQ(readFile(dir / "CAR.JAM.orig"), first) << "after conversion with seed " << seed;
    }
}

TEST(Kvrjam, FailuresChangeNothingAndSayWhyOnOneLine)
{
    TempDir dir;
    const Bytes jam = kvr::encodeJam(kvr::textureFromBitmap(kvr::encodeBitmap8(kvrtest::noisePicture(256, 164, 1))));
    writeFile(dir / "CAR.JAM", jam);
    writeFile(dir / "small.bmp", kvr::encodeBitmap8(kvrtest::noisePicture(74, 15, 1)));
    writeFile(dir / "junk.bmp", Bytes{'B', 'M', 0, 0});
    writeFile(dir / "junk.jam", Bytes{'K', 'J', 'A', 'M', 9, 0, 16, 0, 1, 0, 1, 0, 0, 1, 0, 0});
    const std::string car = "-j" + (dir / "CAR.JAM").string();
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* reason;
    } cases[] = {
        {{"-q"}, 2, "unknown argument"},
        {{"-b" + (dir / "small.bmp").string(), car, "-y"}, 1, "must have the same size"},
        {{"-b" + (dir / "junk.bmp").string(), car, "-y"}, 1, "the file ends inside its headers"},
        {{"-b" + (dir / "none.bmp").string(), car, "-y"}, 1, "none.bmp"},
        {{"-j" + (dir / "junk.jam").string(), "-b" + (dir / "out.bmp").string()}, 1, "version 9"},
        {{car, "-b" + (dir / "no folder" / "out.bmp").string()}, 1, "Cannot write"},
    };
    for (const auto& c : cases) {
        const auto r = kvrjam(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << ::testing::PrintToString(c.args);
        EXPECT_TRUE(oneLine(r.err)) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }
    EXPECT_EQ(readFile(dir / "CAR.JAM"), jam);
    EXPECT_FALSE(fs::exists(dir / "CAR.JAM.orig"));
    EXPECT_FALSE(fs::exists(dir / "out.bmp"));
}

} // namespace
