#include "textures/jam_convert.h"

#include "core/safe_write.h"
#include "graphics/bitmap_writer.h"
#include "core/byte_reader.h"
#include "graphics/dib.h"
#include "graphics/dib256.h"

#include <algorithm>
#include <optional>

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kMaxBitmapBytes = kMaxPixelBytes * 4;

std::string quoted(const fs::path& p)
{
    return "\"" + p.string() + "\"";
}

std::string sizeText(int width, int height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

void write(const fs::path& file, std::span<const std::uint8_t> bytes)
{
    try {
        replaceFile(file, bytes);
    } catch (const WriteFailure& e) {
        throw GeneralError(std::string("Cannot write: ") + e.what());
    }
}

} // namespace

std::string jamUsage()
{
    return "usage: kvrjam -j<file.jam> -b<file.bmp> [-y]   texture to 8-bit bitmap\n"
           "       kvrjam -b<file.bmp> -j<file.jam> [-y]   8-bit bitmap to texture\n"
           "The option given first names the input; each file name follows its letter without a blank.\n"
           "-y is accepted for compatibility: kvrjam never asks. A replaced texture keeps a .orig copy.\n"
           "Exit code 0 on success; 1 when the conversion fails and 2 for a wrong command line, each with\n"
           "a one-line message on stderr. Nothing is written when a conversion fails.\n";
}

JamCommand parseJamCommand(std::span<const std::string> arguments)
{
    std::optional<fs::path> jam;
    std::optional<fs::path> bitmap;
    bool jamFirst = false;
    for (const std::string& a : arguments) {
        if (a == "--help" || a == "-h")
            return JamCommand{};
        if (a == "-y")
            continue;
        const bool isJam = a.starts_with("-j");
        if (!isJam && !a.starts_with("-b"))
            throw GeneralError("unknown argument \"" + a + "\" (see kvrjam --help)");
        auto& slot = isJam ? jam : bitmap;
        if (slot)
            throw GeneralError(std::string(isJam ? "-j" : "-b") + " given twice");
        if (a.size() == 2)
            throw GeneralError(std::string(isJam ? "-j" : "-b") + " needs a file name right after it, as in " +
                               (isJam ? "-jHELMETS1.JAM" : "-bHELMETS.BMP"));
        if (!jam && !bitmap)
            jamFirst = isJam;
        slot = fs::path(a.substr(2));
    }
    if (!jam || !bitmap)
        throw GeneralError("both -j<file.jam> and -b<file.bmp> are needed (see kvrjam --help)");
    return JamCommand{jamFirst ? JamCommand::Kind::JamToBitmap : JamCommand::Kind::BitmapToJam, *jam, *bitmap};
}

JamTexture textureFromBitmap(std::span<const std::uint8_t> bitmapFile)
{
    TDIB256 dib;
    try {
        dib.loadFromBytes(bitmapFile);
    } catch (const GeneralError&) {
        // The plain reader says why: it reads other depths, but no run-length data.
        TDIB probe;
        try {
            probe.loadFromBytes(bitmapFile);
        } catch (const GeneralError&) {
            throw GeneralError("it is not a bitmap file");
        }
        if (probe.empty())
            throw GeneralError("the file is empty");
        if (probe.bitsPerPixel() != 8)
            throw GeneralError("it is a " + std::to_string(probe.bitsPerPixel()) +
                               "-bit bitmap; textures are 8-bit bitmaps (256 colours)");
        throw GeneralError("the 8-bit bitmap is damaged or of a kind textures cannot hold");
    }
    if (dib.width() > jam::kMaxSide || dib.height() > jam::kMaxSide)
        throw GeneralError("the bitmap is " + sizeText(dib.width(), dib.height()) +
                           " pixels; a texture has at most 4096 x 4096");
    JamTexture t;
    t.width = dib.width();
    t.height = dib.height();
    t.colours = dib.colours();
    for (auto& c : t.colours)
        c.reserved = 0;
    t.pixels.reserve(std::size_t(t.width) * t.height);
    for (int y = 0; y < t.height; ++y) {
        const auto row = dib.row(y).first(t.width);
        t.pixels.insert(t.pixels.end(), row.begin(), row.end());
    }
    return t;
}

std::vector<std::uint8_t> bitmapFromTexture(const JamTexture& t)
{
    IndexedPicture picture(t.width, t.height);
    picture.colours = t.colours;
    for (int y = 0; y < t.height; ++y) {
        const auto from = t.pixels.begin() + std::ptrdiff_t(std::size_t(y) * t.width);
        std::copy(from, from + t.width, picture.pixels.begin() + std::ptrdiff_t(std::size_t(y) * picture.stride));
    }
    return encodeBitmap8(picture);
}

void convertJamToBitmap(const fs::path& jam, const fs::path& bitmap)
{
    JamTexture texture;
    try {
        texture = readJamFile(jam);
    } catch (const GeneralError& e) {
        throw GeneralError("cannot read the texture " + quoted(jam) + ": " + e.what());
    }
    write(bitmap, bitmapFromTexture(texture));
}

void convertBitmapToJam(const fs::path& bitmap, const fs::path& jam)
{
    JamTexture texture;
    try {
        texture = textureFromBitmap(readPictureFile(bitmap, kMaxBitmapBytes));
    } catch (const GeneralError& e) {
        throw GeneralError("cannot use the bitmap " + quoted(bitmap) + ": " + e.what());
    }
    std::error_code ec;
    if (fs::exists(jam, ec)) {
        // A texture of another size would break the game's drawing of it; a file we
        // cannot read (another converter's) is simply replaced.
        std::optional<JamTexture> old;
        try {
            old = readJamFile(jam);
        } catch (const GeneralError&) {
        }
        if (old && (old->width != texture.width || old->height != texture.height))
            throw GeneralError("the bitmap " + quoted(bitmap) + " is " + sizeText(texture.width, texture.height) +
                               " pixels but the texture " + quoted(jam) + " is " + sizeText(old->width, old->height) +
                               "; a replacement must have the same size");
        try {
            keepOriginalCopy(jam);
        } catch (const WriteFailure& e) {
            throw GeneralError(e.what());
        }
    }
    write(jam, encodeJam(texture));
}

} // namespace kvr
