// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/errors.h"

namespace kvr {

// The largest game file we read: KVR.EXE is under 6 MiB, the others far smaller.
inline constexpr std::uint64_t kMaxGameFileBytes = 64ull * 1024 * 1024;

// A file that cannot be read as input. cannotOpen() tells "missing or not openable"
// apart from "there, but not something we read" (a FIFO, a device, a folder, too long).
class InputFileError : public GeneralError {
public:
    InputFileError(Message message, bool cannotOpen) : GeneralError(std::move(message)), m_cannotOpen(cannotOpen) {}
    bool cannotOpen() const { return m_cannotOpen; }

private:
    bool m_cannotOpen;
};

enum class Longer {
    Refuse, // a file longer than the limit is an error
    Cut,    // only the first `limit` bytes are read
};

// Reads a regular file whole, or its first `limit` bytes. Anything else is refused
// before a byte is read, so a FIFO never blocks and a device never streams forever.
std::vector<std::uint8_t> readInputFile(const std::filesystem::path& file, std::uint64_t limit,
                                        Longer longer = Longer::Refuse);

} // namespace kvr
