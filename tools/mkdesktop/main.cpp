// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the editor's desktop icon (SVG, so every size is sharp) and, when asked, the
// Windows icon with the same drawing at the sizes Windows shows, and the icons of the
// settings files and patches in the file manager.
#include "drawing.h"
#include "graphics/icon_file.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 256};

bool writeFile(const char* name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out)
        std::cerr << "kvr-mkdesktop: cannot write " << name << '\n';
    return bool(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3 && argc != 5) {
        std::cerr << "usage: kvr-mkdesktop ICON.svg [ICON.ico [SETTINGS.svg PATCH.svg]]\n";
        return 2;
    }
    const auto drawing = kvrdesktop::iconDrawing();
    if (!writeFile(argv[1], kvrdesktop::svgOf(drawing)))
        return 1;
    if (argc == 5) {
        if (!writeFile(argv[3], kvrdesktop::svgOf(kvrdesktop::documentDrawing(kvrdesktop::DocumentKind::Settings))) ||
            !writeFile(argv[4], kvrdesktop::svgOf(kvrdesktop::documentDrawing(kvrdesktop::DocumentKind::Patch))))
            return 1;
    }
    if (argc >= 3) {
        std::vector<kvr::IconImage> images;
        for (const int size : kIconSizes)
            images.push_back({size, kvrdesktop::rasterize(drawing, size)});
        const std::vector<std::uint8_t> ico = kvr::encodeIconFile(images);
        if (!writeFile(argv[2], std::string(ico.begin(), ico.end())))
            return 1;
    }
    return 0;
}
