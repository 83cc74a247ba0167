#include "support/scripted_prompt.h"

#include <gtest/gtest.h>

namespace kvrtest {

bool ScriptedPrompt::confirm(const std::string& text)
{
    confirmed.push_back(text);
    if (confirmAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

std::optional<std::filesystem::path> ScriptedPrompt::chooseFile(const kvr::FileRequest& request)
{
    fileRequests.push_back(request);
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title;
        return std::nullopt;
    }
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

} // namespace kvrtest
