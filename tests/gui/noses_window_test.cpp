// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/positions.h"
#include "core/settings_record.h"
#include "editor_harness.h"
#include "editors/noses/nose_blocks.h"
#include "editors/noses/noses_window.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace rec = kvr::rec;

class NosesWindowTest : public QObject {
    Q_OBJECT

    // The first bytes of team `team`'s records in tables A and B.
    static std::pair<int, int> gameBytes(const EditorHarness& h, int team)
    {
        const auto exe = h.gameFile("KVR.EXE");
        const std::uint32_t at = kvr::noses::tableA(0) + 4 * std::uint32_t(team - 1);
        return {exe[at], exe[at + 53]};
    }

  private slots:
    void aLineEditsTheTeamNamedOnIt()
    {
        EditorHarness h;
        // Team 2 off: the second line names team 3 and must edit it.
        h.document.change("off", [](kvr::SettingsRecord& r) {
            r.setByte(rec::teamEnabled(2), 0);
            kvr::setNoseRaised(r, 2, true);
            kvr::setNoseRaised(r, 3, true);
        });
        kvrgui::TNosesForm w(h.services);
        w.show();
        QCOMPARE(w.teamList()->count(), 13);
        QCOMPARE(w.teamList()->currentRow(), 0);
        w.teamList()->setCurrentRow(1);
        QCOMPARE(w.selectedTeam(), 3);
        QCOMPARE(w.teamList()->currentItem()->text(),
                 QString::fromLatin1(h.document.record().shortString(rec::teamName(3), rec::kTeamNameChars)));
        QVERIFY(w.raisedButton()->isChecked());

        QTest::mouseClick(w.loweredButton(), Qt::LeftButton);
        QVERIFY(!kvr::noseRaised(h.document.record(), 3));
        QVERIFY(kvr::noseRaised(h.document.record(), 2));
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been exported!"));
        QCOMPARE(gameBytes(h, 3), std::make_pair(0x02, 0x00));
        QCOMPARE(gameBytes(h, 2), std::make_pair(0x00, 0x01));

        QTest::mouseClick(w.raisedButton(), Qt::LeftButton);
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QCOMPARE(gameBytes(h, 3), std::make_pair(0x00, 0x01));
        QVERIFY(h.fatal.empty());
    }

    void importAndRestoreShowAtOnce()
    {
        EditorHarness h;
        kvrgui::TNosesForm w(h.services);
        w.show();
        // The window opens on its list; Tab leaves the nose choice for the buttons.
        QApplication::setActiveWindow(&w);
        QCOMPARE(QApplication::focusWidget(), w.teamList());
        QRadioButton* nose = w.raisedButton()->isChecked() ? w.raisedButton() : w.loweredButton();
        nose->setFocus();
        QTest::keyClick(nose, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.restoreButton());

        w.teamList()->setCurrentRow(2);
        const bool inGame = kvr::noseRaised(h.document.record(), 3);
        QTest::mouseClick(inGame ? w.loweredButton() : w.raisedButton(), Qt::LeftButton);
        QCOMPARE(kvr::noseRaised(h.document.record(), 3), !inGame);

        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed.back(), std::string("Data has been imported!"));
        QCOMPARE(kvr::noseRaised(h.document.record(), 3), inGame);
        QCOMPARE(w.raisedButton()->isChecked(), inGame);

        QTest::mouseClick(inGame ? w.loweredButton() : w.raisedButton(), Qt::LeftButton);
        QTest::mouseClick(w.restoreButton(), Qt::LeftButton);
        QCOMPARE(w.selectedTeam(), 3);
        QCOMPARE(w.raisedButton()->isChecked(), kvr::noseRaised(h.document.record(), 3));
        QCOMPARE(w.loweredButton()->isChecked(), !kvr::noseRaised(h.document.record(), 3));

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(NosesWindowTest)
#include "noses_window_test.moc"
