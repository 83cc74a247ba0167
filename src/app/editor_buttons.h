// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <span>

class QDialog;
class QWidget;

namespace kvrgui {

struct EditorServices;

using WindowFactory = QDialog* (*)(EditorServices&, QWidget*);

struct EditorButton {
    const char* name;  // the button's object name; the screenshot is named after it
    const char* label; // on the button's picture
    int column;        // 0: offered in the Options menu instead
    int row;
    bool hidesMain;       // the main window hides while the editor is open
    WindowFactory window; // none yet: the button stays disabled
};

// Every editor the main window opens, in the order of its buttons.
std::span<const EditorButton> editorButtons();

// The editor of that name, or none.
const EditorButton* editorButton(const QString& name);

} // namespace kvrgui
