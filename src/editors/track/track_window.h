// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/track/track_data.h"
#include "widgets/editor_window.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace kvrgui {

// "Track editor": per track, the setup the computer cars race with (wings, six gears,
// tyre type) and the track's fuel and tyre consumption. The tracks are listed by the
// names the game carries.
class TTrackEdForm : public EditorWindow {
    Q_OBJECT
  public:
    // The eight setup boxes: front wing, rear wing, gears 1 to 6.
    static constexpr int kSetupFields = kvr::track::kSetupBytes;

    explicit TTrackEdForm(EditorServices& services, QWidget* parent = nullptr);

    QListWidget* trackList() const { return m_tracks; }
    QLineEdit* frontWingEdit() const { return m_setupEdits[0]; }
    QLineEdit* rearWingEdit() const { return m_setupEdits[1]; }
    // gear 1 .. 6
    QLineEdit* gearEdit(int gear) const { return m_setupEdits[std::size_t(gear + 1)]; }
    QLineEdit* fuelConsumptionEdit() const { return m_fuelEdit; }
    QLineEdit* tyreConsumptionEdit() const { return m_tyreWearEdit; }
    QComboBox* tyreCombo() const { return m_tyreCombo; }
    int selectedTrack() const { return m_selectedTrack; }

  protected:
    void showRecord() override;
    void showEvent(QShowEvent* event) override;
    void imported() override;

  private:
    // The names come from KVR.EXE, which a track installation may have changed since.
    void readTrackNames();
    void speakTrack();
    void onTrackSelected(int row);
    void onSetupLeft(int field);
    void onConsumptionTyped(QLineEdit* box);
    void onTyreChosen(int index);

    int m_selectedTrack = 0;
    QListWidget* m_tracks;
    std::array<QLineEdit*, kSetupFields> m_setupEdits{};
    QLineEdit* m_fuelEdit;
    QLineEdit* m_tyreWearEdit;
    QComboBox* m_tyreCombo;
    QLabel* m_tyreLabel;
};

} // namespace kvrgui
