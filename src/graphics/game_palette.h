// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include "graphics/colour_table.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace kvr {

class UserPrompt;
struct EditorHome;

// DATA/KVR.PAL: a 12-byte header, then red, green, blue and an unused byte per colour.
inline constexpr std::size_t kPaletteHeaderSize = 12;
inline constexpr std::size_t kPaletteEntrySize = 4;
inline constexpr const char* kGamePaletteFile = "KVR.PAL";

// The game's 256 colours, from which the colour editors pick a marker colour that
// stands out. All zero until loaded.
struct GamePalette {
    ColourTable entries{};
    bool loaded = false;
};

// Stores the colours the bytes hold, at most 256; entries the file does not reach keep
// their values. A trailing part of an entry is ignored. GeneralError when not one
// whole colour is there.
void loadGamePaletteBytes(std::span<const std::uint8_t> bytes, GamePalette& palette);

// GeneralError naming the file when it is missing, unreadable or holds no colour;
// the palette is then unchanged.
void loadGamePalette(const std::filesystem::path& file, GamePalette& palette);

// Start-up: the program runs on without the game palette, so a failure becomes a
// warning and the marker colours come from the pictures' own colour tables instead.
GamePalette readGamePaletteAtStart(const EditorHome& home, UserPrompt& prompt);

// The warning shown when the palette cannot be read.
Message gamePaletteWarning(const Message& reason);

// The colours marker colours are chosen from: the game palette once loaded, otherwise
// the picture's own table (which carries the same colours in 10..245).
const ColourTable& markerColours(const GamePalette& palette, const ColourTable& pictureColours);

} // namespace kvr
