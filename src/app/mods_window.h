// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_mods.h"
#include "widgets/window_frame.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kvrgui {

// The mods put on the game: their list in order with title, author and description,
// the values two of them set differently and which holds, and putting mods on, taking
// one off and moving one. The record follows the game after each change, so no window
// holds a value it could write back over a mod.
class TModsForm : public WindowFrame {
    Q_OBJECT
  public:
    explicit TModsForm(EditorServices& services, QWidget* parent = nullptr);

    QListWidget* modList() const { return m_mods; }
    QListWidget* conflictList() const { return m_conflicts; }
    QPlainTextEdit* description() const { return m_description; }
    QPushButton* putOnButton() const { return m_putOn; }
    QPushButton* takeOffButton() const { return m_takeOff; }
    QPushButton* moveUpButton() const { return m_up; }
    QPushButton* moveDownButton() const { return m_down; }

  protected:
    void showState() override;

  private:
    void onPutOn();
    void onTakeOff();
    void onMove(int by);
    void onModSelected();
    // Shows what the change would do (always for a mod put on, as every export does),
    // makes it and lets the record follow the game; true when it was made.
    bool changeMods(const QString& what, const kvr::Message& action, const kvr::ModChange& change, bool preview);

    kvr::ModList m_list;
    int m_select = -1; // the row to choose once the list is shown again
    QListWidget* m_mods;
    QPlainTextEdit* m_description;
    QListWidget* m_conflicts;
    QPushButton* m_putOn;
    QPushButton* m_takeOff;
    QPushButton* m_up;
    QPushButton* m_down;
};

} // namespace kvrgui
