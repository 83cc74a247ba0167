// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/window_frame.h"

#include <functional>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace kvrgui {

// The settings description window: the memo holds the description between saves.
class TDesForm : public WindowFrame {
    Q_OBJECT
public:
    static constexpr int kMaxChars = 255;

    explicit TDesForm(EditorServices& services, QWidget* parent = nullptr);

    // What a new window's memo holds, in the current language, as the record stores it.
    static std::string defaultDescription();

    // The memo's text as the record stores it: Windows ANSI, lines joined by CR LF.
    std::string description() const;
    void setDescription(const std::string& ansi);
    // Whether the memo holds the default text nobody typed or loaded.
    bool holdsDefault() const { return m_default; }

    // What the window's own "Save settings" button does.
    void setSaveAction(std::function<void()> save) { m_save = std::move(save); }

    QPlainTextEdit* memo() const { return m_memo; }
    QPushButton* saveButton() const { return m_saveButton; }

private:
    void keepWithinLimit();

    QPlainTextEdit* m_memo;
    QPushButton* m_saveButton;
    std::function<void()> m_save;
    bool m_trimming = false;
    bool m_default = true;
};

} // namespace kvrgui
