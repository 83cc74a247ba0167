// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system_process_runner.h"
#include "editor_harness.h"
#include "editors/helmets/helmet_editor.h"
#include "editors/helmets/helmet_window.h"
#include "graphics/bitmap_writer.h"
#include "textures/converter.h"
#include "widgets/pixel_view.h"
#include "widgets/prompt_qt.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A demo game with its textures, and the helmet sheet imported as at start-up.
struct HelmetHarness : EditorHarness {
    kvr::SystemProcessRunner runner;
    kvr::HelmetEditor helmets;

    HelmetHarness()
    {
        fs::copy(context.home.data("DEMOJAMS"), game() / "GAMEJAMS",
                 fs::copy_options::overwrite_existing | fs::copy_options::recursive);
        helmets.importSheet(converter(), game());
        services.helmets = &helmets;
    }
    kvr::Converter converter() { return kvr::Converter(kvr::converterProgram(), root() / "import", runner); }
    // The game's texture as the converter gives it back.
    kvr::TDIB gameSheet() { return converter().importHelmets(game()); }
};

// A point inside helmet n's cell.
QPoint inCell(int helmet)
{
    const kvr::CellCorner c = kvr::helmetCell(helmet);
    return {c.x + 30, c.y + 7};
}

// KVRDESK_CONVERTER names `program` while it lives.
struct OwnConverter {
    explicit OwnConverter(const fs::path& program) { qputenv(kvr::kConverterVariable, program.string().c_str()); }
    ~OwnConverter() { qunsetenv(kvr::kConverterVariable); }
};

} // namespace

class HelmetWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void aSwappedHelmetReachesTheGame()
    {
        HelmetHarness h;
        kvrgui::THelmetForm w(h.services);
        w.show();
        const std::vector<std::string> lines = kvr::helmetDriverLines(h.document.record());
        QCOMPARE(w.driverList()->count(), int(lines.size()));
        QCOMPARE(w.driverList()->item(1)->text(), kvrgui::fromAnsi(lines[1]));
        QCOMPARE(w.driverList()->currentRow(), 0);
        const Bytes helmet3 = kvr::copyCell(h.helmets.sheet(), 3);
        const Bytes helmet20 = kvr::copyCell(h.helmets.sheet(), 20);
        QVERIFY(helmet3 != helmet20);

        w.driverList()->setCurrentRow(5);
        QCOMPARE(h.helmets.selected(), 5);
        QCOMPARE(kvr::helmetPixels(h.helmets.singleHelmet()), kvr::copyCell(h.helmets.sheet(), 5));
        QCOMPARE(w.previewPicture()->size(), QSize(4 * 74, 4 * 15));

        QTest::mousePress(w.sheetPicture(), Qt::LeftButton, {}, inCell(3));
        QCOMPARE(w.driverList()->currentRow(), 3);
        QTest::mouseRelease(w.sheetPicture(), Qt::LeftButton, {}, inCell(20));
        QCOMPARE(w.driverList()->currentRow(), 20);
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 3), helmet20);
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 20), helmet3);
        // Released right of the third column: nothing moves.
        QTest::mousePress(w.sheetPicture(), Qt::LeftButton, {}, inCell(3));
        QTest::mouseRelease(w.sheetPicture(), Qt::LeftButton, {}, QPoint(240, 7));
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 3), helmet20);

        // By keyboard: Space picks helmet 7, Space on line 9 swaps the two; Escape puts a
        // picked helmet down without closing the window.
        const Bytes helmet7 = kvr::copyCell(h.helmets.sheet(), 7);
        const Bytes helmet8 = kvr::copyCell(h.helmets.sheet(), 8);
        const Bytes helmet9 = kvr::copyCell(h.helmets.sheet(), 9);
        QListWidget* list = w.driverList();
        list->setFocus();
        list->setCurrentRow(7);
        QTest::keyClick(list, Qt::Key_Space);
        QVERIFY(list->item(7)->font().bold());
        // A screen reader hears it: the line says it is picked.
        QAccessibleInterface* line7 = QAccessible::queryAccessibleInterface(list)->child(7);
        QVERIFY(line7->text(QAccessible::Description).startsWith(QStringLiteral("Picked")));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 7), helmet9);
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 9), helmet7);
        QCOMPARE(kvr::helmetPixels(h.helmets.singleHelmet()), helmet7);
        QVERIFY(!list->item(7)->font().bold());
        QVERIFY(line7->text(QAccessible::Description).isEmpty());
        QTest::keyClick(list, Qt::Key_Space);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 8), helmet8);
        QTest::keyClick(list, Qt::Key_Escape);

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed, std::vector<std::string>{"Data has been exported!"});
        QVERIFY2(h.prompt.warned.empty(), h.prompt.warned.empty() ? "" : h.prompt.warned.front().c_str());
        const kvr::TDIB written = h.gameSheet();
        QCOMPARE(kvr::copyCell(written, 3), helmet20);
        QCOMPARE(kvr::copyCell(written, 20), helmet3);
        QCOMPARE(kvr::copyCell(written, 7), helmet9);
        QCOMPARE(kvr::copyCell(written, 9), helmet7);
        QCOMPARE(kvr::copyCell(written, 4), kvr::copyCell(h.helmets.sheet(), 4));
        QVERIFY(fs::exists(h.game() / "GAMEJAMS" / "HELMETS1.JAM.orig"));
    }

    void aLoadedHelmetGoesIntoTheSelectedCell()
    {
        HelmetHarness h;
        kvrgui::THelmetForm w(h.services);
        w.show();
        kvr::IndexedPicture one(74, 15);
        for (std::size_t i = 0; i < one.colours.size(); ++i)
            one.colours[i] = h.helmets.sheet().colour(i);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 74; ++x)
                one.set(x, y, std::uint8_t(x * 3 + y));
        const fs::path helmetFile = h.root() / "one.bmp";
        const fs::path wrongFile = h.root() / "wrong.bmp";
        for (const auto& [file, picture] :
             {std::pair{helmetFile, one}, std::pair{wrongFile, kvr::IndexedPicture(75, 15)}}) {
            const Bytes bytes = kvr::encodeBitmap8(picture);
            std::ofstream(file, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        }
        Bytes expected;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 74; ++x)
                expected.push_back(one.at(x, y));
        const Bytes helmet7 = kvr::copyCell(h.helmets.sheet(), 7);

        w.driverList()->setCurrentRow(6);
        h.prompt.fileAnswers = {helmetFile, wrongFile};
        QTest::mouseClick(w.loadHelmetButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.fileRequests.back().title, std::string("Load helmet from bitmap"));
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 6), expected);
        QCOMPARE(kvr::helmetPixels(h.helmets.singleHelmet()), expected);

        // A bitmap of another size is refused (OK without scaling) and changes nothing.
        w.driverList()->setCurrentRow(7);
        h.prompt.conversionAnswers = {[](kvr::PictureConversion&) { return true; }};
        QTest::mouseClick(w.loadHelmetButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.warned.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(h.prompt.warned[0]).contains("74 x 15"));
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 7), helmet7);
        QVERIFY(h.prompt.unexpected.empty());
    }

    // A sheet in a header the converter would not read goes in by its colours, in the
    // sheet's own header: the export takes it.
    void aSheetInAHeaderTheConverterRefusesGoesInByItsColours()
    {
        HelmetHarness h;
        kvrgui::THelmetForm w(h.services);
        w.show();
        const Bytes before = h.helmets.sheet().saveToBytes();
        kvr::IndexedPicture picture(256, 180, 5);
        for (std::size_t i = 0; i < picture.colours.size(); ++i)
            picture.colours[i] = h.helmets.sheet().colour(i);
        Bytes sheet = kvr::encodeBitmap8(picture);
        sheet[26] = 2; // two colour planes: the header of the right size and depth, but not one a texture reads
        const fs::path file = h.root() / "planes.bmp";
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(sheet.data()), std::streamsize(sheet.size()));

        h.prompt.fileAnswers = {file};
        QTest::mouseClick(w.loadAllButton(), Qt::LeftButton);
        QVERIFY2(h.prompt.warned.empty(), h.prompt.warned.empty() ? "" : h.prompt.warned[0].c_str());
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 3), Bytes(74 * 15, 5));
        QVERIFY(std::ranges::equal(h.helmets.sheet().info(), kvr::TDIB(h.gameSheet()).info()));

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        QVERIFY(h.prompt.warned.empty());
        QVERIFY(h.gameSheet().saveToBytes() == h.helmets.sheet().saveToBytes());
        QVERIFY(h.gameSheet().saveToBytes() != before);
        QVERIFY(h.prompt.unexpected.empty());
    }

    // The Edit menu and its keys take back and do again the sheet's own steps; what
    // goes into the game is the sheet as it then stands.
    void undoAndRedoKeysTakeTheSheetsSteps()
    {
        HelmetHarness h;
        kvrgui::THelmetForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const Bytes helmet3 = kvr::copyCell(h.helmets.sheet(), 3);
        const Bytes helmet6 = kvr::copyCell(h.helmets.sheet(), 6);
        const Bytes helmet20 = kvr::copyCell(h.helmets.sheet(), 20);
        QVERIFY(!w.undoAction()->isEnabled());
        QVERIFY(!w.redoAction()->isEnabled());
        QCOMPARE(w.undoAction()->text(), QStringLiteral("&Undo"));

        QTest::mousePress(w.sheetPicture(), Qt::LeftButton, {}, inCell(3));
        QTest::mouseRelease(w.sheetPicture(), Qt::LeftButton, {}, inCell(20));
        QCOMPARE(w.undoAction()->text(), QStringLiteral("&Undo Swap helmets"));
        kvr::IndexedPicture one(74, 15, 42);
        for (std::size_t i = 0; i < one.colours.size(); ++i)
            one.colours[i] = h.helmets.sheet().colour(i);
        const fs::path helmetFile = h.root() / "one.bmp";
        const Bytes bytes = kvr::encodeBitmap8(one);
        std::ofstream(helmetFile, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        w.driverList()->setCurrentRow(6);
        h.prompt.fileAnswers = {helmetFile};
        QTest::mouseClick(w.loadHelmetButton(), Qt::LeftButton);
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 6), Bytes(74 * 15, 42));

        QListWidget* list = w.driverList();
        list->setFocus();
        const struct {
            QKeySequence keys;
            Bytes cell3, cell6;
            bool undo, redo;
        } presses[] = {
            {QKeySequence(Qt::CTRL | Qt::Key_Z), helmet20, helmet6, true, true},
            {QKeySequence(Qt::CTRL | Qt::Key_Z), helmet3, helmet6, false, true},
            {QKeySequence(Qt::CTRL | Qt::Key_Z), helmet3, helmet6, false, true},
            {QKeySequence(Qt::CTRL | Qt::Key_Y), helmet20, helmet6, true, true},
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), helmet20, Bytes(74 * 15, 42), true, false},
            {QKeySequence(Qt::CTRL | Qt::Key_Z), helmet20, helmet6, true, true},
        };
        for (const auto& p : presses) {
            QTest::keySequence(list, p.keys);
            QCOMPARE(kvr::copyCell(h.helmets.sheet(), 3), p.cell3);
            QCOMPARE(kvr::copyCell(h.helmets.sheet(), 6), p.cell6);
            QCOMPARE(w.undoAction()->isEnabled(), p.undo);
            QCOMPARE(w.redoAction()->isEnabled(), p.redo);
        }
        QCOMPARE(kvr::helmetPixels(h.helmets.singleHelmet()), helmet6);
        QCOMPARE(w.redoAction()->text(), QStringLiteral("&Redo Load helmet"));

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed, std::vector<std::string>{"Data has been exported!"});
        const kvr::TDIB written = h.gameSheet();
        QCOMPARE(kvr::copyCell(written, 3), helmet20);
        QCOMPARE(kvr::copyCell(written, 20), helmet3);
        QCOMPARE(kvr::copyCell(written, 6), helmet6);
        QVERIFY(h.prompt.unexpected.empty());
    }

    void aRenamedDriverShowsAtOnceAndEscapeCloses()
    {
        HelmetHarness h;
        kvrgui::THelmetForm w(h.services);
        w.show();
        w.driverList()->setCurrentRow(2);
        h.document.change("rename", [](kvr::SettingsRecord& r) {
            r.setShortString(kvr::rec::driverName(r.byte(kvr::rec::carNumber(1))), kvr::rec::kDriverNameChars,
                             "Renamed");
        });
        QCOMPARE(w.driverList()->item(0)->text(), QStringLiteral("Renamed"));
        QCOMPARE(w.driverList()->currentRow(), 2);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    void aConverterThatNeverEndsIsStoppedAndTheWindowComesBack()
    {
#ifdef _WIN32
        QSKIP("the converter that never ends is a shell script, which Windows does not start");
#endif
        HelmetHarness h;
        const fs::path hangs = h.root() / "hangs.sh";
        std::ofstream(hangs) << "#!/bin/sh\nexec sleep 30\n";
        fs::permissions(hangs, fs::perms::owner_all);
        const OwnConverter own(hangs);
        kvrgui::THelmetForm w(h.services);
        w.setConverterBound(std::chrono::milliseconds(300));
        w.show();
        const Bytes before = kvr::copyCell(h.helmets.sheet(), 0);

        // The window goes on handling events during the run: it is seen disabled and busy.
        bool sawBusy = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            const QCursor* cursor = QApplication::overrideCursor();
            sawBusy = sawBusy || (!w.isEnabled() && cursor && cursor->shape() == Qt::WaitCursor);
        });
        watch.start(0);
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        watch.stop();

        QVERIFY(sawBusy);
        QCOMPARE(h.prompt.warned.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(h.prompt.warned[0]).contains("had not finished after 300 ms"),
                 h.prompt.warned[0].c_str());
        QVERIFY(h.prompt.informed.empty());
        QVERIFY(w.isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(kvr::copyCell(h.helmets.sheet(), 0), before);
        w.driverList()->setCurrentRow(4);
        QCOMPARE(h.helmets.selected(), 4);
        QTest::mouseClick(w.backButton(), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(HelmetWindowTest)
#include "helmet_window_test.moc"
