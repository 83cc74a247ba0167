// Makes the add-on data the installers copy into the game: kvr-mkaddons DATA_DIR, and
// kvr-mkaddons carset-placeholders DATA_DIR for stand-in car set textures.
#include "addons.h"

#include "install/car_set.h"
#include "install/xy_tables.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>

namespace mkaddons {
namespace fs = std::filesystem;

void writeFile(const fs::path& file, const Bytes& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

void writeText(const fs::path& file, const std::string& text) { writeFile(file, Bytes(text.begin(), text.end())); }

namespace {

// Stand-ins until the texture converter makes the real car set: an existing file is
// never touched, so real textures put into DATA stay.
void makeCarSetPlaceholders(const fs::path& dir)
{
    for (std::size_t i = 0; i < kvr::kCarSetFiles.size(); ++i) {
        const fs::path file = dir / kvr::kCarSetFiles[i];
        if (fs::exists(file))
            continue;
        const std::string head = std::string("kvrdesk placeholder texture ") + kvr::kCarSetFiles[i] + '\n';
        Bytes bytes(head.begin(), head.end());
        for (int k = 0; k < 4096; ++k)
            bytes.push_back(std::uint8_t(32 + (k * 7 + int(i) * 29 + (k / 64) * 3) % 200));
        writeFile(file, bytes);
    }
}

} // namespace
} // namespace mkaddons

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    try {
        if (argc == 2) {
            const fs::path dir = argv[1];
            fs::create_directories(dir);
            mkaddons::makeCockpits(dir);
            mkaddons::writeText(dir / kvr::xytables::kFileName, mkaddons::xyTablesText());
            mkaddons::makeTrackPack(dir);
            return 0;
        }
        if (argc == 3 && std::strcmp(argv[1], "carset-placeholders") == 0) {
            fs::create_directories(argv[2]);
            mkaddons::makeCarSetPlaceholders(argv[2]);
            return 0;
        }
        std::fprintf(stderr, "usage: kvr-mkaddons DATA_DIR | kvr-mkaddons carset-placeholders DATA_DIR\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kvr-mkaddons: %s\n", e.what());
        return 3;
    }
}
