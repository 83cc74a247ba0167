// SPDX-License-Identifier: GPL-3.0-or-later
// kvrdesk-cli picture: the loaders' verdict and the PNG it writes.
#include "graphics/bitmap_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

kvr::IndexedPicture picture()
{
    kvr::IndexedPicture p(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            p.set(x, y, std::uint8_t(20 + x + 6 * y));
    for (int i = 0; i < 256; ++i)
        p.colours[std::size_t(i)] = kvr::rgb(std::uint8_t(i), std::uint8_t(3 * i), std::uint8_t(255 - i));
    return p;
}

// The PNG's pixels through ImageMagick as "P6 w h 255" + RGB bytes.
Bytes decodePng(const fs::path& png)
{
    const auto r = kvrtest::run({"/usr/bin/convert", png.string(), "ppm:-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::istringstream in(r.out);
    std::string magic;
    int w = 0, h = 0, max = 0;
    in >> magic >> w >> h >> max;
    in.get();
    return Bytes(r.out.begin() + std::ptrdiff_t(in.tellg()), r.out.end());
}

bool pngBuild(const kvrtest::RunResult& r)
{
    return r.err.find("without Qt") == std::string::npos;
}

} // namespace

TEST(PictureCommand, RefusedFilesExitWithThreeAndTheLoadersMessage)
{
    kvrtest::TempDir dir;
    Bytes file = kvr::encodeBitmap8(picture());
    file[28] = 4; // 4 bits per pixel
    kvrtest::writeFile(dir / "four.bmp", file);
    auto r = kvrtest::run({KVR_CLI, "picture", (dir / "four.bmp").string(), "-o", (dir / "x.png").string()});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("Bitmap Image is not valid"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "x.png"));

    kvrtest::writeFile(dir / "nobm.bmp", {'X', 'Y', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0});
    r = kvrtest::run({KVR_CLI, "picture", (dir / "nobm.bmp").string(), "-o", (dir / "x.png").string(), "--as", "dib"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("Bitmap image is not valid"), std::string::npos) << r.err;

    r = kvrtest::run({KVR_CLI, "picture", (dir / "missing.bmp").string(), "-o", (dir / "x.png").string()});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("missing.bmp"), std::string::npos) << r.err;
}

TEST(PictureCommand, EveryRefusalSaysWhy)
{
    kvrtest::TempDir dir;
    // A header of 20 bytes.
    kvrtest::writeFile(dir / "odd.bmp", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20, 0, 0, 0, 0, 0});
    auto r = kvrtest::run({KVR_CLI, "picture", (dir / "odd.bmp").string(), "-o", (dir / "x.png").string(), "--as",
                           "dib"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("odd.bmp: Bitmap image is not valid: its header is 20 bytes long"), std::string::npos)
        << r.err;

    // 58 bytes that claim 12000 x 12000 pixels at 0 bits each.
    Bytes huge = kvr::encodeBitmap8(kvr::IndexedPicture(1, 1));
    huge.resize(58);
    for (std::size_t at : {18u, 22u}) {
        huge[at] = 0xE0;
        huge[at + 1] = 0x2E;
    }
    huge[28] = 0;
    std::fill(huge.begin() + 46, huge.begin() + 50, 0); // no colour count
    kvrtest::writeFile(dir / "huge.bmp", huge);
    r = kvrtest::run({KVR_CLI, "picture", (dir / "huge.bmp").string(), "-o", (dir / "x.png").string(), "--as", "dib"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("Bitmap image is not valid"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "x.png"));
}

TEST(PictureCommand, DashWritesThePngToStandardOutput)
{
    kvrtest::TempDir dir;
    kvrtest::writeFile(dir / "p.bmp", kvr::encodeBitmap8(picture()));
    const auto r = kvrtest::run({KVR_CLI, "picture", (dir / "p.bmp").string(), "-o", "-"});
    if (!pngBuild(r))
        GTEST_SKIP() << "this build writes no PNG";
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << "the PNG alone, no report line";
    EXPECT_FALSE(fs::exists("-"));
}

TEST(PictureCommand, WritesThePixelsThroughTheFilesColoursOrThePalette)
{
#ifdef _WIN32
    GTEST_SKIP() << "the Linux build checks against ImageMagick";
#endif
    if (!fs::exists("/usr/bin/convert"))
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    kvrtest::TempDir dir;
    kvrtest::writeFile(dir / "p.bmp", kvr::encodeBitmap8(picture(), {.runLength = true}));
    kvrtest::writeFile(dir / "plain.bmp", kvr::encodeBitmap8(picture()));
    // Both loaders take plain and run-length files.
    for (const auto& [loader, file] : {std::pair{"dib256", "p.bmp"}, std::pair{"dib", "plain.bmp"},
                                       std::pair{"dib", "p.bmp"}, std::pair{"dib256", "plain.bmp"}}) {
        const auto r =
            kvrtest::run({KVR_CLI, "picture", (dir / file).string(), "-o", (dir / "p.png").string(), "--as", loader});
        if (!pngBuild(r))
            GTEST_SKIP() << "this build writes no PNG";
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const Bytes rgb = decodePng(dir / "p.png");
        ASSERT_EQ(rgb.size(), 6u * 4 * 3);
        for (int i = 0; i < 24; ++i) {
            const int index = 20 + i;
            EXPECT_EQ(rgb[std::size_t(3 * i)], index) << loader;
            EXPECT_EQ(rgb[std::size_t(3 * i + 1)], std::uint8_t(3 * index)) << loader;
            EXPECT_EQ(rgb[std::size_t(3 * i + 2)], 255 - index) << loader;
        }
        fs::remove(dir / "p.png");
    }
    // Through a game palette where every colour is (1, 2, 3).
    Bytes pal(12, 0);
    for (int i = 0; i < 256; ++i)
        pal.insert(pal.end(), {1, 2, 3, 0});
    kvrtest::writeFile(dir / "KVR.PAL", pal);
    const auto r = kvrtest::run({KVR_CLI, "picture", (dir / "p.bmp").string(), "-o", (dir / "q.png").string(),
                                 "--palette", (dir / "KVR.PAL").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Bytes rgb = decodePng(dir / "q.png");
    ASSERT_EQ(rgb.size(), 6u * 4 * 3);
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        EXPECT_EQ(Bytes(rgb.begin() + std::ptrdiff_t(i), rgb.begin() + std::ptrdiff_t(i + 3)), (Bytes{1, 2, 3}));
}
