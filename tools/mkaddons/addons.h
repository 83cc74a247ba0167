// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace mkaddons {

using Bytes = std::vector<std::uint8_t>;

void writeFile(const std::filesystem::path& file, const Bytes& bytes);
void writeText(const std::filesystem::path& file, const std::string& text);

// The eleven cockpits: both pictures and the six definition files of each.
void makeCockpits(const std::filesystem::path& dataDir);

// The XY position tables, as far as they are known.
std::string xyTablesText();

// The track pack's 11 track files and the five KVR.EXE block files.
void makeTrackPack(const std::filesystem::path& dataDir);

} // namespace mkaddons
