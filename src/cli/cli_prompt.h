// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_prompt.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kvrcli {

// Answers the program's questions from the command line's options: OK only with --yes,
// the CD's KVR.EXE only when --cd names a folder (a folder without it is an error of the
// file's reader, not a cancelled dialog). Information goes to stdout, warnings
// and declined questions to stderr.
class CliPrompt : public kvr::UserPrompt {
public:
    CliPrompt(bool yes, std::optional<std::filesystem::path> cdFolder);

    bool confirm(const kvr::Message& text) override;
    void inform(const kvr::Message& text) override;
    void warn(const kvr::Message& text) override;
    std::optional<std::filesystem::path> chooseFile(const kvr::FileRequest& request) override;

    // From now on information waits until releaseInformation(), so that a command that
    // fails after its sequence never says it succeeded.
    void holdInformation() { m_holding = true; }
    void releaseInformation(std::ostream& out);

private:
    bool m_yes;
    std::optional<std::filesystem::path> m_cd;
    bool m_holding = false;
    std::vector<kvr::Message> m_held;
};

} // namespace kvrcli
