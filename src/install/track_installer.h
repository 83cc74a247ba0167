// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/positions.h"
#include "core/tr_marker.h"
#include "game/addon_tracks.h"
#include "install/install_outcome.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kvr {

struct GameContext;
class UserPrompt;

namespace trackinstall {
inline constexpr kvr::Marked kCaption = KVR_TR_NOOP("Installers", "Track manager");
inline constexpr kvr::Marked kInstallPack = KVR_TR_NOOP("Installers", "Install track pack");
inline constexpr kvr::Marked kInstallOriginal = KVR_TR_NOOP("Installers", "Install original tracks");
inline constexpr kvr::Marked kPackInstalled = KVR_TR_NOOP("Installers", "Tracks installed!");
inline constexpr kvr::Marked kOriginalInstalled = KVR_TR_NOOP("Installers", "Original tracks installed!");
inline constexpr kvr::Marked kCannotReadBlock = KVR_TR_NOOP("Installers", "Cannot read track data file!");
} // namespace trackinstall

// A KVR.EXE block that the installations replace whole with an editor data file of
// exactly the block's length.
struct TrackBlockSource {
    Row row;
    const char* pack;
    const char* original;
    std::size_t length;
};

// In the order they are written: track names, TRK_N, TRKL.
extern const std::array<TrackBlockSource, 3> kTrackBlocks;

// How many bytes a block may take at its place before it reaches the next block of the
// position table in that version; nothing when no block follows it.
std::optional<std::uint32_t> trackBlockRoom(Row row, int languageVersion);

// "Install track pack": when the game has no CIRCUITS folder, first the 16 track files
// from the game CD (the user may cancel that and go on); then the track patch, the
// three pack blocks and the 11 pack track files, KVR.EXE and the track files replaced
// as one set. The CD is asked for before the game is locked, the messages come once it
// is free again. Every source is read and checked first; a missing one, or a track
// file that cannot be written, is reported and leaves the game as it was. Replaced
// track files keep ".orig". Throws FileAccessError when KVR.EXE cannot be read or is
// too short, FileWriteError when it cannot be written.
InstallOutcome installTrackPack(const GameContext& context, UserPrompt& prompt);

// "Install original tracks": the three original blocks and the 16 track files of the
// game CD (asked for with the CD dialog); cancelling changes nothing. The track patch
// stays. Same checks and guarantees as the pack.
InstallOutcome installOriginalTracks(const GameContext& context, UserPrompt& prompt);

} // namespace kvr
