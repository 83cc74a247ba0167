// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

#include <vector>

namespace kvr {
class SettingsRecord;
}

namespace kvrgui {

// The list by which a window picks one team: its lines are the given teams, in order,
// by name or as "team-engine", the chosen team's line selected. It is as tall as its
// lines, so none hides behind a scroll bar.
class TeamList : public QListWidget {
    Q_OBJECT
  public:
    enum class Lines { Names, TeamAndEngine };

    TeamList(const QString& spokenName, QWidget* parent);

    // Every line this high, to stand beside a row of other controls; 0, as the font needs.
    void setLineHeight(int height) { m_lineHeight = height; }

    // Shows `teams` and selects `chosen`'s line (none when it is not among them); raises
    // no teamChosen().
    void showTeams(const kvr::SettingsRecord& record, const std::vector<int>& teams, int chosen,
                   Lines lines = Lines::Names);
    const std::vector<int>& teams() const { return m_teams; }
    // The team on a line; 0 for none.
    int teamOn(int line) const;

  signals:
    // The user chose another line.
    void teamChosen(int team);

  private:
    std::vector<int> m_teams;
    int m_lineHeight = 0;
    bool m_showing = false;
};

} // namespace kvrgui
