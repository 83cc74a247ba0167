#pragma once

#include "core/user_prompt.h"

#include <deque>
#include <string>
#include <vector>

// Answers the windows' questions from a script and records what they asked. Running
// out of answers is recorded in `unexpected`, which tests check is empty.
class GuiPrompt : public kvr::UserPrompt {
public:
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<std::filesystem::path>> fileAnswers;

    std::vector<std::string> confirmed;
    std::vector<std::string> informed;
    std::vector<std::string> warned;
    std::vector<kvr::FileRequest> fileRequests;
    std::vector<std::string> unexpected;

    bool confirm(const std::string& text) override
    {
        confirmed.push_back(text);
        if (confirmAnswers.empty()) {
            unexpected.push_back("question: " + text);
            return false;
        }
        const bool a = confirmAnswers.front();
        confirmAnswers.pop_front();
        return a;
    }
    void inform(const std::string& text) override { informed.push_back(text); }
    void warn(const std::string& text) override { warned.push_back(text); }
    std::deque<bool> listAnswers;
    std::vector<std::vector<std::string>> listsShown;
    std::vector<std::string> listTexts;
    bool confirmList(const std::string& text, const std::vector<std::string>& lines, const std::string&) override
    {
        listsShown.push_back(lines);
        listTexts.push_back(text);
        if (listAnswers.empty()) {
            unexpected.push_back("list: " + text);
            return false;
        }
        const bool a = listAnswers.front();
        listAnswers.pop_front();
        return a;
    }
    std::deque<std::optional<int>> chooseAnswers;
    std::vector<std::string> chosen;
    std::optional<int> choose(const std::string& text, const std::vector<std::string>&) override
    {
        chosen.push_back(text);
        if (chooseAnswers.empty()) {
            unexpected.push_back("choice: " + text);
            return std::nullopt;
        }
        const auto a = chooseAnswers.front();
        chooseAnswers.pop_front();
        return a;
    }
    std::optional<std::filesystem::path> chooseFile(const kvr::FileRequest& request) override
    {
        fileRequests.push_back(request);
        if (fileAnswers.empty()) {
            unexpected.push_back("file dialog: " + request.title);
            return std::nullopt;
        }
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};
