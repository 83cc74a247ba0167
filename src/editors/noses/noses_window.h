#pragma once

#include "widgets/editor_window.h"

class QGroupBox;
class QListWidget;
class QRadioButton;

namespace kvrgui {

// "Nose cones ": a raised or lowered nose cone for each enabled team.
class TNosesForm : public EditorWindow {
    Q_OBJECT
public:
    explicit TNosesForm(EditorServices& services, QWidget* parent = nullptr);

    QListWidget* teamList() const { return m_teams; }
    QRadioButton* raisedButton() const { return m_raised; }
    QRadioButton* loweredButton() const { return m_lowered; }
    int selectedTeam() const { return m_selectedTeam; }

protected:
    void showRecord() override;
    void showEvent(QShowEvent* event) override;

private:
    void onLineChosen(int line);
    void onNoseChosen(bool raised);

    int m_selectedTeam = 0; // none until the list has a team
    QListWidget* m_teams;
    QGroupBox* m_nose;
    QRadioButton* m_raised;
    QRadioButton* m_lowered;
};

} // namespace kvrgui
