// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kvr {

class GameFile;
struct CockpitDefinition;
struct XyTable;

namespace cockpitpatch {
inline constexpr std::uint32_t kYLimit = 0xEA3A2;
// The two text position tables: 28 slots of 8 bytes, each holding two 4-byte values
// of which only the lower two bytes are ours.
inline constexpr std::uint32_t kTxtHighBase = 0x139C7C;
inline constexpr std::uint32_t kTxtLowBase = 0x139778;
inline constexpr std::uint32_t kTxtSlotSize = 8;
inline constexpr std::uint32_t kTxtSecondValue = 4;
} // namespace cockpitpatch

// Writes a cockpit definition into KVR.EXE: the Y limit, the XY data at the language
// version's positions, both screens' data and both text tables. Every position is
// checked before the first byte changes, so a FileAccessError leaves `exe` as it was.
// The caller commits.
void cockPatcher(GameFile& exe, const CockpitDefinition& definition, const XyTable& table);

} // namespace kvr
