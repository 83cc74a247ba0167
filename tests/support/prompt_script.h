// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_prompt.h"

#include <deque>
#include <filesystem>
#include <functional>
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
    // Every question and message as it was made, in order.
    std::vector<kvr::Message> said;
    // Each sets the options on the conversion it is shown (or runs the real window on
    // it) and answers OK (true) or Cancel.
    std::deque<std::function<bool(kvr::PictureConversion&)>> conversionAnswers;
    int conversionsShown = 0;

    bool confirm(const kvr::Message& text) override
    {
        said.push_back(text);
        confirmed.push_back(text.english());
        return next(confirmAnswers, "question: " + text.english(), false);
    }
    void inform(const kvr::Message& text) override
    {
        said.push_back(text);
        informed.push_back(text.english());
    }
    void warn(const kvr::Message& text) override
    {
        said.push_back(text);
        warned.push_back(text.english());
    }
    std::optional<std::filesystem::path> chooseFile(const kvr::FileRequest& request) override
    {
        fileRequests.push_back(request);
        return next(fileAnswers, "file dialog: " + request.title.english(), std::optional<std::filesystem::path>());
    }

    bool convertPicture(kvr::PictureConversion& conversion) override
    {
        ++conversionsShown;
        const auto answer =
            next(conversionAnswers, "conversion window", std::function<bool(kvr::PictureConversion&)>());
        return answer && answer(conversion);
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
