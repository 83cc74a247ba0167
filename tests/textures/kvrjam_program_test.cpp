// SPDX-License-Identifier: GPL-3.0-or-later
// The converter program itself, run as the editor runs it.
#include "graphics/bitmap_writer.h"
#include "support/temp_dir.h"
#include "support/texture_samples.h"
#include "textures/jam_convert.h"
#include "textures/jam_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <map>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

std::string lowered(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
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

// Each file below `dir` by name: its bytes, or what else stands there.
std::map<std::string, std::string> places(const fs::path& dir)
{
    std::map<std::string, std::string> p;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        if (e.is_symlink())
            p[name] = "link to " + fs::read_symlink(e.path()).string();
        else if (e.is_regular_file()) {
            const Bytes b = readFile(e.path());
            p[name] = std::string(b.begin(), b.end());
        } else
            p[name] = "other";
    }
    return p;
}

// A texture of another program: the size of one of ours, but not our format.
Bytes foreignTexture()
{
    Bytes b(42768);
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = std::uint8_t((i * 2654435761u) >> 13);
    return b;
}

// Whatever kvrjam cannot read as a texture of the bitmap's size it leaves as it is, and
// it says why; nothing is written, no backup is made.
TEST(Kvrjam, NeverReplacesWhatItCannotRead)
{
    TempDir dir;
    const Bytes painting = kvr::encodeBitmap8(kvrtest::noisePicture(256, 164, 5));
    const Bytes jam = kvr::encodeJam(kvr::textureFromBitmap(kvr::encodeBitmap8(kvrtest::noisePicture(256, 164, 1))));
    const fs::path bmp = dir / "p.bmp";
    const fs::path car = dir / "CAR.JAM";
    const std::string toCar = "-j" + car.string();
    const std::string fromBmp = "-b" + bmp.string();
    Bytes cut = jam;
    cut.resize(cut.size() - 100);
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::vector<std::string> args;
        std::vector<std::string> says;
    } cases[] = {
        {"another program's texture",
         [&] { writeFile(car, foreignTexture()); },
         {fromBmp, toCar, "-y"},
         {"cannot replace", "in another format", "KVRDESK_CONVERTER"}},
        {"another program's texture, to a bitmap",
         [&] { writeFile(car, foreignTexture()); },
         {toCar, fromBmp, "-y"},
         {"cannot read the texture", "in another format", "KVRDESK_CONVERTER"}},
        {"a texture of ours cut short", [&] { writeFile(car, cut); }, {fromBmp, toCar}, {"damaged", "42668 bytes"}},
        {"a folder where the texture is", [&] { fs::create_directory(car); }, {fromBmp, toCar}, {"it is a folder"}},
        {"a folder where its backup goes",
         [&] {
             writeFile(car, jam);
             fs::create_directory(dir / "CAR.JAM.orig");
         },
         {fromBmp, toCar},
         {"backup's place", "holds a folder"}},
        {"the bitmap is the texture by another name",
         [&] {
             writeFile(car, jam);
             fs::remove(bmp);
             fs::create_hard_link(car, bmp);
         },
         {fromBmp, toCar},
         {"are one file"}},
        {"the texture would be written over itself",
         [&] { writeFile(car, jam); },
         {toCar, "-b" + car.string()},
         {"are one file"}},
#ifndef _WIN32
        {"a link to nothing where its backup goes",
         [&] {
             writeFile(car, jam);
             fs::create_symlink(dir / "gone", dir / "CAR.JAM.orig");
         },
         {fromBmp, toCar},
         {"backup's place", "a link to nothing"}},
        {"a FIFO where its backup goes",
         [&] {
             writeFile(car, jam);
             ASSERT_EQ(mkfifo((dir / "CAR.JAM.orig").c_str(), 0600), 0);
         },
         {fromBmp, toCar},
         {"backup's place", "a FIFO"}},
        {"the texture is a link to the bitmap",
         [&] { fs::create_symlink(bmp, car); },
         {fromBmp, toCar},
         {"are one file"}},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& e : fs::directory_iterator(dir.path()))
            fs::remove_all(e.path());
        writeFile(bmp, painting);
        c.prepare();
        const auto before = places(dir.path());
        const auto r = kvrjam(c.args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(oneLine(r.err)) << r.err;
        for (const std::string& piece : c.says)
            EXPECT_NE(r.err.find(piece), std::string::npos) << r.err;
        EXPECT_EQ(places(dir.path()), before);
    }
}

// A game's own files are never a converter's output, however they are named; only a
// texture's own name takes a texture.
TEST(Kvrjam, NeverWritesOverAGameFile)
{
    TempDir dir;
    const fs::path g = dir / "game";
    const Bytes jam = kvr::encodeJam(kvr::textureFromBitmap(kvr::encodeBitmap8(kvrtest::noisePicture(256, 164, 1))));
    writeFile(g / "KVR.EXE", Bytes(64, 0x4D));
    writeFile(g / "F1GSTATE.SAV", Bytes(32, 0x53));
    writeFile(g / "GAMEJAMS" / "CAR.JAM", jam);
    writeFile(g / "GAMEJAMS" / "CAR.JAM.orig", jam);
    writeFile(g / "GAMEJAMS" / "HELMETS1.JAM", jam);
    writeFile(g / "BITMAPS" / "CPITHI.PCX", Bytes(16, 0x0A));
    writeFile(dir / "p.bmp", kvr::encodeBitmap8(kvrtest::noisePicture(256, 164, 7)));
    const std::string fromCar = "-j" + (g / "GAMEJAMS" / "CAR.JAM").string();
    const std::string fromBmp = "-b" + (dir / "p.bmp").string();
    std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{fromCar, "-b" + (g / "KVR.EXE").string(), "-y"}, "it is the game's KVR.EXE"},
        {{fromCar, "-b" + (g / "f1gstate.sav").string()}, "it is the game's f1gstate.sav"},
        {{fromCar, "-b" + (g / "GAMEJAMS" / "HELMETS1.JAM").string()}, "it is the game's GAMEJAMS/HELMETS1.JAM"},
        {{fromCar, "-b" + (g / "KVR.EXE.orig").string()}, "it is the game's KVR.EXE.orig"},
        {{fromCar, "-b" + (g / ".kvrdesk.lock").string()}, "it is the game's .kvrdesk.lock"},
        {{fromBmp, "-j" + (g / "GAMEJAMS" / "CAR.JAM.orig").string()}, "GAMEJAMS/CAR.JAM.orig (in"},
        {{fromBmp, "-j" + (g / "F1GSTATE.SAV").string()}, "F1GSTATE.SAV (in"},
        {{fromBmp, "-j" + (g / "BITMAPS" / "CPITHI.PCX").string()}, "BITMAPS/CPITHI.PCX (in"},
    };
#ifndef _WIN32
    // Outside the game, by a link; a hard link is known by the game the texture comes from.
    fs::create_hard_link(g / "KVR.EXE", dir / "exe-link");
    fs::create_symlink(g / "F1GSTATE.SAV", dir / "state-link");
    cases.push_back({{fromCar, "-b" + (dir / "exe-link").string()}, "it is the game's KVR.EXE"});
    cases.push_back({{fromCar, "-b" + (dir / "state-link").string()}, "it is the game's F1GSTATE.SAV"});
#endif
    const auto before = places(g);
    const auto gameJams = places(g / "GAMEJAMS");
    const auto bitmaps = places(g / "BITMAPS");
    for (const auto& [args, says] : cases) {
        const auto r = kvrjam(args);
        EXPECT_EQ(r.exitCode, 1) << args[1];
        EXPECT_TRUE(oneLine(r.err)) << r.err;
        EXPECT_NE(r.err.find("Refusing to write "), std::string::npos) << r.err;
        // Windows names a file by the case it has on the disk.
        EXPECT_NE(lowered(r.err).find(lowered(says)), std::string::npos) << r.err;
    }
    EXPECT_EQ(places(g), before);
    EXPECT_EQ(places(g / "GAMEJAMS"), gameJams);
    EXPECT_EQ(places(g / "BITMAPS"), bitmaps);

    // The editor's own calls still work: the texture to a bitmap elsewhere, and back.
    const auto out = kvrjam({fromCar, "-b" + (dir / "out.bmp").string(), "-y"});
    EXPECT_EQ(out.exitCode, 0) << out.err;
    const auto back = kvrjam({fromBmp, fromCar, "-y"});
    EXPECT_EQ(back.exitCode, 0) << back.err;
    EXPECT_EQ(kvr::bitmapFromTexture(kvr::readJamFile(g / "GAMEJAMS" / "CAR.JAM")), readFile(dir / "p.bmp"));
}

} // namespace
