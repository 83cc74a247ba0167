// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/cameras/camera_blocks.h"
#include "widgets/editor_window.h"

#include <array>

class QLineEdit;
class QListWidget;

namespace kvr {
class TWinGImage;
}

namespace kvrgui {

// "Cameras editor": where each of the nine car-mounted cameras sits and looks, with a
// picture of its default view. A box stores its value when it is left.
class TCameraForm : public EditorWindow {
    Q_OBJECT
public:
    explicit TCameraForm(EditorServices& services, QWidget* parent = nullptr);

    QListWidget* cameraList() const { return m_cameras; }
    kvr::TWinGImage* defaultView() const { return m_view; }
    // The box of a word of the camera record (kvr::cameras::Word).
    QLineEdit* box(int word) const { return m_boxes.at(std::size_t(word)); }
    int selectedCamera() const { return m_camera; }

protected:
    void showRecord() override;

private:
    void onCameraChosen(int line);
    void onBoxLeft(int word);
    void showView();

    int m_camera = 1;
    QListWidget* m_cameras;
    kvr::TWinGImage* m_view;
    std::array<QLineEdit*, kvr::cameras::kWords> m_boxes{};
};

} // namespace kvrgui
