#include "editors/noses/noses_window.h"

#include "core/settings_record.h"
#include "editors/names/names_rules.h"
#include "editors/noses/nose_blocks.h"
#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kvrgui {

TNosesForm::TNosesForm(EditorServices& services, QWidget* parent)
    : EditorWindow(services, kvr::Editor::Noses, tr("Nose cones "), parent)
{
    auto* teams = new QGroupBox(tr(" Teams "), this);
    m_teams = new QListWidget(teams);
    setSpokenName(m_teams, teams->title());
    m_teams->setObjectName(QStringLiteral("teamList"));
    m_teams->setUniformItemSizes(true);
    m_teams->setMinimumWidth(160);
    m_teams->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

    connect(m_teams, &QListWidget::currentRowChanged, this, &TNosesForm::onLineChosen);
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

    m_teams->clear();
    for (int team : teams)
        m_teams->addItem(fromAnsi(r.shortString(kvr::rec::teamName(team), kvr::rec::kTeamNameChars)));
    // As high as its lines, so no line hides behind a scroll bar.
    const int rowHeight = teams.empty() ? m_teams->fontMetrics().height() : m_teams->sizeHintForRow(0);
    m_teams->setFixedHeight(rowHeight * std::max<int>(int(teams.size()), 1) + 2 * m_teams->frameWidth());
    const auto line = std::find(teams.begin(), teams.end(), m_selectedTeam);
    m_teams->setCurrentRow(line == teams.end() ? -1 : int(line - teams.begin()));

    m_nose->setEnabled(m_selectedTeam != 0);
    const bool raised = m_selectedTeam != 0 && kvr::noseRaised(r, m_selectedTeam);
    (raised ? m_raised : m_lowered)->setChecked(true);
}

void TNosesForm::onLineChosen(int line)
{
    if (refreshing() || line < 0)
        return;
    const std::vector<int> teams = kvr::enabledTeams(record());
    if (std::size_t(line) >= teams.size())
        return;
    m_selectedTeam = teams[std::size_t(line)];
    refresh();
}

void TNosesForm::onNoseChosen(bool raised)
{
    const int team = m_selectedTeam;
    if (team == 0)
        return;
    edit(tr("Nose cone"), [&](kvr::SettingsRecord& r) { kvr::setNoseRaised(r, team, raised); });
}

} // namespace kvrgui
