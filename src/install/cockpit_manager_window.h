// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "install/cockpit_manager.h"
#include "widgets/window_frame.h"

#include <array>

class QButtonGroup;
class QRadioButton;

namespace kvrgui {

// "Cockpit manager": installs one of the add-on cockpits, its two pictures and its
// definition patched into KVR.EXE.
class TInstCForm : public WindowFrame {
    Q_OBJECT
public:
    explicit TInstCForm(EditorServices& services, QWidget* parent = nullptr);

    // The set's choice, in the order of kCockpitSets.
    QRadioButton* setButton(int set) const { return m_setButtons[std::size_t(set)]; }
    QPushButton* installButton() const { return m_install; }
    // The stem of the chosen set ("A18").
    const char* chosenSet() const;

private:
    void onInstall();

    QButtonGroup* m_sets;
    std::array<QRadioButton*, kvr::kCockpitSets.size()> m_setButtons{};
    QPushButton* m_install;
};

} // namespace kvrgui
