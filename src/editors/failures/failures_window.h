// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/editor_window.h"
#include "widgets/team_list.h"

#include <array>

class QLineEdit;
class QListWidget;
class QSlider;

namespace kvrgui {

// "Car failure": one failure value per team, in a list and on a slider beside each
// enabled team's line, and in an edit box for the selected team; "+" and "-" move the
// listed teams by an amount.
class TFailuresForm : public EditorWindow {
    Q_OBJECT
  public:
    explicit TFailuresForm(EditorServices& services, QWidget* parent = nullptr);

    TeamList* teamList() const { return m_teams; }
    QListWidget* valueList() const { return m_values; }
    // The slider beside a team's line; none for a team the list leaves out.
    QSlider* slider(int team) const;
    QLineEdit* valueEdit() const { return m_valueEdit; }
    QLineEdit* amountEdit() const { return m_amountEdit; }
    QPushButton* plusButton() const { return m_plus; }
    QPushButton* minusButton() const { return m_minus; }
    int selectedTeam() const { return m_selectedTeam; }

  protected:
    void showRecord() override;
    void showEvent(QShowEvent* event) override;

  private:
    void onTeamChosen(int team);
    void onValueTyped();
    void onSliderMoved(int line, int value);
    void onShift(int sign);

    int m_selectedTeam = 1;
    // Its lines' teams are those of the value list and of the sliders too.
    TeamList* m_teams;
    QListWidget* m_values;
    std::array<QSlider*, 14> m_sliders{};
    QLineEdit* m_valueEdit;
    QLineEdit* m_amountEdit;
    QPushButton* m_plus;
    QPushButton* m_minus;
};

} // namespace kvrgui
