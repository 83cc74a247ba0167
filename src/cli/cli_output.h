// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvrcli {

// "-" as a file name stands for standard output.
inline bool isStdout(const std::string& name) { return name == "-"; }

// The -o,--output option of a command: a file name, or "-"; an empty name is wrong usage
// (exit 2), said as such rather than as a file that cannot be written.
CLI::Option* addOutputOption(CLI::App* cmd, std::string& output, const std::string& description);

// Writes an output the user named: "-" to standard output, a device or FIFO directly,
// anything else replaced whole. Throws GeneralError "Cannot write NAME: reason".
void writeOutput(const std::string& name, std::span<const std::uint8_t> bytes);

// Refuses, before anything is read or written, an output that is one of the game's files
// (of `game`, or of a game folder the output lies in) or one of the command's `inputs`,
// by identity, so also through links. Throws GeneralError.
void guardOutput(const std::string& name, const std::vector<std::string>& inputs,
                 const std::optional<std::filesystem::path>& game = std::nullopt);

// While it lives, std::cout writes through a buffer of ours that remembers why a write
// failed, even one made long before the end.
class StdoutGuard {
public:
    StdoutGuard();
    ~StdoutGuard();
    StdoutGuard(const StdoutGuard&) = delete;
    StdoutGuard& operator=(const StdoutGuard&) = delete;

    // Writes what is left; on any failed write prints why on stderr and returns false.
    bool flush();

private:
    class Buffer;
    std::unique_ptr<Buffer> m_buffer;
    std::streambuf* m_previous;
};

} // namespace kvrcli
