#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QPushButton;
class QRadioButton;

namespace kvr {
struct GameContext;
class SettingsRecord;
class UserPrompt;
} // namespace kvr

namespace kvrgui {

// The import/export dialog: moves every value between the game and the record at once,
// and holds the two choices of where names and cockpit colours live.
class TIEForm : public QDialog {
    Q_OBJECT
public:
    using Fatal = std::function<void(const std::string& message)>;

    TIEForm(kvr::GameContext& context, kvr::SettingsRecord& record, kvr::UserPrompt& prompt, Fatal fatal,
            QWidget* parent = nullptr);

    // Shows the context's current choices.
    void showChoices();

    QRadioButton* namesFromExe() const { return m_namesExe; }
    QRadioButton* namesFromState() const { return m_namesState; }
    QRadioButton* cockpitFromExe() const { return m_cockpitExe; }
    QRadioButton* cockpitFromState() const { return m_cockpitState; }
    QPushButton* importButton() const { return m_import; }
    QPushButton* exportButton() const { return m_export; }

    // Set after an import that read the track data.
    bool trackDataRead() const { return m_trackDataRead; }

private:
    void Button951Click();
    void Button952Click();
    void run(const std::function<void()>& action);

    kvr::GameContext& m_context;
    kvr::SettingsRecord& m_record;
    kvr::UserPrompt& m_prompt;
    Fatal m_fatal;
    bool m_trackDataRead = false;
    QRadioButton* m_namesExe;
    QRadioButton* m_namesState;
    QRadioButton* m_cockpitExe;
    QRadioButton* m_cockpitState;
    QPushButton* m_import;
    QPushButton* m_export;
};

} // namespace kvrgui
