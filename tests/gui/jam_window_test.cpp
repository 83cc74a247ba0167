// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_harness.h"
#include "editors/jams/jam_window.h"
#include "graphics/bitmap_writer.h"
#include "textures/converter.h"
#include "textures/jam_convert.h"
#include "textures/jam_file.h"
#include "widgets/pixel_view.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
namespace rec = kvr::rec;

namespace {

// A demo game with its textures.
struct JamHarness : EditorHarness {
    JamHarness()
    {
        fs::copy(context.home.data("DEMOJAMS"), game() / "GAMEJAMS",
                 fs::copy_options::overwrite_existing | fs::copy_options::recursive);
    }
    Bytes bytesOf(const fs::path& file) const
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path exchangeFile() const { return context.home.tempDir() / kvr::kCarExchangeFile; }
    fs::path bitmapFile(const std::string& name, const kvr::IndexedPicture& picture, bool runLength) const
    {
        const fs::path file = root() / name;
        // In the demo textures' colours, the game's: taken as it is, pixel numbers and all.
        kvr::IndexedPicture own = picture;
        own.colours = palette.entries;
        const Bytes bytes = kvr::encodeBitmap8(own, {.runLength = runLength});
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return file;
    }
};

kvr::IndexedPicture stripes(int width, int height)
{
    kvr::IndexedPicture p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.set(x, y, std::uint8_t(x / 8 * 16 + y % 5));
    return p;
}

} // namespace

class JamWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void aLoadedPaintingIsExportedAndImportedBack()
    {
        JamHarness h;
        h.document.change("off", [](kvr::SettingsRecord& r) { r.setByte(rec::teamEnabled(2), 0); });
        kvrgui::TJamForm w(h.services);
        w.show();
        QCOMPARE(w.fileList()->count(), 14);
        QCOMPARE(w.fileList()->item(13)->text(), QStringLiteral("PACIFIC.JAM"));
        QCOMPARE(w.teamList()->count(), 13);
        QCOMPARE(w.teamList()->currentRow(), 0);

        // Nothing to export yet: nothing happens.
        const Bytes lotus = h.bytesOf(h.game() / "GAMEJAMS" / "LOTUS.JAM");
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QVERIFY(h.prompt.informed.empty());
        QVERIFY(h.prompt.warned.empty());

        kvr::IndexedPicture painting(256, 164);
        painting.colours = h.palette.entries;
        for (int y = 0; y < 164; ++y)
            for (int x = 0; x < 256; ++x)
                painting.set(x, y, std::uint8_t((x ^ y) + 7));
        const fs::path file = h.root() / "painting.bmp";
        const Bytes bitmap = kvr::encodeBitmap8(painting);
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bitmap.data()), std::streamsize(bitmap.size()));
        h.prompt.fileAnswers = {file};
        QTest::mouseClick(w.loadButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.fileRequests.back().title, std::string("Load bitmap file"));
        QVERIFY(w.jams().hasPicture());
        QCOMPARE(w.paintingPicture()->image().size(), QSize(256, 164));

        w.teamList()->setCurrentRow(4);
        QCOMPARE(w.fileList()->currentRow(), 4);
        w.fileList()->setCurrentRow(5);
        QCOMPARE(w.teamList()->currentRow(), 5);
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed, std::vector<std::string>{"Bitmap has been exported!"});
        QVERIFY(h.bytesOf(h.game() / "GAMEJAMS" / "LOTUS.JAM") != lotus);
        QVERIFY2(fs::exists(h.exchangeFile()), "the exchange file stays until the window closes");

        // Closing takes the exchange file; the painting stays for the next opening, and
        // importing brings the game's back.
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QVERIFY(!fs::exists(h.exchangeFile()));
        w.show();
        QVERIFY(w.jams().hasPicture());
        QCOMPARE(w.fileList()->currentRow(), 5);
        QVERIFY(!w.paintingPicture()->image().isNull());
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Bitmap has been imported!"));
        QVERIFY(h.prompt.warned.empty());
        kvr::TDIB256 expected;
        expected.loadFromBytes(bitmap);
        QVERIFY(std::ranges::equal(w.jams().picture().pixels(), expected.pixels()));
        QVERIFY(!fs::exists(h.exchangeFile()));
        QVERIFY(h.prompt.unexpected.empty());
    }

    // "Load bitmap" takes what "Import from game" gives: the texture's own size, plain or
    // run-length compressed.
    void aLoadedPaintingFollowsTheTexturesOwnSize()
    {
        JamHarness h;
        kvr::JamTexture small;
        small.width = 128;
        small.height = 80;
        small.pixels.assign(128 * 80, 9);
        small.colours = h.palette.entries;
        const Bytes smallJam = kvr::encodeJam(small);
        std::ofstream(h.game() / "GAMEJAMS" / "LOTUS.JAM", std::ios::binary)
            .write(reinterpret_cast<const char*>(smallJam.data()), std::streamsize(smallJam.size()));
        kvrgui::TJamForm w(h.services);
        w.show();

        // A compressed painting of the usual size.
        w.fileList()->setCurrentRow(2);
        h.prompt.fileAnswers = {h.bitmapFile("usual.bmp", stripes(256, 164), true)};
        QTest::mouseClick(w.loadButton(), Qt::LeftButton);
        QVERIFY2(h.prompt.warned.empty(), h.prompt.warned.empty() ? "" : h.prompt.warned[0].c_str());
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Bitmap has been exported!"));
        const kvr::JamTexture benetton = kvr::readJamFile(h.game() / "GAMEJAMS" / "BENETTON.JAM");
        QCOMPARE(benetton.width, std::uint16_t(256));
        QCOMPARE(benetton.at(200, 163), std::uint8_t(200 / 8 * 16 + 163 % 5));

        // A texture of another size takes a painting of its size, and only that.
        w.fileList()->setCurrentRow(5);
        h.prompt.fileAnswers = {h.bitmapFile("wide.bmp", stripes(256, 164), false)};
        h.prompt.conversionAnswers = {[](kvr::PictureConversion&) { return true; }};
        QTest::mouseClick(w.loadButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.warned.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(h.prompt.warned[0]).contains("256 x 164 pixels, the texture 128 x 80"),
                 h.prompt.warned[0].c_str());
        h.prompt.fileAnswers = {h.bitmapFile("small.bmp", stripes(128, 80), true)};
        QTest::mouseClick(w.loadButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.warned.size(), std::size_t(1));
        QCOMPARE(w.jams().picture().width(), std::uint16_t(128));
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Bitmap has been exported!"));
        const kvr::JamTexture lotus = kvr::readJamFile(h.game() / "GAMEJAMS" / "LOTUS.JAM");
        QCOMPARE(lotus.height, std::uint16_t(80));
        QCOMPARE(lotus.at(127, 79), std::uint8_t(127 / 8 * 16 + 79 % 5));
        QVERIFY(h.prompt.unexpected.empty());
    }

    // Loading and importing are steps of the painting that the Edit menu takes back;
    // what goes into the game is the painting as it then stands.
    void undoAndRedoKeysTakeThePaintingsSteps()
    {
        JamHarness h;
        kvrgui::TJamForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(!w.undoAction()->isEnabled());
        const kvr::IndexedPicture painting = stripes(256, 164);
        h.prompt.fileAnswers = {h.bitmapFile("stripes.bmp", painting, false)};
        w.fileList()->setCurrentRow(3);
        QTest::mouseClick(w.loadButton(), Qt::LeftButton);
        const Bytes loaded(w.jams().bitmapFile().begin(), w.jams().bitmapFile().end());
        QCOMPARE(w.undoAction()->text(), QStringLiteral("&Undo Load bitmap"));

        QTest::keySequence(w.fileList(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(!w.jams().hasPicture());
        QVERIFY(w.paintingPicture()->image().isNull());
        QVERIFY(!w.undoAction()->isEnabled());
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QVERIFY(h.prompt.informed.empty());
        QTest::keySequence(w.fileList(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        QVERIFY(std::ranges::equal(w.jams().bitmapFile(), loaded));
        QVERIFY(!w.paintingPicture()->image().isNull());

        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QVERIFY(!std::ranges::equal(w.jams().bitmapFile(), loaded));
        QCOMPARE(w.undoAction()->text(), QStringLiteral("&Undo Import painting from game"));
        QTest::keySequence(w.fileList(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(std::ranges::equal(w.jams().bitmapFile(), loaded));
        QCOMPARE(w.redoAction()->text(), QStringLiteral("&Redo Import painting from game"));

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Bitmap has been exported!"));
        const kvr::JamTexture texture = kvr::readJamFile(h.game() / "GAMEJAMS" / std::string(w.jams().selectedFile()));
        QCOMPARE(texture.at(200, 163), painting.at(200, 163));
        QCOMPARE(texture.at(17, 2), painting.at(17, 2));
        QVERIFY(h.prompt.warned.empty());
        QVERIFY(h.prompt.unexpected.empty());
    }

    void theTeamListFollowsTheRecordAndKeepsThePicture()
    {
        JamHarness h;
        kvrgui::TJamForm w(h.services);
        w.show();
        w.fileList()->setCurrentRow(13);
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QVERIFY(w.jams().hasPicture());
        QCOMPARE(w.teamList()->currentRow(), 13);

        h.document.change("off", [](kvr::SettingsRecord& r) { r.setByte(rec::teamEnabled(1), 0); });
        QCOMPARE(w.teamList()->count(), 13);
        QCOMPARE(w.teamList()->currentRow(), -1);
        QCOMPARE(w.fileList()->currentRow(), 13);
        QVERIFY(w.jams().hasPicture());
        QVERIFY(!w.paintingPicture()->image().isNull());
        QTest::mouseClick(w.backButton(), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    // A real game's texture is in another format: the converter refuses it, and the
    // window shows the converter's reason, not "Bitmap has been exported!".
    void aTextureInAnotherFormatIsRefusedWithTheConvertersReason()
    {
        JamHarness h;
        kvrgui::TJamForm w(h.services);
        w.show();
        w.fileList()->setCurrentRow(10);
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QVERIFY(w.jams().hasPicture());
        const fs::path ferrari = h.game() / "GAMEJAMS" / "FERRARI.JAM";
        std::ofstream(ferrari, std::ios::binary | std::ios::trunc) << std::string(42768, '\x5A');
        const Bytes foreign = h.bytesOf(ferrari);
        h.prompt.informed.clear();

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QVERIFY(h.prompt.informed.empty());
        QCOMPARE(h.prompt.warned.size(), std::size_t(1));
        const std::string& message = h.prompt.warned[0];
        QVERIFY2(message.find("FERRARI.JAM") != std::string::npos, message.c_str());
        QVERIFY2(message.find("kvrjam: cannot replace") != std::string::npos, message.c_str());
        QVERIFY2(message.find("in another format") != std::string::npos, message.c_str());
        QVERIFY2(message.find("KVRDESK_CONVERTER") != std::string::npos, message.c_str());
        QVERIFY(h.bytesOf(ferrari) == foreign);
        QVERIFY(!fs::exists(h.game() / "GAMEJAMS" / "FERRARI.JAM.orig"));
    }
};

QTEST_MAIN(JamWindowTest)
#include "jam_window_test.moc"
