// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor_buttons.h"

#include "editors/cameras/cameras_window.h"
#include "editors/cockpit/cockpit_colours_window.h"
#include "editors/failures/failures_window.h"
#include "editors/grip/grip_window.h"
#include "editors/helmets/helmet_window.h"
#include "editors/jams/jam_window.h"
#include "editors/names/names_window.h"
#include "editors/noses/noses_window.h"
#include "editors/pitcrew/pitcrew_colours_window.h"
#include "editors/pitline/pitline_window.h"
#include "editors/power/power_window.h"
#include "editors/track/track_window.h"
#include "editors/tuning/tuning_window.h"
#include "install/car_set_window.h"
#include "install/cockpit_manager_window.h"
#include "install/track_manager_window.h"

namespace kvrgui {

namespace {

template <class Window> QDialog* make(EditorServices& services, QWidget* parent)
{
    return new Window(services, parent);
}

// Every editor the main window opens.
const EditorButton kEditors[] = {
    {"names", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Names + Numbers"), 1, 1, false, make<TNamesForm>},
    {"power", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Engine Power"), 1, 2, false, make<TEPowerForm>},
    {"grip", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "CC Grip"), 1, 3, false, make<TGripForm>},
    {"failures", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Car Failure"), 1, 4, false, make<TFailuresForm>},
    {"tuning", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Car Tuning"), 1, 5, true, make<TCTuningForm>},
    {"noses", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Nose Cones"), 1, 6, false, make<TNosesForm>},
    {"pitline", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Pit Lane Settings"), 2, 2, false, make<TPitLineForm>},
    {"cockpit", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Cockpit Colours"), 2, 3, true, make<TCColorsForm>},
    {"pitcrew", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Pit Crew Colours"), 2, 4, true, make<TPCColorsForm>},
    {"jams", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Car Jams"), 2, 5, true, make<TJamForm>},
    {"helmets", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Helmets"), 2, 6, true, make<THelmetForm>},
    {"cameras", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Cameras"), 3, 2, true, make<TCameraForm>},
    {"tracks", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Track Editor"), 3, 3, false, make<TTrackEdForm>},
    {"cockpitManager", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Cockpit Manager"), 3, 4, false, make<TInstCForm>},
    {"trackManager", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "Track Manager"), 3, 5, false, make<Tinsttform>},
    {"carSetManager", QT_TRANSLATE_NOOP("kvrgui::TMainForm", "&Car set manager..."), 0, 0, false, make<TInstCarSetForm>},
};

} // namespace

std::span<const EditorButton> editorButtons()
{
    return kEditors;
}

const EditorButton* editorButton(const QString& name)
{
    for (const EditorButton& e : kEditors)
        if (name == QLatin1String(e.name))
            return &e;
    return nullptr;
}

} // namespace kvrgui
