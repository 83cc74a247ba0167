// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/checksum.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_harness.h"
#include "editors/cockpit/cockpit_colours_window.h"
#include "editors/cockpit/swatch_grid.h"
#include "picture_clicks.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace rec = kvr::rec;

class CockpitColoursWindowTest : public QObject {
    Q_OBJECT

    static int stored(const EditorHarness& h, int team, int element)
    {
        return h.document.record().byte(rec::cockpitColour(team, element));
    }

  private slots:
    void pressingTheCockpitSelectsTheElementUnderIt()
    {
        EditorHarness h;
        kvrgui::TCColorsForm w(h.services);
        w.show();
        QCOMPARE(w.detailLabel()->text(), QStringLiteral("Detail: (nothing)"));
        const struct {
            int index;
            int element;
            const char* detail;
        } parts[] = {{45, 0, "Detail: Cockpit"}, {166, 2, "Detail: Front wing"}, {63, 1, "Detail: Mirrors"}};
        for (const auto& part : parts) {
            const std::optional<QPoint> at = drawingPixelOf("Dib1.dib", part.index);
            QVERIFY2(at, "the shipped cockpit uses every run");
            movePointer(*w.picture(), at->x(), at->y());
            QCOMPARE(w.detailLabel()->text(), QString::fromLatin1(part.detail));
            pressPixel(*w.picture(), at->x(), at->y());
            QCOMPARE(w.selectedElement(), part.element);
            QVERIFY(w.elementButton(part.element)->isChecked());
        }
        // A pixel just past the cockpit run belongs to nothing and selects nothing.
        const std::optional<QPoint> past = drawingPixelOf("Dib1.dib", 57);
        QVERIFY(past);
        movePointer(*w.picture(), past->x(), past->y());
        QCOMPARE(w.detailLabel()->text(), QStringLiteral("Detail: (nothing)"));
        pressPixel(*w.picture(), past->x(), past->y());
        QCOMPARE(w.selectedElement(), 1);
        QCOMPARE(int(w.picture()->wing().pixel(past->x(), past->y())), 57);
        movePointer(*w.picture(), swatchX(100), swatchY(100));
        QCOMPARE(w.detailLabel()->text(), QStringLiteral("Detail: palette index 100"));
    }

    void swatchesAtTheEdgesRecolourAndReachTheStateFile()
    {
        EditorHarness h;
        h.document.change("off", [](kvr::SettingsRecord& r) { r.setByte(rec::teamEnabled(2), 0); });
        kvrgui::TCColorsForm w(h.services);
        w.show();
        QCOMPARE(w.teamList()->count(), 13);
        w.teamList()->setCurrentRow(1);
        QCOMPARE(w.selectedTeam(), 3);
        const int team1Cockpit = stored(h, 1, 0);

        // Cockpit, 15 long: 231 is the highest base accepted.
        pressPixel(*w.picture(), swatchX(231), swatchY(231));
        QCOMPARE(stored(h, 3, 0), 231);
        pressPixel(*w.picture(), swatchX(232), swatchY(232));
        QCOMPARE(stored(h, 3, 0), 231);
        QCOMPARE(stored(h, 1, 0), team1Cockpit);

        // The drawing follows, and the mark sits on the new run only.
        const std::optional<QPoint> body = drawingPixelOf("Dib1.dib", 44);
        QVERIFY(body);
        QCOMPARE(int(w.picture()->wing().pixel(body->x(), body->y())), 231 + 2);
        const kvr::ColourTable& colours = h.palette.entries;
        QCOMPARE(w.picture()->wing().pixel(swatchX(231), swatchY(231)), kvr::negColor(231, colours));
        QCOMPARE(w.picture()->wing().pixel(swatchX(245), swatchY(245)), kvr::negColor(245, colours));
        QCOMPARE(int(w.picture()->wing().pixel(swatchX(230), swatchY(230))), 230);

        // Front wing, 14 long: 232 is accepted, 233 is not.
        clickRadio(w.elementButton(2));
        QCOMPARE(w.selectedElement(), 2);
        pressPixel(*w.picture(), swatchX(233), swatchY(233));
        pressPixel(*w.picture(), swatchX(232), swatchY(232));
        QCOMPARE(stored(h, 3, 2), 232);
        // An empty cell past the last swatch changes nothing.
        pressPixel(*w.picture(), 490, 370);
        QCOMPARE(stored(h, 3, 2), 232);

        const auto exeBefore = h.gameFile("KVR.EXE");
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        const auto state = h.gameFile("F1GSTATE.SAV");
        QCOMPARE(int(state[kvr::statepos::kCockpitColours + 3 * 2 + 0]), 231 - 10);
        QCOMPARE(int(state[kvr::statepos::kCockpitColours + 3 * 2 + 2]), 232 - 10);
        QVERIFY(kvr::verifyChecksumFile(h.game() / "F1GSTATE.SAV"));
        QVERIFY2(h.gameFile("KVR.EXE") == exeBefore, "the colours live in the state file");
        QVERIFY(h.fatal.empty());
    }

    void theKeyboardAloneChangesColoursAndExportsThem()
    {
        EditorHarness h;
        kvrgui::TCColorsForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        kvr::TWinGImage* picture = w.picture();
        QVERIFY(tabTo(w.teamList()));
        press(Qt::Key_Down, 2);
        QCOMPARE(w.selectedTeam(), 3);
        QVERIFY(tabTo(picture));
        // The cursor starts on the team's cockpit colour and is framed while the picture
        // has the keyboard.
        QCOMPARE(w.swatchCursor(), stored(h, 3, 0));
        arrowToSwatch(231);
        QCOMPARE(w.swatchCursor(), 231);
        QCOMPARE(picture->accessibleName(), QStringLiteral("Colour 231, Cockpit"));
        QCOMPARE(w.detailLabel()->text(), QStringLiteral("Detail: palette index 231"));
        const kvr::ColourTable& colours = h.palette.entries;
        const kvr::PixelRect cell = kvr::swatch::cell(231 - 11);
        QCOMPARE(picture->wing().pixel(cell.left + 1, cell.top + 1), kvr::negColor(231, colours));
        press(Qt::Key_Space);
        QCOMPARE(stored(h, 3, 0), 231);
        // 232 would run the cockpit's 15 colours past 245: Enter changes nothing.
        press(Qt::Key_Right);
        press(Qt::Key_Return);
        QCOMPARE(stored(h, 3, 0), 231);
        QCOMPARE(picture->wing().pixel(swatchX(231), swatchY(231)), kvr::negColor(231, colours));

        // Page Down chooses the next part, as its radio button does.
        press(Qt::Key_PageDown, 2);
        QCOMPARE(w.selectedElement(), 2);
        QVERIFY(w.elementButton(2)->isChecked());
        QCOMPARE(w.detailLabel()->text(), QStringLiteral("Detail: Front wing"));
        QCOMPARE(w.swatchCursor(), stored(h, 3, 2));
        arrowToSwatch(232);
        press(Qt::Key_Enter);
        QCOMPARE(stored(h, 3, 2), 232);
        QCOMPARE(QApplication::focusWidget(), picture);
        press(Qt::Key_PageUp);
        QCOMPARE(w.selectedElement(), 1);

        QVERIFY(tabTo(w.exportButton()));
        // Out of the picture the cursor's frame goes; the swatch shows its own colour.
        QCOMPARE(int(picture->wing().pixel(cell.left + 1, cell.top + 1)), 231);
        press(Qt::Key_Space);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        const auto state = h.gameFile("F1GSTATE.SAV");
        QCOMPARE(int(state[kvr::statepos::kCockpitColours + 3 * 2 + 0]), 231 - 10);
        QCOMPARE(int(state[kvr::statepos::kCockpitColours + 3 * 2 + 2]), 232 - 10);
        QVERIFY(kvr::verifyChecksumFile(h.game() / "F1GSTATE.SAV"));
        QVERIFY(h.fatal.empty());
    }

    void anImportKeepsTheChosenTeam()
    {
        EditorHarness h;
        kvrgui::TCColorsForm w(h.services);
        w.show();
        w.teamList()->setCurrentRow(3);
        QCOMPARE(w.selectedTeam(), 4);
        const int fromGame = stored(h, 4, 0);
        pressPixel(*w.picture(), swatchX(100), swatchY(100));
        QCOMPARE(stored(h, 4, 0), 100);

        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been imported!"));
        QCOMPARE(stored(h, 4, 0), fromGame);
        QCOMPARE(w.selectedTeam(), 4);
        QCOMPARE(w.teamList()->currentRow(), 3);
        pressPixel(*w.picture(), swatchX(120), swatchY(120));
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        const auto state = h.gameFile("F1GSTATE.SAV");
        QCOMPARE(int(state[kvr::statepos::kCockpitColours + 3 * 3]), 120 - 10);
        QVERIFY(h.fatal.empty());
    }

    void withoutTheStateFileTheExecutableGetsTheColours()
    {
        EditorHarness h;
        std::filesystem::remove(h.game() / "F1GSTATE.SAV");
        kvrgui::TCColorsForm w(h.services);
        w.show();
        clickRadio(w.elementButton(1));
        pressPixel(*w.picture(), swatchX(230), swatchY(230));
        QCOMPARE(stored(h, 1, 1), 230);
        pressPixel(*w.picture(), swatchX(231), swatchY(231));
        QCOMPARE(stored(h, 1, 1), 230);
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        const auto exe = h.gameFile("KVR.EXE");
        QCOMPARE(int(exe[kvr::positionOf(kvr::Row::CockpitColours, 0) + 1]), 230 - 10);
        QVERIFY(!std::filesystem::exists(h.game() / "F1GSTATE.SAV"));
        QVERIFY(h.fatal.empty());
    }

    void restoreShowsAtOnceAndThePictureSavesAsPng()
    {
        EditorHarness h;
        kvrgui::TCColorsForm w(h.services);
        w.show();
        pressPixel(*w.picture(), swatchX(11), swatchY(11));
        QCOMPARE(stored(h, 1, 0), 11);
        const std::optional<QPoint> body = drawingPixelOf("Dib1.dib", 45);
        QVERIFY(body);
        QCOMPARE(int(w.picture()->wing().pixel(body->x(), body->y())), 11 + 3);

        QTest::mouseClick(w.restoreButton(), Qt::LeftButton);
        const int original = stored(h, 1, 0);
        QVERIFY(original != 11);
        QCOMPARE(int(w.picture()->wing().pixel(body->x(), body->y())), original + 3);

        const std::filesystem::path png = h.root() / "cockpit.png";
        h.prompt.fileAnswers = {png};
        QTest::mouseClick(w.savePictureButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.fileRequests.back().mode, kvr::FileRequest::Mode::Save);
        const QImage saved(QString::fromStdString(png.string()));
        QCOMPARE(saved.size(), QSize(500, 198));
        QCOMPARE(saved.pixel(body->x(), body->y()),
                 kvr::toArgb(w.picture()->wing().colourTable()[std::size_t(original + 3)]));

        // A file that cannot be written is reported, not half made.
        h.prompt.fileAnswers = {h.root() / "nowhere" / "cockpit.png"};
        QTest::mouseClick(w.savePictureButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.warned.size(), std::size_t(1));
        QVERIFY(!std::filesystem::exists(h.root() / "nowhere"));

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QVERIFY(h.prompt.unexpected.empty());
    }

    void withoutItsPictureTheWindowStillOffersTheSwatches()
    {
        EditorHarness h;
        h.context.home.dataDir = h.root() / "empty";
        kvrgui::TCColorsForm w(h.services);
        QCOMPARE(h.prompt.warned.size(), std::size_t(1));
        w.show();
        pressPixel(*w.picture(), swatchX(50), swatchY(50));
        QCOMPARE(stored(h, 1, 0), 50);
        pressPixel(*w.picture(), 250, 100);
        QCOMPARE(w.selectedElement(), 0);
    }
};

QTEST_MAIN(CockpitColoursWindowTest)
#include "cockpit_colours_window_test.moc"
