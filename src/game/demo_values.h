// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace kvr {

class SettingsRecord;

// Plausible values for a made-up game installation (demos and tests). Invented names
// only. Each fills its own blocks of the record and leaves the rest alone.
void fillDemoNames(SettingsRecord& record);        // names, car numbers, team flags, number zero
void fillDemoPerformance(SettingsRecord& record);  // engine power, grip, car tuning
void fillDemoAppearance(SettingsRecord& record);   // noses, pit line, cameras, failures, colours, track data

// Size of a made-up F1GSTATE.SAV: covers every fixed position with room to spare.
std::size_t demoStateFileSize();

// A complete track file "F1CTnn.DAT" (track 0..15) with a valid setup position word,
// setup values, fuel consumption and checksum.
std::vector<std::uint8_t> makeDemoTrackFile(int track);

} // namespace kvr
