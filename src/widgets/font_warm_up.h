// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <future>
#include <thread>

namespace kvrgui {

// Reads the system's font configuration on a thread of its own while the window system
// starts, then, once it has started, fills the toolkit's font database while the first
// window is made, so that the first text measured finds both ready: each is read once
// either way. The program makes one at its start; where the toolkit keeps no such
// configuration it does nothing.
class FontWarmUp {
  public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // The application object exists: the font database may be filled now, from any thread.
    void windowSystemStarted() { tell(true); }

    // Waits for the running warm-up, if any. A window calls it before it measures its
    // first text, so that the toolkit does not read the fonts a second time beside the
    // thread. Only the window thread calls it.
    static void await();

  private:
    void tell(bool started);

    std::promise<bool> m_started;
    bool m_told = false;
    std::thread m_thread;
};

} // namespace kvrgui
