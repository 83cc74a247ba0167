// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/running_mark.h"

#include <windows.h>

namespace kvr::platform {

// A mark that cannot be made only keeps the installer from asking.
RunningMark::RunningMark() : m_handle(::CreateMutexW(nullptr, FALSE, kRunningMarkName)) {}

RunningMark::~RunningMark()
{
    if (m_handle)
        ::CloseHandle(m_handle);
}

} // namespace kvr::platform
