// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/editor_window.h"

#include <functional>
#include <string_view>

class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace kvr {
class SettingsRecord;
}

namespace kvrgui {

// The controls of the windows that keep a qualifying and an other-sessions table:
// "All" with "+" and "-" by the step typed beside them, and the two copy buttons.
struct SessionTableControls {
    QGroupBox* all;
    QHBoxLayout* allRow; // the window may add to the row after the step box
    QPushButton* plus;
    QPushButton* minus;
    QLineEdit* step;
    QPushButton* qualEqualsOther;
    QPushButton* otherEqualsQual;
};

struct StepBox {
    int defaultStep;
    int maxChars;
    int width;
};

// A value editor with a qualifying and an other-sessions table (grip, engine power):
// what the two have alike, the "All" box and the copy buttons, each button one undo
// step named by what it does.
class SessionTablesWindow : public EditorWindow {
    Q_OBJECT
  public:
    QLineEdit* stepEdit() const { return m_controls.step; }
    QPushButton* plusButton() const { return m_controls.plus; }
    QPushButton* minusButton() const { return m_controls.minus; }
    QPushButton* qualEqualsOtherButton() const { return m_controls.qualEqualsOther; }
    QPushButton* otherEqualsQualButton() const { return m_controls.otherEqualsQual; }

  protected:
    using EditorWindow::EditorWindow;

    // "+" (up) or "-" by the step as typed, on the table the window shows.
    using Shift = std::function<void(kvr::SettingsRecord&, std::string_view step, bool up)>;
    using Copy = void (*)(kvr::SettingsRecord&);

    // Makes the controls where the window's making has come to, in this order for Tab.
    // Each window says which way its copy buttons copy.
    const SessionTableControls& makeSessionControls(const StepBox& stepBox, Shift shift, Copy qualEqualsOther,
                                                    Copy otherEqualsQual);

  private:
    SessionTableControls m_controls{};
};

} // namespace kvrgui
