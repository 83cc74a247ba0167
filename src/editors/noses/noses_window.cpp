// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/noses/noses_window.h"

#include "core/settings_record.h"
#include "editors/names/names_rules.h"
#include "editors/noses/nose_blocks.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kvrgui {

TNosesForm::TNosesForm(EditorServices& services, QWidget* parent)
    : EditorWindow(services, kvr::Editor::Noses, tr("Nose cones "), parent)
{
    auto* teams = new QGroupBox(tr(" Teams "), this);
    m_teams = new TeamList(teams->title(), teams);
    m_teams->setMinimumWidth(160);
    (new QVBoxLayout(teams))->addWidget(m_teams);

    m_nose = new QGroupBox(tr("Nose cones"), this);
    m_raised = new QRadioButton(tr("raised"), m_nose);
    m_raised->setObjectName(QStringLiteral("raisedButton"));
    m_lowered = new QRadioButton(tr("lowered"), m_nose);
    m_lowered->setObjectName(QStringLiteral("loweredButton"));
    auto* noseLayout = new QVBoxLayout(m_nose);
    noseLayout->addWidget(m_raised);
    noseLayout->addWidget(m_lowered);
    noseLayout->addStretch();

    auto* groups = new QHBoxLayout;
    groups->addWidget(teams);
    groups->addWidget(m_nose, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_teams, &TeamList::teamChosen, this, [this](int team) {
        m_selectedTeam = team;
        refresh();
    });
    connect(m_raised, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onNoseChosen(true);
    });
    connect(m_lowered, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onNoseChosen(false);
    });
}

void TNosesForm::showEvent(QShowEvent* event)
{
    // Each showing starts at the first line.
    m_selectedTeam = 0;
    EditorWindow::showEvent(event);
}

void TNosesForm::showRecord()
{
    const kvr::SettingsRecord& r = record();
    const std::vector<int> teams = kvr::enabledTeams(r);
    if (std::find(teams.begin(), teams.end(), m_selectedTeam) == teams.end())
        m_selectedTeam = teams.empty() ? 0 : teams.front();
    m_teams->showTeams(r, teams, m_selectedTeam);

    m_nose->setEnabled(m_selectedTeam != 0);
    const bool raised = m_selectedTeam != 0 && kvr::noseRaised(r, m_selectedTeam);
    (raised ? m_raised : m_lowered)->setChecked(true);
}

void TNosesForm::onNoseChosen(bool raised)
{
    const int team = m_selectedTeam;
    if (team == 0)
        return;
    edit(tr("Nose cone"), [&](kvr::SettingsRecord& r) { kvr::setNoseRaised(r, team, raised); });
}

} // namespace kvrgui
