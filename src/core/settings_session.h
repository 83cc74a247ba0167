// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editor_home.h"

#include <filesystem>
#include <optional>
#include <string>

namespace kvr {

class SettingsRecord;
class UserPrompt;

// The File menu's settings files: the current file name, Save, Save As, Load and
// Restore original settings. Descriptions and names are Windows ANSI bytes.
class SettingsSession {
public:
    static constexpr const char* kTitle = "* Morvane Softcrafts KVR Editor *";
    static constexpr std::size_t kNameChars = 255;

    SettingsSession(SettingsRecord& record, UserPrompt& prompt, EditorHome home);

    const std::string& currentName() const { return m_currentName; }

    // The main window's caption after a save or load of `file`.
    static std::string captionFor(const std::string& file);

    // Save settings: under the current name when there is one, else through the save
    // dialog. Returns the new caption when the dialog chose a file that was written.
    std::optional<std::string> save(const std::string& description);
    // Save settings As: always through the dialog.
    std::optional<std::string> saveAs(const std::string& description);
    // Load settings: returns the new caption when a file was loaded. A file shorter than
    // a record raises GeneralError and changes nothing; a longer one is loaded only when
    // the user agrees.
    std::optional<std::string> load();
    // Loads a file the user chose before (a recent file), as load() does after its dialog.
    std::optional<std::string> loadFrom(const std::filesystem::path& file);
    // Whether the last save or save as wrote the file (false when its dialog was cancelled
    // or the file could not be written).
    bool wrote() const { return m_wrote; }
    // Restore original settings from DATA/ORIGIN.SET. A file that is missing or damaged
    // raises GeneralError and changes nothing, the current name included.
    void restoreOriginal();
    // The file a Save writes without asking; none (empty) makes it ask.
    void setCurrentName(const std::string& name);

    std::string description() const;

private:
    void takeDescription(const std::string& description);
    std::optional<std::string> saveThroughDialog();
    bool nameFits(const std::string& path);

    SettingsRecord& m_record;
    UserPrompt& m_prompt;
    EditorHome m_home;
    std::string m_currentName;
    // After a restore the current name is the original settings, which Save must never
    // overwrite: it asks for a name instead.
    bool m_nameIsOriginal = false;
    bool m_wrote = false;
};

} // namespace kvr
