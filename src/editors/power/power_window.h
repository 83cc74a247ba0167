// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/power/power_rules.h"
#include "widgets/session_tables.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace kvrgui {

// "Engine power": the BHP of the 14 teams' engines in a box and on a bar each, for
// qualifying or the other sessions, the human driver's engine, the random power switch,
// shifts of all teams and copies between the two tables.
class TEPowerForm : public SessionTablesWindow {
    Q_OBJECT
  public:
    explicit TEPowerForm(EditorServices& services, QWidget* parent = nullptr);

    QLineEdit* teamText(int team) const { return m_teamTexts[std::size_t(team - 1)]; }
    QLineEdit* bhpEdit(int team) const { return m_bhpEdits[std::size_t(team - 1)]; }
    QSlider* bhpSlider(int team) const { return m_sliders[std::size_t(team - 1)]; }
    QRadioButton* qualifyingChoice() const { return m_qualifying; }
    QRadioButton* otherSessionsChoice() const { return m_otherSessions; }
    QLineEdit* humanPowerEdit() const { return m_humanPower; }
    QCheckBox* randomPowerCheck() const { return m_randomPower; }

  protected:
    void showRecord() override;

  private:
    void onBhpTyped(int team);
    void onSliderMoved(int team, int value);
    void onHumanPowerTyped();
    void onKindChosen(kvr::PowerKind kind);

    kvr::PowerKind m_kind = kvr::PowerKind::Qualifying;
    std::array<QLineEdit*, kvr::power::kShownTeams> m_teamTexts{};
    std::array<QLineEdit*, kvr::power::kShownTeams> m_bhpEdits{};
    std::array<QSlider*, kvr::power::kShownTeams> m_sliders{};
    QRadioButton* m_qualifying;
    QRadioButton* m_otherSessions;
    QLineEdit* m_humanPower;
    QCheckBox* m_randomPower;
};

} // namespace kvrgui
