// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the editor's pictures and its game palette: kvr-mkpictures DATA_DIR.
#include "fuzz_seeds.h"
#include "game_colours.h"
#include "pictures.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

void write(const fs::path& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

void makeData(const fs::path& dir)
{
    fs::create_directories(dir);
    const kvr::BitmapWriteOptions runLength{.runLength = true};
    write(dir / "KVR.PAL", mkpic::encodePalette(mkpic::gamePalette()));
    write(dir / "Dib1.dib", kvr::encodeBitmap8(mkpic::cockpitPicture(), runLength));
    write(dir / "DIB2.DIB", kvr::encodeBitmap8(mkpic::crewPicture(), runLength));
    write(dir / "Dib3.dib", kvr::encodeBitmap8(mkpic::cameraSheet()));
    write(dir / "SMALL.DIB", kvr::encodeBitmap8(mkpic::smallHelmet()));
    write(dir / "LEDS.DIB", kvr::encodeBitmap8(mkpic::ledPreview()));
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 2) {
            makeData(argv[1]);
            return 0;
        }
        if (argc == 3 && std::strcmp(argv[1], "seeds") == 0) {
            mkpic::writeFuzzSeeds(argv[2]);
            return 0;
        }
        std::fprintf(stderr, "usage: kvr-mkpictures DATA_DIR | kvr-mkpictures seeds DIR\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kvr-mkpictures: %s\n", e.what());
        return 3;
    }
}
