// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "editor_harness.h"
#include "editors/failures/failure_blocks.h"
#include "editors/failures/failures_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QUndoStack>
#include <QtTest>

namespace rec = kvr::rec;

class FailuresWindowTest : public QObject {
    Q_OBJECT

    static std::uint16_t gameValue(const EditorHarness& h, int team)
    {
        const auto exe = h.gameFile("KVR.EXE");
        const std::uint32_t at = kvr::positionOf(kvr::Row::Failures, 0) + 2 * std::uint32_t(team - 1);
        return std::uint16_t(exe[at] | exe[at + 1] << 8);
    }

private slots:
    void typedValuesAndShiftsReachTheGame()
    {
        EditorHarness h;
        // Team 3 off: its line is gone and the third line edits team 4.
        h.document.change("off", [](kvr::SettingsRecord& r) { r.setByte(rec::teamEnabled(3), 0); });
        kvrgui::TFailuresForm w(h.services);
        w.show();
        QCOMPARE(w.teamList()->count(), 13);
        w.teamList()->setCurrentRow(2);
        QCOMPARE(w.selectedTeam(), 4);
        QCOMPARE(w.valueList()->currentRow(), 2);

        w.valueEdit()->selectAll();
        QTest::keyClicks(w.valueEdit(), QStringLiteral("4464"));
        QTest::keyClick(w.valueEdit(), Qt::Key_Return);
        QCOMPARE(kvr::failureValue(h.document.record(), 4), std::uint16_t(4464));
        QCOMPARE(w.slider(4)->value(), 4464);
        QCOMPARE(w.valueList()->item(2)->text(), QStringLiteral("4464"));

        w.valueEdit()->setFocus();
        w.valueEdit()->selectAll();
        QTest::keyClicks(w.valueEdit(), QStringLiteral("abc"));
        QTest::keyClick(w.valueEdit(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(h.prompt.warned.size(), std::size_t(1));
        QCOMPARE(kvr::failureValue(h.document.record(), 4), std::uint16_t(4464));
        QCOMPARE(w.valueEdit()->text(), QStringLiteral("4464"));

        const std::uint16_t team3 = kvr::failureValue(h.document.record(), 3);
        QTest::mouseClick(w.plusButton(), Qt::LeftButton);
        QCOMPARE(kvr::failureValue(h.document.record(), 4), std::uint16_t(4564));
        QCOMPARE(kvr::failureValue(h.document.record(), 3), team3);

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        QCOMPARE(gameValue(h, 4), std::uint16_t(4564));
        QVERIFY(h.fatal.empty());
    }

    // With a team switched off, each row still shows one team: its name, its value and the
    // slider beside them.
    void eachRowIsOneTeam()
    {
        EditorHarness h;
        h.document.change("off", [](kvr::SettingsRecord& r) { r.setByte(rec::teamEnabled(3), 0); });
        const kvr::SettingsRecord before = h.document.record();
        kvrgui::TFailuresForm w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QList<QSlider*> sliders = w.findChildren<QSlider*>();
        QCOMPARE(std::count_if(sliders.begin(), sliders.end(), [](QSlider* s) { return s->isVisible(); }), 13);

        // The sliders of the second and third rows: teams 2 and 4.
        for (int row : {2, 3}) {
            auto* s = w.findChild<QSlider*>(QStringLiteral("slider%1").arg(row));
            QVERIFY(s && s->isVisible());
            const QRect line = w.teamList()->visualItemRect(w.teamList()->item(row - 1));
            const int beside = s->mapTo(&w, QPoint(0, s->height() / 2)).y() -
                               w.teamList()->viewport()->mapTo(&w, line.center()).y();
            QVERIFY2(std::abs(beside) < line.height() / 2, qPrintable(QString::number(beside)));
            s->setFocus();
            QTest::keyClick(s, Qt::Key_Home);
        }
        QCOMPARE(kvr::failureValue(h.document.record(), 2), std::uint16_t(0));
        QCOMPARE(kvr::failureValue(h.document.record(), 4), std::uint16_t(0));
        QCOMPARE(kvr::failureValue(h.document.record(), 3), kvr::failureValue(before, 3));
        QCOMPARE(w.valueList()->item(1)->text(), QStringLiteral("0"));
        QCOMPARE(w.valueList()->item(2)->text(), QStringLiteral("0"));

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(gameValue(h, 2), std::uint16_t(0));
        QCOMPARE(gameValue(h, 4), std::uint16_t(0));
        QCOMPARE(gameValue(h, 3), kvr::failureValue(before, 3));
        QVERIFY(gameValue(h, 3) != 0);

        // An import keeps the team chosen.
        w.teamList()->setCurrentRow(4);
        QCOMPARE(w.selectedTeam(), 6);
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been imported!"));
        QCOMPARE(w.selectedTeam(), 6);
        QCOMPARE(w.teamList()->currentRow(), 4);
        QCOMPARE(w.valueEdit()->text(), QString::number(gameValue(h, 6)));
    }

    void aSliderDragIsOneStepAndRestoreShowsAtOnce()
    {
        EditorHarness h;
        kvrgui::TFailuresForm w(h.services);
        w.show();
        const int steps = h.document.undoStack()->count();
        QSlider* s = w.slider(2);
        s->setFocus();
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(s, Qt::Key_PageUp);
        QCOMPARE(h.document.undoStack()->count(), steps + 1);
        const std::uint16_t dragged = kvr::failureValue(h.document.record(), 2);
        QCOMPARE(int(dragged), s->value());

        QTest::mouseClick(w.restoreButton(), Qt::LeftButton);
        QVERIFY(kvr::failureValue(h.document.record(), 2) != dragged);
        QCOMPARE(s->value(), int(kvr::failureValue(h.document.record(), 2)));

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(FailuresWindowTest)
#include "failures_window_test.moc"
