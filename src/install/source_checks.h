// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace kvr {

// What each kind of add-on file must be before an installation copies it into the game.
// Each check looks at the bytes read and returns why they cannot serve, in words that
// follow the file's name ("A18HI.PCX: it is 1 byte long; ..."); nothing when they can.
// The installers run them all before the first byte of the game is written.

// A cockpit picture: a 256-colour PCX file (8 bits, one plane, run-length rows, the
// palette at its end) of exactly width x height pixels, whose rows are all there.
std::optional<Message> cockpitPictureProblem(std::span<const std::uint8_t> bytes, int width, int height);

// A car set texture: a texture file the converter reads, and, where `replaced` is one
// too, of its size (the game draws a painting at the size its texture had).
std::optional<Message> carTextureProblem(std::span<const std::uint8_t> bytes,
                                             const std::filesystem::path& replaced);

// A KVR.EXE block file of the track installations: exactly the block's length.
std::optional<Message> blockFileProblem(std::span<const std::uint8_t> bytes, std::size_t length);

// The installers' message for a source that fails its check: the heading ("Cannot copy
// cockpit file!"), then the file and what is wrong with it.
Message badSourceText(const Message& heading, const std::filesystem::path& file, const Message& problem);

} // namespace kvr
