// SPDX-License-Identifier: GPL-3.0-or-later
// The track pack: 11 track files of their own and the KVR.EXE blocks that name them,
// with the original blocks beside them.
#include "addons.h"

#include "core/checksum.h"
#include "editors/track/track_data.h"
#include "game/addon_tracks.h"
#include "install/track_installer.h"

namespace mkaddons {
namespace fs = std::filesystem;

namespace {

kvr::TrackSetup packSetup(int track)
{
    kvr::TrackSetup s;
    s.frontWing = std::uint8_t(5 + (track * 11) % 24);
    s.rearWing = std::uint8_t(4 + (track * 13) % 21);
    const int firstGear = 22 + (track * 3) % 7;
    for (int g = 0; g < kvr::track::kGears; ++g)
        s.gears[std::size_t(g)] = std::uint8_t(firstGear + g * 12 + (track + g) % 3);
    s.tyreType = std::uint8_t((track + 1) % kvr::track::kTyreTypes);
    s.fuelConsumption = std::uint16_t(2250 + track * 53);
    return s;
}

// A whole track file: made-up track geometry, the word that points at the computer
// cars' setup, the setup, the fuel consumption and a valid checksum.
Bytes packTrackFile(int track)
{
    const std::uint32_t size = 0x2800 + std::uint32_t(track) * 0x30;
    Bytes bytes(size);
    std::uint32_t state = 0x2545F491u + std::uint32_t(track) * 0x9E3779B9u;
    for (std::uint8_t& b : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        b = std::uint8_t(state);
    }
    const std::uint32_t setup = 0x2100 + std::uint32_t(track) * 0x18;
    const auto word = std::uint16_t(setup - kvr::track::kSetupWordOffset);
    bytes[kvr::track::kSetupWordPosition] = std::uint8_t(word & 0xFF);
    bytes[kvr::track::kSetupWordPosition + 1] = std::uint8_t(word >> 8);

    const kvr::TrackSetup s = packSetup(track);
    std::uint32_t at = setup;
    bytes[at++] = std::uint8_t(s.frontWing + kvr::track::kSetupBias);
    bytes[at++] = std::uint8_t(s.rearWing + kvr::track::kSetupBias);
    for (std::uint8_t gear : s.gears)
        bytes[at++] = std::uint8_t(gear + kvr::track::kSetupBias);
    bytes[at] = std::uint8_t(s.tyreType + kvr::track::kTyreBias);
    const std::uint32_t fuel = setup + kvr::track::kFuelOffset;
    bytes[fuel] = std::uint8_t(s.fuelConsumption & 0xFF);
    bytes[fuel + 1] = std::uint8_t(s.fuelConsumption >> 8);
    kvr::writeChecksumTrailer(bytes);
    return bytes;
}

} // namespace

void makeTrackPack(const fs::path& dir)
{
    for (int number : kvr::kPackTrackFiles)
        writeFile(dir / kvr::trackFileName(number - 1), packTrackFile(number - 1));
    writeFile(dir / "ENGTN.DAT", kvr::trackNameBlock(kvr::packTrackNames()));
    writeFile(dir / "ENGTN_O.DAT", kvr::trackNameBlock(kvr::originalTrackNames()));
    writeFile(dir / "TRK_N.DAT", kvr::trackOrderBlock());
    writeFile(dir / "TRKL.DAT", kvr::trackLengthBlock(true));
    writeFile(dir / "TRKLO.DAT", kvr::trackLengthBlock(false));
}

} // namespace mkaddons
