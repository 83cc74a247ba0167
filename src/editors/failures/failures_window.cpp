// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/failures/failures_window.h"

#include "core/errors.h"
#include "core/number_text.h"
#include "core/settings_record.h"
#include "editors/failures/failure_blocks.h"
#include "editors/names/names_rules.h"
#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace kvrgui {

namespace {
constexpr int kRowHeight = 22;
constexpr int kDefaultAmount = 100;
} // namespace

TFailuresForm::TFailuresForm(EditorServices& services, QWidget* parent)
    : EditorWindow(services, kvr::Editor::Failures, tr("Car failure"), parent)
{
    auto* table = new QGridLayout;
    table->addWidget(new QLabel(tr(" Team-Engine "), this), 0, 0);
    table->addWidget(new QLabel(tr(" Value "), this), 0, 1);
    auto* scale = new QHBoxLayout;
    scale->addWidget(new QLabel(QStringLiteral("0"), this));
    scale->addStretch();
    scale->addWidget(new QLabel(QString::number(kvr::failures::kSliderMaximum), this));
    table->addLayout(scale, 0, 2);

    m_teams = new TeamList(tr("Teams"), this);
    m_teams->setLineHeight(kRowHeight);
    m_values = new QListWidget(this);
    m_values->setObjectName(QStringLiteral("valueList"));
    setSpokenName(m_values, tr("Car failure values"));
    m_values->setUniformItemSizes(true);
    m_values->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_teams->setMinimumWidth(200);
    m_values->setFixedWidth(70);
    table->addWidget(m_teams, 1, 0);
    table->addWidget(m_values, 1, 1);

    auto* sliders = new QVBoxLayout;
    sliders->setSpacing(0);
    sliders->setContentsMargins(0, m_teams->frameWidth(), 0, 0);
    for (int line = 0; line < kvr::rec::kTeams; ++line) {
        auto* s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(QStringLiteral("slider%1").arg(line + 1));
        s->setRange(0, kvr::failures::kSliderMaximum);
        s->setFixedHeight(kRowHeight);
        s->setMinimumWidth(220);
        connect(s, &QSlider::valueChanged, this, [this, line](int v) { onSliderMoved(line, v); });
        connect(s, &QSlider::sliderReleased, this, [this] { endMerge(); });
        sliders->addWidget(s);
        m_sliders[std::size_t(line)] = s;
    }
    sliders->addStretch();
    table->addLayout(sliders, 1, 2);

    auto* selected = new QGroupBox(tr("Edit selected data"), this);
    m_valueEdit = new QLineEdit(selected);
    m_valueEdit->setObjectName(QStringLiteral("valueEdit"));
    (new QHBoxLayout(selected))->addWidget(m_valueEdit);

    auto* all = new QGroupBox(tr("All"), this);
    auto* allRow = new QHBoxLayout(all);
    m_plus = new QPushButton(QStringLiteral("+"), all);
    m_minus = new QPushButton(QStringLiteral("-"), all);
    m_amountEdit = new QLineEdit(QString::number(kDefaultAmount), all);
    m_amountEdit->setObjectName(QStringLiteral("amountEdit"));
    m_amountEdit->setMaxLength(5);
    for (QPushButton* b : {m_plus, m_minus}) {
        b->setFixedWidth(32);
        b->setAutoDefault(false);
        allRow->addWidget(b);
    }
    allRow->addWidget(new QLabel(tr("by"), all));
    allRow->addWidget(m_amountEdit);
    setSpokenName(m_plus, tr("Raise every team's failure value by the step"));
    setSpokenName(m_minus, tr("Lower every team's failure value by the step"));
    setSpokenName(m_amountEdit, tr("Step for every team's failure value"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(selected);
    groups->addWidget(all);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(table);
    layout->addLayout(groups);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_teams, &TeamList::teamChosen, this, &TFailuresForm::onTeamChosen);
    connect(m_values, &QListWidget::currentRowChanged, this, [this](int line) {
        if (!refreshing() && m_teams->teamOn(line) != 0)
            onTeamChosen(m_teams->teamOn(line));
    });
    connect(m_valueEdit, &QLineEdit::editingFinished, this, &TFailuresForm::onValueTyped);
    connect(m_plus, &QPushButton::clicked, this, [this] { onShift(1); });
    connect(m_minus, &QPushButton::clicked, this, [this] { onShift(-1); });
}

void TFailuresForm::showEvent(QShowEvent* event)
{
    // Each showing starts at team 1.
    m_selectedTeam = 1;
    EditorWindow::showEvent(event);
}

QSlider* TFailuresForm::slider(int team) const
{
    const std::vector<int>& teams = m_teams->teams();
    const auto line = std::find(teams.begin(), teams.end(), team);
    return line == teams.end() ? nullptr : m_sliders[std::size_t(line - teams.begin())];
}

void TFailuresForm::showRecord()
{
    const kvr::SettingsRecord& r = record();
    const std::vector<int> teams = kvr::enabledTeams(r);
    // One line beside each slider.
    m_teams->showTeams(r, teams, m_selectedTeam, TeamList::Lines::TeamAndEngine);
    m_values->clear();
    for (int team : teams) {
        m_values->addItem(QString::number(kvr::failureValue(r, team)));
        m_values->item(m_values->count() - 1)->setSizeHint(QSize(0, kRowHeight));
    }
    m_values->setFixedHeight(m_teams->maximumHeight());
    m_values->setCurrentRow(m_teams->currentRow());
    showText(m_valueEdit, QString::number(kvr::failureValue(r, m_selectedTeam)));
    // Each row is one team: its name, its value and its slider, which a screen reader
    // names by that team.
    for (std::size_t line = 0; line < m_sliders.size(); ++line) {
        QSlider* s = m_sliders[line];
        s->setVisible(line < teams.size());
        if (line < teams.size()) {
            s->setValue(kvr::failureValue(r, teams[line]));
            setSpokenName(s, fromAnsi(kvr::teamLine(r, teams[line])) + tr(" car failure"));
        }
    }
}

void TFailuresForm::onTeamChosen(int team)
{
    m_selectedTeam = team;
    refresh();
}

void TFailuresForm::onValueTyped()
{
    const std::string text = toAnsi(m_valueEdit->text());
    const int team = m_selectedTeam;
    edit(tr("Failure value"), [&](kvr::SettingsRecord& r) { kvr::editFailureValue(r, team, text); });
}

void TFailuresForm::onSliderMoved(int line, int value)
{
    const int team = m_teams->teamOn(line);
    if (refreshing() || team == 0)
        return;
    edit(
        tr("Failure value"), [&](kvr::SettingsRecord& r) { kvr::setFailureValue(r, team, std::uint16_t(value)); },
        m_sliders[std::size_t(line)]);
}

void TFailuresForm::onShift(int sign)
{
    const std::optional<std::int64_t> amount = kvr::parseWholeNumber(toAnsi(m_amountEdit->text()));
    if (!amount) {
        guarded([&] { throw kvr::GeneralError(kvr::notANumberMessage(toAnsi(m_amountEdit->text()))); });
        return;
    }
    const int step =
        int(std::clamp<std::int64_t>(*amount, -kvr::failures::kSliderMaximum, kvr::failures::kSliderMaximum)) * sign;
    edit(sign > 0 ? tr("All +") : tr("All -"), [&](kvr::SettingsRecord& r) { kvr::shiftFailureValues(r, step); });
}

} // namespace kvrgui
