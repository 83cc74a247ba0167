// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/prompt_script.h"

#include <string>

namespace kvrtest {

// The script of a core test: running out of answers fails the test.
class ScriptedPrompt : public PromptScript {
protected:
    void noAnswer(const std::string& what) override;
};

} // namespace kvrtest
