// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/jam_convert.h"

#include "core/byte_reader.h"
#include "core/game_files.h"
#include "core/platform/native_file.h"
#include "core/platform/path_text.h"
#include "core/tr_marker.h"
#include "core/safe_write.h"
#include "graphics/bitmap_file.h"
#include "graphics/bitmap_writer.h"
#include "graphics/graphic_error.h"
#include "textures/converter.h"

#include <algorithm>
#include <optional>

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kMaxBitmapBytes = kMaxPixelBytes * 4;

std::string quoted(const fs::path& p)
{
    // Appended in order: GCC 12 warns, wrongly, of a text put before a temporary.
    std::string text = "\"";
    text += platform::pathText(p);
    text += '"';
    return text;
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

// Writing the output would destroy the input before it is read whole. One file is one
// file by any name: a hard link or a symbolic link too.
void refuseOneFile(const fs::path& input, const fs::path& output)
{
    const platform::FileVersion in = platform::versionOf(input);
    const platform::FileVersion out = platform::versionOf(output);
    if (in.exists && out.exists && in.device == out.device && in.index == out.index)
        throw GeneralError(quoted(input) + " and " + quoted(output) + " are one file; give the output another name");
}

// A bitmap written over one of a game's files would leave the game broken without a
// backup; and a texture's name is the only game file a texture may be written to.
void refuseGameFile(const fs::path& input, const fs::path& output, bool textureOut)
{
    const fs::path inputs[] = {input};
    if (!textureOut) {
        guardOutputPath(output, inputs);
        return;
    }
    for (const auto& game : {gameFolderAround(output), gameFolderAround(input)}) {
        if (!game)
            continue;
        const std::optional<std::string> file = gameFileAt(*game, output);
        if (file && !isGameTexture(*file))
            throw GeneralError("Refusing to write " + quoted(output) + ": it is the game's " + *file + " (in " +
                               quoted(*game) + "), not one of its textures");
    }
}

// What stands at a place that should hold a file: "a folder", "a link to nothing", ...
std::string kindOf(const fs::file_status& place, const fs::path& file)
{
    std::error_code ec;
    switch (place.type()) {
    case fs::file_type::directory:
        return "a folder";
    case fs::file_type::symlink:
        return fs::exists(fs::status(file, ec)) ? "a link" : "a link to nothing";
    case fs::file_type::fifo:
        return "a FIFO";
    case fs::file_type::regular:
        return "a file";
    default:
        return "a special file";
    }
}

// A texture file of ours. A file without our magic is another program's texture,
// not a damaged one of ours: say which converter could read it.
JamTexture readTexture(const fs::path& jam)
{
    const std::vector<std::uint8_t> bytes = readPictureFile(jam, jam::kMaxFileBytes);
    try {
        return decodeJam(bytes);
    } catch (const InvalidJam& e) {
        if (!hasJamMagic(bytes))
            throw GeneralError(std::string("it is in another format than kvrjam's textures; name a converter for "
                                           "the game's own format in ") +
                               kConverterVariable);
        throw GeneralError(std::string("the texture is damaged: ") + e.what());
    }
}

} // namespace

std::string jamUsage()
{
    return "Usage: kvrjam -j<file.jam> -b<file.bmp> [-y]\n"
           "  or:  kvrjam -b<file.bmp> -j<file.jam> [-y]\n"
           "  or:  kvrjam --help | --version\n"
           "Converts a texture to an 8-bit bitmap (-j first) or an 8-bit bitmap to a texture (-b first).\n"
           "\n"
           "The option given first names the input; each file name follows its letter without a blank.\n"
           "-y is accepted for compatibility: kvrjam never asks. Only a texture of kvrjam's own format and\n"
           "of the bitmap's size is replaced; it keeps a .orig copy.\n"
           "\n"
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
        if (a == "--version")
            return JamCommand{JamCommand::Kind::Version, {}, {}};
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
        slot = platform::pathFromText(a.substr(2));
    }
    if (!jam || !bitmap)
        throw GeneralError("both -j<file.jam> and -b<file.bmp> are needed (see kvrjam --help)");
    return JamCommand{jamFirst ? JamCommand::Kind::JamToBitmap : JamCommand::Kind::BitmapToJam, *jam, *bitmap};
}

JamTexture textureFromBitmap(std::span<const std::uint8_t> bitmapFile)
{
    BitmapImage bitmap;
    try {
        bitmap = readBitmapFile(bitmapFile);
    } catch (const InvalidGraphic& e) {
        throw GeneralError(messageOf(e));
    }
    if (bitmap.bitsPerPixel != 8)
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Pictures", "it is a %1-bit bitmap; textures are 8-bit bitmaps (256 colours)"),
                   {std::to_string(bitmap.bitsPerPixel)}));
    if (bitmap.planes != 1)
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "it has %1 colour planes; bitmaps have 1"),
                                  {std::to_string(bitmap.planes)}));
    if (bitmap.width < 1 || bitmap.height < 1 || bitmap.width > jam::kMaxSide || bitmap.height > jam::kMaxSide)
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Pictures", "the bitmap is %1 x %2 pixels; a texture has 1 to 4096 each way"),
                   {std::to_string(bitmap.width), std::to_string(bitmap.height)}));
    JamTexture t;
    t.width = std::uint16_t(bitmap.width);
    t.height = std::uint16_t(bitmap.height);
    for (std::size_t i = 0; i < bitmap.colourCount(); ++i) {
        const auto q = std::span(bitmap.colourTable).subspan(i * bmp::kQuadSize, bmp::kQuadSize);
        t.colours[i] = ColourEntry{q[0], q[1], q[2], 0};
    }
    // Bitmap rows run bottom-up, padded; texture rows top-down, not.
    const std::size_t rowSize = bitmap.rowSize();
    t.pixels.reserve(std::size_t(t.width) * t.height);
    for (std::size_t y = t.height; y-- > 0;) {
        const auto row = bitmap.rows.begin() + std::ptrdiff_t(y * rowSize);
        t.pixels.insert(t.pixels.end(), row, row + t.width);
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
    refuseOneFile(jam, bitmap);
    refuseGameFile(jam, bitmap, false);
    JamTexture texture;
    try {
        texture = readTexture(jam);
    } catch (const GeneralError& e) {
        throw GeneralError("cannot read the texture " + quoted(jam) + ": " + e.what());
    }
    write(bitmap, bitmapFromTexture(texture));
}

void convertBitmapToJam(const fs::path& bitmap, const fs::path& jam)
{
    refuseOneFile(bitmap, jam);
    refuseGameFile(bitmap, jam, true);
    JamTexture texture;
    try {
        texture = textureFromBitmap(readPictureFile(bitmap, kMaxBitmapBytes));
    } catch (const GeneralError& e) {
        throw GeneralError("cannot use the bitmap " + quoted(bitmap) + ": " + e.what());
    }
    std::error_code ec;
    const fs::file_status place = fs::symlink_status(jam, ec);
    if (!fs::exists(place)) {
        write(jam, encodeJam(texture));
        return;
    }
    // Only a texture we can read, of the same size, is ever replaced: anything else
    // may be what the game needs, and its backup may be gone or elsewhere.
    const std::string cannot = "cannot replace " + quoted(jam) + ": ";
    if (!fs::is_regular_file(fs::status(jam, ec)))
        throw GeneralError(cannot + "it is " + kindOf(place, jam) + ", not a texture file");
    JamTexture old;
    try {
        old = readTexture(jam);
    } catch (const GeneralError& e) {
        throw GeneralError(cannot + e.what());
    }
    if (old.width != texture.width || old.height != texture.height)
        throw GeneralError("the bitmap " + quoted(bitmap) + " is " + sizeText(texture.width, texture.height) +
                           " pixels but the texture " + quoted(jam) + " is " + sizeText(old.width, old.height) +
                           "; a replacement must have the same size");
    const fs::path backup = originalCopyPath(jam);
    const fs::file_status backupPlace = fs::symlink_status(backup, ec);
    if (fs::exists(backupPlace) && !fs::is_regular_file(backupPlace))
        throw GeneralError(cannot + "its backup's place " + quoted(backup) + " holds " + kindOf(backupPlace, backup) +
                           ", not a copy of the texture");
    try {
        keepOriginalCopy(jam);
    } catch (const WriteFailure& e) {
        throw GeneralError(e.what());
    }
    write(jam, encodeJam(texture));
}

} // namespace kvr
