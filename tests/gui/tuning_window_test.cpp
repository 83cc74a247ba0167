// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_harness.h"
#include "editors/tuning/tuning_window.h"
#include "graphics/dib256.h"
#include "graphics/wing_image_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace rec = kvr::rec;
using kvr::Row;

class TuningWindowTest : public QObject {
    Q_OBJECT

    static void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    static int gameWord(const std::vector<std::uint8_t>& exe, std::uint32_t at) { return exe[at] | exe[at + 1] << 8; }

  private slots:
    void editsReachTheGame()
    {
        EditorHarness h;
        kvrgui::TCTuningForm w(h.services);
        w.show();

        QComboBox* led4 = w.ledColourBox(4);
        led4->setFocus();
        QTest::keyClick(led4, Qt::Key_Home);
        QCOMPARE(h.document.record().byte(rec::kLedColour[3]), std::uint8_t(1));

        type(w.thresholdEdit(3), QStringLiteral("12000"));
        QCOMPARE(h.document.record().word(rec::kLedThreshold[2]), std::uint16_t(5846));
        type(w.thresholdEdit(3), QStringLiteral("12k"));
        QCOMPARE(h.document.record().word(rec::kLedThreshold[2]), std::uint16_t(5846));
        QCOMPARE(w.thresholdEdit(3)->text(), QStringLiteral("12000"));

        type(w.qualifyingFuelEdit(), QStringLiteral("1"));
        QCOMPARE(h.document.record().byte(rec::kQualifyingFuel), std::uint8_t(0));
        type(w.practiceFuelEdit(), QStringLiteral("300"));
        QCOMPARE(w.practiceFuelEdit()->text(), QStringLiteral("255"));
        QVERIFY(h.prompt.warned.empty());

        // Linked bars move together: 8 large steps of 20 from 0 (Page Down moves a scroll bar on).
        QTest::mouseClick(w.linkedBox(), Qt::LeftButton);
        QScrollBar* bar = w.humanWeightBar();
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Home);
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(bar, Qt::Key_PageDown);
        QCOMPARE(w.computerWeightBar()->value(), 160);
        QCOMPARE(w.computerPoundsText()->text(), QStringLiteral("160 lb"));
        QCOMPARE(w.humanKilogramsText()->text(), QStringLiteral("73 kg"));

        const bool opponentFuel = w.opponentFuelBox()->isChecked();
        QTest::mouseClick(w.opponentFuelBox(), Qt::LeftButton);
        const bool teamPerformance = w.teamPerformanceBox()->isChecked();
        QTest::mouseClick(w.teamPerformanceBox(), Qt::LeftButton);

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        const auto exe = h.gameFile("KVR.EXE");
        QCOMPARE(exe[kvr::positionOf(Row::LedColours, 0) + 12], std::uint8_t(1));
        QCOMPARE(gameWord(exe, kvr::positionOf(Row::LedThresholds, 0) + 4), 5846);
        QCOMPARE(exe[kvr::positionOf(Row::PracticeFuel, 0)], std::uint8_t(255));
        QCOMPARE(exe[kvr::positionOf(Row::QualifyingFuel, 0)], std::uint8_t(0));
        QCOMPARE(gameWord(exe, kvr::positionOf(Row::HumanWeight, 0)), 160);
        QCOMPARE(gameWord(exe, kvr::positionOf(Row::ComputerWeight, 0)), 160);
        QCOMPARE(exe[kvr::positionOf(Row::OpponentFuelSwitch, 0)], std::uint8_t(opponentFuel ? 0x74 : 0xEB));
        const std::uint8_t performance = teamPerformance ? 0xFF : 0x00;
        QCOMPARE(exe[kvr::positionOf(Row::TeamPerformanceFirst, 0)], performance);
        QCOMPARE(exe[kvr::positionOf(Row::TeamPerformanceSecond, 0)], performance);
        QVERIFY(h.fatal.empty());
    }

    void theLedPreviewFollowsTheColours()
    {
        EditorHarness h;
        kvrgui::TCTuningForm w(h.services);
        w.show();
        kvr::TDIB256 picture;
        picture.loadFromFile(h.context.home.data("LEDS.DIB").string());
        kvr::TWinG& shown = w.ledPreview()->wing();
        QCOMPARE(int(shown.width()), int(picture.width()));
        // A pixel in the glass of LED 2, and where the stretched sprites have it.
        const int x = 27 + 7;
        const int y = 29 + 7;
        const auto sprite = [&](int colour) { return picture.pixel(85 + 6, 12 * (colour - 1) + 6); };

        QVERIFY(sprite(2) != sprite(3) && sprite(3) != picture.pixel(x, y));
        QComboBox* led2 = w.ledColourBox(2);
        led2->setFocus();
        QTest::keyClick(led2, Qt::Key_End);
        QCOMPARE(shown.pixel(x, y), sprite(3));
        QTest::keyClick(led2, Qt::Key_Up);
        QCOMPARE(shown.pixel(x, y), sprite(2));

        // A colour the game does not know, as an import could bring it.
        h.document.change("odd colour", [](kvr::SettingsRecord& r) { r.setByte(rec::kLedColour[1], 7); });
        QCOMPARE(led2->currentIndex(), -1);
        QCOMPARE(shown.pixel(x, y), picture.pixel(x, y));

        QTest::mouseClick(w.restoreButton(), Qt::LeftButton);
        const std::uint8_t restored = h.document.record().byte(rec::kLedColour[1]);
        QVERIFY(restored >= 1 && restored <= 3);
        QCOMPARE(led2->currentIndex(), restored - 1);
        QCOMPARE(shown.pixel(x, y), sprite(restored));

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TuningWindowTest)
#include "tuning_window_test.moc"
