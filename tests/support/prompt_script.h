// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_prompt.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kvrtest {

// Answers questions from a script and records everything it was asked, so tests can
// check the exact texts. What happens when the script has no answer left is up to the
// test framework: noAnswer() hears of it.
class PromptScript : public kvr::UserPrompt {
public:
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<std::filesystem::path>> fileAnswers;

    std::vector<std::string> confirmed;
    std::vector<std::string> informed;
    std::vector<std::string> warned;
    std::vector<kvr::FileRequest> fileRequests;

    bool confirm(const std::string& text) override
    {
        confirmed.push_back(text);
        return next(confirmAnswers, "question: " + text, false);
    }
    void inform(const std::string& text) override { informed.push_back(text); }
    void warn(const std::string& text) override { warned.push_back(text); }
    std::optional<std::filesystem::path> chooseFile(const kvr::FileRequest& request) override
    {
        fileRequests.push_back(request);
        return next(fileAnswers, "file dialog: " + request.title, std::optional<std::filesystem::path>());
    }

protected:
    // `what` was asked with no answer left in the script; the caller gets the cancel.
    virtual void noAnswer(const std::string& what) = 0;

    template <class Answer> Answer next(std::deque<Answer>& answers, const std::string& what, Answer cancel)
    {
        if (answers.empty()) {
            noAnswer(what);
            return cancel;
        }
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace kvrtest
