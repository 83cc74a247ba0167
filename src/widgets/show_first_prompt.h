// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_prompt.h"

#include <functional>
#include <utility>

namespace kvrgui {

// Passes every question and message on, but first lets the window show what the action
// has done so far: a message about a new picture never stands in front of the old one.
class ShowFirstPrompt : public kvr::UserPrompt {
public:
    ShowFirstPrompt(kvr::UserPrompt& prompt, std::function<void()> show) : m_prompt(prompt), m_show(std::move(show)) {}

    bool confirm(const std::string& text) override
    {
        m_show();
        return m_prompt.confirm(text);
    }
    void inform(const std::string& text) override
    {
        m_show();
        m_prompt.inform(text);
    }
    void warn(const std::string& text) override
    {
        m_show();
        m_prompt.warn(text);
    }
    std::optional<int> choose(const std::string& text, const std::vector<std::string>& answers) override
    {
        m_show();
        return m_prompt.choose(text, answers);
    }
    std::optional<std::filesystem::path> chooseFile(const kvr::FileRequest& request) override
    {
        m_show();
        return m_prompt.chooseFile(request);
    }

private:
    kvr::UserPrompt& m_prompt;
    std::function<void()> m_show;
};

} // namespace kvrgui
