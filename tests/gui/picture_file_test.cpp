// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the pictures a painter saves, and the indexed PNG the editor saves: colours,
// pixel numbers and colour tables as the files hold them.
#include "graphics/bitmap_writer.h"
#include "graphics/graphic_error.h"
#include "graphics/palette_remap.h"
#include "widgets/picture_file_qt.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

namespace {

std::vector<std::uint8_t> bytesOf(const QImage& image, const char* format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return {};
    return {data.begin(), data.end()};
}

// Four colours in a 4 x 2 picture: red, green, blue, white over grey, black, ... .
QImage trueColour(QImage::Format format)
{
    QImage image(4, 2, format);
    const QRgb colours[8] = {qRgb(255, 0, 0),     qRgb(0, 255, 0), qRgb(0, 0, 255),   qRgb(255, 255, 255),
                             qRgb(128, 128, 128), qRgb(0, 0, 0),   qRgb(10, 200, 30), qRgb(250, 120, 20)};
    for (int i = 0; i < 8; ++i)
        image.setPixel(i % 4, i / 4, colours[i]);
    return image;
}

kvr::ColourTable ramp()
{
    kvr::ColourTable t{};
    for (int i = 0; i < 256; ++i)
        t[std::size_t(i)] = kvr::rgb(std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t((i * 7) % 256));
    return t;
}

std::vector<std::uint8_t> rgbOf(const kvr::PaintedPicture& p)
{
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < p.pixelCount(); ++i)
        out.insert(out.end(), p.pixel(i), p.pixel(i) + 3);
    return out;
}

const std::vector<std::uint8_t> kTrueColours = {255, 0,   0,   0, 255, 0, 0,  0,   255, 255, 255, 255,
                                                128, 128, 128, 0, 0,   0, 10, 200, 30,  250, 120, 20};

} // namespace

class PictureFileTest : public QObject {
    Q_OBJECT

  private slots:
    void readsTrueColourPicturesOfEveryLosslessFormat_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("qtFormat");
        QTest::newRow("PNG") << QByteArray("PNG") << int(QImage::Format_RGB32);
        QTest::newRow("PNG with alpha") << QByteArray("PNG") << int(QImage::Format_ARGB32);
        QTest::newRow("24-bit BMP") << QByteArray("BMP") << int(QImage::Format_RGB888);
        QTest::newRow("32-bit BMP") << QByteArray("BMP") << int(QImage::Format_RGB32);
        QTest::newRow("PPM") << QByteArray("PPM") << int(QImage::Format_RGB32);
    }
    void readsTrueColourPicturesOfEveryLosslessFormat()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, qtFormat);
        const auto bytes = bytesOf(trueColour(QImage::Format(qtFormat)), format.constData());
        QVERIFY(!bytes.empty());
        const kvr::PaintedPicture p = kvrgui::readPictureBytes(bytes);
        QCOMPARE(p.width, 4);
        QCOMPARE(p.height, 2);
        QVERIFY(!p.indexed());
        QCOMPARE(rgbOf(p), kTrueColours);
        for (std::size_t i = 0; i < p.pixelCount(); ++i)
            QCOMPARE(p.pixel(i)[3], std::uint8_t(255));
    }


    void keepsTheAlphaOfATransparentPng()
    {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(255, 0, 0, 0));
        image.setPixel(1, 0, qRgba(0, 0, 255, 128));
        const kvr::PaintedPicture p = kvrgui::readPictureBytes(bytesOf(image, "PNG"));
        QCOMPARE(p.pixel(0)[3], std::uint8_t(0));
        QCOMPARE(p.pixel(1)[3], std::uint8_t(128));
        QCOMPARE(p.pixel(1)[2], std::uint8_t(255));
    }

    void anEightBitBitmapKeepsItsNumbersAndTable_data()
    {
        QTest::addColumn<bool>("runLength");
        QTest::newRow("plain") << false;
        QTest::newRow("run-length") << true;
    }
    void anEightBitBitmapKeepsItsNumbersAndTable()
    {
        QFETCH(bool, runLength);
        kvr::IndexedPicture picture(5, 3);
        for (int i = 0; i < 15; ++i)
            picture.set(i % 5, i / 5, std::uint8_t(i * 17));
        picture.colours = ramp();
        const kvr::PaintedPicture p = kvrgui::readPictureBytes(kvr::encodeBitmap8(picture, {.runLength = runLength}));
        QVERIFY(p.indexed());
        QCOMPARE(p.colours, ramp());
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(p.indices[std::size_t(i)], std::uint8_t(i * 17));
            QCOMPARE(p.pixel(std::size_t(i))[0], std::uint8_t(i * 17)); // red is the number in this ramp
        }
    }

    void anIndexedPngRoundTripsExactlyAndShowsItsTableToPaintPrograms()
    {
        kvr::IndexedPicture picture(256, 164);
        for (int y = 0; y < 164; ++y)
            for (int x = 0; x < 256; ++x)
                picture.set(x, y, std::uint8_t((x * 3 + y) % 256));
        picture.colours = ramp();
        picture.colours[200] = picture.colours[100]; // a repeated colour keeps both numbers
        const std::vector<std::uint8_t> png = kvrgui::encodeIndexedPng(picture);
        // Colour type 3 (palette), 8 bits a pixel, and a PLTE chunk of all 256 entries.
        QCOMPARE(png[24], std::uint8_t(8));
        QCOMPARE(png[25], std::uint8_t(3));
        const std::string text(png.begin(), png.end());
        const std::size_t plte = text.find("PLTE");
        QVERIFY(plte != std::string::npos);
        QCOMPARE(std::uint32_t(png[plte - 2]) << 8 | png[plte - 1], 768u);

        const kvr::PaintedPicture back = kvrgui::readPictureBytes(png);
        QVERIFY(back.indexed());
        QCOMPARE(back.colours, picture.colours);
        std::vector<std::uint8_t> expected;
        for (int y = 0; y < 164; ++y)
            for (int x = 0; x < 256; ++x)
                expected.push_back(picture.at(x, y));
        QCOMPARE(back.indices, expected);
        // And it converts to the same numbers, as a picture in the palette.
        const kvr::PaletteRemap remap(back, picture.colours);
        QVERIFY(remap.exact());
        QCOMPARE(remap.convert({}).picture.pixels, picture.pixels);

        QTemporaryDir dir;
        const std::filesystem::path file = dir.filePath("h.png").toStdString();
        kvrgui::saveIndexedPng(picture, file);
        QCOMPARE(kvrgui::readPicture(file).indices, expected);
    }

    void readsGifAndTgaAsPaintProgramsWriteThem_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("readable");
        // Qt's GIF reader gives the colours, not the numbers.
        QTest::newRow("GIF") << "gif" << QStringList{} << true;
        // Qt's TGA reader takes uncompressed TGA 2.0 files (with the closing signature).
        QTest::newRow("TGA") << "tga" << QStringList{"-type", "TrueColor", "-compress", "None", "-orient", "TopLeft"} << true;
        QTest::newRow("TGA with alpha") << "tga" << QStringList{"-type", "TrueColorAlpha", "-orient", "TopLeft"} << true;
        QTest::newRow("TGA, run-length") << "tga" << QStringList{"-type", "TrueColor", "-compress", "RLE"} << false;
    }
    void readsGifAndTgaAsPaintProgramsWriteThem()
    {
        QFETCH(QString, format);
        QFETCH(QStringList, options);
        QFETCH(bool, readable);
#ifdef _WIN32
        QSKIP("the Linux build makes these files with ImageMagick");
#endif
        if (!QFile::exists("/usr/bin/convert"))
            QSKIP("ImageMagick's convert is not installed");
        if (!QImageReader::supportedImageFormats().contains(format.toLatin1()))
            QSKIP("Qt's reader for this format is not installed");
        QTemporaryDir dir;
        trueColour(QImage::Format_RGB32).save(dir.filePath("in.png"));
        const QString out = dir.filePath("out." + format);
        QCOMPARE(
            QProcess::execute("/usr/bin/convert", QStringList{dir.filePath("in.png")} + options + QStringList{out}), 0);
        if (format == "tga") {
            QFile file(out);
            QVERIFY(file.open(QIODevice::Append));
            file.write(QByteArray("\0\0\0\0\0\0\0\0TRUEVISION-XFILE.\0", 26));
        }
        if (!readable) {
            QVERIFY_THROWS_EXCEPTION(kvr::InvalidGraphic, kvrgui::readPicture(out.toStdString()));
            return;
        }
        const kvr::PaintedPicture p = kvrgui::readPicture(out.toStdString());
        QCOMPARE(rgbOf(p), kTrueColours);
        for (std::size_t i = 0; i < p.pixelCount(); ++i)
            QCOMPARE(p.pixel(i)[3], std::uint8_t(255));
    }


    void refusesWhatIsNoPictureOrTooLarge()
    {
        const std::string text = "just some text, not a picture";
        QVERIFY_THROWS_EXCEPTION(kvr::InvalidGraphic,
                                 kvrgui::readPictureBytes(std::vector<std::uint8_t>(text.begin(), text.end())));
        QImage huge(4097, 4097, QImage::Format_Indexed8);
        huge.setColorTable({qRgb(0, 0, 0)});
        huge.fill(0);
        try {
            kvrgui::readPictureBytes(bytesOf(huge, "PNG"));
            QFAIL("a picture of 4097 x 4097 was read");
        } catch (const kvr::InvalidGraphic& e) {
            QVERIFY2(std::string(e.what()).find("4097 x 4097") != std::string::npos, e.what());
        }
        QTemporaryDir dir;
        try {
            kvrgui::readPicture(dir.filePath("missing.png").toStdString());
            QFAIL("a missing file was read");
        } catch (const kvr::GeneralError& e) {
            QVERIFY2(std::string(e.what()).find("missing.png") != std::string::npos, e.what());
        }
    }

};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    PictureFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "picture_file_test.moc"
