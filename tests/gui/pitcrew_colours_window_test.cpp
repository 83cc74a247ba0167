// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_harness.h"
#include "editors/pitcrew/pitcrew_colours_window.h"
#include "picture_clicks.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace rec = kvr::rec;

class PitCrewColoursWindowTest : public QObject {
    Q_OBJECT

    static int stored(const EditorHarness& h, int team, int group)
    {
        return h.document.record().byte(rec::pitCrewColour(team, group));
    }

  private slots:
    void swatchesAtTheEdgeReachTheExecutable()
    {
        EditorHarness h;
        kvrgui::TPCColorsForm w(h.services);
        w.show();
        QCOMPARE(w.selectedElement(), 0);
        QVERIFY(w.elementButton(0)->isChecked());
        QCOMPARE(w.elementButton(1)->text(), QStringLiteral("Legs/ Pit Monitor"));

        const std::optional<QPoint> legs = drawingPixelOf("DIB2.DIB", 62);
        QVERIFY(legs);
        movePointer(*w.picture(), legs->x(), legs->y());
        QCOMPARE(w.detailLabel()->text(), QStringLiteral("Detail: Legs/ Pit Monitor"));
        pressPixel(*w.picture(), legs->x(), legs->y());
        QVERIFY(w.elementButton(1)->isChecked());

        w.teamList()->setCurrentRow(4);
        QCOMPARE(w.selectedTeam(), 5);
        clickRadio(w.elementButton(2)); // "Waist", group 4
        QCOMPARE(w.selectedElement(), 2);
        pressPixel(*w.picture(), swatchX(100), swatchY(100));
        QCOMPARE(stored(h, 5, 4), 100);
        // A run of 16 from 231 would pass 245.
        pressPixel(*w.picture(), swatchX(231), swatchY(231));
        QCOMPARE(stored(h, 5, 4), 100);
        pressPixel(*w.picture(), swatchX(230), swatchY(230));
        QCOMPARE(stored(h, 5, 4), 230);
        pressPixel(*w.picture(), swatchX(100), swatchY(100));
        QCOMPARE(stored(h, 5, 4), 100);
        // The waist's fifth index in the drawing is now drawn from the new base.
        const std::optional<QPoint> waist = drawingPixelOf("DIB2.DIB", 78);
        QVERIFY(waist);
        QCOMPARE(int(w.picture()->wing().pixel(waist->x(), waist->y())), 104);

        const auto before = h.gameFile("KVR.EXE");
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        const auto exe = h.gameFile("KVR.EXE");
        const std::uint32_t team5 = kvr::positionOf(kvr::Row::PitCrewColours, 0) + 16 * 4;
        QCOMPARE(int(exe[team5 + 4]), 0x5A);
        QCOMPARE(exe[team5 + 0], before[team5 + 0]);
        QCOMPARE(exe[team5 + 1], before[team5 + 1]);
        QVERIFY(h.fatal.empty());
    }

    void theKeyboardAloneChangesAColourAndExportsIt()
    {
        EditorHarness h;
        kvrgui::TPCColorsForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(tabTo(w.teamList()));
        press(Qt::Key_Down, 4);
        QCOMPARE(w.selectedTeam(), 5);
        QVERIFY(tabTo(w.picture()));
        press(Qt::Key_PageDown, 2);
        QVERIFY(w.elementButton(2)->isChecked());
        QCOMPARE(w.detailLabel()->text(), QStringLiteral("Detail: Waist"));
        // A run of 16 from 231 would pass 245: refused; 100 is taken.
        const int before = stored(h, 5, 4);
        arrowToSwatch(231);
        press(Qt::Key_Space);
        QCOMPARE(w.swatchCursor(), 231);
        QCOMPARE(stored(h, 5, 4), before);
        arrowToSwatch(100);
        QCOMPARE(w.picture()->accessibleName(), QStringLiteral("Colour 100, Waist"));
        press(Qt::Key_Space);
        QCOMPARE(stored(h, 5, 4), 100);

        QVERIFY(tabTo(w.exportButton()));
        press(Qt::Key_Space);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        const std::uint32_t team5 = kvr::positionOf(kvr::Row::PitCrewColours, 0) + 16 * 4;
        QCOMPARE(int(h.gameFile("KVR.EXE")[team5 + 4]), 0x5A);
        QVERIFY(h.fatal.empty());
    }

    void teamListFollowsTheEnabledFlagsAndRestoreWorks()
    {
        EditorHarness h;
        kvrgui::TPCColorsForm w(h.services);
        w.show();
        QCOMPARE(w.teamList()->count(), 14);
        w.teamList()->setCurrentRow(6);
        QCOMPARE(w.selectedTeam(), 7);
        w.hide();

        h.document.change("off", [](kvr::SettingsRecord& r) { r.setByte(rec::teamEnabled(1), 0); });
        w.show();
        QCOMPARE(w.teamList()->count(), 13);
        QCOMPARE(w.selectedTeam(), 2);
        w.teamList()->setCurrentRow(5);
        QCOMPARE(w.selectedTeam(), 7);

        // Another change while it is open: the selected team goes, the first one shows.
        h.document.change("off", [](kvr::SettingsRecord& r) { r.setByte(rec::teamEnabled(7), 0); });
        QCOMPARE(w.teamList()->count(), 12);
        QCOMPARE(w.selectedTeam(), 2);
        QCOMPARE(w.teamList()->currentRow(), 0);

        pressPixel(*w.picture(), swatchX(12), swatchY(12));
        QCOMPARE(stored(h, 2, 2), 12);
        QTest::mouseClick(w.restoreButton(), Qt::LeftButton);
        QVERIFY(stored(h, 2, 2) != 12);
        QCOMPARE(w.teamList()->count(), 14);
        const std::optional<QPoint> feet = drawingPixelOf("DIB2.DIB", 46);
        QVERIFY(feet);
        QCOMPARE(int(w.picture()->wing().pixel(feet->x(), feet->y())), stored(h, 2, 2) + 4);

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QVERIFY(h.prompt.unexpected.empty());
    }
};

QTEST_MAIN(PitCrewColoursWindowTest)
#include "pitcrew_colours_window_test.moc"
