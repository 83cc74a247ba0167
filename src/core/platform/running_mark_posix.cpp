// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/running_mark.h"

namespace kvr::platform {

// Files in use may be replaced here: there is nothing to show.
RunningMark::RunningMark()
{
    (void)m_handle;
}
RunningMark::~RunningMark() = default;

} // namespace kvr::platform
