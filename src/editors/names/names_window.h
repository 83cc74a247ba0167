// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/names/names_rules.h"
#include "widgets/editor_window.h"

#include <array>

class QCheckBox;
class QComboBox;
class QListWidget;

namespace kvrgui {

// "Names and numbers": the teams in a list; the chosen team's name, engine name, its two
// drivers' car numbers and names and whether it is enabled; the selected mark of every
// race driver; and whether a first driver may have car number 0.
class TNamesForm : public EditorWindow {
    Q_OBJECT
public:
    explicit TNamesForm(EditorServices& services, QWidget* parent = nullptr);

    QListWidget* teamList() const { return m_teams; }
    QComboBox* teamNameBox() const { return m_teamName; }
    QComboBox* engineNameBox() const { return m_engineName; }
    // first: the team's first driver, otherwise its second.
    QComboBox* numberBox(bool first) const { return first ? m_firstNumber : m_secondNumber; }
    QComboBox* driverNameBox(bool first) const { return first ? m_firstDriver : m_secondDriver; }
    QCheckBox* enabledCheck() const { return m_enabled; }
    QCheckBox* numberZeroCheck() const { return m_numberZero; }
    // The selected mark of a race driver slot 1..28.
    QPushButton* selectedButton(int slot) const { return m_selected[std::size_t(slot - 1)]; }
    int currentTeam() const { return m_team; }

protected:
    void showRecord() override;
    void showEvent(QShowEvent* event) override;

private:
    void onTeamChosen(int line);
    void onDriverNameTyped(bool first);
    void onNumberChosen(bool first, int item);
    void onSelectedToggled(int slot, bool on);
    QComboBox* makeNameBox(const QString& objectName, int maxChars);
    int slotOf(bool first) const { return first ? kvr::firstDriverSlot(m_team) : kvr::secondDriverSlot(m_team); }

    int m_team = 1;
    QListWidget* m_teams;
    QComboBox* m_teamName;
    QComboBox* m_engineName;
    QComboBox* m_firstNumber;
    QComboBox* m_firstDriver;
    QComboBox* m_secondNumber;
    QComboBox* m_secondDriver;
    QCheckBox* m_enabled;
    QCheckBox* m_numberZero;
    std::array<QPushButton*, kvr::names::kRaceSlots> m_selected{};
};

} // namespace kvrgui
