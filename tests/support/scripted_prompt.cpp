// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_prompt.h"

#include <gtest/gtest.h>

namespace kvrtest {

void ScriptedPrompt::noAnswer(const std::string& what)
{
    ADD_FAILURE() << "unexpected " << what;
}

} // namespace kvrtest
