#include "textures/bitmap_check.h"

#include "graphics/bitmap_header.h"
#include "core/byte_reader.h"
#include "graphics/dib.h"
#include "core/errors.h"
#include "textures/jam_convert.h"

namespace kvr {
namespace {

bool compressed(const TDIB& bitmap)
{
    return !bitmap.empty() && le32(bitmap.info(), bmp::kInfoCompression) != bmp::kUncompressed;
}

} // namespace

std::string describeBitmap(const TDIB& bitmap)
{
    if (bitmap.empty())
        return "an empty file";
    const int bits = bitmap.bitsPerPixel();
    const bool vowel = bits == 8 || bits == 11 || bits == 18;
    std::string text = compressed(bitmap) ? "a compressed " : vowel ? "an " : "a ";
    return text + std::to_string(bits) + "-bit bitmap of " + std::to_string(bitmap.width()) + " x " +
           std::to_string(bitmap.height()) + " pixels";
}

std::optional<std::string> bitmapProblem(const TDIB& bitmap, int width, int height, const std::string& what)
{
    if (!bitmap.empty() && bitmap.bitsPerPixel() == 8 && !compressed(bitmap) && bitmap.width() == width &&
        bitmap.height() == height)
        return std::nullopt;
    return what + " must be an uncompressed 8-bit (256 colour) bitmap of " + std::to_string(width) + " x " +
           std::to_string(height) + " pixels; this is " + describeBitmap(bitmap) + ".";
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
