// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picture_file_qt.h"

#include "core/errors.h"
#include "core/input_file.h"
#include "core/safe_write.h"
#include "core/tr_marker.h"
#include "graphics/graphic_error.h"
#include "graphics/picture_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <set>

namespace kvrgui {
namespace {

// Picture files are small; this is far beyond any painting of the game's size.
constexpr std::uint64_t kMaxPictureFileBytes = 64ull * 1024 * 1024;

bool isEightBitBitmap(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 30 && bytes[0] == 'B' && bytes[1] == 'M' && bytes[28] == 8 && bytes[29] == 0;
}

kvr::Message tooLarge(std::uint64_t width, std::uint64_t height)
{
    return kvr::fillIn(KVR_TR_NOOP("Pictures", "it has %1 x %2 pixels, more than the %3 pixels that are read"),
                       {std::to_string(width), std::to_string(height), std::to_string(kMaxPicturePixels)});
}

kvr::PaintedPicture fromIndexedImage(const QImage& image)
{
    kvr::PaintedPicture p;
    p.width = image.width();
    p.height = image.height();
    const QList<QRgb> table = image.colorTable();
    std::array<std::uint8_t, kvr::kColourCount> alpha{};
    for (int i = 0; i < kvr::kColourCount; ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        p.colours[std::size_t(i)] = kvr::rgb(std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c)));
        alpha[std::size_t(i)] = std::uint8_t(qAlpha(c));
    }
    p.indices.resize(p.pixelCount());
    p.rgba.resize(p.pixelCount() * 4);
    for (int y = 0; y < p.height; ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < p.width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(p.width) + std::size_t(x);
            const std::uint8_t index = line[x];
            const kvr::ColourEntry& c = p.colours[index];
            p.indices[i] = index;
            std::uint8_t* o = p.rgba.data() + 4 * i;
            o[0] = c.red;
            o[1] = c.green;
            o[2] = c.blue;
            o[3] = alpha[index];
        }
    }
    return p;
}

kvr::PaintedPicture fromImage(const QImage& image)
{
    if (image.format() == QImage::Format_Indexed8)
        return fromIndexedImage(image);
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
        return fromIndexedImage(image.convertToFormat(QImage::Format_Indexed8));
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    kvr::PaintedPicture p;
    p.width = rgba.width();
    p.height = rgba.height();
    p.rgba.resize(p.pixelCount() * 4);
    for (int y = 0; y < p.height; ++y)
        std::copy_n(rgba.constScanLine(y), std::size_t(p.width) * 4, p.rgba.data() + std::size_t(y) * p.width * 4);
    return p;
}

} // namespace

kvr::PaintedPicture readPictureBytes(std::span<const std::uint8_t> bytes, const std::string& formatHint)
{
    if (isEightBitBitmap(bytes))
        return kvr::paintedFromBitmap(bytes);
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    // TGA files carry no signature at their start: the name's format is tried first, then
    // whatever the bytes say.
    std::vector<QByteArray> formats;
    const QByteArray hint = QByteArray::fromStdString(formatHint).toLower();
    if (!hint.isEmpty() && QImageReader::supportedImageFormats().contains(hint))
        formats.push_back(hint);
    formats.push_back({});
    QString error;
    for (const QByteArray& format : formats) {
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, format);
        reader.setAutoTransform(true);
        if (!reader.canRead()) {
            error = reader.errorString();
            continue;
        }
        const QSize size = reader.size();
        if (size.isValid() && std::uint64_t(size.width()) * std::uint64_t(size.height()) > kMaxPicturePixels)
            throw kvr::InvalidGraphic(tooLarge(std::uint64_t(size.width()), std::uint64_t(size.height())));
        const QImage image = reader.read();
        if (image.isNull()) {
            error = reader.errorString();
            continue;
        }
        if (std::uint64_t(image.width()) * std::uint64_t(image.height()) > kMaxPicturePixels)
            throw kvr::InvalidGraphic(tooLarge(std::uint64_t(image.width()), std::uint64_t(image.height())));
        return fromImage(image);
    }
    if (error.isEmpty() || error == "Unsupported image format")
        throw kvr::InvalidGraphic(KVR_TR_NOOP("Pictures", "it is not a picture in a format this program reads"));
    throw kvr::InvalidGraphic(
        kvr::fillIn(KVR_TR_NOOP("Pictures", "it cannot be read as a picture: %1"), {error.toStdString()}));
}

kvr::PaintedPicture readPicture(const std::filesystem::path& file)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = kvr::readInputFile(file, kMaxPictureFileBytes);
    } catch (const kvr::InputFileError& e) {
        throw kvr::GeneralError(
            kvr::fillIn(KVR_TR_NOOP("Pictures", "The picture %1 cannot be read: %2"), {file.string(), kvr::messageOf(e)}));
    }
    try {
        std::string suffix = file.extension().string();
        return readPictureBytes(bytes, suffix.empty() ? suffix : suffix.substr(1));
    } catch (const kvr::InvalidGraphic& e) {
        throw kvr::InvalidGraphic(
            kvr::fillIn(KVR_TR_NOOP("Pictures", "The picture %1 is not usable: %2"), {file.string(), kvr::messageOf(e)}));
    }
}

QStringList pictureNamePatterns()
{
    std::set<QString> names = {"*.bmp", "*.png"};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString f = QString::fromLatin1(format).toLower();
        // Only formats a paint program saves paintings in; not icons, vector or mouse cursors.
        if (f == "jpg" || f == "jpeg" || f == "gif" || f == "tga" || f == "tif" || f == "tiff" || f == "webp")
            names.insert("*." + f);
    }
    return QStringList(names.begin(), names.end());
}

std::vector<std::uint8_t> encodeIndexedPng(const kvr::IndexedPicture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const kvr::ColourEntry& c : picture.colours)
        table.push_back(qRgb(c.red, c.green, c.blue));
    image.setColorTable(table);
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.pixels.begin() + std::ptrdiff_t(std::size_t(y) * picture.stride), picture.width,
                    image.scanLine(y));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw kvr::GeneralError(KVR_TR_NOOP("Pictures", "The PNG picture cannot be made"));
    return {png.begin(), png.end()};
}

void saveIndexedPng(const kvr::IndexedPicture& picture, const std::filesystem::path& file)
{
    const std::vector<std::uint8_t> png = encodeIndexedPng(picture);
    try {
        kvr::replaceFile(file, png);
    } catch (const kvr::WriteFailure& e) {
        throw kvr::GeneralError(
            kvr::fillIn(KVR_TR_NOOP("Pictures", "%1 cannot be written: %2"), {file.string(), e.reason()}));
    }
}

} // namespace kvrgui

namespace kvrgui {

kvr::PaintedPicture QtPictureFiles::read(const std::filesystem::path& file) const
{
    return readPicture(file);
}

std::string QtPictureFiles::namePatterns() const
{
    return pictureNamePatterns().join(' ').toStdString();
}

std::vector<std::uint8_t> QtPictureFiles::indexedPng(const kvr::IndexedPicture& picture) const
{
    return encodeIndexedPng(picture);
}

} // namespace kvrgui
