// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kvr::platform {

// The name of the mark; the Windows installer looks for it to ask that the editor be
// closed before its files are replaced.
inline constexpr const wchar_t* kRunningMarkName = L"kvrdesk-editor-running";

// Shows other programs that an editor runs, for as long as it lives: a named mutex on
// Windows; nothing elsewhere, where files in use may be replaced.
class RunningMark {
  public:
    RunningMark();
    ~RunningMark();
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

  private:
    void* m_handle = nullptr;
};

} // namespace kvr::platform
