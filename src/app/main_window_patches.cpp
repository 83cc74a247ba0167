// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "core/errors.h"
#include "core/game_files.h"
#include "core/input_file.h"
#include "core/platform/path_text.h"
#include "core/safe_write.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "game/export_preview.h"
#include "game/record_fields.h"
#include "game/import_export.h"
#include "game/record_patch.h"

#include <algorithm>

namespace kvrgui {
namespace fs = std::filesystem;

namespace {

kvr::FileRequest patchDialog(kvr::FileRequest::Mode mode)
{
    kvr::FileRequest r = kvr::FileRequest::forKind(kvr::FileRequest::Kind::Patch, mode,
                                                   mode == kvr::FileRequest::Mode::Save
                                                       ? KVR_TR_NOOP("Messages", "Save changes as patch")
                                                       : KVR_TR_NOOP("Messages", "Apply patch"),
                                                   kvr::fileFilter(KVR_TR_NOOP("Messages", "Patches"), "*.kvpatch"),
                                                   "kvpatch");
    if (mode == kvr::FileRequest::Mode::Save)
        r.usualName = "mod.kvpatch";
    return r;
}

std::span<const std::uint8_t> trackBytes(const kvr::SettingsRecord& r)
{
    return r.bytes().subspan(kvr::rec::kTrackData, std::size_t(kvr::rec::kTracks) * kvr::rec::kTrackRecordSize);
}

} // namespace

std::optional<kvr::SettingsRecord> TMainForm::patchBase()
{
    const std::optional<int> base = m_prompt.choose(
        KVR_TR_NOOP("Messages", "Save the values in which the settings differ from:"),
        {KVR_TR_NOOP("Messages", "The game as it is now"),
         KVR_TR_NOOP("Messages", "The original settings (ORIGIN.SET)"), KVR_TR_NOOP("Messages", "A settings file...")});
    if (!base)
        return std::nullopt;
    kvr::SettingsRecord read = record();
    fs::path file;
    switch (*base) {
    case 0:
        // Reads only; values the game does not hold (the track data without its files)
        // stay as the record has them.
        kvr::readGameValues(m_context, read, std::nullopt);
        return read;
    case 1:
        file = m_home.data("ORIGIN.SET");
        break;
    default: {
        const auto chosen = m_prompt.chooseFile(
            kvr::FileRequest::forKind(kvr::FileRequest::Kind::Settings, kvr::FileRequest::Mode::Open,
                                      KVR_TR_NOOP("Messages", "Compare with settings"),
                                      kvr::fileFilter(KVR_TR_NOOP("Settings files", "All settings files"), "*.KVS"),
                                      "KVS"));
        if (!chosen)
            return std::nullopt;
        file = *chosen;
        if (const auto size = kvr::regularFileSize(file))
            if (const auto note = kvr::oversizeSettingsNote(kvr::platform::pathText(file.filename()), *size);
                note && !m_prompt.confirm(*note + "\n\n" + KVR_TR_NOOP("Messages", "Compare with it anyway?")))
                return std::nullopt;
    }
    }
    if (!kvr::readSettingsFile(file, read))
        throw kvr::GeneralError(kvr::fillIn(KVR_TR_NOOP("Settings files", "Cannot open the settings file %1"),
                                            {kvr::platform::pathText(file)}));
    return read;
}

std::optional<kvr::RecordPatch> TMainForm::describedPatch(const kvr::SettingsRecord& base,
                                                          const kvr::SettingsRecord& mine)
{
    const auto form = m_prompt.fillForm(
        KVR_TR_NOOP("Messages", "What the patch is, for those you share it with (all may stay empty):"),
        {{KVR_TR_NOOP("Messages", "&Title:"), {}, kvr::kMaxPatchTitleChars},
         {KVR_TR_NOOP("Messages", "&Author:"), {}, kvr::kMaxPatchAuthorChars},
         {KVR_TR_NOOP("Messages", "&Description:"), {}, kvr::kMaxPatchDescriptionChars, true},
         {KVR_TR_NOOP("Messages", "&Exact copy, every byte (also the settings description and bytes no window shows)"),
          {},
          0}},
        KVR_TR_NOOP("Messages", "Save changes as patch"));
    if (!form)
        return std::nullopt;
    const auto& entries = *form;
    kvr::RecordPatch patch = entries[3].checked ? kvr::makePatch(base, mine) : kvr::makeValuesPatch(base, mine);
    if (patch.changes.empty()) {
        m_prompt.inform(KVR_TR_NOOP("Messages", "The settings differ only in the description and bytes no window "
                                                "shows. Tick \"Exact copy, every byte\" to save those."));
        return std::nullopt;
    }
    // A title is one line: what a box may still hold after a paste is not kept.
    auto oneLine = [](std::string text) {
        std::erase_if(text, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
        return text;
    };
    patch.about = {oneLine(entries[0].text), oneLine(entries[1].text), entries[2].text, "kvrdesk " KVR_VERSION};
    // What the form may still let through (a control character pasted in) is refused here.
    try {
        return kvr::parsePatch(kvr::patchText(patch));
    } catch (const kvr::PatchError& e) {
        throw kvr::GeneralError(kvr::messageOf(e));
    }
}

void TMainForm::onSaveChangesAsPatch()
{
    guarded([this] {
        const std::optional<kvr::SettingsRecord> base = patchBase();
        if (!base)
            return;
        kvr::SettingsRecord mine = record();
        // Track data nobody read from the game is no change of the user's.
        if (!m_document.trackDataKnown())
            std::copy(trackBytes(*base).begin(), trackBytes(*base).end(),
                      mine.bytes().begin() + std::ptrdiff_t(kvr::rec::kTrackData));
        if (kvr::makePatch(*base, mine).changes.empty()) {
            m_prompt.inform(KVR_TR_NOOP("Messages", "The settings hold the same values: there is no change to save."));
            return;
        }
        const std::optional<kvr::RecordPatch> patch = describedPatch(*base, mine);
        if (!patch)
            return;
        const auto file = m_prompt.chooseFile(patchDialog(kvr::FileRequest::Mode::Save));
        if (!file)
            return;
        for (const auto& game : {std::optional<fs::path>(m_context.gameDir()), kvr::gameFolderAround(*file)})
            if (game && !game->empty())
                if (const auto gameFile = kvr::gameFileAt(*game, *file))
                    throw kvr::GeneralError(kvr::fillIn(
                        KVR_TR_NOOP("Messages", "Refusing to write %1: it is the game's %2. Choose another file."),
                        {file->string(), *gameFile}));
        const std::string text = kvr::patchText(*patch);
        try {
            kvr::writeOutputFile(*file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        } catch (const kvr::WriteFailure& e) {
            throw kvr::GeneralError(
                kvr::fillIn(KVR_TR_NOOP("Messages", "Cannot write the patch %1: %2"), {file->string(), e.reason()}));
        }
    });
}

void TMainForm::onApplyPatch()
{
    const auto file = m_prompt.chooseFile(patchDialog(kvr::FileRequest::Mode::Open));
    if (file)
        applyPatchFile(*file);
}

void TMainForm::applyPatchFile(const fs::path& file)
{
    guarded([this, &file] {
        kvr::RecordPatch patch;
        try {
            patch = kvr::readPatchFile(file);
        } catch (const kvr::PatchError& e) {
            throw kvr::GeneralError(
                kvr::fillIn(KVR_TR_NOOP("Messages", "The patch %1 cannot be applied; nothing was changed. %2"),
                            {kvr::platform::pathText(file.filename()), kvr::messageOf(e)}));
        }
        const kvr::PatchOutcome outcome = kvr::applyPatches(record(), {patch});
        const kvr::Message heading = kvr::patchPreviewHeading(record(), outcome);
        if (outcome.record == record()) {
            m_prompt.inform(heading);
            return;
        }
        if (!m_document.trackDataKnown() && !std::ranges::equal(trackBytes(record()), trackBytes(outcome.record))) {
            m_prompt.warn(KVR_TR_NOOP("Messages", "The patch changes track data, which has not been read from the game "
                                                  "yet. Open the Track Editor once, then apply the patch again; "
                                                  "nothing was changed."));
            return;
        }
        if (!m_prompt.confirmList(heading, kvr::patchPreviewLines(record(), outcome, kvr::fieldNamesOf(m_context, record()).tracks), KVR_TR_NOOP("Messages", "Apply")))
            return;
        m_document.change(tr("Apply patch"), [&](kvr::SettingsRecord& r) { r = outcome.record; });
    });
}

} // namespace kvrgui
