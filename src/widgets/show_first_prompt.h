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

    bool confirm(const kvr::Message& text) override
    {
        m_show();
        return m_prompt.confirm(text);
    }
    void inform(const kvr::Message& text) override
    {
        m_show();
        m_prompt.inform(text);
    }
    void warn(const kvr::Message& text) override
    {
        m_show();
        m_prompt.warn(text);
    }
    std::optional<int> choose(const kvr::Message& text, const std::vector<kvr::Message>& answers) override
    {
        m_show();
        return m_prompt.choose(text, answers);
    }
    bool confirmList(const kvr::Message& text, const std::vector<kvr::Message>& lines,
                     const kvr::Message& action) override
    {
        m_show();
        return m_prompt.confirmList(text, lines, action);
    }
    std::optional<std::vector<kvr::FormEntry>> fillForm(const kvr::Message& text,
                                                        const std::vector<kvr::FormEntry>& entries,
                                                        const kvr::Message& action) override
    {
        m_show();
        return m_prompt.fillForm(text, entries, action);
    }
    std::optional<std::filesystem::path> chooseFile(const kvr::FileRequest& request) override
    {
        m_show();
        return m_prompt.chooseFile(request);
    }

    bool convertPicture(kvr::PictureConversion& conversion) override
    {
        m_show();
        return m_prompt.convertPicture(conversion);
    }

  private:
    kvr::UserPrompt& m_prompt;
    std::function<void()> m_show;
};

} // namespace kvrgui
