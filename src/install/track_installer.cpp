// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/track_installer.h"

#include "core/errors.h"
#include "core/file_set.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/locked_action.h"
#include "core/settings_record.h"
#include "core/user_prompt.h"
#include "editors/track/track_data.h"
#include "game/game_context.h"
#include "game/track_files.h"
#include "install/install_files.h"
#include "install/source_checks.h"

#include <cstdio>
#include <vector>

namespace kvr {
namespace fs = std::filesystem;
using namespace trackinstall;

const std::array<TrackBlockSource, 3> kTrackBlocks = {{
    {Row::TrackManagerFirst, "ENGTN.DAT", "ENGTN_O.DAT", addontracks::kNameBlockSize},
    {Row::TrackManagerSecond, "TRK_N.DAT", "TRK_N.DAT", addontracks::kOrderBlockSize},
    {Row::TrackManagerThird, "TRKL.DAT", "TRKLO.DAT", addontracks::kLengthBlockSize},
}};

std::optional<std::uint32_t> trackBlockRoom(Row row, int v)
{
    const std::uint32_t at = positionOf(row, v);
    std::optional<std::uint32_t> next;
    auto consider = [&](std::uint32_t p) {
        if (p > at && (!next || p < *next))
            next = p;
    };
    for (int r = 0; r < kPositionRows; ++r) {
        const Row other = Row(r);
        // The track names are the inside of the track name block.
        if (!rowInUse(other) || (row == Row::TrackManagerFirst && other == Row::TrackEditorBlock))
            continue;
        consider(positionOf(other, v));
    }
    consider(kVersionBytePosition);
    if (!next)
        return std::nullopt;
    return *next - at;
}

namespace {

constexpr const char* kCircuits = "CIRCUITS";

struct Block {
    Row row;
    fs::path source;
    Bytes bytes;
};

// Reads the three block files; reports the first that cannot be used.
std::optional<std::vector<Block>> readBlocks(const GameContext& context, bool pack, UserPrompt& prompt)
{
    std::vector<Block> blocks;
    for (const TrackBlockSource& b : kTrackBlocks) {
        const fs::path source = context.home.data(pack ? b.pack : b.original);
        SourceFile read = readSourceFile(source);
        if (!read.bytes) {
            prompt.warn(kCannotReadBlock + std::string("\n") + read.problem);
            return std::nullopt;
        }
        std::optional<Bytes>& bytes = read.bytes;
        if (const auto problem = blockFileProblem(*bytes, b.length)) {
            prompt.warn(badSourceText(kCannotReadBlock, source, *problem));
            return std::nullopt;
        }
        const std::optional<std::uint32_t> room = trackBlockRoom(b.row, context.version);
        if (room && bytes->size() > *room) {
            prompt.warn(kCannotReadBlock + std::string("\n") +
                        fillIn(KVR_TR_NOOP("Installers", "%1: %2 bytes, but the block has room for %3"),
                               {source.string(), std::to_string(bytes->size()), std::to_string(*room)}));
            return std::nullopt;
        }
        blocks.push_back({b.row, source, std::move(*bytes)});
    }
    return blocks;
}

// Every block is checked against the end of KVR.EXE before the first is written.
void writeBlocks(GameFile& exe, const std::vector<Block>& blocks, int v)
{
    for (const Block& b : blocks)
        exe.require(positionOf(b.row, v), std::uint32_t(b.bytes.size()));
    for (const Block& b : blocks) {
        exe.seek(positionOf(b.row, v));
        for (std::uint8_t byte : b.bytes)
            exe.writeByte(byte);
    }
}

using TrackContents = std::array<std::optional<Bytes>, rec::kTracks>;

bool checkTrackSource(const fs::path& source, const Bytes& bytes, UserPrompt& prompt)
{
    const std::optional<std::string> problem = trackFileProblem(bytes);
    if (problem)
        prompt.warn(badSourceText(trackfiles::kCannotCopy, source, *problem));
    return !problem;
}

// The 16 track files beside the CD's KVR.EXE; reports the first that cannot be read.
bool readCdTracks(const fs::path& cdExe, TrackContents& tracks, UserPrompt& prompt)
{
    for (int t = 0; t < rec::kTracks; ++t) {
        const fs::path source = trackFilePath(cdExe.parent_path(), t);
        SourceFile read = readSourceFile(source);
        tracks[std::size_t(t)] = std::move(read.bytes);
        if (!tracks[std::size_t(t)]) {
            prompt.inform(trackfiles::kCannotCopy + std::string("\n") + read.problem);
            return false;
        }
        if (!checkTrackSource(source, *tracks[std::size_t(t)], prompt))
            return false;
    }
    return true;
}

std::optional<fs::path> askForCd(UserPrompt& prompt)
{
    prompt.inform(trackfiles::kInsertCd);
    return prompt.chooseFile(cdFileRequest());
}

// KVR.EXE and the track files as one set: all of them or, when one cannot be written,
// none (a new CIRCUITS folder goes again too).
InstallOutcome writeAll(const GameContext& context, const GameFolderLock& lock, const GameFile& exe,
                        const std::vector<int>& order, const TrackContents& tracks, UserPrompt& prompt)
{
    const fs::path circuits = findInDir(context.gameDir(), kCircuits);
    std::error_code ec;
    const bool madeFolder = fs::create_directory(circuits, ec);
    if (!fs::is_directory(circuits, ec)) {
        prompt.inform(withFile(trackfiles::kCannotCopy, circuits));
        return InstallOutcome::CopyFailed;
    }
    FileSet files;
    files.add(exe);
    for (int t : order)
        files.replace(trackFilePath(context.gameDir(), t), *tracks[std::size_t(t)]);
    try {
        files.commit(lock);
    } catch (const SetWriteFailure& e) {
        if (madeFolder)
            fs::remove(circuits, ec);
        if (e.target() == exe.path())
            throw asFileWriteError(e);
        prompt.inform(withFile(trackfiles::kCannotCopy, e.target()) + e.note());
        return InstallOutcome::CopyFailed;
    }
    return InstallOutcome::Installed;
}

// Holding the game's lock; `prompt` tells the user once it is released.
InstallOutcome installPackLocked(const GameContext& context, const std::optional<fs::path>& cdExe,
                                 const GameFolderLock& lock, UserPrompt& prompt)
{
    const int v = context.version;
    TrackContents tracks;
    std::vector<int> order;

    // Another writer may have made the folder since the CD was asked for: then it is not needed.
    std::error_code ec;
    if (cdExe && !fs::is_directory(findInDir(context.gameDir(), kCircuits), ec)) {
        if (!readCdTracks(*cdExe, tracks, prompt))
            return InstallOutcome::BadSource;
        for (int t = 0; t < rec::kTracks; ++t)
            order.push_back(t);
    }
    const std::optional<std::vector<Block>> blocks = readBlocks(context, true, prompt);
    if (!blocks)
        return InstallOutcome::BadSource;
    for (int number : kPackTrackFiles) {
        const int t = number - 1;
        const fs::path source = context.home.data(trackFileName(t));
        SourceFile read = readSourceFile(source);
        tracks[std::size_t(t)] = std::move(read.bytes);
        if (!tracks[std::size_t(t)]) {
            prompt.inform(trackfiles::kCannotCopy + std::string("\n") + read.problem);
            return InstallOutcome::BadSource;
        }
        if (!checkTrackSource(source, *tracks[std::size_t(t)], prompt))
            return InstallOutcome::BadSource;
        // A CD copy of the same track is replaced by the pack's; each file is written once.
        std::erase(order, t);
        order.push_back(t);
    }

    GameFile exe = GameFile::open(context.executable());
    trackPatch(exe);
    writeBlocks(exe, *blocks, v);
    const InstallOutcome outcome = writeAll(context, lock, exe, order, tracks, prompt);
    if (outcome != InstallOutcome::Installed)
        return outcome;
    for (int t = 0; t < rec::kTracks; ++t)
        if (const fs::path file = trackFilePath(context.gameDir(), t); fs::exists(file, ec))
            makeWritable(file);
    prompt.inform(kPackInstalled);
    return InstallOutcome::Installed;
}

} // namespace

InstallOutcome installTrackPack(const GameContext& context, UserPrompt& prompt)
{
    // The CD is asked for while the game is free.
    std::optional<fs::path> cdExe;
    std::error_code ec;
    if (!fs::is_directory(findInDir(context.gameDir(), kCircuits), ec))
        cdExe = askForCd(prompt);
    return whileLocked(context.gameDir(), prompt, [&](const GameFolderLock& lock, UserPrompt& later) {
        return installPackLocked(context, cdExe, lock, later);
    });
}

InstallOutcome installOriginalTracks(const GameContext& context, UserPrompt& prompt)
{
    const std::optional<std::vector<Block>> blocks = readBlocks(context, false, prompt);
    if (!blocks)
        return InstallOutcome::BadSource;
    const std::optional<fs::path> cdExe = askForCd(prompt);
    if (!cdExe)
        return InstallOutcome::Cancelled;
    return whileLocked(context.gameDir(), prompt, [&](const GameFolderLock& lock, UserPrompt& later) {
        TrackContents tracks;
        if (!readCdTracks(*cdExe, tracks, later))
            return InstallOutcome::BadSource;
        GameFile exe = GameFile::open(context.executable());
        writeBlocks(exe, *blocks, context.version);
        std::vector<int> order;
        for (int t = 0; t < rec::kTracks; ++t)
            order.push_back(t);
        const InstallOutcome outcome = writeAll(context, lock, exe, order, tracks, later);
        if (outcome == InstallOutcome::Installed)
            later.inform(kOriginalInstalled);
        return outcome;
    });
}

} // namespace kvr
