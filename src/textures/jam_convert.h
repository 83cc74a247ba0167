// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textures/jam_file.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace kvr {

// What the converter's command line asks for. The option given first names the input:
// "-j<jam> -b<bmp> -y" turns the texture into a bitmap, "-b<bmp> -j<jam> -y" the other
// way. "-y" (answer yes) is accepted anywhere; the converter never asks anything.
struct JamCommand {
    enum class Kind { Help, JamToBitmap, BitmapToJam, Version };
    Kind kind = Kind::Help;
    std::filesystem::path jam;
    std::filesystem::path bitmap;
};

// Throws GeneralError with a one-line reason for a command line it cannot follow.
JamCommand parseJamCommand(std::span<const std::string> arguments);
std::string jamUsage();

// An 8-bit bitmap as a texture, read as every bitmap loader of the editor reads it
// (readBitmapFile). GeneralError names what is wrong: not a bitmap, another depth, a
// size a texture cannot have.
JamTexture textureFromBitmap(std::span<const std::uint8_t> bitmapFile);

// An uncompressed 8-bit bitmap with 256 colours, rows bottom-up: the same bytes the
// editor's own bitmap writer makes, so bitmap -> texture -> bitmap gives the file back.
std::vector<std::uint8_t> bitmapFromTexture(const JamTexture& texture);

// The converter's two directions. The output is written whole or not at all, and never
// over the input (the same file by any name). Only a texture file kvrjam can read, of
// the bitmap's size, is replaced; it keeps its first ".orig" copy, whose place must hold
// a regular file or nothing. Another program's texture file, or anything but a regular
// file, is refused and left as it is. Throw GeneralError with a one-line reason.
void convertJamToBitmap(const std::filesystem::path& jam, const std::filesystem::path& bitmap);
void convertBitmapToJam(const std::filesystem::path& bitmap, const std::filesystem::path& jam);

} // namespace kvr
