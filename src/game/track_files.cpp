#include "game/track_files.h"

#include "core/byte_reader.h"
#include "core/checksum.h"
#include "core/errors.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/input_file.h"
#include "core/safe_write.h"
#include "core/settings_record.h"
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
    r.title = "Locate kvr.exe file on your KVR CD";
    r.filter = "KVR.EXE on Your KVR CD|KVR.EXE";
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

bool copyTrackFilesFromCd(const fs::path& cdExe, const fs::path& gameDir, std::string& why)
{
    const fs::path cdDir = cdExe.parent_path();
    std::vector<std::vector<std::uint8_t>> contents;
    for (int t = 0; t < rec::kTracks; ++t) {
        const fs::path source = trackFilePath(cdDir, t);
        std::optional<std::vector<std::uint8_t>> bytes = readWhole(source);
        std::optional<std::string> problem = bytes ? trackFileProblem(*bytes) : "the file cannot be read";
        if (problem) {
            why = source.string() + ": " + *problem;
            return false;
        }
        contents.push_back(std::move(*bytes));
    }
    bool copied = true;
    for (int t = 0; t < rec::kTracks; ++t) {
        const fs::path target = trackFilePath(gameDir, t);
        try {
            // A custom track file that the CD's replaces is kept, as every replaced game file is.
            std::error_code ec;
            if (fs::exists(target, ec))
                keepOriginalCopy(target);
            replaceFile(target, contents[std::size_t(t)]);
        } catch (const WriteFailure&) {
            copied = false;
        }
    }
    return copied;
}

TrackFiles ensureTrackFiles(const fs::path& gameDir, UserPrompt& prompt)
{
    const fs::path circuits = findInDir(gameDir, kCircuits);
    std::error_code ec;
    fs::create_directory(circuits, ec);
    if (!fs::is_directory(circuits))
        throw GeneralError("Cannot create the folder " + circuits.string());

    bool copied = true;
    if (!trackFilesPresent(gameDir)) {
        if (!prompt.confirm(trackfiles::kInstallQuestion))
            return TrackFiles::Declined;
        prompt.inform(trackfiles::kInsertCd);
        const std::optional<fs::path> cdExe = prompt.chooseFile(cdFileRequest());
        if (!cdExe) {
            clearReadOnly(gameDir);
            return TrackFiles::Cancelled;
        }
        std::string why;
        if (!copyTrackFilesFromCd(*cdExe, gameDir, why)) {
            prompt.warn(why.empty() ? std::string(trackfiles::kCannotCopy) : trackfiles::kCannotCopy + ("\n" + why));
            copied = false;
        }
    }
    clearReadOnly(gameDir);
    return copied && trackFilesPresent(gameDir) ? TrackFiles::Present : TrackFiles::Missing;
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
