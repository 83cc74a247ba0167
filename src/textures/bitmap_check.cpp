// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/bitmap_check.h"

#include "graphics/dib.h"
#include "core/errors.h"
#include "core/tr_marker.h"
#include "textures/jam_convert.h"

namespace kvr {

Message describeBitmap(const TDIB& bitmap)
{
    if (bitmap.empty())
        return KVR_TR_NOOP("Pictures", "an empty file");
    const int bits = bitmap.bitsPerPixel();
    // English says "an 8-bit", "a 24-bit": each is a pattern of its own.
    const bool vowel = bits == 8 || bits == 11 || bits == 18;
    return fillIn(vowel ? KVR_TR_NOOP("Pictures", "an %1-bit bitmap of %2 x %3 pixels")
                        : KVR_TR_NOOP("Pictures", "a %1-bit bitmap of %2 x %3 pixels"),
                  {std::to_string(bits), std::to_string(bitmap.width()), std::to_string(bitmap.height())});
}

std::optional<Message> bitmapProblem(const TDIB& bitmap, int width, int height, Marked pattern)
{
    if (!bitmap.empty() && bitmap.bitsPerPixel() == 8 && bitmap.width() == width && bitmap.height() == height)
        return std::nullopt;
    return fillIn(pattern, {std::to_string(width), std::to_string(height), describeBitmap(bitmap)});
}

std::optional<Message> textureBitmapProblem(std::span<const std::uint8_t> bitmapFile)
{
    try {
        textureFromBitmap(bitmapFile);
    } catch (const GeneralError& e) {
        return fillIn(KVR_TR_NOOP("Pictures", "The converter cannot put it into the game: %1."), {messageOf(e)});
    }
    return std::nullopt;
}

} // namespace kvr
