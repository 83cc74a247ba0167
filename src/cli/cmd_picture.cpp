// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_output.h"
#include "cli/commands.h"

#include "core/errors.h"
#include "core/input_file.h"
#include "graphics/dib.h"
#include "graphics/dib256.h"
#include "graphics/dib_render.h"
#include "graphics/game_palette.h"
#include "graphics/graphic_error.h"

#include <iostream>
#include <memory>

#ifdef KVR_HAVE_QT_GUI
#include "widgets/picture_file_qt.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#endif

namespace kvrcli {
namespace {

struct PictureOptions {
    std::string file;
    std::string out;
    std::string palette;
    std::string loader;
};

// A file that does not start as a bitmap does goes to the picture reader by default.
bool isBitmapFile(const std::string& name)
{
    try {
        const auto head = kvr::readInputFile(argumentPath(name), 2, kvr::Longer::Cut);
        return head.size() == 2 && head[0] == 'B' && head[1] == 'M';
    } catch (const kvr::GeneralError&) {
        return true; // the bitmap loaders say why it cannot be read
    }
}

kvr::RgbPicture readAnyPicture(const std::string& name, const kvr::ColourTable* colours)
{
#ifdef KVR_HAVE_QT_GUI
    const kvr::PaintedPicture p = kvrgui::readPicture(argumentPath(name));
    kvr::RgbPicture out;
    out.width = p.width;
    out.height = p.height;
    for (std::size_t i = 0; i < p.pixelCount(); ++i) {
        const std::uint8_t* c = p.pixel(i);
        const kvr::ColourEntry e = colours && p.indexed() ? (*colours)[p.indices[i]] : kvr::rgb(c[0], c[1], c[2]);
        const std::uint32_t alpha = colours && p.indexed() ? 255 : c[3];
        out.argb.push_back(alpha << 24 | (kvr::toArgb(e) & 0xFFFFFFu));
    }
    return out;
#else
    (void)name;
    (void)colours;
    throw kvr::GeneralError("This build reads no pictures but bitmaps (it was made without Qt)");
#endif
}

void writePng(const kvr::RgbPicture& picture, const std::string& out)
{
#ifdef KVR_HAVE_QT_GUI
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x)
            line[x] = picture.argb[std::size_t(y) * std::size_t(picture.width) + std::size_t(x)];
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw kvr::GeneralError("Cannot make a PNG picture for " + out);
    writeOutput(out, std::span(reinterpret_cast<const std::uint8_t*>(png.constData()), std::size_t(png.size())));
#else
    (void)picture;
    (void)out;
    throw kvr::GeneralError("This build writes no PNG files (it was made without Qt)");
#endif
}

int runPicture(const PictureOptions& o)
{
    guardOutput(o.out,
                o.palette.empty() ? std::vector<std::string>{o.file} : std::vector<std::string>{o.file, o.palette});
    kvr::GamePalette palette;
    if (!o.palette.empty())
        kvr::loadGamePalette(argumentPath(o.palette), palette);
    const kvr::ColourTable* colours = palette.loaded ? &palette.entries : nullptr;
    kvr::RgbPicture picture;
    try {
        const std::string loader = !o.loader.empty() ? o.loader : isBitmapFile(o.file) ? "dib256" : "picture";
        if (loader == "picture") {
            picture = readAnyPicture(o.file, colours);
        } else if (loader == "dib") {
            kvr::TDIB dib;
            dib.loadFromFile(argumentPath(o.file));
            if (dib.empty())
                throw kvr::GeneralError("The bitmap is empty");
            picture = kvr::renderDib(dib, colours);
        } else {
            kvr::TDIB256 dib;
            dib.loadFromFile(argumentPath(o.file));
            picture = kvr::renderDib256(dib, colours);
        }
    } catch (const kvr::InvalidGraphic& e) {
        if (e.what() == std::string_view{} || std::string_view(e.what()).find(o.file) == std::string_view::npos)
            throw kvr::InvalidGraphic(o.file + ": " + e.what());
        throw;
    }
    writePng(picture, o.out);
    if (!isStdout(o.out))
        std::cout << picture.width << " x " << picture.height << " -> " << o.out << '\n';
    return kDone;
}

CommandRegistration reg([](CLI::App& app, Action& chosen) {
    auto* cmd =
        app.add_subcommand("picture", "Load a bitmap with the editor's own loader, or any picture, and write it "
                                      "as a PNG");
    auto o = std::make_shared<PictureOptions>();
    cmd->add_option("FILE", o->file, "The bitmap file, or a picture of another format (PNG, JPEG, GIF, TGA ...)")
        ->required();
    addOutputOption(cmd, o->out, "The PNG file to write (- for standard output)");
    cmd->add_option("--palette", o->palette,
                    "Show the pixels through this game palette (KVR.PAL) instead of the file's colours");
    cmd->add_option("--as", o->loader,
                    "dib256: the image view's 8-bit picture (the default for bitmaps); dib: the helmet editor's "
                    "bitmap class (both read the file as the converter does); picture: the reader of painted "
                    "pictures of every format (the default for other files)")
        ->check(CLI::IsMember({"dib256", "dib", "picture"}));
    cmd->callback([&chosen, o] { chosen = [o] { return runPicture(*o); }; });
});

} // namespace
} // namespace kvrcli
