// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cockpit/cockpit_colours_window.h"

#include "editors/cockpit/colour_picture.h"

namespace kvrgui {

TCColorsForm::TCColorsForm(EditorServices& services, QWidget* parent)
    : ColourPictureWindow(
          services, {kvr::Editor::Cockpit, tr("Cockpit colours"), kvr::cockpitScheme(), "Dib1.dib", "cockpit"}, parent)
{
}

} // namespace kvrgui
