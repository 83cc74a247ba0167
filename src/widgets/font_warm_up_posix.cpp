#include "widgets/font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace kvrgui {

namespace {

FontWarmUp* running = nullptr;

} // namespace

FontWarmUp::FontWarmUp()
{
    try {
        // The toolkit's font database calls this too, and then finds the configuration read.
        m_thread = std::thread([] { FcInit(); });
        running = this;
    } catch (const std::system_error&) {
        // No thread: the toolkit reads the configuration itself, as it always could.
    }
}

FontWarmUp::~FontWarmUp()
{
    await();
    running = nullptr;
}

void FontWarmUp::await()
{
    if (running && running->m_thread.joinable())
        running->m_thread.join();
}

} // namespace kvrgui
