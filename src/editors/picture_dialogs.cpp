// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/picture_dialogs.h"

#include "core/errors.h"
#include "core/safe_write.h"
#include "core/tr_marker.h"
#include "graphics/picture_files.h"

#include <algorithm>
#include <cctype>

namespace kvr {

namespace {
Message bitmapFilter()
{
    return fileFilter(KVR_TR_NOOP("Pictures", "BMP files"), "*.BMP");
}
} // namespace

FileRequest openPictureDialog(FileRequest::Kind kind, Message title, const PictureFiles& files)
{
    FileRequest r = FileRequest::forKind(kind, FileRequest::Mode::Open, std::move(title),
                                         fileFilter(KVR_TR_NOOP("Pictures", "Pictures"), files.namePatterns()), "BMP");
    r.otherFilters = {bitmapFilter()};
    return r;
}

FileRequest savePictureDialog(FileRequest::Kind kind, Message title, std::string fileName)
{
    FileRequest r = FileRequest::forKind(kind, FileRequest::Mode::Save, std::move(title), bitmapFilter(), "BMP",
                                         std::move(fileName));
    r.otherFilters = {fileFilter(KVR_TR_NOOP("Pictures", "PNG pictures"), "*.png")};
    return r;
}

bool isPngName(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension == ".png";
}

void savePng(const PictureFiles& files, const IndexedPicture& picture, const std::filesystem::path& file)
{
    const std::vector<std::uint8_t> png = files.indexedPng(picture);
    try {
        replaceFile(file, png);
    } catch (const WriteFailure& e) {
        throw GeneralError(fillIn(KVR_TR_NOOP("Pictures", "%1 cannot be written: %2"), {file.string(), e.reason()}));
    }
}

} // namespace kvr
