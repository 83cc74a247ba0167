#include "graphics/dib.h"

#include "core/safe_write.h"
#include "graphics/bitmap_header.h"
#include "core/byte_reader.h"
#include "graphics/dib256.h"
#include "graphics/graphic_error.h"

#include <algorithm>
#include <limits>

namespace kvr {
namespace {

[[noreturn]] void invalid()
{
    throw InvalidGraphic(kDibInvalid);
}
[[noreturn]] void unknownHeader()
{
    throw InvalidGraphic("");
}

constexpr std::uint64_t kMaxFileBytes = 256ull * 1024 * 1024;

bool knownBitDepth(std::uint16_t bits)
{
    switch (bits) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}

} // namespace

std::uint16_t TDIB::bitsPerPixel() const
{
    return empty() ? 0 : le16(m_image->memory, bmp::kInfoBitCount);
}

std::size_t TDIB::rowSize() const
{
    return empty() ? 0 : std::size_t(bmp::rowSize(bitsPerPixel(), std::uint32_t(width())));
}

std::size_t TDIB::colourCount() const
{
    return empty() ? 0 : (m_image->pixelsOffset - bmp::kInfoHeaderSize) / bmp::kQuadSize;
}

ColourEntry TDIB::colour(std::size_t index) const
{
    if (index >= colourCount())
        return {};
    const auto q = memory().subspan(bmp::kInfoHeaderSize + index * bmp::kQuadSize, bmp::kQuadSize);
    return ColourEntry{q[0], q[1], q[2], q[3]};
}

std::span<const std::uint8_t> TDIB::memory() const
{
    return m_image ? std::span<const std::uint8_t>(m_image->memory) : std::span<const std::uint8_t>();
}

std::span<const std::uint8_t> TDIB::info() const
{
    return memory().first(empty() ? 0 : bmp::kInfoHeaderSize);
}

std::span<std::uint8_t> TDIB::pixels()
{
    if (empty())
        return {};
    return std::span<std::uint8_t>(m_image->memory).subspan(m_image->pixelsOffset);
}

std::span<const std::uint8_t> TDIB::pixels() const
{
    return memory().subspan(empty() ? 0 : m_image->pixelsOffset);
}

void TDIB::loadFromBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty()) {
        m_image = std::make_shared<ImageRecord>();
        return;
    }
    ByteReader in(bytes, [] { invalid(); });
    const auto fileHeader = in.take(bmp::kFileHeaderSize);
    if (le16(fileHeader, 0) != bmp::kSignature)
        invalid();

    const std::uint32_t headerSize = le32(in.peek(4), 0);
    std::vector<std::uint8_t> memory;
    std::uint32_t colours = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bits = 0;
    if (headerSize == bmp::kCoreHeaderSize) {
        const auto core = in.take(bmp::kCoreHeaderSize);
        width = le16(core, bmp::kCoreWidth);
        height = le16(core, bmp::kCoreHeight);
        planes = le16(core, bmp::kCorePlanes);
        bits = le16(core, bmp::kCoreBitCount);
        colours = bmp::defaultColours(bits);
        memory.reserve(bmp::kInfoHeaderSize + colours * bmp::kQuadSize);
        putLe32(memory, bmp::kInfoHeaderSize);
        putLe32(memory, std::uint32_t(width));
        putLe32(memory, std::uint32_t(height));
        putLe16(memory, planes);
        putLe16(memory, bits);
        putLe32(memory, bmp::kUncompressed);
        putLe32(memory, std::uint32_t(bmp::rowSize(bits, std::uint64_t(width)) * std::uint64_t(height)));
        putLe32(memory, 0);
        putLe32(memory, 0);
        putLe32(memory, colours);
        putLe32(memory, colours);
        const auto triples = in.take(std::uint64_t(colours) * bmp::kTripleSize);
        for (std::uint32_t i = 0; i < colours; ++i) {
            const auto t = triples.subspan(i * bmp::kTripleSize, bmp::kTripleSize);
            memory.insert(memory.end(), {t[0], t[1], t[2], 0});
        }
    } else if (headerSize == bmp::kInfoHeaderSize) {
        const auto info = in.take(bmp::kInfoHeaderSize);
        width = std::int32_t(le32(info, bmp::kInfoWidth));
        height = std::int32_t(le32(info, bmp::kInfoHeight));
        planes = le16(info, bmp::kInfoPlanes);
        bits = le16(info, bmp::kInfoBitCount);
        colours = le32(info, bmp::kInfoColoursUsed);
        if (colours == 0)
            colours = bmp::defaultColours(bits);
        const auto table = in.take(std::uint64_t(colours) * bmp::kQuadSize);
        memory.assign(info.begin(), info.end());
        memory.insert(memory.end(), table.begin(), table.end());
    } else {
        unknownHeader();
    }
    // Rows bottom-up only; sizes must be representable, and drawing the picture must
    // not ask for more than the 8-bit view's pixel limit.
    if (width < 0 || height < 0 || !knownBitDepth(bits))
        invalid();
    if (std::uint64_t(width) * std::uint64_t(height) > kMaxPixelBytes)
        invalid();
    const std::uint64_t rowBytes = bmp::rowSize(bits, std::uint64_t(width));
    if (rowBytes != 0 && std::uint64_t(height) > in.remaining() / rowBytes)
        invalid();
    const auto pixelRows = in.take(rowBytes * std::uint64_t(height));

    auto image = std::make_shared<ImageRecord>();
    image->pixelsOffset = memory.size();
    memory.insert(memory.end(), pixelRows.begin(), pixelRows.end());
    image->memory = std::move(memory);
    image->width = std::int32_t(width);
    image->height = std::int32_t(height);
    image->monochrome = planes == 1 && bits == 1;
    m_image = std::move(image);
}

void TDIB::loadFromFile(const std::filesystem::path& file)
{
    loadFromBytes(readPictureFile(file, kMaxFileBytes));
}

std::vector<std::uint8_t> TDIB::saveToBytes() const
{
    std::vector<std::uint8_t> out;
    if (empty())
        return out;
    const auto& mem = m_image->memory;
    out.reserve(bmp::kFileHeaderSize + mem.size());
    putLe16(out, bmp::kSignature);
    putLe32(out, std::uint32_t(mem.size() + bmp::kFileHeaderSize));
    putLe32(out, 0);
    putLe32(out, std::uint32_t(m_image->pixelsOffset + bmp::kFileHeaderSize));
    out.insert(out.end(), mem.begin(), mem.end());
    return out;
}

void TDIB::saveToFile(const std::filesystem::path& file) const
{
    try {
        replaceFile(file, saveToBytes());
    } catch (const WriteFailure& e) {
        throw GeneralError(std::string("Cannot write the bitmap: ") + e.what());
    }
}

} // namespace kvr
