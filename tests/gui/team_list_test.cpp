// SPDX-License-Identifier: GPL-3.0-or-later
// The list by which the failures, noses and colour picture windows pick a team.
#include "core/settings_record.h"
#include "editors/names/names_rules.h"
#include "widgets/team_list.h"

#include <QSignalSpy>
#include <QtTest>

namespace rec = kvr::rec;

class TeamListTest : public QObject {
    Q_OBJECT

    // Teams named "Team 1" .. "Team 14" with engines "E1" ..
    static kvr::SettingsRecord named()
    {
        kvr::SettingsRecord r;
        for (int team = 1; team <= 14; ++team) {
            kvr::setTeamName(r, team, "Team " + std::to_string(team));
            kvr::setEngineName(r, team, "E" + std::to_string(team));
        }
        return r;
    }

  private slots:
    void linesNameTheirTeamsAndAChoiceNamesItsTeam_data()
    {
        QTest::addColumn<std::vector<int>>("teams");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("picked");
        QTest::addColumn<int>("pickedTeam");
        // Line k is the k-th listed team, not team k + 1, whatever the gaps.
        QTest::newRow("a gap before the chosen team") << std::vector<int>{1, 3, 4, 14} << 4 << 2 << 3 << 14;
        QTest::newRow("the chosen team not listed") << std::vector<int>{2, 5} << 1 << -1 << 1 << 5;
        QTest::newRow("every team") << std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14} << 14 << 13 << 6
                                    << 7;
    }

    void linesNameTheirTeamsAndAChoiceNamesItsTeam()
    {
        QFETCH(std::vector<int>, teams);
        QFETCH(int, chosen);
        QFETCH(int, line);
        QFETCH(int, picked);
        QFETCH(int, pickedTeam);
        const kvr::SettingsRecord r = named();
        kvrgui::TeamList list(QStringLiteral("Teams"), nullptr);
        QSignalSpy chosenSpy(&list, &kvrgui::TeamList::teamChosen);
        list.showTeams(r, teams, chosen);
        QCOMPARE(list.objectName(), QStringLiteral("teamList"));
        QCOMPARE(list.count(), int(teams.size()));
        QCOMPARE(list.item(0)->text(), QStringLiteral("Team %1").arg(teams.front()));
        QCOMPARE(list.currentRow(), line);
        QCOMPARE(chosenSpy.count(), 0);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        // No line hides behind a scroll bar.
        QVERIFY(list.viewport()->rect().contains(list.visualItemRect(list.item(list.count() - 1))));

        chosenSpy.clear();
        list.setCurrentRow(picked);
        QCOMPARE(chosenSpy.count(), 1);
        QCOMPARE(chosenSpy.at(0).at(0).toInt(), pickedTeam);
        QCOMPARE(list.teamOn(picked), pickedTeam);
        QCOMPARE(list.teamOn(-1), 0);
        QCOMPARE(list.teamOn(int(teams.size())), 0);
    }

    void teamAndEngineLinesKeepTheirHeight()
    {
        const kvr::SettingsRecord r = named();
        kvrgui::TeamList list(QStringLiteral("Teams"), nullptr);
        list.setLineHeight(30);
        list.showTeams(r, {2, 9}, 9, kvrgui::TeamList::Lines::TeamAndEngine);
        QCOMPARE(list.item(1)->text(), QStringLiteral("Team 9-E9"));
        QCOMPARE(list.item(1)->text(), QString::fromStdString(kvr::teamLine(r, 9)));
        QCOMPARE(list.currentRow(), 1);
        QCOMPARE(list.height(), 2 * 30 + 2 * list.frameWidth());
        // Shown again with fewer teams, it shrinks and lists none of the old ones.
        list.showTeams(r, {}, 9);
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.teamOn(0), 0);
        QCOMPARE(list.height(), 30 + 2 * list.frameWidth());
    }
};

QTEST_MAIN(TeamListTest)
#include "team_list_test.moc"
