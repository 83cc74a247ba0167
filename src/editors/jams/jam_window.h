#pragma once

#include "editors/jams/car_jam_editor.h"

#include <QDialog>

#include <chrono>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;

namespace kvr {
class Converter;
class UserPrompt;
} // namespace kvr

namespace kvrgui {

struct EditorServices;
class QtProcessRunner;

// "Car JAMs": the teams' texture files, the enabled teams beside them, one painting,
// and the buttons that load and save it as a bitmap or fetch it from the game and send
// it back through the converter. The painting is the window's own; it stays between
// openings until another game is located.
class TJamForm : public QDialog {
    Q_OBJECT
public:
    explicit TJamForm(EditorServices& services, QWidget* parent = nullptr);
    ~TJamForm() override;

    const kvr::CarJamEditor& jams() const { return m_jams; }
    QListWidget* fileList() const { return m_files; }
    QListWidget* teamList() const { return m_teams; }
    QLabel* paintingPicture() const { return m_picture; }
    QPushButton* loadButton() const { return m_load; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* importButton() const { return m_import; }
    QPushButton* exportButton() const { return m_export; }
    QPushButton* backButton() const { return m_back; }

    // How long the converter may take before it is stopped.
    void setConverterBound(std::chrono::milliseconds bound) { m_bound = bound; }

    // However the window closes, the exchange file goes with it.
    void done(int result) override;

    // Another game was located: the painting goes.
    void forgetPainting();

  protected:
    void showEvent(QShowEvent* event) override;

private:
    void onRecordChanged();
    void onFileChosen(int line);
    void onTeamChosen(int line);
    // Runs an action on the model, then shows what it left; its messages come after
    // the window shows the new state.
    void act(const std::function<void(kvr::UserPrompt&)>& action);
    void showTeams();
    void showSelection();
    kvr::Converter converter() const;

    EditorServices& m_services;
    kvr::CarJamEditor m_jams;
    std::unique_ptr<QtProcessRunner> m_runner;
    std::chrono::milliseconds m_bound;
    bool m_showing = false;
    QListWidget* m_files;
    QListWidget* m_teams;
    QLabel* m_picture;
    QPushButton* m_load;
    QPushButton* m_save;
    QPushButton* m_import;
    QPushButton* m_export;
    QPushButton* m_back;
};

} // namespace kvrgui
