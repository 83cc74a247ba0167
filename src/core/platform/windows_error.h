// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kvr::platform {

// The errno value closest to a Windows error code, so messages read as on POSIX.
int errnoFromWindows(std::uint32_t error);
// The same for the calling thread's last error.
int lastErrno();

} // namespace kvr::platform
