// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/process_runner.h"

namespace kvr {

// The platform's own process start, with stdin and stdout on the null device and
// stderr captured: on POSIX posix_spawn in a process group of its own, on Windows
// CreateProcessW in a job object, so that stopping it at the bound also stops whatever
// it started. Blocks the calling thread.
class SystemProcessRunner : public ProcessRunner {
  public:
    ProcessResult run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      std::chrono::milliseconds bound) override;
};

} // namespace kvr
