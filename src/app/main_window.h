#pragma once

#include "core/editor_home.h"
#include "core/settings_record.h"
#include "core/settings_session.h"
#include "graphics/game_palette.h"
#include "install/game_context.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>

class QLabel;
class QPushButton;

namespace kvr {
class UserPrompt;
}

namespace kvrgui {

class TDesForm;
class TIEForm;
class TStartForm;

// The main window: runs the start-up load, offers one picture button per editor, the
// File menu for settings files and the Options menu; writes kvrdesk.set when closed.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    enum class StartResult { Ready, Cancelled, Fatal };
    using Locator = std::function<std::optional<kvr::Configuration>()>;

    TMainForm(kvr::EditorHome home, kvr::UserPrompt& prompt, QWidget* parent = nullptr);
    ~TMainForm() override;

    // How the game is located when there is no configuration (the locate window).
    void setLocator(Locator locator) { m_locator = std::move(locator); }

    // The start-up load. `gameDir`, when given, names the game to open instead of the
    // configured one. Fatal means the program must end with exit code 1.
    StartResult startUp(const std::optional<std::filesystem::path>& gameDir = std::nullopt);

    kvr::SettingsRecord& record() { return m_record; }
    const kvr::GameContext& context() const { return m_context; }
    kvr::SettingsSession& session() { return m_session; }
    const kvr::GamePalette& palette() const { return m_palette; }
    TStartForm* splash() const { return m_splash; }
    TDesForm* descriptionForm() const { return m_des; }
    TIEForm* importExportForm() const { return m_ie; }
    QLabel* versionLabel() const { return m_versionLabel; }
    QPushButton* button(const QString& name) const;
    QAction* menuAction(const QString& name) const;

    // Set when a game file failed during an action: the program ends with this code.
    int exitCode() const { return m_exitCode; }

public slots:
    void Loadsettings1Click();
    void Savesettings1Click();
    void SaveAssettings1Click();
    void Restoreoriginalsettings1Click();
    void Settingsdescription1Click();
    void ImportExport1Click();
    void LocateGame1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildButtons();
    void buildMenus();
    bool loadGame();
    void fatal(const std::string& message);
    // Runs a settings action, reporting the editor's own data errors.
    void guarded(const std::function<void()>& action);
    void setCaption(const std::optional<std::string>& caption);

    kvr::EditorHome m_home;
    kvr::UserPrompt& m_prompt;
    Locator m_locator;
    kvr::GameContext m_context;
    kvr::SettingsRecord m_record;
    kvr::SettingsSession m_session;
    kvr::GamePalette m_palette;
    bool m_helmetsPending = true;
    bool m_trackDataPending = true;
    bool m_configured = false;
    int m_exitCode = 0;

    TStartForm* m_splash;
    TDesForm* m_des;
    TIEForm* m_ie;
    QLabel* m_versionLabel = nullptr;
    std::map<QString, QPushButton*> m_buttons;
    std::map<QString, QAction*> m_actions;
};

} // namespace kvrgui
