// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/team_list.h"

#include "core/settings_record.h"
#include "editors/names/names_rules.h"
#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <algorithm>

namespace kvrgui {

TeamList::TeamList(const QString& spokenName, QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("teamList"));
    setSpokenName(this, spokenName);
    setUniformItemSizes(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::currentRowChanged, this, [this](int line) {
        if (!m_showing && teamOn(line) != 0)
            emit teamChosen(teamOn(line));
    });
}

int TeamList::teamOn(int line) const
{
    return line >= 0 && std::size_t(line) < m_teams.size() ? m_teams[std::size_t(line)] : 0;
}

void TeamList::showTeams(const kvr::SettingsRecord& record, const std::vector<int>& teams, int chosen, Lines lines)
{
    m_showing = true;
    m_teams = teams;
    clear();
    for (int team : teams) {
        const std::string text = lines == Lines::Names
                                     ? record.shortString(kvr::rec::teamName(team), kvr::rec::kTeamNameChars)
                                     : kvr::teamLine(record, team);
        addItem(fromAnsi(text));
        if (m_lineHeight > 0)
            item(count() - 1)->setSizeHint(QSize(0, m_lineHeight));
    }
    const int lineHeight =
        m_lineHeight > 0 ? m_lineHeight : std::max(fontMetrics().height(), teams.empty() ? 0 : sizeHintForRow(0));
    setFixedHeight(lineHeight * std::max<int>(int(teams.size()), 1) + 2 * frameWidth());
    const auto line = std::find(teams.begin(), teams.end(), chosen);
    setCurrentRow(line == teams.end() ? -1 : int(line - teams.begin()));
    m_showing = false;
}

} // namespace kvrgui
