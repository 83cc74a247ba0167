// SPDX-License-Identifier: GPL-3.0-or-later
// The image control on the offscreen platform: what it paints and where the mouse is.
#include "graphics/bitmap_writer.h"
#include "graphics/colour_table.h"
#include "graphics/wing_image_view.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

using kvr::ColourEntry;
using kvr::IndexedPicture;
using kvr::TWinGImage;

namespace {

// A 7 x 3 picture (rows of 8 bytes) whose pixel (x, y) is index 10 + x + 7 y, and whose
// colour table gives every index a colour of its own, statics included.
IndexedPicture testPicture()
{
    IndexedPicture p(7, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            p.set(x, y, std::uint8_t(10 + x + 7 * y));
    for (int i = 0; i < kvr::kColourCount; ++i)
        p.colours[std::size_t(i)] = kvr::rgb(std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i ^ 0x55));
    return p;
}

QRgb fileColour(int index)
{
    return kvr::toArgb(testPicture().colours[std::size_t(index)]);
}

std::string writePicture(const QTemporaryDir& dir, const IndexedPicture& picture, const char* name)
{
    const std::string path = dir.filePath(name).toStdString();
    const auto bytes = kvr::encodeBitmap8(picture);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

QImage paint(TWinGImage& view)
{
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class WinGImageViewTest : public QObject {
    Q_OBJECT
  private slots:
    void loadsPictureAtItsOwnSize()
    {
        QTemporaryDir dir;
        TWinGImage view;
        view.setFileName(writePicture(dir, testPicture(), "p.bmp"));
        QCOMPARE(int(view.wing().width()), 7);
        QCOMPARE(int(view.wing().height()), 3);
        QCOMPARE(int(view.wing().stride()), 8);
        QCOMPARE(int(view.wing().pixel(6, 2)), 10 + 6 + 14);
        QCOMPARE(view.sizeHint(), QSize(7, 3));
    }

    void paintsEachPixelThroughTheColourTableScaled()
    {
        QTemporaryDir dir;
        TWinGImage view;
        view.setFileName(writePicture(dir, testPicture(), "p.bmp"));
        view.resize(14, 6);
        const QImage shot = paint(view);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x) {
                const QRgb expected = fileColour(10 + x + 7 * y) | 0xFF000000u;
                QCOMPARE(shot.pixel(2 * x, 2 * y), expected);
                QCOMPARE(shot.pixel(2 * x + 1, 2 * y + 1), expected);
            }
    }

    void staticIndicesShowOurFixedColoursNotTheFiles()
    {
        QTemporaryDir dir;
        IndexedPicture p = testPicture();
        p.set(0, 0, 7);
        p.set(1, 0, 250);
        TWinGImage view;
        view.setFileName(writePicture(dir, p, "p.bmp"));
        view.resize(7, 3);
        const QImage shot = paint(view);
        QCOMPARE(shot.pixel(0, 0), kvr::toArgb(kvr::staticColour(7)));
        QCOMPARE(shot.pixel(1, 0), kvr::toArgb(kvr::staticColour(250)));
        QVERIFY(kvr::toArgb(kvr::staticColour(7)) != fileColour(7));
    }

    void portionFillsTheWholeControl()
    {
        QTemporaryDir dir;
        TWinGImage view;
        view.setFileName(writePicture(dir, testPicture(), "p.bmp"));
        view.view().setPortion(3, 1, 2, 2);
        view.resize(4, 4);
        const QImage shot = paint(view);
        QCOMPARE(shot.pixel(0, 0), fileColour(10 + 3 + 7));
        QCOMPARE(shot.pixel(3, 0), fileColour(10 + 4 + 7));
        QCOMPARE(shot.pixel(0, 3), fileColour(10 + 3 + 14));
        QCOMPARE(shot.pixel(3, 3), fileColour(10 + 4 + 14));
    }

    void changedPixelsShowAfterRepaint()
    {
        QTemporaryDir dir;
        TWinGImage view;
        view.setFileName(writePicture(dir, testPicture(), "p.bmp"));
        view.resize(7, 3);
        view.wing().setPixel(2, 1, 200);
        view.model().repaint();
        QCOMPARE(paint(view).pixel(2, 1), fileColour(200));
    }

    void colourTableUpdateKeepsStaticEntries()
    {
        QTemporaryDir dir;
        TWinGImage view;
        view.setFileName(writePicture(dir, testPicture(), "p.bmp"));
        view.resize(7, 3);
        view.wing().setPixel(0, 0, 9);
        view.wing().setPixel(1, 0, 10);
        const std::vector<ColourEntry> grey(4, kvr::rgb(1, 2, 3));
        view.model().updateColourTable(grey, 8, 4); // 8, 9 static; 10, 11 change
        const QImage shot = paint(view);
        QCOMPARE(shot.pixel(0, 0), kvr::toArgb(kvr::staticColour(9)));
        QCOMPARE(shot.pixel(1, 0), kvr::toArgb(kvr::rgb(1, 2, 3)));
    }

    void mouseIsReportedInBitmapPixels()
    {
        QTemporaryDir dir;
        TWinGImage view;
        view.setFileName(writePicture(dir, testPicture(), "p.bmp"));
        view.resize(14, 6);
        view.show();
        QSignalSpy pressed(&view, &TWinGImage::mousePressed);
        QSignalSpy moved(&view, &TWinGImage::mouseMoved);
        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(5, 3));
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).toInt(), 2);
        QCOMPARE(pressed.at(0).at(1).toInt(), 1);
        QTest::mouseMove(&view, QPoint(13, 5));
        QVERIFY(!moved.isEmpty());
        QCOMPARE(moved.last().at(0).toInt(), 6);
        QCOMPARE(moved.last().at(1).toInt(), 2);
    }

    void mouseInAPortionCountsFromItsCorner()
    {
        QTemporaryDir dir;
        TWinGImage view;
        view.setFileName(writePicture(dir, IndexedPicture(601, 135), "sheet.bmp"));
        view.view().setPortion(401, 68, 100, 67);
        view.resize(100, 67);
        view.show();
        QSignalSpy pressed(&view, &TWinGImage::mousePressed);
        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).toInt(), 411);
        QCOMPARE(pressed.at(0).at(1).toInt(), 73);
    }

    void shippedCameraSheetShowsCameraOneAtItsPlace()
    {
        const std::string sheet = std::string(KVR_DATA_DIR) + "/Dib3.dib";
        if (!QFile::exists(QString::fromStdString(sheet)))
            QSKIP("the editor's data has not been made");
        TWinGImage view;
        view.setFileName(sheet);
        view.view().setPortion(401, 68, 100, 67);
        view.resize(100, 67);
        const QImage shot = paint(view);
        const auto& wing = view.wing();
        const auto& table = wing.colourTable();
        for (const QPoint p : {QPoint(0, 0), QPoint(50, 33), QPoint(99, 66)})
            QCOMPARE(shot.pixel(p), kvr::toArgb(table[wing.pixel(401 + p.x(), 68 + p.y())]));
    }
};

QTEST_MAIN(WinGImageViewTest)
#include "wing_image_view_test.moc"
