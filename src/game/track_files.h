#pragma once

#include "core/user_prompt.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace kvr {

class GameFile;

namespace trackfiles {
inline constexpr const char* kInstallQuestion =
    "You have not installed track files on your hard disk. You need them to work with track editor. "
    "Would you like to install them now?";
inline constexpr const char* kInsertCd = "Put \"Kavorra\" CD into CD drive, and hit \"OK\" when you are ready!";
inline constexpr const char* kCannotCopy = "Cannot copy track file!";
inline constexpr const char* kNotInstalled = "The track files were not installed.";
inline constexpr std::uint8_t kPatchByte = 0x90;
} // namespace trackfiles

// The dialog that asks for the game CD's KVR.EXE; the track files lie in the CIRCUITS
// folder beside it.
FileRequest cdFileRequest();

enum class TrackFiles {
    Present,   // all 16 are there and may be used
    Declined,  // the user declined to install them
    Cancelled, // the user agreed, then cancelled the CD dialog
    Missing,   // a copy failed, or the CD lacked them
};

// Whether all 16 track files are in the game's CIRCUITS folder.
bool trackFilesPresent(const std::filesystem::path& gameDir);

// Makes sure the 16 track files are in the game's CIRCUITS folder, creating the folder
// and offering to copy them from the game CD when any of them is missing. Clears the
// read-only state of the track files. A failed copy shows "Cannot copy track file!"; a
// copy never leaves a half-written track file. Throws GeneralError when the folder
// cannot be made.
TrackFiles ensureTrackFiles(const std::filesystem::path& gameDir, UserPrompt& prompt);

// The sizes a track file may have: at least its setup position word (at 0x1014) and its
// checksum trailer; at most far more than any track of the game holds.
inline constexpr std::size_t kMinTrackFileBytes = 0x1016 + 4;
inline constexpr std::size_t kMaxTrackFileBytes = 1024 * 1024;

// Why `bytes` cannot serve as a track file: a size outside the bounds above, a checksum
// trailer that does not match its content, or a setup the track editor cannot reach.
// Nothing when they can.
std::optional<std::string> trackFileProblem(std::span<const std::uint8_t> bytes);

// Copies the 16 track files from the CIRCUITS folder beside the CD's KVR.EXE over those
// of the game. All 16 are read and checked before the first is written; returns false
// (copying nothing) when any cannot be read or is not a sound track file, saying which
// and why in `why`, and false when any cannot be written. A track file that is
// replaced keeps its ".orig" copy first.
bool copyTrackFilesFromCd(const std::filesystem::path& cdExe, const std::filesystem::path& gameDir, std::string& why);

// Blanks four instructions of KVR.EXE with 0x90 (14 bytes, the same in every language
// version). Checks every position before the first write; the caller commits.
void trackPatch(GameFile& exe);

} // namespace kvr
