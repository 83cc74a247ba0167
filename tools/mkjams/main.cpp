// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the bitmaps of the textures the editor ships, for kvrjam to convert:
//   kvr-mkjams DIR          DIR/HELMETS1.BMP, DIR/demo/<TEAM>.BMP, DIR/carset/<TEAM>.BMP
//   kvr-mkjams seeds DIR    small texture files for the fuzz target's corpus
#include "textures.h"

#include "editors/jams/car_jam_files.h"
#include "textures/jam_file.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

void write(const fs::path& file, const std::vector<std::uint8_t>& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

void makeBitmaps(const fs::path& dir)
{
    write(dir / "HELMETS1.BMP", kvr::encodeBitmap8(mkjams::helmetSheet()));
    for (std::size_t t = 0; t < kvr::kCarJamFiles.size(); ++t) {
        const std::string name = fs::path(kvr::kCarJamFiles[t]).replace_extension(".BMP").string();
        write(dir / "demo" / name, kvr::encodeBitmap8(mkjams::painting(int(t), 0)));
        write(dir / "carset" / name, kvr::encodeBitmap8(mkjams::painting(int(t), 1)));
    }
}

void makeSeeds(const fs::path& dir)
{
    kvr::JamTexture tiny;
    tiny.width = 3;
    tiny.height = 2;
    tiny.pixels = {0, 1, 2, 253, 254, 255};
    for (std::size_t i = 0; i < tiny.colours.size(); ++i)
        tiny.colours[i] = kvr::rgb(std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7));
    write(dir / "tiny.jam", kvr::encodeJam(tiny));

    kvr::JamTexture strip;
    strip.width = 64;
    strip.height = 1;
    for (int x = 0; x < 64; ++x)
        strip.pixels.push_back(std::uint8_t(x * 4));
    std::vector<std::uint8_t> bytes = kvr::encodeJam(strip);
    write(dir / "strip.jam", bytes);
    bytes.resize(bytes.size() - 10);
    write(dir / "truncated.jam", bytes);
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 2) {
            makeBitmaps(argv[1]);
            return 0;
        }
        if (argc == 3 && std::strcmp(argv[1], "seeds") == 0) {
            makeSeeds(argv[2]);
            return 0;
        }
        std::fprintf(stderr, "usage: kvr-mkjams DIR | kvr-mkjams seeds DIR\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kvr-mkjams: %s\n", e.what());
        return 3;
    }
}
