#pragma once

#include "core/process_runner.h"

namespace kvr {

// The platform's own process start: on POSIX posix_spawn with stdin and stdout on the
// null device, stderr captured, in a process group of its own so that stopping it at
// the bound also stops whatever it started. Blocks the calling thread.
class SystemProcessRunner : public ProcessRunner {
  public:
    ProcessResult run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      std::chrono::milliseconds bound) override;
};

} // namespace kvr
