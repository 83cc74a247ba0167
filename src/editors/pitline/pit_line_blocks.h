// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/codecs.h"

#include <cstdint>
#include <vector>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace pitline {
inline constexpr int kPositions = 14;
// The game's conditional jump (0x74) checks the speed; an unconditional one (0xEB) skips it.
inline constexpr CodeSwitch kCheck{0x74, 0xEB, CodeSwitch::Reads::OnlyOnIsOn};
inline constexpr int kBarMaximum = 32767;
inline constexpr int kBarLargeStep = 64;
} // namespace pitline

// Pit order: 14 team numbers, pit lane entry first, copied as they are.
void readPitOrder(GameFile& exe, SettingsRecord& record, int version);
void writePitOrder(GameFile& exe, const SettingsRecord& record, int version);

// Pit speed check: on exactly when the code byte is 0x74.
void readPitCheck(GameFile& exe, SettingsRecord& record, int version);
void writePitCheck(GameFile& exe, const SettingsRecord& record, int version);

// Pit speed limit: one little-endian word.
void readPitSpeed(GameFile& exe, SettingsRecord& record, int version);
void writePitSpeed(GameFile& exe, const SettingsRecord& record, int version);

struct PitSpeed {
    int kph = 0;
    int mph = 0;
    bool operator==(const PitSpeed&) const = default;
};

// The stored limit in km/h and mph, with the game's integer arithmetic.
PitSpeed pitSpeedToKphMph(std::uint16_t stored);

// The scroll bar shows half the stored value; moving it stores twice its position, so
// the form only ever stores even values.
int pitSpeedBarPosition(std::uint16_t stored);
std::uint16_t pitSpeedFromBar(int position);

bool pitSpeedChecked(const SettingsRecord& record);
void setPitSpeedChecked(SettingsRecord& record, bool on);

// One line of the pit order list: an enabled team and the pit position it holds.
struct PitLineEntry {
    int position = 0;  // 1..14
    int team = 0;
    bool operator==(const PitLineEntry&) const = default;
};

// The list as the form shows it: pit positions in order, teams that are not enabled
// left out (they keep their position).
std::vector<PitLineEntry> pitLineEntries(const SettingsRecord& record);

// Dropping list line `dragged` onto list line `target` (both counted from 0) exchanges
// the pit positions of the two teams named on those lines. Lines outside the list
// change nothing; returns whether anything changed.
bool dropPitLine(SettingsRecord& record, int dragged, int target);

} // namespace kvr
