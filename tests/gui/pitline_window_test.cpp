// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_harness.h"
#include "editors/pitline/pit_line_blocks.h"
#include "editors/pitline/pitline_window.h"
#include "widgets/exchange_list.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace rec = kvr::rec;
using kvr::Row;

class PitLineWindowTest : public QObject {
    Q_OBJECT

    static QPoint lineCentre(kvrgui::ExchangeList* list, int line)
    {
        return list->visualItemRect(list->item(line)).center();
    }

    // Presses on one line, moves over the list and lets go at `to`.
    static void drag(kvrgui::ExchangeList* list, int line, QPoint to)
    {
        QWidget* area = list->viewport();
        QTest::mousePress(area, Qt::LeftButton, {}, lineCentre(list, line));
        QTest::mouseMove(area, lineCentre(list, line) + QPoint(0, 10));
        QTest::mouseMove(area, to);
        QTest::mouseRelease(area, Qt::LeftButton, {}, to);
    }

    static std::vector<int> pitOrder(const kvr::SettingsRecord& r)
    {
        std::vector<int> order;
        for (int p = 1; p <= 14; ++p)
            order.push_back(r.byte(rec::pitOrder(p)));
        return order;
    }

  private slots:
    void aDropExchangesTheTeamsNamedOnTheLines()
    {
        EditorHarness h;
        std::vector<int> order = pitOrder(h.document.record());
        // The team in pit 2 off: line 1 names the team in pit 3.
        h.document.change("off", [&](kvr::SettingsRecord& r) { r.setByte(rec::teamEnabled(order[1]), 0); });
        kvrgui::TPitLineForm w(h.services);
        w.show();
        kvrgui::ExchangeList* list = w.pitOrderList();
        QCOMPARE(list->count(), 13);
        const auto name = [&](int team) {
            return QString::fromLatin1(h.document.record().shortString(rec::teamName(team), rec::kTeamNameChars));
        };
        QCOMPARE(list->item(1)->text(), name(order[2]));

        drag(list, 1, lineCentre(list, 12));
        std::swap(order[2], order[13]);
        QCOMPARE(pitOrder(h.document.record()), order);
        QCOMPARE(list->item(1)->text(), name(order[2]));
        QCOMPARE(list->item(12)->text(), name(order[13]));

        // Let go beside the list, or cancelled with Escape: nothing changes.
        drag(list, 0, QPoint(list->viewport()->width() / 2, -40));
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, lineCentre(list, 0));
        QTest::mouseMove(list->viewport(), lineCentre(list, 5));
        QVERIFY(list->dragging());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, lineCentre(list, 5));
        QCOMPARE(pitOrder(h.document.record()), order);

        // By keyboard: Alt+Down twice walks the team on line 4 (pit 6) down two pits; the
        // ends of the list go no further.
        list->setFocus();
        list->setCurrentRow(4);
        QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        std::swap(order[5], order[6]);
        std::swap(order[6], order[7]);
        QCOMPARE(pitOrder(h.document.record()), order);
        QCOMPARE(list->currentRow(), 6);
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
        list->setCurrentRow(12);
        QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(pitOrder(h.document.record()), order);
        QVERIFY(!list->toolTip().isEmpty());

        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        const auto exe = h.gameFile("KVR.EXE");
        const std::uint32_t at = kvr::positionOf(Row::PitOrder, 0);
        for (int p = 0; p < 14; ++p)
            QCOMPARE(int(exe[at + std::uint32_t(p)]), order[std::size_t(p)]);
        QVERIFY(h.fatal.empty());
    }

    void speedAndCheckReachTheGameAndImportShowsAtOnce()
    {
        EditorHarness h;
        kvrgui::TPitLineForm w(h.services);
        w.show();
        QVERIFY(w.checkSpeedBox()->isChecked());
        QScrollBar* bar = w.speedBar();
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(w.kphText()->text(), QStringLiteral("324 kph"));
        QCOMPARE(w.mphText()->text(), QStringLiteral("201 mph"));
        QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(h.document.record().word(rec::kPitSpeedLimit), std::uint16_t(2 * (32767 - 64)));
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);

        QTest::mouseClick(w.checkSpeedBox(), Qt::LeftButton);
        QVERIFY(!bar->isEnabled());
        QVERIFY(!w.kphText()->isEnabled());
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        auto exe = h.gameFile("KVR.EXE");
        QCOMPARE(exe[kvr::positionOf(Row::PitSpeedCheck, 0)], std::uint8_t(0xEB));
        const std::uint32_t limit = kvr::positionOf(Row::PitSpeedLimit, 0);
        QCOMPARE(exe[limit] | exe[limit + 1] << 8, 2 * (32767 - 64));

        // The record moves away from the game, then the game's values come back.
        h.document.change("elsewhere", [](kvr::SettingsRecord& r) {
            kvr::setPitSpeedChecked(r, true);
            r.setWord(rec::kPitSpeedLimit, 2);
        });
        QCOMPARE(w.kphText()->text(), QStringLiteral("0 kph"));
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been imported!"));
        QVERIFY(!w.checkSpeedBox()->isChecked());
        QCOMPARE(bar->value(), 32767 - 64);

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(PitLineWindowTest)
#include "pitline_window_test.moc"
