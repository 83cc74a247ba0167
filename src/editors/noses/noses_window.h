// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/editor_window.h"
#include "widgets/team_list.h"

class QGroupBox;
class QRadioButton;

namespace kvrgui {

// "Nose cones ": a raised or lowered nose cone for each enabled team.
class TNosesForm : public EditorWindow {
    Q_OBJECT
  public:
    explicit TNosesForm(EditorServices& services, QWidget* parent = nullptr);

    TeamList* teamList() const { return m_teams; }
    QRadioButton* raisedButton() const { return m_raised; }
    QRadioButton* loweredButton() const { return m_lowered; }
    int selectedTeam() const { return m_selectedTeam; }

  protected:
    void showRecord() override;
    void showEvent(QShowEvent* event) override;

  private:
    void onNoseChosen(bool raised);

    int m_selectedTeam = 0; // none until the list has a team
    TeamList* m_teams;
    QGroupBox* m_nose;
    QRadioButton* m_raised;
    QRadioButton* m_lowered;
};

} // namespace kvrgui
