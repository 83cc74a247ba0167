// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_writer.h"
#include "graphics/painted_picture.h"
#include "graphics/picture_files.h"

#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace kvrgui {

// The most pixels a picture may have to be read.
inline constexpr std::uint64_t kMaxPicturePixels = 4096ull * 4096;

// A picture file as a painter saves it: PNG, BMP of any depth, JPEG, GIF, TGA and what
// else Qt's image readers know here, told apart by their bytes, not their names. An
// 8-bit bitmap is read by the editor's own bitmap reader (as every other loader of the
// editor reads it), and it and every other picture with a colour table (PNG, GIF) keeps
// its pixel numbers and table (Qt's GIF reader gives colours only). Throws
// kvr::InvalidGraphic naming the file and why, kvr::GeneralError when it cannot be read.
kvr::PaintedPicture readPicture(const std::filesystem::path& file);
// `formatHint` ("tga", from a file name) is tried first, for formats without a signature.
kvr::PaintedPicture readPictureBytes(std::span<const std::uint8_t> bytes, const std::string& formatHint = {});

// "*.png", "*.bmp", ... : the files readPicture takes, for file dialogs.
QStringList pictureNamePatterns();

// An indexed PNG of the picture in its colour table (all 256 entries, 8 bits a pixel): a
// paint program opens it in indexed mode, and readPicture gives back the same numbers.
std::vector<std::uint8_t> encodeIndexedPng(const kvr::IndexedPicture& picture);

// Writes it, replacing the file whole. kvr::GeneralError when it cannot be written.
void saveIndexedPng(const kvr::IndexedPicture& picture, const std::filesystem::path& file);

// The picture editors' way to the formats above.
class QtPictureFiles : public kvr::PictureFiles {
  public:
    kvr::PaintedPicture read(const std::filesystem::path& file) const override;
    std::string namePatterns() const override;
    std::vector<std::uint8_t> indexedPng(const kvr::IndexedPicture& picture) const override;
};

} // namespace kvrgui
