// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/bitmap_check.h"

#include "graphics/dib.h"
#include "core/errors.h"
#include "textures/jam_convert.h"

namespace kvr {

std::string describeBitmap(const TDIB& bitmap)
{
    if (bitmap.empty())
        return "an empty file";
    const int bits = bitmap.bitsPerPixel();
    const bool vowel = bits == 8 || bits == 11 || bits == 18;
    return std::string(vowel ? "an " : "a ") + std::to_string(bits) + "-bit bitmap of " +
           std::to_string(bitmap.width()) + " x " + std::to_string(bitmap.height()) + " pixels";
}

std::optional<std::string> bitmapProblem(const TDIB& bitmap, int width, int height, const std::string& what)
{
    if (!bitmap.empty() && bitmap.bitsPerPixel() == 8 && bitmap.width() == width && bitmap.height() == height)
        return std::nullopt;
    return what + " must be an 8-bit (256 colour) bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels; this is " + describeBitmap(bitmap) + ".";
}

std::optional<std::string> textureBitmapProblem(std::span<const std::uint8_t> bitmapFile)
{
    try {
        textureFromBitmap(bitmapFile);
    } catch (const GeneralError& e) {
        std::string reason = e.what();
        return "The converter cannot put it into the game: " + reason + ".";
    }
    return std::nullopt;
}

} // namespace kvr
