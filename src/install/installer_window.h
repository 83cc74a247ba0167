#pragma once

#include <QDialog>

#include <functional>

class QHBoxLayout;
class QPushButton;

namespace kvrgui {

struct EditorServices;

// What the installer dialogs share: "Back" (and Escape) closes them, Enter moves on as
// Tab does, and each action reports through the prompt.
class InstallerWindow : public QDialog {
    Q_OBJECT
public:
    InstallerWindow(EditorServices& services, const QString& caption, QWidget* parent = nullptr);

    QPushButton* backButton() const { return m_back; }

protected:
    EditorServices& services() const { return m_services; }
    // A button of the dialog; Enter never presses it, Space does.
    QPushButton* addButton(const QString& text, const char* name);
    // `buttons` on the left, "Back" on the right, for the bottom of the layout; makes
    // "Back", so every dialog calls it once, after its other controls.
    QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons = {});
    // Runs an installation: a game file failure ends the program, any other error is shown.
    void run(const std::function<void()>& action);

private:
    EditorServices& m_services;
    QPushButton* m_back = nullptr;
};

} // namespace kvrgui
