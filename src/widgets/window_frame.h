// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>
#include <initializer_list>

class QAction;
class QHBoxLayout;
class QMenu;
class QMenuBar;
class QPushButton;

namespace kvr {
class FileAccessError;
class UndoSteps;
class UserPrompt;
} // namespace kvr

namespace kvrgui {

struct EditorServices;

// The wait cursor while a long action of a window runs, however it ends.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The frame every window of the editor is built on: a modal dialog with its caption whose
// controls follow the keyboard rules (Enter moves on as Tab does, Escape closes the window
// as "Back" does, the mouse wheel changes only a control that has the focus, undo and
// redo keys reach the Edit menu from a box with nothing of its own to undo), its row of
// buttons ending in the bold "Back", the Edit menu, and the guarded actions. A window
// adds its own controls and nothing else.
class WindowFrame : public QDialog {
    Q_OBJECT
  public:
    ~WindowFrame() override;

    // Made by buttonRow(); none in a window without it.
    QPushButton* backButton() const { return m_back; }
    // The bar of the Edit menu; none in a window without one.
    QMenuBar* menuBar() const { return m_menuBar; }
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

  protected:
    // A window of the game: the Edit menu undoes the record; a game file failure in an
    // action ends the program, any other error is shown.
    WindowFrame(EditorServices& services, const QString& caption, QWidget* parent);
    // A window with no game behind it yet (locating one): no Edit menu, every error shown.
    WindowFrame(kvr::UserPrompt& prompt, const QString& caption, QWidget* parent, Qt::WindowFlags flags = {});

    // What a window of the game works with; only such a window asks.
    EditorServices& services() const { return *m_services; }

    // A button of the window; Enter never presses it, Space does.
    QPushButton* addButton(const QString& text, const char* name);
    // `buttons` on the left, "Back" on the right, for the bottom of the layout. Tab
    // reaches them after the window's own controls, in the order they stand, whenever
    // they were made.
    QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons = {});

    // The Edit menu works on the window's own history instead of the record's: its
    // items take back and do again the steps of `steps`, which outlives the window.
    void useOwnHistory(kvr::UndoSteps& steps);

    // Runs an action of the window: a game file failure ends the program, any other
    // error is shown and the program goes on. The window then shows what the action
    // left (showState()). True when the action ran to its end.
    bool guarded(const std::function<void()>& action);
    // The same for an action that talks to the user: each of its messages comes after
    // the window has shown what the action has done so far.
    bool guarded(const std::function<void(kvr::UserPrompt& prompt)>& action);
    // Whether an action of the window is running; it shows its state once, at the end.
    bool acting() const { return m_acting > 0; }

    // Shows what the window's model holds: when the window is shown and after each action.
    virtual void showState() {}

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setEditActions(QAction* undo, QAction* redo);
    void showSteps();

    EditorServices* m_services = nullptr;
    kvr::UserPrompt& m_prompt;
    std::function<void(const kvr::FileAccessError&)> m_fatal;
    QPushButton* m_back = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_editMenu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    kvr::UndoSteps* m_steps = nullptr;
    int m_acting = 0;
};

} // namespace kvrgui
