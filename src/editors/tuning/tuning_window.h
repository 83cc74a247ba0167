// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/editor_window.h"

#include <array>
#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollBar;

namespace kvr {
class TWinGImage;
}

namespace kvrgui {

// "Car tuning": the two car weights, the colours and thresholds of the four rev LEDs
// with a preview, the initial fuel loads and two code switches of the game.
class TCTuningForm : public EditorWindow {
    Q_OBJECT
public:
    explicit TCTuningForm(EditorServices& services, QWidget* parent = nullptr);

    QScrollBar* humanWeightBar() const { return m_humanBar; }
    QScrollBar* computerWeightBar() const { return m_computerBar; }
    QLineEdit* humanPoundsText() const { return m_humanPounds; }
    QLineEdit* humanKilogramsText() const { return m_humanKilograms; }
    QLineEdit* computerPoundsText() const { return m_computerPounds; }
    QLineEdit* computerKilogramsText() const { return m_computerKilograms; }
    QCheckBox* linkedBox() const { return m_linked; }
    // LEDs 1..4; LED 1 has no threshold.
    QComboBox* ledColourBox(int led) const { return m_ledColours[std::size_t(led - 1)]; }
    QLineEdit* thresholdEdit(int led) const { return m_thresholds[std::size_t(led - 1)]; }
    kvr::TWinGImage* ledPreview() const { return m_preview; }
    QCheckBox* opponentFuelBox() const { return m_opponentFuel; }
    QLineEdit* practiceFuelEdit() const { return m_practiceFuel; }
    QLineEdit* qualifyingFuelEdit() const { return m_qualifyingFuel; }
    QCheckBox* teamPerformanceBox() const { return m_teamPerformance; }

protected:
    void showRecord() override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildWeights();
    QWidget* buildLeds();
    QWidget* buildFuel();
    void loadLedPicture();
    void drawLeds();

    void onWeightBarMoved(bool human, int position);
    void onLedColourChosen(int led, int item);
    void onThresholdTyped(int led);
    void onFuelTyped(bool qualifying);
    void onSwitchClicked(QCheckBox* box, std::size_t offset, bool on);

    QScrollBar* m_humanBar = nullptr;
    QScrollBar* m_computerBar = nullptr;
    QLineEdit* m_humanPounds = nullptr;
    QLineEdit* m_humanKilograms = nullptr;
    QLineEdit* m_computerPounds = nullptr;
    QLineEdit* m_computerKilograms = nullptr;
    QCheckBox* m_linked = nullptr;
    std::array<QComboBox*, 4> m_ledColours{};
    std::array<QLineEdit*, 4> m_thresholds{};
    kvr::TWinGImage* m_preview = nullptr;
    QCheckBox* m_opponentFuel = nullptr;
    QLineEdit* m_practiceFuel = nullptr;
    QLineEdit* m_qualifyingFuel = nullptr;
    QCheckBox* m_teamPerformance = nullptr;

    // The LED picture as loaded: where unlit lights and the sprites are copied from.
    bool m_pictureTried = false;
    std::vector<std::uint8_t> m_pristine;
};

} // namespace kvrgui
