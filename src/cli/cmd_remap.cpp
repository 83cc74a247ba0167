// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_output.h"
#include "cli/commands.h"

#include "core/editor_home.h"
#include "core/errors.h"
#include "core/input_file.h"
#include "core/platform/path_text.h"
#include "graphics/bitmap_file.h"
#include "graphics/bitmap_writer.h"
#include "graphics/game_palette.h"
#include "graphics/graphic_error.h"
#include "graphics/palette_remap.h"

#ifdef KVR_HAVE_QT_GUI
#include "widgets/picture_file_qt.h"
#endif

#include <cctype>
#include <cstdio>
#include <iostream>
#include <memory>

namespace kvrcli {
namespace {

struct RemapCommand {
    std::string picture;
    std::string out;
    std::string palette;
    std::string dither = "diffuse";
    std::string strength = "80%";
    std::string size;
    int background = 0;
};

// A palette in the game's KVR.PAL form, or the colour table of an 8-bit bitmap.
kvr::ColourTable readPalette(const std::string& name)
{
    const std::filesystem::path file = argumentPath(name);
    std::vector<std::uint8_t> head;
    try {
        head = kvr::readInputFile(file, 2, kvr::Longer::Cut);
    } catch (const kvr::InputFileError& e) {
        throw kvr::GeneralError("The palette " + name + " cannot be read: " + e.what());
    }
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') {
        kvr::GamePalette palette;
        kvr::loadGamePalette(file, palette);
        return palette.entries;
    }
    const kvr::BitmapImage bitmap = [&] {
        try {
            return kvr::readBitmapFile(kvr::readInputFile(file, kvr::kMaxGameFileBytes));
        } catch (const kvr::GeneralError& e) {
            throw kvr::GeneralError("The palette bitmap " + name + " is not usable: " + e.what());
        }
    }();
    if (bitmap.bitsPerPixel != 8)
        throw kvr::GeneralError("The palette bitmap " + name + " has " + std::to_string(bitmap.bitsPerPixel) +
                                " bits a pixel; its colours are taken only from an 8-bit bitmap");
    kvr::ColourTable colours{};
    for (std::size_t i = 0; i < std::min<std::size_t>(bitmap.colourCount(), kvr::kColourCount); ++i) {
        const std::uint8_t* q = bitmap.colourTable.data() + 4 * i;
        colours[i] = kvr::rgb(q[2], q[1], q[0]);
    }
    return colours;
}

// "0.75" or "75%".
float parseStrength(const std::string& text)
{
    const bool percent = !text.empty() && text.back() == '%';
    const std::string number = percent ? text.substr(0, text.size() - 1) : text;
    std::size_t used = 0;
    double value = -1;
    try {
        value = std::stod(number, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (percent)
        value /= 100;
    if (used == 0 || used != number.size() || !(value >= 0 && value <= 1))
        throw CLI::ValidationError("--strength", "expected 0 to 1 or 0% to 100%, not " + text);
    return float(value);
}

std::pair<int, int> parseSize(const std::string& text)
{
    int w = 0, h = 0;
    char x = 0, extra = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) != 3 || (x != 'x' && x != 'X') || w < 1 || h < 1 ||
        w > 4096 || h > 4096)
        throw CLI::ValidationError("--size", "expected WIDTHxHEIGHT, each 1 to 4096, not " + text);
    return {w, h};
}

bool endsWithPng(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string end = name.substr(name.size() - 4);
    for (char& c : end)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return end == ".png";
}

int runRemap(const RemapCommand& o)
{
    const float strength = parseStrength(o.strength);
    const bool scale = !o.size.empty();
    const auto [width, height] = scale ? parseSize(o.size) : std::pair{0, 0};
    const std::string paletteName =
        o.palette.empty()
            ? kvr::platform::pathText(
                  kvr::EditorHome::forProgram(kvr::runningProgram(programPath())).data(kvr::kGamePaletteFile))
            : o.palette;
    guardOutput(o.out, {o.picture, paletteName});
#ifdef KVR_HAVE_QT_GUI
    const kvr::ColourTable palette = readPalette(paletteName);
    kvr::PaintedPicture painting = kvrgui::readPicture(argumentPath(o.picture));
    if (scale)
        painting = kvr::scalePicture(painting, width, height);
    const kvr::RemapOptions options{o.dither == "none" ? kvr::Dithering::None : kvr::Dithering::Diffuse, strength,
                                    std::uint8_t(o.background)};
    const kvr::RemapResult result = kvr::PaletteRemap(painting, palette).convert(options);
    const std::vector<std::uint8_t> bytes =
        endsWithPng(o.out) ? kvrgui::encodeIndexedPng(result.picture) : kvr::encodeBitmap8(result.picture);
    writeOutput(o.out, bytes);

    const kvr::RemapFigures& f = result.figures;
    char figures[160];
    std::snprintf(figures, sizeof figures, "mean difference %.2f, largest %.2f (CIEDE2000)", f.meanDeltaE,
                  f.largestDeltaE);
    std::cerr << f.changed << " of " << f.pixels << " pixels changed colour; " << figures << '\n';
    if (f.transparent > 0)
        std::cerr << f.transparent << " transparent pixels took colour " << o.background << '\n';
    if (!isStdout(o.out))
        std::cout << result.picture.width << " x " << result.picture.height << " -> " << o.out << '\n';
    return kDone;
#else
    throw kvr::GeneralError("This build reads no pictures (it was made without Qt)");
#endif
}

CommandRegistration reg([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("remap", "Convert any picture into the colours of a palette, as an 8-bit bitmap "
                                            "or an indexed PNG");
    auto o = std::make_shared<RemapCommand>();
    cmd->add_option("PICTURE", o->picture, "The picture (PNG, BMP, JPEG, GIF, TGA ...)")->required();
    addOutputOption(cmd, o->out,
                    "The file to write: an indexed PNG when it ends in .png, else an 8-bit bitmap (- for standard "
                    "output)");
    cmd->add_option("--palette", o->palette,
                    "The palette: a file in the game's KVR.PAL form, or an 8-bit bitmap whose colour table is taken "
                    "(default: the editor's DATA/KVR.PAL)");
    cmd->add_option("--dither", o->dither, "none: each colour its nearest; diffuse: error diffusion (default)")
        ->check(CLI::IsMember({"none", "diffuse"}));
    cmd->add_option("--strength", o->strength,
                    "How much of each pixel's error diffusion hands on: 0 to 1, or 0% to 100% (default 80%)");
    cmd->add_option("--size", o->size, "Scale the picture smoothly to WIDTHxHEIGHT first, e.g. 256x164");
    cmd->add_option("--background", o->background, "The palette colour transparent pixels take, 0 to 255 (default 0)")
        ->check(CLI::Range(0, 255));
    cmd->callback([&chosen, o] {
        parseStrength(o->strength);
        if (!o->size.empty())
            parseSize(o->size);
        chosen = [o] { return runRemap(*o); };
    });
});

} // namespace
} // namespace kvrcli
