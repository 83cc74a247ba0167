// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/folder_lock.h"
#include "core/user_prompt.h"

#include <filesystem>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace kvr {

// What an action tells the user while it holds the game's lock, kept until the lock is
// released: nobody waits on a message box while other writers wait on the game. A
// question must be asked before the lock is taken; asking one here is a fault of the
// program (std::logic_error).
class DeferredPrompt : public UserPrompt {
public:
    bool confirm(const Message& text) override;
    void inform(const Message& text) override { m_told.push_back({false, text}); }
    void warn(const Message& text) override { m_told.push_back({true, text}); }
    std::optional<std::vector<FormEntry>> fillForm(const Message& text, const std::vector<FormEntry>& entries,
                                                   const Message& action) override;
    std::optional<std::filesystem::path> chooseFile(const FileRequest& request) override;

    // Tells `prompt` everything kept, in order, and forgets it.
    void tellNow(UserPrompt& prompt);

private:
    struct Told {
        bool warning;
        Message text;
    };
    std::vector<Told> m_told;
};

// Runs `action(lock, later)` holding the lock of `gameDir`, then, with the lock
// released, tells `prompt` what the action told `later`; also when it throws.
template <class Action>
auto whileLocked(const std::filesystem::path& gameDir, UserPrompt& prompt, Action&& action)
    -> std::invoke_result_t<Action, const GameFolderLock&, UserPrompt&>
{
    using Result = std::invoke_result_t<Action, const GameFolderLock&, UserPrompt&>;
    DeferredPrompt later;
    try {
        if constexpr (std::is_void_v<Result>) {
            {
                const GameFolderLock lock(gameDir);
                action(lock, static_cast<UserPrompt&>(later));
            }
            later.tellNow(prompt);
        } else {
            std::optional<Result> result;
            {
                const GameFolderLock lock(gameDir);
                result.emplace(action(lock, static_cast<UserPrompt&>(later)));
            }
            later.tellNow(prompt);
            return std::move(*result);
        }
    } catch (...) {
        later.tellNow(prompt);
        throw;
    }
}

} // namespace kvr
