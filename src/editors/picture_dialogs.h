// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_prompt.h"
#include "graphics/bitmap_writer.h"

#include <filesystem>
#include <string>

namespace kvr {

class PictureFiles;

// The picture editors' file dialogs: opening takes every picture `files` reads (offered
// first) or only bitmaps; saving writes a bitmap, or an indexed PNG.
FileRequest openPictureDialog(FileRequest::Kind kind, Message title, const PictureFiles& files);
FileRequest savePictureDialog(FileRequest::Kind kind, Message title, std::string fileName = {});

// Whether a chosen name asks for a PNG rather than a bitmap.
bool isPngName(const std::filesystem::path& file);

// `picture` as an indexed PNG in its colour table, replacing the file whole.
// GeneralError naming the file when it cannot be written.
void savePng(const PictureFiles& files, const IndexedPicture& picture, const std::filesystem::path& file);

} // namespace kvr
