// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_boxes.h"
#include "editors/grip/grip_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace rec = kvr::rec;

class GripWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void eachLineEditsTheCarNamedOnIt()
    {
        EditorHarness h;
        // Team 2's first driver has no number and team 3's second one a number without
        // an entry: both are left out, and the lines after them keep their own cars.
        h.document.change("gaps", [](kvr::SettingsRecord& r) {
            r.setByte(rec::carNumber(3), 0);
            r.setByte(rec::carNumber(6), 77);
        });
        kvrgui::TGripForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.firstDriverList()->count(), 13);
        QCOMPARE(w.secondDriverList()->count(), 13);
        QCOMPARE(w.selectedCar(), 1);

        w.tableChoice(kvr::GripTable::OtherSessions)->click();
        w.firstDriverList()->setCurrentRow(1);
        QCOMPARE(w.firstDriverList()->item(1)->text(), QStringLiteral("Emrik Solvang"));
        QCOMPARE(w.selectedCar(), 5);
        QCOMPARE(w.firstValueList()->currentRow(), 1);
        QCOMPARE(w.valueEdit()->text(), QString::number(16400 - 4 * 60 - 250));

        typeInto(w.valueEdit(), QStringLiteral("17016"));
        QCOMPARE(stored(h, rec::gripRace(5)), std::uint16_t(17016));
        QCOMPARE(w.firstValueList()->item(1)->text(), QStringLiteral("17016"));
        // Out of range: held at the top without a word; not a number: told and not stored.
        typeInto(w.valueEdit(), QStringLiteral("17017"));
        QCOMPARE(w.valueEdit()->text(), QStringLiteral("17016"));
        QVERIFY(h.prompt.warned.empty());
        typeInto(w.valueEdit(), QStringLiteral("abc"));
        QCoreApplication::processEvents();
        QCOMPARE(h.prompt.warned, std::vector<std::string>{"'abc' is not a valid number."});
        QCOMPARE(stored(h, rec::gripRace(5)), std::uint16_t(17016));

        // A line of the second drivers' values selects in both second lists only.
        w.tableChoice(kvr::GripTable::Range)->click();
        w.secondValueList()->setCurrentRow(2);
        QCOMPARE(w.selectedCar(), 8);
        QCOMPARE(w.secondDriverList()->currentRow(), 2);
        QVERIFY(w.firstDriverList()->selectedItems().isEmpty());
        typeInto(w.valueEdit(), QStringLiteral("32767"));
        QCOMPARE(stored(h, rec::gripRange(8)), std::uint16_t(32767));

        // "+" moves every roster car once; car 30 is on no slot and car 6 is no more.
        const std::uint16_t range1 = stored(h, rec::gripRange(1));
        const std::uint16_t range6 = stored(h, rec::gripRange(6));
        const std::uint16_t range30 = stored(h, rec::gripRange(30));
        QTest::mouseClick(w.plusButton(), Qt::LeftButton);
        QCOMPARE(stored(h, rec::gripRange(1)), std::uint16_t(range1 + 100));
        QCOMPARE(stored(h, rec::gripRange(8)), std::uint16_t(32767));
        QCOMPARE(stored(h, rec::gripRange(6)), range6);
        QCOMPARE(stored(h, rec::gripRange(30)), range30);

        QTest::mouseClick(w.qualEqualsOtherButton(), Qt::LeftButton);
        QCOMPARE(stored(h, rec::gripQualifying(5)), std::uint16_t(17016));

        const auto before = h.gameFile("KVR.EXE");
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        const auto exe = h.gameFile("KVR.EXE");
        const std::uint32_t grip = kvr::positionOf(kvr::Row::Grip, 0) + 4 * (5 - 1);
        QCOMPARE(wordAt(exe, grip), std::uint16_t(0x7FFF));
        QCOMPARE(wordAt(exe, grip + 2), std::uint16_t(0x7FFF));
        const std::uint32_t range = kvr::positionOf(kvr::Row::GripRange, 0) + 4 * (8 - 1);
        QCOMPARE(wordAt(exe, range), std::uint16_t(32767));
        QCOMPARE(wordAt(exe, range + 2), wordAt(before, range + 2));
        QVERIFY(h.fatal.empty());
    }

    void restoreShowsAtOnceAndEscapeCloses()
    {
        EditorHarness h;
        kvrgui::TGripForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        typeInto(w.stepEdit(), QStringLiteral("500"));
        QTest::mouseClick(w.minusButton(), Qt::LeftButton);
        QCOMPARE(w.valueEdit()->text(), QString::number(16400 - 500));

        QTest::mouseClick(w.restoreButton(), Qt::LeftButton);
        const QString original = QString::number(stored(h, rec::gripQualifying(1)));
        QVERIFY(original != QString::number(16400 - 500));
        QCOMPARE(w.valueEdit()->text(), original);
        QCOMPARE(w.firstValueList()->item(0)->text(), original);

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(GripWindowTest)
#include "grip_window_test.moc"
