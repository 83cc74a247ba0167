// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/power/power_window.h"

#include "core/settings_record.h"
#include "editors/names/names_rules.h"
#include "widgets/prompt_qt.h"
#include "widgets/spoken_name.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace kvrgui {

namespace {
// A box shows any word whole (65535), though the bars stop at 1579.
constexpr int kBhpChars = 5;
constexpr int kStepChars = 4;
constexpr int kBoxWidth = 58;
constexpr int kRowHeight = 24;
} // namespace

TEPowerForm::TEPowerForm(EditorServices& services, QWidget* parent)
    : SessionTablesWindow(services, kvr::Editor::Power, tr("Engine power"), parent)
{
    auto* table = new QGridLayout;
    table->setVerticalSpacing(2);
    table->addWidget(new QLabel(tr(" Team-engine "), this), 0, 0);
    table->addWidget(new QLabel(tr(" BHP "), this), 0, 1);
    auto* scale = new QHBoxLayout;
    scale->addWidget(new QLabel(QStringLiteral(" 0 "), this));
    scale->addStretch();
    scale->addWidget(new QLabel(QStringLiteral(" %1 ").arg(kvr::power::kMaxBhp), this));
    table->addLayout(scale, 0, 2);

    for (int team = 1; team <= kvr::power::kShownTeams; ++team) {
        auto* text = new QLineEdit(this);
        text->setObjectName(QStringLiteral("teamText%1").arg(team));
        text->setReadOnly(true);
        text->setFocusPolicy(Qt::NoFocus);
        text->setFixedWidth(210);

        auto* bhp = new QLineEdit(this);
        bhp->setObjectName(QStringLiteral("bhpEdit%1").arg(team));
        setSpokenName(bhp, tr("Team %1 engine power in BHP").arg(team));
        bhp->setMaxLength(kBhpChars);
        bhp->setFixedWidth(kBoxWidth);
        connect(bhp, &QLineEdit::editingFinished, this, [this, team] { onBhpTyped(team); });

        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QStringLiteral("bhpSlider%1").arg(team));
        setSpokenName(slider, tr("Team %1 engine power").arg(team));
        slider->setRange(0, kvr::power::kMaxBhp);
        slider->setMinimumWidth(260);
        slider->setFixedHeight(kRowHeight);
        connect(slider, &QSlider::valueChanged, this, [this, team](int v) { onSliderMoved(team, v); });
        connect(slider, &QSlider::sliderReleased, this, [this] { endMerge(); });

        table->addWidget(text, team, 0);
        table->addWidget(bhp, team, 1);
        table->addWidget(slider, team, 2);
        m_teamTexts[std::size_t(team - 1)] = text;
        m_bhpEdits[std::size_t(team - 1)] = bhp;
        m_sliders[std::size_t(team - 1)] = slider;
    }

    auto* choose = new QGroupBox(tr("Choose"), this);
    m_qualifying = new QRadioButton(tr("Qualification"), choose);
    m_qualifying->setObjectName(QStringLiteral("qualifyingChoice"));
    m_qualifying->setChecked(true);
    m_otherSessions = new QRadioButton(tr("Other sessions"), choose);
    m_otherSessions->setObjectName(QStringLiteral("otherSessionsChoice"));
    auto* chooseColumn = new QVBoxLayout(choose);
    chooseColumn->addWidget(m_qualifying);
    chooseColumn->addWidget(m_otherSessions);
    connect(m_qualifying, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onKindChosen(kvr::PowerKind::Qualifying);
    });
    connect(m_otherSessions, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onKindChosen(kvr::PowerKind::OtherSessions);
    });

    auto* human = new QGroupBox(tr("Human driver engine"), this);
    m_humanPower = new QLineEdit(human);
    m_humanPower->setObjectName(QStringLiteral("humanPowerEdit"));
    m_humanPower->setMaxLength(kBhpChars);
    m_humanPower->setFixedWidth(kBoxWidth);
    auto* humanRow = new QHBoxLayout(human);
    auto* humanUnit = new QLabel(tr("BHP"), human);
    nameByLabel(humanUnit, m_humanPower, tr("Human driver engine power in BHP"));
    humanRow->addWidget(humanUnit);
    humanRow->addWidget(m_humanPower);
    humanRow->addStretch();
    connect(m_humanPower, &QLineEdit::editingFinished, this, &TEPowerForm::onHumanPowerTyped);

    m_randomPower = new QCheckBox(tr("Random engine power"), this);
    m_randomPower->setObjectName(QStringLiteral("randomPowerCheck"));
    connect(m_randomPower, &QCheckBox::toggled, this, [this](bool on) {
        edit(tr("Random engine power"),
             [&](kvr::SettingsRecord& r) { r.setByte(kvr::rec::kRandomEnginePower, on ? 1 : 0); });
    });

    // Here "Qual=Other" copies qualifying into the other sessions.
    const SessionTableControls& controls = makeSessionControls(
        {kvr::power::kDefaultStep, kStepChars, kBoxWidth},
        [this](kvr::SettingsRecord& r, std::string_view step, bool up) { kvr::shiftShownTeams(r, m_kind, step, up); },
        kvr::copyPowerQualifyingToOther, kvr::copyPowerOtherToQualifying);
    controls.allRow->addWidget(new QLabel(tr("BHP"), controls.all));
    setSpokenName(controls.plus, tr("Raise every team's engine power by the step"));
    setSpokenName(controls.minus, tr("Lower every team's engine power by the step"));
    setSpokenName(controls.step, tr("Step for every team's engine power in BHP"));
    controls.allRow->addStretch();
    auto* copies = new QHBoxLayout;
    copies->addWidget(controls.qualEqualsOther);
    copies->addWidget(controls.otherEqualsQual);

    auto* side = new QVBoxLayout;
    side->addWidget(choose);
    side->addWidget(human);
    side->addWidget(m_randomPower);
    side->addWidget(controls.all);
    side->addLayout(copies);
    side->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(table);
    body->addSpacing(8);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TEPowerForm::showRecord()
{
    const kvr::SettingsRecord& r = record();
    (m_kind == kvr::PowerKind::Qualifying ? m_qualifying : m_otherSessions)->setChecked(true);
    for (int team = 1; team <= kvr::power::kShownTeams; ++team) {
        const std::uint16_t bhp = r.word(kvr::teamPowerOffset(m_kind, team));
        if (teamText(team)->text() != fromAnsi(kvr::teamLine(r, team))) {
            teamText(team)->setText(fromAnsi(kvr::teamLine(r, team)));
            teamText(team)->setCursorPosition(0);
        }
        showText(bhpEdit(team), QString::number(bhp));
        bhpSlider(team)->setValue(std::min<int>(bhp, kvr::power::kMaxBhp));
    }
    showText(m_humanPower, QString::number(r.word(kvr::humanPowerOffset(m_kind))));
    m_randomPower->setChecked(r.byte(kvr::rec::kRandomEnginePower) != 0);
}

void TEPowerForm::onBhpTyped(int team)
{
    const std::string text = toAnsi(bhpEdit(team)->text());
    const kvr::PowerKind kind = m_kind;
    edit(tr("Engine power"), [&](kvr::SettingsRecord& r) { kvr::editTypedTeamPower(r, kind, team, text); });
}

void TEPowerForm::onSliderMoved(int team, int value)
{
    const kvr::PowerKind kind = m_kind;
    edit(
        tr("Engine power"),
        [&](kvr::SettingsRecord& r) { r.setWord(kvr::teamPowerOffset(kind, team), std::uint16_t(value)); },
        bhpSlider(team));
}

void TEPowerForm::onHumanPowerTyped()
{
    const std::string text = toAnsi(m_humanPower->text());
    const kvr::PowerKind kind = m_kind;
    edit(tr("Human engine power"), [&](kvr::SettingsRecord& r) { kvr::editTypedHumanPower(r, kind, text); });
}

void TEPowerForm::onKindChosen(kvr::PowerKind kind)
{
    if (refreshing())
        return;
    m_kind = kind;
    refresh();
}

} // namespace kvrgui
