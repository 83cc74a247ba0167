// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/locked_action.h"

#include <stdexcept>

namespace kvr {

bool DeferredPrompt::confirm(const std::string& text)
{
    throw std::logic_error("asked while the game is locked: " + text);
}

std::optional<std::filesystem::path> DeferredPrompt::chooseFile(const FileRequest& request)
{
    throw std::logic_error("a file dialog while the game is locked: " + request.title);
}

void DeferredPrompt::tellNow(UserPrompt& prompt)
{
    const std::vector<Message> messages = std::exchange(m_messages, {});
    for (const Message& m : messages)
        (m.warning ? prompt.warn(m.text) : prompt.inform(m.text));
}

} // namespace kvr
