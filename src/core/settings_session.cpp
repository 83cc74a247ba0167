// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_session.h"

#include "core/errors.h"
#include "core/platform/path_text.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"

#include <filesystem>

namespace kvr {
namespace fs = std::filesystem;

namespace {

FileRequest settingsDialog(FileRequest::Mode mode)
{
    return FileRequest::forKind(FileRequest::Kind::Settings, mode,
                                mode == FileRequest::Mode::Save ? KVR_TR_NOOP("Settings files", "Save settings")
                                                                : KVR_TR_NOOP("Settings files", "Load settings"),
                                kvr::fileFilter(KVR_TR_NOOP("Settings files", "All settings files"), "*.KVS"), "KVS");
}

} // namespace

SettingsSession::SettingsSession(SettingsRecord& record, UserPrompt& prompt, EditorHome home)
    : m_record(record), m_prompt(prompt), m_home(std::move(home))
{
}

std::string SettingsSession::captionFor(const std::string& file)
{
    const auto cut = file.find_last_of("/\\:");
    return std::string(kTitle) + "- " + (cut == std::string::npos ? file : file.substr(cut + 1));
}

std::string SettingsSession::description() const
{
    return m_record.shortString(rec::kDescription, rec::kDescriptionChars);
}

void SettingsSession::takeDescription(const std::string& description)
{
    m_record.setShortString(rec::kDescription, rec::kDescriptionChars, description);
}

bool SettingsSession::nameFits(const std::string& path)
{
    if (path.size() <= kNameChars)
        return true;
    m_prompt.warn(fillIn(KVR_TR_NOOP("Settings files", "The file name is longer than 255 characters: %1"), {path}));
    return false;
}

std::optional<std::string> SettingsSession::saveThroughDialog()
{
    const auto chosen = m_prompt.chooseFile(settingsDialog(FileRequest::Mode::Save));
    if (!chosen)
        return std::nullopt;
    const std::string path = platform::pathText(*chosen);
    if (!nameFits(path))
        return std::nullopt;
    if (!writeSettingsFile(*chosen, m_record)) {
        m_prompt.warn(fillIn(KVR_TR_NOOP("Settings files", "Cannot write the settings file %1"), {path}));
        return std::nullopt;
    }
    m_wrote = true;
    m_currentName = path;
    m_nameIsOriginal = false;
    return captionFor(m_currentName);
}

std::optional<std::string> SettingsSession::save(const std::string& description)
{
    takeDescription(description);
    m_wrote = false;
    if (!m_currentName.empty() && !m_nameIsOriginal &&
        writeSettingsFile(platform::pathFromText(m_currentName), m_record)) {
        m_wrote = true;
        return std::nullopt;
    }
    return saveThroughDialog();
}

std::optional<std::string> SettingsSession::saveAs(const std::string& description)
{
    takeDescription(description);
    m_wrote = false;
    return saveThroughDialog();
}

std::optional<std::string> SettingsSession::load()
{
    const auto chosen = m_prompt.chooseFile(settingsDialog(FileRequest::Mode::Open));
    if (!chosen)
        return std::nullopt;
    return loadFrom(*chosen);
}

std::optional<std::string> SettingsSession::loadFrom(const fs::path& file)
{
    const std::string path = platform::pathText(file);
    if (!nameFits(path))
        return std::nullopt;
    if (const auto size = regularFileSize(file)) {
        const auto note = oversizeSettingsNote(platform::pathText(file.filename()), *size);
        if (note && !m_prompt.confirm(*note + "\n\n" + KVR_TR_NOOP("Settings files", "Load it anyway?")))
            return std::nullopt;
    }
    if (!readSettingsFile(file, m_record)) {
        m_prompt.warn(fillIn(KVR_TR_NOOP("Settings files", "Cannot open the settings file %1"), {path}));
        return std::nullopt;
    }
    m_currentName = path;
    m_nameIsOriginal = false;
    return captionFor(m_currentName);
}

void SettingsSession::restoreOriginal()
{
    const fs::path original = m_home.data("ORIGIN.SET");
    SettingsRecord read;
    try {
        if (!readSettingsFile(original, read))
            throw GeneralError(fillIn(KVR_TR_NOOP("Settings files", "Cannot open %1."), {platform::pathText(original)}));
    } catch (const GeneralError& e) {
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Settings files", "The original settings cannot be restored; nothing was changed. %1"),
                   {kvr::messageOf(e)}));
    }
    m_record = read;
    m_currentName = platform::pathText(original);
    m_nameIsOriginal = true;
}

void SettingsSession::setCurrentName(const std::string& name)
{
    m_currentName = name;
    m_nameIsOriginal = false;
}

} // namespace kvr
