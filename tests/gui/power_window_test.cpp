// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_boxes.h"
#include "editors/power/power_window.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QUndoStack>
#include <QtTest>

namespace rec = kvr::rec;

class PowerWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void typedValuesBarsAndSwitchReachTheGame()
    {
        EditorHarness h;
        kvrgui::TEPowerForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.teamText(1)->text(), QStringLiteral("Corvane-Zephrin V10"));
        QCOMPARE(w.bhpEdit(1)->text(), QStringLiteral("760"));

        typeInto(w.bhpEdit(3), QStringLiteral("2000"));
        QCOMPARE(stored(h, rec::enginePowerQualifying(3)), std::uint16_t(1579));
        QCOMPARE(w.bhpEdit(3)->text(), QStringLiteral("1579"));
        QCOMPARE(w.bhpSlider(3)->value(), 1579);

        // A box without a number is told and shows its value again.
        typeInto(w.bhpEdit(5), QStringLiteral("800"));
        typeInto(w.bhpEdit(4), QStringLiteral("x"));
        QCoreApplication::processEvents();
        QCOMPARE(h.prompt.warned, std::vector<std::string>{"'x' is not a valid number."});
        QCOMPARE(w.bhpEdit(4)->text(), QStringLiteral("738"));
        QCOMPARE(stored(h, rec::enginePowerQualifying(4)), std::uint16_t(738));
        QCOMPARE(stored(h, rec::enginePowerQualifying(5)), std::uint16_t(800));

        w.otherSessionsChoice()->click();
        QCOMPARE(w.bhpEdit(1)->text(), QStringLiteral("745"));
        QCOMPARE(w.humanPowerEdit()->text(), QStringLiteral("720"));
        typeInto(w.humanPowerEdit(), QStringLiteral("9999"));
        QCOMPARE(stored(h, rec::kHumanPowerRace), std::uint16_t(9999));
        QCOMPARE(stored(h, rec::kHumanPowerQualifying), std::uint16_t(735));

        // A bar moved by keys is one undo step and edits only its team.
        const int steps = h.document.undoStack()->count();
        QSlider* bar = w.bhpSlider(2);
        bar->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(h.document.undoStack()->count(), steps + 1);
        QCOMPARE(int(stored(h, rec::enginePowerRace(2))), bar->value());
        QCOMPARE(w.bhpEdit(2)->text(), QString::number(bar->value()));
        QCOMPARE(stored(h, rec::enginePowerQualifying(2)), std::uint16_t(752));

        typeInto(w.stepEdit(), QStringLiteral("700"));
        QTest::mouseClick(w.minusButton(), Qt::LeftButton);
        QCOMPARE(stored(h, rec::enginePowerRace(1)), std::uint16_t(45));
        QCOMPARE(stored(h, rec::enginePowerRace(14)), std::uint16_t(0));
        QCOMPARE(stored(h, rec::enginePowerRace(15)), std::uint16_t(625));
        QCOMPARE(stored(h, rec::enginePowerQualifying(1)), std::uint16_t(760));
        typeInto(w.stepEdit(), QStringLiteral("1550"));
        QTest::mouseClick(w.plusButton(), Qt::LeftButton);
        QCOMPARE(stored(h, rec::enginePowerRace(1)), std::uint16_t(1579));
        QCOMPARE(stored(h, rec::enginePowerRace(14)), std::uint16_t(1550));
        QCOMPARE(stored(h, rec::enginePowerRace(15)), std::uint16_t(625));

        QVERIFY(w.randomPowerCheck()->isChecked());
        w.randomPowerCheck()->click();

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        const auto exe = h.gameFile("KVR.EXE");
        const std::uint32_t block = kvr::positionOf(kvr::Row::EnginePower, 0);
        QCOMPARE(wordAt(exe, block + 2 * 2), std::uint16_t(1579 + 32817));
        QCOMPARE(wordAt(exe, block + 2 * 4), std::uint16_t(800 + 32817));
        QCOMPARE(wordAt(exe, block + 40), std::uint16_t(1579 + 32817));
        QCOMPARE(wordAt(exe, kvr::positionOf(kvr::Row::HumanPowerRace, 0)), std::uint16_t(9999));
        const std::uint32_t site = kvr::positionOf(kvr::Row::RandomEnginePower, 0);
        for (std::uint32_t i = 0; i < 5; ++i)
            QCOMPARE(exe[site + i], std::uint8_t(0x90));
        QVERIFY(h.fatal.empty());
    }

    // Values above the bars' range, read from a game or a settings file, show whole and
    // stay as they are until the user types over them.
    void boxesShowWholeWordsAndLeaveUntouchedValues()
    {
        EditorHarness h;
        h.document.change("read", [](kvr::SettingsRecord& r) {
            r.setWord(rec::enginePowerQualifying(1), 15000);
            r.setWord(rec::enginePowerRace(2), 40000);
            r.setWord(rec::kHumanPowerQualifying, 65535);
        });
        kvrgui::TEPowerForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.bhpEdit(1)->text(), QStringLiteral("15000"));
        QCOMPARE(w.bhpSlider(1)->value(), 1579);
        QCOMPARE(w.humanPowerEdit()->text(), QStringLiteral("65535"));

        // Passing through the boxes, and typing in another one, changes nothing else.
        w.bhpEdit(1)->setFocus();
        QTest::keyClick(w.bhpEdit(1), Qt::Key_Tab);
        typeInto(w.bhpEdit(3), QStringLiteral("800"));
        w.humanPowerEdit()->setFocus();
        QTest::keyClick(w.humanPowerEdit(), Qt::Key_Tab);
        w.otherSessionsChoice()->click();
        QCOMPARE(w.bhpEdit(2)->text(), QStringLiteral("40000"));
        typeInto(w.bhpEdit(2), QStringLiteral("40000"));
        typeInto(w.bhpEdit(4), QStringLiteral("801"));

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        const auto exe = h.gameFile("KVR.EXE");
        const std::uint32_t block = kvr::positionOf(kvr::Row::EnginePower, 0);
        QCOMPARE(wordAt(exe, block), std::uint16_t((15000 + 32817) & 0xFFFF));
        QCOMPARE(wordAt(exe, block + 2 * 2), std::uint16_t(800 + 32817));
        QCOMPARE(wordAt(exe, block + 40 + 2), std::uint16_t((40000 + 32817) & 0xFFFF));
        QCOMPARE(wordAt(exe, block + 40 + 2 * 3), std::uint16_t(801 + 32817));
        QCOMPARE(wordAt(exe, kvr::positionOf(kvr::Row::HumanPowerQualifying, 0)), std::uint16_t(65535));
        QVERIFY(h.prompt.warned.empty());
    }

    void anImportShowsAtOnceAndEscapeCloses()
    {
        EditorHarness h;
        kvrgui::TEPowerForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        typeInto(w.bhpEdit(1), QStringLiteral("5"));
        QTest::mouseClick(w.qualEqualsOtherButton(), Qt::LeftButton);
        QCOMPARE(stored(h, rec::enginePowerRace(1)), std::uint16_t(5));

        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been imported!"));
        QCOMPARE(w.bhpEdit(1)->text(), QStringLiteral("760"));
        QCOMPARE(w.bhpSlider(1)->value(), 760);

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(PowerWindowTest)
#include "power_window_test.moc"
