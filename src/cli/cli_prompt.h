#pragma once

#include "core/user_prompt.h"

#include <filesystem>
#include <optional>

namespace kvrcli {

// Answers the program's questions from the command line's options: OK only with --yes,
// the CD's KVR.EXE only when --cd names a folder. Information goes to stdout, warnings
// and declined questions to stderr.
class CliPrompt : public kvr::UserPrompt {
public:
    CliPrompt(bool yes, std::optional<std::filesystem::path> cdFolder);

    bool confirm(const std::string& text) override;
    void inform(const std::string& text) override;
    void warn(const std::string& text) override;
    std::optional<std::filesystem::path> chooseFile(const kvr::FileRequest& request) override;

private:
    bool m_yes;
    std::optional<std::filesystem::path> m_cd;
};

} // namespace kvrcli
