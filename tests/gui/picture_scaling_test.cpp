// SPDX-License-Identifier: GPL-3.0-or-later
// The colour picture on a screen of 1.5 device pixels per logical pixel: it is shown at
// a whole multiple, and a press lands on the swatch under the pointer.
#include "core/settings_record.h"
#include "editor_harness.h"
#include "editors/cockpit/cockpit_colours_window.h"
#include "graphics/wing_image_view.h"

#include <QApplication>
#include <QtTest>

namespace rec = kvr::rec;

class PictureScalingTest : public QObject {
    Q_OBJECT

    // Every device pixel of picture pixel (x, y) shows its colour.
    static void checkSquare(const QImage& shot, const kvr::TWinGImage& view, int x, int y)
    {
        const kvr::ViewPlacement at = view.placement();
        const QRgb colour = kvr::toArgb(view.model().wing().colourTable()[view.model().wing().pixel(x, y)]);
        for (int dy = 0; dy < at.scale; ++dy)
            for (int dx = 0; dx < at.scale; ++dx)
                QCOMPARE(shot.pixel(at.left + x * at.scale + dx, at.top + y * at.scale + dy), colour);
    }

private slots:
    void pressesLandOnTheSwatchUnderThePointer()
    {
        QCOMPARE(qApp->devicePixelRatio(), 1.5);
        EditorHarness h;
        kvrgui::TCColorsForm w(h.services);
        w.show();
        kvr::TWinGImage& view = *w.picture();
        QCOMPARE(view.placement().scale, 2);
        QCOMPARE(view.placement().left, 0);

        // Swatch 231 spans picture columns 400..419, device 800..839, logical 533.3..559.9;
        // logical 560 is device 840, the first column of swatch 232, refused for the cockpit.
        const int y = 430; // device 645: picture row 322 of the swatch row 318..332
        const int before = h.document.record().byte(rec::cockpitColour(1, 0));
        QVERIFY(before != 231);
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(560, y));
        QCOMPARE(int(h.document.record().byte(rec::cockpitColour(1, 0))), before);
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(559, y));
        QCOMPARE(int(h.document.record().byte(rec::cockpitColour(1, 0))), 231);

        const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(shot.width() >= 1000 && shot.height() >= 750);
        for (const QPoint p : {QPoint(0, 0), QPoint(419, 322), QPoint(420, 322), QPoint(405, 320), QPoint(499, 374)})
            checkSquare(shot, view, p.x(), p.y());
    }

    void aLargerWindowShowsALargerWholeMultiple()
    {
        EditorHarness h;
        kvrgui::TCColorsForm w(h.services);
        w.show();
        w.resize(1400, 1000);
        QApplication::processEvents();
        kvr::TWinGImage& view = *w.picture();
        const kvr::ViewPlacement at = view.placement();
        QVERIFY(at.scale >= 3);
        // The middle of swatch 100 (picture 290, 250), wherever the picture now sits.
        const QPoint swatch100(int((at.left + 290 * at.scale) / 1.5), int((at.top + 250 * at.scale) / 1.5));
        QTest::mouseClick(&view, Qt::LeftButton, {}, swatch100);
        QCOMPARE(int(h.document.record().byte(rec::cockpitColour(1, 0))), 100);
        const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        checkSquare(shot, view, 290, 250);
        checkSquare(shot, view, 0, 0);
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    PictureScalingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "picture_scaling_test.moc"
