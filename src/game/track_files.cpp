// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/track_files.h"

#include "core/byte_reader.h"
#include "core/checksum.h"
#include "core/errors.h"
#include "core/file_set.h"
#include "core/folder_lock.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/input_file.h"
#include "core/locked_action.h"
#include "core/safe_write.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "editors/track/track_data.h"

#include <array>
#include <optional>
#include <vector>

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr const char* kCircuits = "CIRCUITS";

struct PatchRange {
    std::uint32_t position;
    std::uint32_t count;
};

// Two 5-byte and two 2-byte instructions of the game's track code.
constexpr std::array<PatchRange, 4> kTrackPatch = {{
    {0x10C032, 5},
    {0x10C073, 5},
    {0x10C180, 2},
    {0x10EAEB, 2},
}};

std::optional<std::vector<std::uint8_t>> readWhole(const fs::path& file)
{
    try {
        return readInputFile(file, kMaxGameFileBytes);
    } catch (const InputFileError&) {
        return std::nullopt;
    }
}

bool writable(const fs::path& file)
{
    std::error_code ec;
    return (fs::status(file, ec).permissions() & fs::perms::owner_write) != fs::perms::none;
}

bool writableTrackFiles(const fs::path& gameDir)
{
    for (int t = 0; t < rec::kTracks; ++t)
        if (!writable(trackFilePath(gameDir, t)))
            return false;
    return true;
}

void clearReadOnly(const fs::path& gameDir)
{
    for (int t = 0; t < rec::kTracks; ++t) {
        const fs::path file = trackFilePath(gameDir, t);
        std::error_code ec;
        if (fs::exists(file, ec))
            makeWritable(file);
    }
}

} // namespace

bool trackFilesPresent(const fs::path& gameDir)
{
    for (int t = 0; t < rec::kTracks; ++t) {
        std::error_code ec;
        if (!fs::is_regular_file(trackFilePath(gameDir, t), ec))
            return false;
    }
    return true;
}

FileRequest cdFileRequest()
{
    FileRequest r;
    r.mode = FileRequest::Mode::Open;
    r.kind = FileRequest::Kind::GameCd;
    r.title = KVR_TR_NOOP("Installers", "Locate kvr.exe file on your KVR CD");
    r.filter = kvr::fileFilter(KVR_TR_NOOP("Installers", "KVR.EXE on Your KVR CD"), "KVR.EXE");
    r.defaultExtension = "EXE";
    r.initialDirectory = "/";
    return r;
}

std::optional<std::string> trackFileProblem(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < kMinTrackFileBytes || bytes.size() > kMaxTrackFileBytes)
        return "it is " + std::to_string(bytes.size()) + " bytes long; a track file holds " +
               std::to_string(kMinTrackFileBytes) + " to " + std::to_string(kMaxTrackFileBytes) + " bytes";
    if (computeChecksum(bytes) != storedChecksum(bytes))
        return std::string("its checksum trailer does not match its content (a damaged or cut copy)");
    return trackSetupProblem(trackSetupPosition(le16(bytes, track::kSetupWordPosition)), bytes.size());
}

std::optional<std::vector<std::vector<std::uint8_t>>> readCdTrackFiles(const fs::path& cdExe, std::string& why)
{
    std::error_code ec;
    if (!fs::is_regular_file(cdExe, ec)) {
        why = cdExe.string() + ": there is no such file, so this is not the game CD";
        return std::nullopt;
    }
    std::vector<std::vector<std::uint8_t>> contents;
    for (int t = 0; t < rec::kTracks; ++t) {
        const fs::path source = trackFilePath(cdExe.parent_path(), t);
        std::optional<std::vector<std::uint8_t>> bytes = readWhole(source);
        std::optional<std::string> problem = bytes ? trackFileProblem(*bytes) : "the file cannot be read";
        if (problem) {
            why = source.string() + ": " + *problem;
            return std::nullopt;
        }
        contents.push_back(std::move(*bytes));
    }
    return contents;
}

TrackFilesPlan askForTrackFiles(const fs::path& gameDir, UserPrompt& prompt)
{
    // Track files a killed copy left half in place are no reason to ask for the CD.
    finishBeforeReading(gameDir);
    const fs::path circuits = findInDir(gameDir, kCircuits);
    std::error_code ec;
    if (fs::exists(circuits, ec) && !fs::is_directory(circuits, ec))
        throw GeneralError(fillIn(KVR_TR_NOOP("Installers", "Cannot create the folder %1"), {circuits.string()}));
    if (trackFilesPresent(gameDir))
        return {};
    if (!prompt.confirm(trackfiles::kInstallQuestion))
        return {TrackFiles::Declined, std::nullopt};
    prompt.inform(trackfiles::kInsertCd);
    std::optional<fs::path> cdExe = prompt.chooseFile(cdFileRequest());
    return {cdExe ? TrackFiles::Present : TrackFiles::Cancelled, std::move(cdExe)};
}

SettledTrackFiles settleTrackFiles(const fs::path& gameDir, const TrackFilesPlan& plan, UserPrompt& prompt)
{
    const fs::path circuits = findInDir(gameDir, kCircuits);
    std::error_code ec;
    fs::create_directory(circuits, ec);
    if (!fs::is_directory(circuits))
        throw GeneralError(fillIn(KVR_TR_NOOP("Installers", "Cannot create the folder %1"), {circuits.string()}));
    if (plan.answer == TrackFiles::Declined)
        return {TrackFiles::Declined, {}};
    clearReadOnly(gameDir);
    if (plan.answer == TrackFiles::Cancelled)
        return {TrackFiles::Cancelled, {}};
    if (trackFilesPresent(gameDir))
        return {};
    // Missing now although they were there when asked: they are missing.
    if (!plan.cdExe)
        return {TrackFiles::Missing, {}};
    std::string why;
    std::optional<std::vector<std::vector<std::uint8_t>>> fromCd = readCdTrackFiles(*plan.cdExe, why);
    if (!fromCd) {
        prompt.warn(trackfiles::kCannotCopy + ("\n" + why));
        return {TrackFiles::Missing, {}};
    }
    return {TrackFiles::Present, std::move(*fromCd)};
}

std::vector<GameFile> takeCdTrackFiles(const fs::path& gameDir, SettledTrackFiles& settled)
{
    std::vector<GameFile> files;
    for (std::size_t t = 0; t < settled.fromCd.size(); ++t)
        files.push_back(GameFile::create(trackFilePath(gameDir, int(t)), std::move(settled.fromCd[t])));
    settled.fromCd.clear();
    return files;
}

bool tellTrackFiles(TrackFiles state, UserPrompt& prompt)
{
    switch (state) {
    case TrackFiles::Present:
        return true;
    case TrackFiles::Declined:
        break;
    case TrackFiles::Cancelled:
        prompt.inform(trackfiles::kNotInstalled);
        break;
    case TrackFiles::Missing:
        prompt.warn(track::errorText(track::kTrackOpenStep));
        break;
    }
    return false;
}

TrackFiles ensureTrackFiles(const fs::path& gameDir, UserPrompt& prompt)
{
    const TrackFilesPlan plan = askForTrackFiles(gameDir, prompt);
    // Nothing to write: a game the user may only read can still be read.
    if (plan.answer == TrackFiles::Present && !plan.cdExe && writableTrackFiles(gameDir))
        return TrackFiles::Present;
    return whileLocked(gameDir, prompt, [&](const GameFolderLock& lock, UserPrompt& later) {
        SettledTrackFiles settled = settleTrackFiles(gameDir, plan, later);
        if (settled.fromCd.empty())
            return settled.state;
        // A custom track file that the CD's replaces is kept, as every replaced game file is.
        FileSet copies;
        for (int t = 0; t < rec::kTracks; ++t)
            copies.replace(trackFilePath(gameDir, t), std::move(settled.fromCd[std::size_t(t)]));
        try {
            copies.commit(lock);
        } catch (const SetWriteFailure& e) {
            later.warn(std::string(trackfiles::kCannotCopy) + e.note());
            return TrackFiles::Missing;
        }
        return TrackFiles::Present;
    });
}

void trackPatch(GameFile& exe)
{
    for (const PatchRange& r : kTrackPatch)
        exe.require(r.position, r.count);
    for (const PatchRange& r : kTrackPatch) {
        exe.seek(r.position);
        for (std::uint32_t i = 0; i < r.count; ++i)
            exe.writeByte(trackfiles::kPatchByte);
    }
}

} // namespace kvr
