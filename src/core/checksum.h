// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace kvr {

inline constexpr std::size_t kChecksumSize = 4;

struct Checksum {
    std::uint16_t byteSum = 0;
    std::uint16_t rotateAdd = 0;
    bool operator==(const Checksum&) const = default;
};

// Sums every byte before the 4-byte trailer; a file of 4 bytes or less sums nothing.
Checksum computeChecksum(std::span<const std::uint8_t> file);

// The trailer as it stands in the file's last four bytes.
Checksum storedChecksum(std::span<const std::uint8_t> file);

// Writes the trailer into the last four bytes; returns whether any byte changed.
// The length never changes. The file must hold at least 4 bytes.
bool writeChecksumTrailer(std::span<std::uint8_t> file);

// Recomputes the trailer of a file on disk, replacing it whole. Throws GeneralError
// for a missing file, one shorter than the trailer, or anything but a regular file of
// at most 64 MiB; FileAccessError when it cannot be written.
void updateChecksumFile(const std::filesystem::path& path);

// Whether the trailer of the file on disk matches its content. Throws GeneralError
// when the file cannot be read, is shorter than the trailer, or is not a regular file of
// at most 64 MiB.
bool verifyChecksumFile(const std::filesystem::path& path);

} // namespace kvr
