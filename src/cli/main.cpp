// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"
#include "core/platform/native_file.h"
#include "core/platform/program_arguments.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    kvr::platform::useUntranslatedStandardStreams();
    std::vector<std::string> arguments = kvr::platform::programArguments(argc, argv);
    std::vector<char*> words;
    for (std::string& a : arguments)
        words.push_back(a.data());
    words.push_back(nullptr);
    return kvrcli::runCli(int(arguments.size()), words.data());
}
