#pragma once

#include "core/user_prompt.h"

#include <deque>
#include <string>
#include <vector>

namespace kvrtest {

// Answers questions from a script and records everything it was asked, so tests can
// check the exact texts. Running out of answers fails the test.
class ScriptedPrompt : public kvr::UserPrompt {
public:
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<std::filesystem::path>> fileAnswers;

    std::vector<std::string> confirmed;
    std::vector<std::string> informed;
    std::vector<std::string> warned;
    std::vector<kvr::FileRequest> fileRequests;

    bool confirm(const std::string& text) override;
    void inform(const std::string& text) override { informed.push_back(text); }
    void warn(const std::string& text) override { warned.push_back(text); }
    std::optional<std::filesystem::path> chooseFile(const kvr::FileRequest& request) override;
};

} // namespace kvrtest
