#include "install/track_installer.h"

#include "core/errors.h"
#include "core/folder_lock.h"
#include "core/game_dir.h"
#include "core/game_file.h"
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
        std::optional<Bytes> bytes = readSourceFile(source);
        if (!bytes) {
            prompt.warn(withFile(kCannotReadBlock, source));
            return std::nullopt;
        }
        if (const auto problem = blockFileProblem(*bytes, b.length)) {
            prompt.warn(badSourceText(kCannotReadBlock, source, *problem));
            return std::nullopt;
        }
        const std::optional<std::uint32_t> room = trackBlockRoom(b.row, context.version);
        if (room && bytes->size() > *room) {
            prompt.warn(withFile(kCannotReadBlock, source) + ": " + std::to_string(bytes->size()) +
                        " bytes, but the block has room for " + std::to_string(*room));
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
        tracks[std::size_t(t)] = readSourceFile(source);
        if (!tracks[std::size_t(t)]) {
            prompt.inform(withFile(trackfiles::kCannotCopy, source));
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

// Writes the track files, then KVR.EXE; a failure on the tracks leaves everything as
// it was, a failure on KVR.EXE puts the tracks back before it is passed on.
InstallOutcome writeAll(const GameContext& context, GameFile& exe, const std::vector<int>& order,
                        const TrackContents& tracks, UserPrompt& prompt)
{
    const fs::path circuits = findInDir(context.gameDir(), kCircuits);
    std::error_code ec;
    const bool madeFolder = fs::create_directory(circuits, ec);
    if (!fs::is_directory(circuits, ec)) {
        prompt.inform(withFile(trackfiles::kCannotCopy, circuits));
        return InstallOutcome::CopyFailed;
    }
    ReplaceBatch batch;
    for (int t : order)
        batch.add(trackFilePath(context.gameDir(), t), *tracks[std::size_t(t)]);
    if (const auto failure = batch.commit()) {
        if (madeFolder)
            fs::remove(circuits, ec);
        prompt.inform(withFile(trackfiles::kCannotCopy, failure->file));
        return InstallOutcome::CopyFailed;
    }
    try {
        exe.commit();
    } catch (const FileAccessError&) {
        batch.rollback();
        throw;
    }
    return InstallOutcome::Installed;
}

} // namespace

InstallOutcome installTrackPack(const GameContext& context, UserPrompt& prompt)
{
    const GameFolderLock lock(context.gameDir());
    const int v = context.version;
    TrackContents tracks;
    std::vector<int> order;

    std::error_code ec;
    if (!fs::is_directory(findInDir(context.gameDir(), kCircuits), ec)) {
        if (const std::optional<fs::path> cdExe = askForCd(prompt)) {
            if (!readCdTracks(*cdExe, tracks, prompt))
                return InstallOutcome::BadSource;
            for (int t = 0; t < rec::kTracks; ++t)
                order.push_back(t);
        }
    }
    const std::optional<std::vector<Block>> blocks = readBlocks(context, true, prompt);
    if (!blocks)
        return InstallOutcome::BadSource;
    for (int number : kPackTrackFiles) {
        const int t = number - 1;
        const fs::path source = context.home.data(trackFileName(t));
        tracks[std::size_t(t)] = readSourceFile(source);
        if (!tracks[std::size_t(t)]) {
            prompt.inform(withFile(trackfiles::kCannotCopy, source));
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
    const InstallOutcome outcome = writeAll(context, exe, order, tracks, prompt);
    if (outcome != InstallOutcome::Installed)
        return outcome;
    for (int t = 0; t < rec::kTracks; ++t)
        if (const fs::path file = trackFilePath(context.gameDir(), t); fs::exists(file, ec))
            makeWritable(file);
    prompt.inform(kPackInstalled);
    return InstallOutcome::Installed;
}

InstallOutcome installOriginalTracks(const GameContext& context, UserPrompt& prompt)
{
    const GameFolderLock lock(context.gameDir());
    const std::optional<std::vector<Block>> blocks = readBlocks(context, false, prompt);
    if (!blocks)
        return InstallOutcome::BadSource;
    GameFile exe = GameFile::open(context.executable());
    writeBlocks(exe, *blocks, context.version);

    const std::optional<fs::path> cdExe = askForCd(prompt);
    if (!cdExe)
        return InstallOutcome::Cancelled;
    TrackContents tracks;
    if (!readCdTracks(*cdExe, tracks, prompt))
        return InstallOutcome::BadSource;
    std::vector<int> order;
    for (int t = 0; t < rec::kTracks; ++t)
        order.push_back(t);
    const InstallOutcome outcome = writeAll(context, exe, order, tracks, prompt);
    if (outcome == InstallOutcome::Installed)
        prompt.inform(kOriginalInstalled);
    return outcome;
}

} // namespace kvr
