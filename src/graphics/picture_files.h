// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/bitmap_writer.h"
#include "graphics/painted_picture.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace kvr {

// How the picture editors read a painter's files and write indexed PNGs. The core knows
// only 8-bit bitmaps; the windows hand in one that reads what Qt reads.
class PictureFiles {
  public:
    virtual ~PictureFiles() = default;
    // The picture with its colours (and pixel numbers where it has a colour table).
    // Throws GeneralError naming the file and why it cannot be read.
    virtual PaintedPicture read(const std::filesystem::path& file) const;
    // "*.png *.bmp ...": the files read() takes, for a file dialog.
    virtual std::string namePatterns() const;
    // An indexed PNG in the picture's colour table; GeneralError where none can be made.
    virtual std::vector<std::uint8_t> indexedPng(const IndexedPicture& picture) const;
};

// The colours (and pixel numbers) of an 8-bit bitmap file. InvalidGraphic when it is none.
PaintedPicture paintedFromBitmap(std::span<const std::uint8_t> bytes);

} // namespace kvr
