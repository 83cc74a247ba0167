// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/locked_action.h"

#include <stdexcept>

namespace kvr {

bool DeferredPrompt::confirm(const Message& text)
{
    throw std::logic_error("asked while the game is locked: " + text.english());
}

std::optional<std::vector<FormEntry>> DeferredPrompt::fillForm(const Message& text, const std::vector<FormEntry>&,
                                                               const Message&)
{
    throw std::logic_error("a form while the game is locked: " + text.english());
}

std::optional<std::filesystem::path> DeferredPrompt::chooseFile(const FileRequest& request)
{
    throw std::logic_error("a file dialog while the game is locked: " + request.title.english());
}

void DeferredPrompt::tellNow(UserPrompt& prompt)
{
    const std::vector<Told> told = std::exchange(m_told, {});
    for (const Told& m : told)
        (m.warning ? prompt.warn(m.text) : prompt.inform(m.text));
}

} // namespace kvr
