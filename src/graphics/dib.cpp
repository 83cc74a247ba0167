// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/dib.h"

#include "core/byte_reader.h"
#include "core/safe_write.h"
#include "core/tr_marker.h"
#include "graphics/bitmap_file.h"
#include "graphics/bitmap_header.h"
#include "graphics/graphic_error.h"

namespace kvr {
namespace {

constexpr std::uint64_t kMaxFileBytes = 256ull * 1024 * 1024;

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
    BitmapImage file;
    try {
        file = readBitmapFile(bytes);
    } catch (const InvalidGraphic& e) {
        throw InvalidGraphic(fillIn(KVR_TR_NOOP("Pictures", "%1: %2"), {kDibInvalid, kvr::messageOf(e)}));
    }
    auto image = std::make_shared<ImageRecord>();
    image->memory = std::move(file.info);
    image->memory.insert(image->memory.end(), file.colourTable.begin(), file.colourTable.end());
    image->pixelsOffset = image->memory.size();
    image->memory.insert(image->memory.end(), file.rows.begin(), file.rows.end());
    image->width = file.width;
    image->height = file.height;
    image->monochrome = file.planes == 1 && file.bitsPerPixel == 1;
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
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "Cannot write the bitmap: %1"), {kvr::messageOf(e)}));
    }
}

} // namespace kvr
