// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/configuration.h"
#include "widgets/window_frame.h"

#include <optional>

class QPushButton;

namespace kvr {
class UserPrompt;
}

namespace kvrgui {

// The locate window: asks for the game's KVR.EXE when no configuration exists, and
// accepts only a file the editor can read the game's values from.
class TPathForm : public WindowFrame {
    Q_OBJECT
public:
    explicit TPathForm(kvr::UserPrompt& prompt, QWidget* parent = nullptr);

    // The configuration for the located game, once accepted.
    const std::optional<kvr::Configuration>& located() const { return m_located; }

    QPushButton* locateButton() const { return m_locate; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Shows the window modally; nothing when the user cancelled.
    static std::optional<kvr::Configuration> locate(kvr::UserPrompt& prompt, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void locateClicked();

    kvr::UserPrompt& m_prompt;
    std::string m_chosen;
    std::optional<kvr::Configuration> m_located;
    QPushButton* m_locate;
    QPushButton* m_cancel;
};

} // namespace kvrgui
