// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/codecs.h"
#include "core/tr_marker.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace kvr {

class GameFile;
class SettingsRecord;

namespace power {
// Team engine power words hold BHP plus this bias (mod 65536); human words have none.
inline constexpr BiasedWord kTeamWord{32817};
inline constexpr int kTeamSlots = 20;
inline constexpr std::uint32_t kBlockSize = 2 * 2 * kTeamSlots;
// The random engine power site is a call instruction; switching it off replaces it by
// no-operations.
inline constexpr std::uint8_t kCallOpcode = 0xE8;
inline constexpr std::uint8_t kNoOperation = 0x90;
inline constexpr std::uint32_t kSiteSize = 5;
} // namespace power

// Shown when the flag is on but the game's call could not be put back.
inline constexpr kvr::Marked kRandomPowerNotRestored =
    KVR_TR_NOOP("Import and export",
                "Random engine power could not be switched on: the game's code at that place has been changed. "
                "Put back KVR.EXE from KVR.EXE.orig and export again.");

using RandomPowerSite = std::array<std::uint8_t, power::kSiteSize>;

// 20 qualifying words, 20 other-sessions words, then the random engine power flag (on
// exactly when the site starts with the call opcode).
void readEnginePower(GameFile& exe, SettingsRecord& record, int version);

// Writes the 40 team words; with the flag off the site becomes five no-operations. With
// the flag on a site that holds the call is left alone, and a site that holds the five
// no-operations gets `savedSite` back when one is given (a call taken from an untouched
// copy of the game). Returns false when the flag is on but the game still has it off,
// so the caller can tell the user instead of reporting success.
bool writeEnginePower(GameFile& exe, const SettingsRecord& record, int version,
                      const std::optional<RandomPowerSite>& savedSite = std::nullopt);

// The five site bytes when they hold the call; none otherwise.
std::optional<RandomPowerSite> readRandomPowerSite(GameFile& exe, int version);

// The five site bytes as a copy of the game holds them, when they are the call (fewer
// or other bytes are none).
std::optional<RandomPowerSite> siteCall(std::span<const std::uint8_t> siteBytes);

// The other-sessions word, then the qualifying word; no bias.
void readHumanPower(GameFile& exe, SettingsRecord& record, int version);
void writeHumanPower(GameFile& exe, const SettingsRecord& record, int version);

} // namespace kvr
