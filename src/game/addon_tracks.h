// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kvr {

// The KVR.EXE blocks that the track installations write, as the editor ships them in
// its data (ENGTN.DAT, ENGTN_O.DAT, TRK_N.DAT, TRKL.DAT, TRKLO.DAT) and as the demo
// game holds the original ones. Pack and original blocks have the same size, so
// putting the originals back restores every byte the pack changed.
namespace addontracks {
inline constexpr std::size_t kNameBlockSize = 320;  // a lead byte, 16 names, zero padding
inline constexpr std::size_t kOrderBlockSize = 32;  // TRK_N: 16 words
inline constexpr std::size_t kLengthRecord = 8;     // TRKL: per track 4 words
inline constexpr std::size_t kLengthBlockSize = 16 * kLengthRecord;
} // namespace addontracks

// The pack's track files by number (16 is F1CT16.DAT), in the order they are copied.
inline constexpr std::array<int, 11> kPackTrackFiles = {16, 2, 5, 3, 13, 8, 10, 7, 14, 1, 12};

using TrackNames = std::array<std::string, 16>;

const TrackNames& originalTrackNames();
// The pack's names: the replaced tracks are new, the five it leaves keep theirs.
const TrackNames& packTrackNames();

std::vector<std::uint8_t> trackNameBlock(const TrackNames& names);
// TRK_N: for each of the 16 rounds of the season, the number of its track file.
std::vector<std::uint8_t> trackOrderBlock();
// TRKL: per track its race laps, length in metres, lap record in tenths of a second and
// grid places.
std::vector<std::uint8_t> trackLengthBlock(bool pack);

} // namespace kvr
