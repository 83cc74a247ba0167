// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editor_home.h"
#include "core/settings_session.h"
#include "editors/helmets/helmet_editor.h"
#include "game/game_context.h"
#include "game/record_patch.h"
#include "graphics/game_palette.h"
#include "widgets/editor_services.h"
#include "widgets/process_runner_qt.h"
#include "widgets/record_document.h"

#include <QMainWindow>
#include <QSettings>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QDialog;
class QLabel;
class QPushButton;

namespace kvr {
class FileAccessError;
class UserPrompt;
struct LaunchFile;
} // namespace kvr

namespace kvrgui {

class TDesForm;
class TIEForm;
class TJamForm;
class TStartForm;

// The main window: runs the start-up load, offers one picture button per editor, the
// File menu for settings files and the Options menu; writes kvrdesk.set when closed.
// Its parts live beside it: main_window_startup.cpp (the start-up sequence),
// main_window_menus.cpp (the menus, settings files and recent files) and
// main_window_editors.cpp (opening the editors, the track editor's entry) and
// main_window_patches.cpp (saving and applying patches), main_window_language.cpp
// (Options > Language) and main_window_open.cpp (the files given on the command line and
// the Help menu).
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

    RecordDocument& document() { return m_document; }
    const kvr::SettingsRecord& record() const { return m_document.record(); }
    const kvr::GameContext& context() const { return m_context; }
    kvr::SettingsSession& session() { return m_session; }
    const kvr::GamePalette& palette() const { return m_palette; }
    // The helmet sheet; waits for the import the start-up load began.
    const kvr::HelmetEditor& helmets()
    {
        finishHelmetImport();
        return m_helmets;
    }
    // The start-up load leaves the helmet import running while the window shows; its
    // sheet (or the warning that it failed) arrives when the converter is done, or here,
    // waiting for it, before anything looks at the sheet.
    void finishHelmetImport();
    bool helmetImportRunning() const { return m_helmetImport != nullptr; }
    TStartForm* splash() const { return m_splash; }
    // The settings description window, made when first needed: few starts open it.
    TDesForm* descriptionForm();
    TIEForm* importExportForm() const { return m_ie; }
    QLabel* versionLabel() const { return m_versionLabel; }
    QPushButton* button(const QString& name) const;
    QAction* menuAction(const QString& name) const;

    // The editor window a button opens (made on first use), or none when that editor has
    // no window yet.
    QDialog* editorWindow(const QString& buttonName);

    // Saves a picture of the splash window, the main window and every editor window into
    // `dir`; false when one could not be saved.
    bool saveScreenshots(const QString& dir);

    // Set when a game file failed during an action: the program ends with this code.
    int exitCode() const { return m_exitCode; }

    // Opens the settings files and patches the editor was started with, one after another,
    // as their menu items do (main_window_open.cpp).
    void openLaunchFiles(const std::vector<kvr::LaunchFile>& files);
    // Applies one patch file, after its preview, as "Apply patch..." does once a file is chosen.
    void applyPatchFile(const std::filesystem::path& file);

  public slots:
    void onLoadSettings();
    void onSaveSettings();
    void onSaveSettingsAs();
    void onRestoreOriginalSettings();
    void onSaveChangesAsPatch();
    void onApplyPatch();
    void onSettingsDescription();
    void onImportExport();
    void onLocateGame();
    void onAbout();
    void onKeyboardShortcuts();

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildButtons();
    void buildMenus();
    // Options > Language, and the switch it makes (main_window_language.cpp).
    void buildLanguageMenu(QMenu* options);
    // The Help menu (main_window_open.cpp).
    void buildHelpMenu();
    void chooseLanguage(const QString& code);
    // The splash window, in the language the user chose before (the first window built).
    TStartForm* makeSplash();
    void speakGameLanguageFirst();
    void followGameLanguage();
    void switchLanguage(const QString& code);
    // Builds the main window's texts, menus and windows anew in the current language.
    void retranslate();
    QString versionText() const;
    bool loadGame();
    void fatal(const kvr::Message& message, const kvr::Message& detail = {});
    void fatal(const kvr::FileAccessError& error);
    // Runs a settings action, reporting the editor's own data errors.
    void guarded(const std::function<void()>& action);
    void saveSettings(bool askForName);
    void loadSettings(const std::function<std::optional<std::string>()>& load);
    // After a settings file was written or read: the record came from it, the file is recent.
    void settingsFileDone();
    void showRecentFiles();
    // Before the record and the pictures the windows hold are thrown away (`when` the
    // editor closes, another game is opened): says what would be lost and asks. False
    // when the user keeps it.
    bool mayDiscardWork(const kvr::Message& when);
    // Before a settings file given on the command line replaces settings with unsaved
    // changes: asks whether to save them first. False when the user keeps them.
    bool mayReplaceSettings();
    // The car JAMs window, when it was opened: it holds a painting of its own.
    TJamForm* jamWindow() const;
    // The record a patch's changes are taken against, as the user chooses it; none when
    // cancelled.
    std::optional<kvr::SettingsRecord> patchBase();
    // Asks what the patch is and whether to keep every byte; nothing when cancelled.
    std::optional<kvr::RecordPatch> describedPatch(const kvr::SettingsRecord& base, const kvr::SettingsRecord& mine);
    void openEditor(const QString& buttonName);
    // The track editor's entry: the track files must be there, and the track data read.
    bool enterTrackEditor();

    kvr::EditorHome m_home;
    kvr::UserPrompt& m_prompt;
    Locator m_locator;
    kvr::GameContext m_context;
    RecordDocument m_document;
    kvr::SettingsSession m_session;
    kvr::GamePalette m_palette;
    // The sheet the helmets window shows, imported at start-up.
    kvr::HelmetEditor m_helmets;
    // The sheet the converter is making for the game being loaded. The converter starts
    // once the main window is painted, or when something asks for the sheet before that:
    // until then it would take the second core from the window being made.
    struct HelmetImport {
        kvr::HelmetEditor helmets;
        int number = 0;
        std::function<void()> work;
        // Last, so that it is waited for before the sheet it writes goes.
        std::unique_ptr<BackgroundTask> task;
    };
    void startHelmetImport();
    std::unique_ptr<HelmetImport> m_helmetImport;
    int m_helmetImports = 0;
    EditorServices m_services;
    // The editor's own settings (recent files), never in kvrdesk.set.
    QSettings m_settings;
    bool m_configured = false;
    int m_exitCode = 0;

    TStartForm* m_splash;
    TDesForm* m_des = nullptr;
    // The text the description window starts with when it is made: the default of the
    // language the main window was built in, or what the window held before a language
    // switch rebuilt it.
    std::optional<std::string> m_descriptionForNewWindow; // none: the default, in the language of the moment
    TIEForm* m_ie;
    QMenu* m_recentMenu = nullptr;
    QSize m_clientSize;
    QLabel* m_versionLabel = nullptr;
    std::map<QString, QPushButton*> m_buttons;
    std::map<QString, QAction*> m_actions;
    std::map<QString, QDialog*> m_editors;
};

} // namespace kvrgui
