// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/window_frame.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QSpinBox;

namespace kvr {
class PictureConversion;
} // namespace kvr

namespace kvrgui {

class PixelView;

// "Convert to the game's colours": a painting as painted and as converted side by side
// (zoomed together), the options (dithering and its strength, the colour of transparent
// pixels, scaling a picture of another size), how far the result is from the painting,
// and OK / Cancel. It only shows `conversion` and sets its options; the caller applies
// the result after OK.
class ConversionWindow : public WindowFrame {
    Q_OBJECT
  public:
    ConversionWindow(kvr::UserPrompt& prompt, kvr::PictureConversion& conversion, QWidget* parent = nullptr);
    ~ConversionWindow() override;

    PixelView* paintedView() const { return m_painted; }
    PixelView* convertedView() const { return m_converted; }
    QRadioButton* noDitheringButton() const { return m_none; }
    QRadioButton* diffusionButton() const { return m_diffuse; }
    QSlider* strengthSlider() const { return m_strength; }
    QSpinBox* backgroundBox() const { return m_background; }
    QLabel* backgroundLabel() const { return m_backgroundNote; }
    QCheckBox* scaleBox() const { return m_scale; }
    QLabel* figuresLabel() const { return m_figures; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onOptionChanged();
    void showResult();
    QScrollArea* scrolled(PixelView* view);

    kvr::PictureConversion& m_conversion;
    PixelView* m_painted;
    PixelView* m_converted;
    QRadioButton* m_none;
    QRadioButton* m_diffuse;
    QSlider* m_strength;
    QLabel* m_strengthLabel;
    QSpinBox* m_background = nullptr;
    QLabel* m_backgroundSwatch = nullptr;
    QLabel* m_backgroundNote = nullptr;
    QCheckBox* m_scale = nullptr;
    QLabel* m_sizeNote = nullptr;
    QLabel* m_figures;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_showing = false;
};

} // namespace kvrgui
