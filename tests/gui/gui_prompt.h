// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/prompt_script.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

// Answers the windows' questions from a script and records what they asked. Running
// out of answers is recorded in `unexpected`, which tests check is empty.
class GuiPrompt : public kvrtest::PromptScript {
  public:
    std::vector<std::string> unexpected;

    std::deque<bool> listAnswers;
    std::vector<std::vector<std::string>> listsShown;
    std::vector<std::vector<kvr::Message>> listMessages;
    std::vector<std::string> listTexts;
    bool confirmList(const kvr::Message& text, const std::vector<kvr::Message>& lines, const kvr::Message&) override
    {
        said.push_back(text);
        listMessages.push_back(lines);
        listsShown.emplace_back();
        for (const kvr::Message& line : lines)
            listsShown.back().push_back(line.english());
        listTexts.push_back(text.english());
        return next(listAnswers, "list: " + text.english(), false);
    }
    std::deque<std::optional<int>> chooseAnswers;
    std::vector<std::string> chosen;
    std::optional<int> choose(const kvr::Message& text, const std::vector<kvr::Message>&) override
    {
        said.push_back(text);
        chosen.push_back(text.english());
        return next(chooseAnswers, "choice: " + text.english(), std::optional<int>());
    }

    // Each answer sets the boxes' texts and the check boxes, in their order; nothing cancels.
    struct FormAnswer {
        std::vector<std::string> texts;
        std::vector<bool> checks;
    };
    std::deque<std::optional<FormAnswer>> formAnswers;
    std::vector<std::vector<kvr::FormEntry>> formsShown;
    std::optional<std::vector<kvr::FormEntry>>
    fillForm(const kvr::Message& text, const std::vector<kvr::FormEntry>& entries, const kvr::Message&) override
    {
        formsShown.push_back(entries);
        const auto answer = next(formAnswers, "form: " + text.english(), std::optional<FormAnswer>());
        if (!answer)
            return std::nullopt;
        std::vector<kvr::FormEntry> filled = entries;
        std::size_t text_ = 0, check = 0;
        for (kvr::FormEntry& e : filled) {
            if (e.maxChars == 0 && check < answer->checks.size())
                e.checked = answer->checks[check++];
            else if (e.maxChars > 0 && text_ < answer->texts.size())
                e.text = answer->texts[text_++];
        }
        return filled;
    }

  protected:
    void noAnswer(const std::string& what) override { unexpected.push_back(what); }
};
