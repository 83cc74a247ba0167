// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/pitcrew/pitcrew_colours_window.h"

#include "editors/pitcrew/pitcrew_recolour.h"

namespace kvrgui {

TPCColorsForm::TPCColorsForm(EditorServices& services, QWidget* parent)
    : ColourPictureWindow(
          services, {kvr::Editor::PitCrew, tr("Pit crew colors"), kvr::crewScheme(), "DIB2.DIB", "pitcrew"}, parent)
{
}

} // namespace kvrgui
