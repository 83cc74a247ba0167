// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kvr {

// One record of DATA/PLT.DAT: a place in KVR.EXE and the bytes that stand there for
// the split comparison switch off and on.
struct PatchRecord {
    std::int32_t position = 0;
    std::uint8_t offValue = 0;
    std::uint8_t onValue = 0;
    bool operator==(const PatchRecord&) const = default;
};

inline constexpr std::size_t kPatchRecordSize = 6;

// Reads the whole list. GeneralError when the file is missing, empty, unreadable or not
// made of whole 6-byte records.
std::vector<PatchRecord> readPatchList(const std::filesystem::path& file);

void writePatchList(const std::filesystem::path& file, const std::vector<PatchRecord>& records);

// The list the editor ships.
std::vector<PatchRecord> defaultPatchList();

} // namespace kvr
