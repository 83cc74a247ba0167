// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tr_marker.h"

#include <deque>
#include <mutex>

namespace kvr {

namespace {

// Messages are shown soon after they are made; a short memory is enough.
constexpr std::size_t kRemembered = 64;

std::mutex& memoryLock()
{
    static std::mutex lock;
    return lock;
}

std::deque<std::pair<std::string, FilledText>>& memory()
{
    static std::deque<std::pair<std::string, FilledText>> made;
    return made;
}

} // namespace

std::string fillIn(const char* pattern, std::initializer_list<std::string> args)
{
    const std::string p(pattern);
    const std::vector<std::string> list(args);
    std::string text;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i] == '%' && i + 1 < p.size() && p[i + 1] >= '1' && p[i + 1] <= '9') {
            const std::size_t n = std::size_t(p[i + 1] - '1');
            if (n < list.size()) {
                text += list[n];
                ++i;
                continue;
            }
        }
        text += p[i];
    }
    std::lock_guard<std::mutex> hold(memoryLock());
    auto& made = memory();
    made.emplace_back(text, FilledText{p, list});
    if (made.size() > kRemembered)
        made.pop_front();
    return text;
}

std::optional<FilledText> filledFrom(const std::string& text)
{
    std::lock_guard<std::mutex> hold(memoryLock());
    const auto& made = memory();
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        if (it->first == text)
            return it->second;
    return std::nullopt;
}

} // namespace kvr
