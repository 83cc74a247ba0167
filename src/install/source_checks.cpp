// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/source_checks.h"

#include "core/byte_reader.h"
#include "core/tr_marker.h"
#include "textures/jam_file.h"

#include <algorithm>

namespace kvr {
namespace fs = std::filesystem;

namespace {

namespace pcx {
constexpr std::size_t kHeaderSize = 128;
constexpr std::uint8_t kManufacturer = 0x0A;
constexpr std::uint8_t kRunLength = 1;
constexpr std::size_t kEncodingAt = 2;
constexpr std::size_t kBitsAt = 3;
constexpr std::size_t kWindowAt = 4; // xmin, ymin, xmax, ymax
constexpr std::size_t kPlanesAt = 65;
constexpr std::size_t kBytesPerLineAt = 66;
constexpr std::size_t kPaletteSize = 1 + 256 * 3; // a marker byte, then the colours
constexpr std::uint8_t kPaletteMarker = 0x0C;
constexpr std::uint8_t kRunFlag = 0xC0;
constexpr std::uint8_t kRunCount = 0x3F;
} // namespace pcx

Message byteCount(std::size_t n)
{
    return fillIn(n == 1 ? KVR_TR_NOOP("Installers", "%1 byte") : KVR_TR_NOOP("Installers", "%1 bytes"),
                  {std::to_string(n)});
}

std::string sizeText(long width, long height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

// How many rows of `bytesPerLine` bytes the run-length data holds, at most `rows`.
std::size_t pcxRowsHeld(std::span<const std::uint8_t> data, std::size_t bytesPerLine, std::size_t rows)
{
    const std::uint64_t needed = std::uint64_t(bytesPerLine) * rows;
    std::uint64_t held = 0;
    for (std::size_t at = 0; at < data.size() && held < needed; ++at) {
        if ((data[at] & pcx::kRunFlag) != pcx::kRunFlag) {
            ++held;
        } else if (at + 1 < data.size()) {
            held += data[at] & pcx::kRunCount;
            ++at;
        } else {
            break;
        }
    }
    return bytesPerLine == 0 ? rows : std::size_t(std::min(held, needed) / bytesPerLine);
}

} // namespace

std::optional<Message> cockpitPictureProblem(std::span<const std::uint8_t> bytes, int width, int height)
{
    if (bytes.size() < pcx::kHeaderSize)
        return fillIn(KVR_TR_NOOP("Installers", "it is %1 long; a PCX picture's header alone takes 128"),
                      {byteCount(bytes.size())});
    if (bytes[0] != pcx::kManufacturer)
        return Message(KVR_TR_NOOP("Installers", "it is not a PCX picture (it does not start with the byte 0x0A)"));
    if (bytes[pcx::kBitsAt] != 8 || bytes[pcx::kPlanesAt] != 1)
        return fillIn(KVR_TR_NOOP("Installers", "it is a PCX picture of %1 bits in %2 planes; the cockpit needs 256 "
                                                "colours (8 bits, 1 plane)"),
                      {std::to_string(bytes[pcx::kBitsAt]), std::to_string(bytes[pcx::kPlanesAt])});
    if (bytes[pcx::kEncodingAt] != pcx::kRunLength)
        return Message(
            KVR_TR_NOOP("Installers", "its rows are not run-length coded, as the game's cockpit pictures are"));
    const long w = long(le16(bytes, pcx::kWindowAt + 4)) - le16(bytes, pcx::kWindowAt) + 1;
    const long h = long(le16(bytes, pcx::kWindowAt + 6)) - le16(bytes, pcx::kWindowAt + 2) + 1;
    if (w != width || h != height)
        return fillIn(KVR_TR_NOOP("Installers", "it is a picture of %1 pixels; this cockpit picture must be %2"),
                      {sizeText(w, h), sizeText(width, height)});
    const std::size_t bytesPerLine = le16(bytes, pcx::kBytesPerLineAt);
    if (bytesPerLine < std::size_t(width))
        return fillIn(KVR_TR_NOOP("Installers", "its header gives rows of %1 for a width of %2"),
                      {byteCount(bytesPerLine), std::to_string(width)});
    if (bytes.size() < pcx::kHeaderSize + pcx::kPaletteSize ||
        bytes[bytes.size() - pcx::kPaletteSize] != pcx::kPaletteMarker)
        return Message(KVR_TR_NOOP("Installers", "the 256-colour palette at its end is missing"));
    const auto data = bytes.subspan(pcx::kHeaderSize, bytes.size() - pcx::kHeaderSize - pcx::kPaletteSize);
    if (const std::size_t rows = pcxRowsHeld(data, bytesPerLine, std::size_t(height)); rows < std::size_t(height))
        return fillIn(KVR_TR_NOOP("Installers", "its pixel data ends after %1 of its %2 rows"),
                      {std::to_string(rows), std::to_string(height)});
    return std::nullopt;
}

std::optional<Message> carTextureProblem(std::span<const std::uint8_t> bytes, const fs::path& replaced)
{
    JamTexture texture;
    try {
        texture = decodeJam(bytes);
    } catch (const InvalidJam& e) {
        return fillIn(KVR_TR_NOOP("Installers", "it is not a texture the converter can read: %1"), {kvr::messageOf(e)});
    }
    std::error_code ec;
    if (!fs::exists(replaced, ec))
        return std::nullopt;
    JamTexture old;
    try {
        old = readJamFile(replaced);
    } catch (const GeneralError&) {
        // Another program's texture: it has no size we could compare.
        return std::nullopt;
    }
    if (old.width != texture.width || old.height != texture.height)
        return fillIn(KVR_TR_NOOP("Installers", "it is a texture of %1 pixels, but %2 is %3; a replacement must have "
                                                "the same size"),
                      {sizeText(texture.width, texture.height), replaced.string(), sizeText(old.width, old.height)});
    return std::nullopt;
}

std::optional<Message> blockFileProblem(std::span<const std::uint8_t> bytes, std::size_t length)
{
    if (bytes.size() == length)
        return std::nullopt;
    return fillIn(KVR_TR_NOOP("Installers", "it is %1 long; its block is exactly %2"),
                  {byteCount(bytes.size()), byteCount(length)});
}

Message badSourceText(const Message& heading, const fs::path& file, const Message& problem)
{
    return heading + "\n" + fillIn(KVR_TR_NOOP("Installers", "%1: %2"), {file.string(), problem});
}

} // namespace kvr
