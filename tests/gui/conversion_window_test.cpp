// SPDX-License-Identifier: GPL-3.0-or-later
// Paintings from a paint program through the conversion window into the game, and back.
#include "core/system_process_runner.h"
#include "editor_harness.h"
#include "editors/helmets/helmet_editor.h"
#include "editors/helmets/helmet_window.h"
#include "editors/jams/jam_window.h"
#include "graphics/bitmap_writer.h"
#include "graphics/dib256.h"
#include "graphics/picture_conversion.h"
#include "textures/converter.h"
#include "widgets/conversion_window.h"
#include "widgets/pixel_view.h"
#include "widgets/translation_qt.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct PaintHarness : EditorHarness {
    kvr::SystemProcessRunner runner;
    kvr::HelmetEditor helmets;

    PaintHarness()
    {
        fs::copy(context.home.data("DEMOJAMS"), game() / "GAMEJAMS",
                 fs::copy_options::overwrite_existing | fs::copy_options::recursive);
        helmets.importSheet(converter(), game());
        services.helmets = &helmets;
    }
    kvr::Converter converter() { return kvr::Converter(kvr::converterProgram(), root() / "import", runner); }
    Bytes bytesOf(const fs::path& file) const
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

// A true-colour painting with soft gradients, as a paint program saves it; the top-left
// corner transparent when `hole`.
fs::path truePng(const fs::path& file, int width, int height, bool hole)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           qRgba(40 + 200 * x / width, 90 + 150 * y / height, 255 - 170 * x / width,
                                 hole && x < width / 4 && y < height / 3 ? 0 : 255));
    if (!image.save(QString::fromStdString(file.string()), "PNG"))
        qFatal("cannot write the painting");
    return file;
}

// The colours of helmet n's cell of a sheet, as the screen shows them.
QImage cellColours(const kvr::TDIB& sheet, int helmet)
{
    const Bytes cell = kvr::copyCell(sheet, helmet);
    QImage image(74, 15, QImage::Format_RGB32);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 74; ++x) {
            const kvr::ColourEntry c = sheet.colour(cell[std::size_t(y) * 74 + std::size_t(x)]);
            image.setPixel(x, y, qRgb(c.red, c.green, c.blue));
        }
    return image;
}

} // namespace

class ConversionWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // A true-colour PNG helmet: shown in the window, converted without dithering, applied
    // as one step, exported, and back from the game in the colours the window showed.
    void aTrueColourHelmetReachesTheGameInTheColoursShown()
    {
        PaintHarness h;
        kvrgui::THelmetForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.driverList()->setCurrentRow(4);
        const Bytes before = kvr::copyCell(h.helmets.sheet(), 4);
        const std::uint8_t edge = kvr::edgeColour(before, 74, 15, 74);
        QImage shown;
        h.prompt.fileAnswers = {truePng(h.root() / "helmet.png", 74, 15, true)};
        h.prompt.conversionAnswers = {[&](kvr::PictureConversion& c) {
            kvrgui::ConversionWindow window(h.prompt, c);
            window.show();
            // Diffusion at 80% to begin with; the transparent corner takes the colour
            // around the helmet, and the window says so.
            [&] {
                QVERIFY(window.diffusionButton()->isChecked());
                QCOMPARE(window.strengthSlider()->value(), 80);
                QCOMPARE(window.backgroundBox()->value(), int(edge));
                QVERIFY(window.backgroundLabel()->text().contains("the texture's background colour"));
                QVERIFY(window.scaleBox() == nullptr);
                QVERIFY(window.figuresLabel()->text().contains(" pixels changed colour; mean difference "));
                QTest::mouseClick(window.noDitheringButton(), Qt::LeftButton);
                QVERIFY(!window.strengthSlider()->isEnabled());
            }();
            shown = window.convertedView()->image();
            QTest::mouseClick(window.okButton(), Qt::LeftButton);
            return window.result() == QDialog::Accepted;
        }};
        QTest::mouseClick(w.loadHelmetButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.conversionsShown, 1);
        QVERIFY2(h.prompt.warned.empty(), h.prompt.warned.empty() ? "" : h.prompt.warned[0].c_str());
        QCOMPARE(cellColours(h.helmets.sheet(), 4), shown.convertToFormat(QImage::Format_RGB32));
        // The corner is the background colour itself.
        QCOMPARE(int(kvr::copyCell(h.helmets.sheet(), 4)[0]), int(edge));
        const Bytes converted = kvr::copyCell(h.helmets.sheet(), 4);
        QVERIFY(converted != before);

        // One step, both ways.
        QCOMPARE(w.undoAction()->text(), QStringLiteral("&Undo Load helmet"));
        QTest::keySequence(w.driverList(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 4), before);
        QVERIFY(!w.undoAction()->isEnabled());
        QTest::keySequence(w.driverList(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 4), converted);

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        QCOMPARE(kvr::copyCell(h.converter().importHelmets(h.game()), 4), converted);
        QTest::keySequence(w.driverList(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(cellColours(h.helmets.sheet(), 4), shown.convertToFormat(QImage::Format_RGB32));

        // Cancel changes nothing.
        h.prompt.fileAnswers = {h.root() / "helmet.png"};
        h.prompt.conversionAnswers = {[](kvr::PictureConversion&) { return false; }};
        w.driverList()->setCurrentRow(5);
        const Bytes sheet = h.helmets.sheet().saveToBytes();
        QTest::mouseClick(w.loadHelmetButton(), Qt::LeftButton);
        QVERIFY(h.helmets.sheet().saveToBytes() == sheet);
        QVERIFY(h.prompt.unexpected.empty());
    }

    // The figures are written as the editor's language writes numbers, not as the system.
    void theFiguresFollowTheLanguage()
    {
        QVERIFY(kvrgui::useLanguage(QStringLiteral("de")));
        kvr::PaintedPicture painting{16, 8, std::vector<std::uint8_t>(16 * 8 * 4, 128), {}};
        kvr::PictureConversion conversion(painting, {kvr::ColourTable{}, 16, 8, 0});
        GuiPrompt prompt;
        const QString text = kvrgui::ConversionWindow(prompt, conversion).figuresLabel()->text();
        kvrgui::useLanguage(QStringLiteral("en"));
        const QRegularExpression german(QStringLiteral("Unterschied \\d+,\\d\\d, größter \\d+,\\d\\d "));
        QVERIFY2(german.match(text).hasMatch(), qPrintable(text));
    }

    // An 8-bit bitmap in a palette of its own (the sheet's colours in reverse order) is
    // taken by its colours, not its pixel numbers, and asks nothing: every colour is one
    // of the sheet's.
    void aBitmapInAForeignPaletteGoesInByColour()
    {
        PaintHarness h;
        kvrgui::THelmetForm w(h.services);
        w.show();
        kvr::IndexedPicture foreign(74, 15);
        for (int i = 0; i < 256; ++i)
            foreign.colours[std::size_t(i)] = h.helmets.sheet().colour(std::size_t(255 - i));
        const Bytes helmet9 = kvr::copyCell(h.helmets.sheet(), 9);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 74; ++x)
                foreign.set(x, y, std::uint8_t(255 - helmet9[std::size_t(y) * 74 + std::size_t(x)]));
        const fs::path file = h.root() / "foreign.bmp";
        const Bytes bytes = kvr::encodeBitmap8(foreign);
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

        w.driverList()->setCurrentRow(2);
        h.prompt.fileAnswers = {file};
        QTest::mouseClick(w.loadHelmetButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.conversionsShown, 0);
        QCOMPARE(cellColours(h.helmets.sheet(), 2), cellColours(h.helmets.sheet(), 9));
        QVERIFY(h.prompt.warned.empty());
        QVERIFY(h.prompt.unexpected.empty());
    }

    // "Save all helmets as bitmap" as PNG: an indexed PNG in the sheet's colours that
    // loads back exactly, with no question.
    void aSheetSavedAsPngLoadsBackExactly()
    {
        PaintHarness h;
        kvrgui::THelmetForm w(h.services);
        w.show();
        const Bytes saved = h.helmets.sheet().saveToBytes();
        const fs::path png = h.root() / "sheet.png";
        h.prompt.fileAnswers = {png};
        QTest::mouseClick(w.saveAllButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.fileRequests.back().otherFilters, std::vector<kvr::Message>{"PNG pictures|*.png"});
        const QImage image(QString::fromStdString(png.string()));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.colorTable().size(), 256);
        QCOMPARE(image.colorTable()[77], QRgb(kvr::toArgb(h.helmets.sheet().colour(77))));

        QTest::mousePress(w.sheetPicture(), Qt::LeftButton, {}, QPoint(30, 7));
        QTest::mouseRelease(w.sheetPicture(), Qt::LeftButton, {}, QPoint(100, 20));
        QVERIFY(h.helmets.sheet().saveToBytes() != saved);
        h.prompt.fileAnswers = {png};
        QTest::mouseClick(w.loadAllButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.fileRequests.back().filter.english().substr(0, 9), std::string("Pictures|"));
        QCOMPARE(h.prompt.conversionsShown, 0);
        QVERIFY(h.helmets.sheet().saveToBytes() == saved);
        QCOMPARE(w.undoAction()->text(), QStringLiteral("&Undo Load all helmets"));
        QVERIFY(h.prompt.warned.empty());
        QVERIFY(h.prompt.unexpected.empty());
    }

    // A car painting of another size: refused until "Scale to 256 x 164" is ticked, then
    // the same pixels `kvrdesk-cli remap` makes with the same options; exported and
    // imported back unchanged.
    void aScaledPaintingIsWhatRemapMakes()
    {
        PaintHarness h;
        kvrgui::TJamForm w(h.services);
        w.show();
        w.fileList()->setCurrentRow(3);
        const fs::path painting = truePng(h.root() / "livery.png", 300, 200, true);
        std::uint8_t background = 0;
        h.prompt.fileAnswers = {painting};
        h.prompt.conversionAnswers = {[&](kvr::PictureConversion& c) {
            kvrgui::ConversionWindow window(h.prompt, c);
            window.show();
            [&] {
                QVERIFY(window.scaleBox());
                QCOMPARE(window.scaleBox()->text(), QStringLiteral("Scale to 256 x 164"));
                QVERIFY(!window.okButton()->isEnabled());
                QVERIFY(window.figuresLabel()->text().contains("300 x 200"));
                window.scaleBox()->click();
                QVERIFY(window.okButton()->isEnabled());
                window.strengthSlider()->setValue(60);
                QCOMPARE(window.convertedView()->image().size(), QSize(256, 164));
                window.backgroundBox()->setValue(window.backgroundBox()->value() == 3 ? 4 : 3);
                QVERIFY(window.backgroundLabel()->text().contains("the texture's background colour is"));
            }();
            background = c.options().background;
            QTest::mouseClick(window.okButton(), Qt::LeftButton);
            return window.result() == QDialog::Accepted;
        }};
        QTest::mouseClick(w.loadButton(), Qt::LeftButton);
        QVERIFY2(h.prompt.warned.empty(), h.prompt.warned.empty() ? "" : h.prompt.warned[0].c_str());
        QCOMPARE(w.undoAction()->text(), QStringLiteral("&Undo Load bitmap"));
        const kvr::TDIB256 loaded = w.jams().picture();
        QCOMPARE(int(loaded.width()), 256);

        // The texture's colour table, as remap takes it from a bitmap.
        const fs::path palette = h.root() / "texture.bmp";
        const Bytes texture = h.converter().importCarJam(h.game(), "MCLAREN.JAM");
        std::ofstream(palette, std::ios::binary)
            .write(reinterpret_cast<const char*>(texture.data()), std::streamsize(texture.size()));
        const fs::path out = h.root() / "remapped.bmp";
        QProcess remap;
        remap.start(QStringLiteral(KVR_CLI),
                    {"remap", QString::fromStdString(painting.string()), "-o", QString::fromStdString(out.string()),
                     "--palette", QString::fromStdString(palette.string()), "--size", "256x164", "--strength", "60%",
                     "--background", QString::number(background)});
        QVERIFY(remap.waitForFinished(60000));
        QCOMPARE(remap.exitCode(), 0);
        kvr::TDIB256 remapped;
        remapped.loadFromFile(out);
        QVERIFY(std::ranges::equal(loaded.pixels(), remapped.pixels()));

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Bitmap has been exported!"));
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QVERIFY(std::ranges::equal(w.jams().picture().pixels(), remapped.pixels()));
        QVERIFY(h.prompt.unexpected.empty());
    }

    // Ctrl + wheel and Ctrl++ / Ctrl+- zoom the sheet in whole steps; a press is still
    // on the helmet under the pointer.
    void aZoomedSheetStillPicksTheHelmetUnderThePointer()
    {
        PaintHarness h;
        kvrgui::THelmetForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        kvrgui::PixelView* sheet = w.sheetPicture();
        QCOMPARE(sheet->size(), QSize(256, 180));
        QTest::keySequence(w.driverList(), QKeySequence(Qt::CTRL | Qt::Key_Plus));
        QCOMPARE(sheet->zoom(), 2);
        QCOMPARE(sheet->size(), QSize(512, 360));
        QTest::mousePress(sheet, Qt::LeftButton, {}, QPoint(2 * 100, 2 * (15 * 3 + 7)));
        QCOMPARE(w.driverList()->currentRow(), 15);
        QTest::mouseRelease(sheet, Qt::LeftButton, {}, QPoint(2 * 100, 2 * (15 * 3 + 7)));
        for (int i = 0; i < 10; ++i)
            sheet->zoomIn();
        QCOMPARE(sheet->zoom(), 8);
        // At 8x the sheet scrolls inside the window, which stays on the screen.
        QCOMPARE(sheet->size(), QSize(8 * 256, 8 * 180));
        QVERIFY(w.sizeHint().width() <= w.screen()->availableGeometry().width());
        QVERIFY(w.sizeHint().height() <= w.screen()->availableGeometry().height());
        QTest::keySequence(w.driverList(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
        QCOMPARE(sheet->zoom(), 7);
    }
};

QTEST_MAIN(ConversionWindowTest)
#include "conversion_window_test.moc"
