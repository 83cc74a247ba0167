// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the add-on data the installers copy into the game: kvr-mkaddons DATA_DIR. The car
// set's textures are made by the texture tools.
#include "addons.h"

#include "install/xy_tables.h"

#include <cstdio>
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
        std::fprintf(stderr, "usage: kvr-mkaddons DATA_DIR\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kvr-mkaddons: %s\n", e.what());
        return 3;
    }
}
