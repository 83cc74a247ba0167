// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/picture_file_qt.h"
#include "widgets/window_frame.h"

#include <chrono>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;

namespace kvr {
class HelmetEditor;
} // namespace kvr

namespace kvrgui {

class PixelView;
class QtProcessRunner;
class SheetPicture;

// "Helmets": the helmet sheet, the driver list (line n is helmet n), the zoomed
// preview of the selected helmet (both zoom 1x to 8x), swapping by dragging one helmet onto another, the
// four bitmap buttons and the converter's way into and out of the game. It shows the
// sheet the start-up load imported (services.helmets); everything happens in that model,
// whose history of the sheet the Edit menu undoes.
class THelmetForm : public WindowFrame {
    Q_OBJECT
  public:
    explicit THelmetForm(EditorServices& services, QWidget* parent = nullptr);
    ~THelmetForm() override;

    const kvr::HelmetEditor& helmets() const { return m_helmets; }
    PixelView* sheetPicture() const;
    // Over the sheet while there is none.
    QLabel* sheetMissingLabel() const;
    PixelView* previewPicture() const { return m_preview; }
    QListWidget* driverList() const { return m_drivers; }
    QPushButton* saveHelmetButton() const { return m_saveHelmet; }
    QPushButton* loadHelmetButton() const { return m_loadHelmet; }
    QPushButton* saveAllButton() const { return m_saveAll; }
    QPushButton* loadAllButton() const { return m_loadAll; }
    QPushButton* exportButton() const { return m_export; }
    QPushButton* importButton() const { return m_import; }

    // How long the converter may take before it is stopped.
    void setConverterBound(std::chrono::milliseconds bound) { m_bound = bound; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The selected line, the sheet and the preview.
    void showState() override;

  private:
    void onRecordChanged();
    void onHelmetChosen(int line);
    void onSheetPressed(QPoint at);
    void onSheetReleased(QPoint at);
    void onConverter(bool intoGame);
    // The driver list afresh.
    void fillDriverList();
    void speakPicked();

    std::unique_ptr<kvr::HelmetEditor> m_ownHelmets;
    kvr::HelmetEditor& m_helmets;
    std::unique_ptr<QtProcessRunner> m_runner;
    std::chrono::milliseconds m_bound;
    bool m_singleHelmetPending = true;
    bool m_showing = false;
    QtPictureFiles m_files;
    SheetPicture* m_sheet;
    PixelView* m_preview;
    QListWidget* m_drivers;
    QPushButton* m_saveHelmet;
    QPushButton* m_loadHelmet;
    QPushButton* m_saveAll;
    QPushButton* m_loadAll;
    QPushButton* m_export;
    QPushButton* m_import;
};

} // namespace kvrgui
