// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/cockpit/colour_picture_window.h"

namespace kvrgui {

// "Pit crew colors": the fourteen clothing and equipment groups of each team's crew.
class TPCColorsForm : public ColourPictureWindow {
    Q_OBJECT
public:
    explicit TPCColorsForm(EditorServices& services, QWidget* parent = nullptr);
};

} // namespace kvrgui
