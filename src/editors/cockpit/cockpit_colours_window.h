// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/cockpit/colour_picture_window.h"

namespace kvrgui {

// "Cockpit colours": the cockpit body, mirrors and front wing of each team. The values
// move through F1GSTATE.SAV or KVR.EXE as the source choice says.
class TCColorsForm : public ColourPictureWindow {
    Q_OBJECT
public:
    explicit TCColorsForm(EditorServices& services, QWidget* parent = nullptr);
};

} // namespace kvrgui
