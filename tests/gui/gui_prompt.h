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
    std::vector<std::string> listTexts;
    bool confirmList(const std::string& text, const std::vector<std::string>& lines, const std::string&) override
    {
        listsShown.push_back(lines);
        listTexts.push_back(text);
        return next(listAnswers, "list: " + text, false);
    }
    std::deque<std::optional<int>> chooseAnswers;
    std::vector<std::string> chosen;
    std::optional<int> choose(const std::string& text, const std::vector<std::string>&) override
    {
        chosen.push_back(text);
        return next(chooseAnswers, "choice: " + text, std::optional<int>());
    }

protected:
    void noAnswer(const std::string& what) override { unexpected.push_back(what); }
};
