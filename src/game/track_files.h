// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include "core/user_prompt.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvr {

class GameFile;

namespace trackfiles {
inline constexpr kvr::Marked kInstallQuestion = KVR_TR_NOOP(
    "Installers", "You have not installed track files on your hard disk. You need them to work with track editor. "
                  "Would you like to install them now?");
inline constexpr kvr::Marked kInsertCd =
    KVR_TR_NOOP("Installers", "Put \"Kavorra\" CD into CD drive, and hit \"OK\" when you are ready!");
inline constexpr kvr::Marked kCannotCopy = KVR_TR_NOOP("Installers", "Cannot copy track file!");
inline constexpr kvr::Marked kNotInstalled = KVR_TR_NOOP("Installers", "The track files were not installed.");
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

// What to do about the track files, settled before the game is locked: the question and
// the CD dialog never keep the game locked while they wait.
struct TrackFilesPlan {
    TrackFiles answer = TrackFiles::Present; // Present: the game's files, or the CD's when
                                             // `cdExe` is given
    std::optional<std::filesystem::path> cdExe;
};

// When any of the 16 track files is missing, asks whether to install them and, on OK,
// for the game CD. Writes nothing. Throws GeneralError when something that is no
// folder stands in the way of CIRCUITS.
TrackFilesPlan askForTrackFiles(const std::filesystem::path& gameDir, UserPrompt& prompt);

// The track files as a plan leaves them, settled holding the game's lock: makes the
// CIRCUITS folder, clears the read-only state of the track files, and reads the CD's 16
// track files when the plan copies them and the game still lacks some (another writer
// may have installed them meanwhile). `fromCd` then holds them, to be committed by the
// caller; a CD file that cannot be read tells `prompt` "Cannot copy track file!".
struct SettledTrackFiles {
    TrackFiles state = TrackFiles::Present;
    std::vector<std::vector<std::uint8_t>> fromCd;
};
SettledTrackFiles settleTrackFiles(const std::filesystem::path& gameDir, const TrackFilesPlan& plan,
                                   UserPrompt& prompt);

// The CD's track files that settling read, as new files of the game for the caller to
// commit (taken out of `settled`); none when it read none.
std::vector<GameFile> takeCdTrackFiles(const std::filesystem::path& gameDir, SettledTrackFiles& settled);

// Tells the user why track files in `state` cannot be used: nothing when declined (the
// user's own answer), "The track files were not installed." when the CD dialog was
// cancelled, "2) File access error! " when they are missing. Returns whether they are
// there.
bool tellTrackFiles(TrackFiles state, UserPrompt& prompt);

// Makes sure the 16 track files are in the game's CIRCUITS folder, creating the folder
// and offering to copy them from the game CD when any of them is missing. Clears the
// read-only state of the track files. The game is locked only to write, after the
// questions; the CD's files are copied as one set. A failed copy shows "Cannot copy
// track file!". Throws GeneralError when the folder cannot be made.
TrackFiles ensureTrackFiles(const std::filesystem::path& gameDir, UserPrompt& prompt);

// The sizes a track file may have: at least its setup position word (at 0x1014) and its
// checksum trailer; at most far more than any track of the game holds.
inline constexpr std::size_t kMinTrackFileBytes = 0x1016 + 4;
inline constexpr std::size_t kMaxTrackFileBytes = 1024 * 1024;

// Why `bytes` cannot serve as a track file: a size outside the bounds above, a checksum
// trailer that does not match its content, or a setup the track editor cannot reach.
// Nothing when they can.
std::optional<std::string> trackFileProblem(std::span<const std::uint8_t> bytes);

// The 16 track files of the CD whose KVR.EXE is named, read whole and checked as track
// files; nothing when that KVR.EXE is not there (no game CD), or a track file cannot be
// read or is not a sound track file, with `why` saying which and why.
std::optional<std::vector<std::vector<std::uint8_t>>> readCdTrackFiles(const std::filesystem::path& cdExe,
                                                                       std::string& why);

// Blanks four instructions of KVR.EXE with 0x90 (14 bytes, the same in every language
// version). Checks every position before the first write; the caller commits.
void trackPatch(GameFile& exe);

} // namespace kvr
