// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/window_frame.h"

namespace kvrgui {

// The car set manager: copies the add-on car paintings over the game's.
class TInstCarSetForm : public WindowFrame {
    Q_OBJECT
public:
    explicit TInstCarSetForm(EditorServices& services, QWidget* parent = nullptr);

    QPushButton* installButton() const { return m_install; }

private:
    void onInstall();

    QPushButton* m_install;
};

} // namespace kvrgui
