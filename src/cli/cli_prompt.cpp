// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_prompt.h"

#include "core/ansi.h"
#include "core/game_dir.h"

#include <iostream>

namespace kvrcli {

CliPrompt::CliPrompt(bool yes, std::optional<std::filesystem::path> cdFolder) : m_yes(yes), m_cd(std::move(cdFolder)) {}

bool CliPrompt::confirm(const kvr::Message& text)
{
    if (!m_yes)
        std::cerr << kvr::ansiToUtf8(text.english()) << "\n  -> Cancel (run with --yes to answer OK)\n";
    return m_yes;
}

void CliPrompt::inform(const kvr::Message& text)
{
    if (m_holding)
        m_held.push_back(text);
    else
        std::cout << kvr::ansiToUtf8(text.english()) << '\n';
}

void CliPrompt::releaseInformation(std::ostream& out)
{
    for (const kvr::Message& text : m_held)
        out << kvr::ansiToUtf8(text.english()) << '\n';
    m_held.clear();
    m_holding = false;
}

void CliPrompt::warn(const kvr::Message& text) { std::cerr << kvr::ansiToUtf8(text.english()) << '\n'; }

std::optional<std::filesystem::path> CliPrompt::chooseFile(const kvr::FileRequest& request)
{
    if (!m_cd) {
        std::cerr << kvr::ansiToUtf8(request.title.english()) << ": cancelled (give the game CD folder with --cd)\n";
        return std::nullopt;
    }
    // Named, as if typed into the dialog: whether it can serve is for its reader to say.
    // Only a missing --cd is a cancelled dialog.
    return kvr::findInDir(*m_cd, request.fileName.empty() ? "KVR.EXE" : request.fileName);
}

} // namespace kvrcli
