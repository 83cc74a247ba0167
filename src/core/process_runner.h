// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace kvr {

// How a run of an outside program went.
struct ProcessResult {
    bool started = false;
    std::string startError;      // why it could not start
    bool stoppedAtBound = false; // still running at the bound, so it was stopped
    int exitCode = -1;           // its own exit code when it ended by itself
    int signal = 0;              // the signal that ended it, if one did
    std::string errorOutput;     // the start of what it wrote on stderr

    bool succeeded() const { return started && !stoppedAtBound && signal == 0 && exitCode == 0; }
};

// Runs a program with an argument list (never through a shell) and waits for it to
// end, at most `bound`; a program still running then is stopped. The windows supply a
// runner that keeps them responsive while they wait; everything else uses
// SystemProcessRunner.
class ProcessRunner {
  public:
    virtual ~ProcessRunner() = default;
    virtual ProcessResult run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                              std::chrono::milliseconds bound) = 0;
};

// What a run printed on stderr is kept up to this many bytes.
inline constexpr std::size_t kMaxErrorOutput = 4096;

} // namespace kvr
