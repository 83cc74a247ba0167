#pragma once

#include <thread>

namespace kvrgui {

// Reads the system's font configuration on a thread of its own while the window system
// starts and the first window is made, so that the first text measured finds it read: it
// is parsed once either way. The program makes one at its start; where the toolkit keeps
// no such configuration it does nothing.
class FontWarmUp {
  public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits for the running warm-up, if any. A window calls it before it measures its
    // first text, so that the toolkit does not read the configuration a second time
    // beside the thread. Only the window thread calls it.
    static void await();

  private:
    std::thread m_thread;
};

} // namespace kvrgui
