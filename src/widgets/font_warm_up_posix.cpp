// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/font_warm_up.h"

#include <QFontDatabase>
#include <QStringList>

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
        m_thread = std::thread([started = m_started.get_future()]() mutable {
            FcInit();
            if (started.get())
                QFontDatabase::families();
        });
        running = this;
    } catch (const std::system_error&) {
        // No thread: the toolkit reads the fonts itself, as it always could.
    }
}

FontWarmUp::~FontWarmUp()
{
    await();
    running = nullptr;
}

void FontWarmUp::tell(bool started)
{
    if (m_told)
        return;
    m_told = true;
    m_started.set_value(started);
}

void FontWarmUp::await()
{
    if (!running || !running->m_thread.joinable())
        return;
    // Not told that the window system runs: the database is left to the toolkit.
    running->tell(false);
    running->m_thread.join();
}

} // namespace kvrgui
