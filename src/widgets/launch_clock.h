// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace kvrgui {

// For the start-up benchmark: prints how long ago the program was launched, by the
// launcher's clock in KVR_LAUNCH_NS (nanoseconds since the epoch, as `date +%s%N`).
// Without that variable it says nothing.
inline void printTimeSinceLaunch(const char* what)
{
    const char* launched = std::getenv("KVR_LAUNCH_NS");
    if (!launched)
        return;
    const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count();
    std::printf("%s %.1f ms\n", what, double(now - std::atoll(launched)) / 1e6);
    std::fflush(stdout);
}

} // namespace kvrgui
