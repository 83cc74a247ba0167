// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/jams/car_jam_editor.h"
#include "widgets/picture_file_qt.h"
#include "widgets/window_frame.h"

#include <chrono>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;

namespace kvr {
class Converter;
} // namespace kvr

namespace kvrgui {

class PixelView;
class QtProcessRunner;

// "Car JAMs": the teams' texture files, the enabled teams beside them, one painting,
// and the buttons that load and save it as a bitmap or fetch it from the game and send
// it back through the converter. The painting is the window's own, with its history
// that the Edit menu undoes; it stays between openings until another game is located.
class TJamForm : public WindowFrame {
    Q_OBJECT
  public:
    explicit TJamForm(EditorServices& services, QWidget* parent = nullptr);
    ~TJamForm() override;

    const kvr::CarJamEditor& jams() const { return m_jams; }
    QListWidget* fileList() const { return m_files; }
    QListWidget* teamList() const { return m_teams; }
    PixelView* paintingPicture() const { return m_picture; }
    QPushButton* loadButton() const { return m_load; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* importButton() const { return m_import; }
    QPushButton* exportButton() const { return m_export; }

    // How long the converter may take before it is stopped.
    void setConverterBound(std::chrono::milliseconds bound) { m_bound = bound; }

    // However the window closes, the exchange file goes with it.
    void done(int result) override;

    // Another game was located: the painting goes.
    void forgetPainting();

  protected:
    void showEvent(QShowEvent* event) override;
    // The selected lines and the painting.
    void showState() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onRecordChanged();
    void onFileChosen(int line);
    void onTeamChosen(int line);
    void fillTeamList();
    kvr::Converter converter() const;

    kvr::CarJamEditor m_jams;
    QtPictureFiles m_pictureFiles;
    std::unique_ptr<QtProcessRunner> m_runner;
    std::chrono::milliseconds m_bound;
    bool m_showing = false;
    QListWidget* m_files;
    QListWidget* m_teams;
    PixelView* m_picture;
    QPushButton* m_load;
    QPushButton* m_save;
    QPushButton* m_import;
    QPushButton* m_export;
};

} // namespace kvrgui
