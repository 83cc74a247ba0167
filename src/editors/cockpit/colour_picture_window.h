// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/cockpit/cockpit_recolour.h"
#include "widgets/editor_window.h"
#include "widgets/team_list.h"

#include <vector>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace kvr {
class ColourScheme;
class TWinGImage;
} // namespace kvr

namespace kvrgui {

// The cockpit and pit crew colour editors: a picture in the selected team's colours
// above a grid of palette swatches. A press on the picture selects the element under
// it, a press on a swatch makes it the element's base colour; the list picks the team,
// the radio buttons the element. The picture takes the focus, and the keyboard does all
// that the mouse does.
class ColourPictureWindow : public EditorWindow {
    Q_OBJECT
  public:
    struct Setup {
        kvr::Editor editor;
        QString caption;
        const kvr::ColourScheme& scheme;
        const char* pictureFile; // in the editor's DATA
        const char* pngName;     // suggested name of a saved picture, before the team
    };
    ColourPictureWindow(EditorServices& services, const Setup& setup, QWidget* parent);

    kvr::TWinGImage* picture() const { return m_picture; }
    TeamList* teamList() const { return m_teams; }
    QRadioButton* elementButton(int element) const { return m_elementButtons.at(std::size_t(element)); }
    QLabel* detailLabel() const { return m_detail; }
    QPushButton* savePictureButton() const { return m_save; }
    int selectedTeam() const { return m_team; }
    int selectedElement() const { return m_element; }

    // The swatch the keyboard has reached in the grid (a palette index).
    int swatchCursor() const { return m_cursor; }

  protected:
    void showRecord() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void loadPicture(const char* file);
    void onElementChosen(int element);
    // The keys of the picture: arrows move over the swatches, Space or Enter sets the
    // element's colour, Page Up and Page Down choose the element. True when taken.
    bool onPictureKey(int key);
    // The cursor goes to the element's colour, as a new choice starts there.
    void cursorToBase();
    void speakCursor();
    void onPicturePressed(int x, int y, Qt::MouseButton button);
    void onPointerMoved(int x, int y);
    void onSavePicture();

    const kvr::ColourScheme& m_scheme;
    const char* m_pngName;
    kvr::SavedPicture m_saved;
    int m_team = 1;
    int m_element = 0;
    int m_cursor = 0;
    kvr::TWinGImage* m_picture;
    TeamList* m_teams;
    QButtonGroup* m_elements;
    std::vector<QRadioButton*> m_elementButtons;
    QLabel* m_detail;
    QPushButton* m_save;
};

} // namespace kvrgui
