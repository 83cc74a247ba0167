// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kvr {

struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::string title;
    std::string filter;       // "Description|PATTERN"
    std::string fileName;     // suggested name
    std::string defaultExtension;
    std::filesystem::path initialDirectory;

    // The dialogs over the editor's own files: in the working directory, where the
    // editor looks for them, with one kind of file.
    static FileRequest inWorkingDirectory(Mode mode, std::string title, std::string filter,
                                          std::string defaultExtension, std::string fileName = {});
};

// Everything that asks the user goes through here, so the same actions run in the
// windows, on the command line and in tests. Texts are the program's own, in Windows
// ANSI bytes; a front end converts them for display.
class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    // A question with OK and Cancel; true for OK.
    virtual bool confirm(const std::string& text) = 0;
    // Information with OK.
    virtual void inform(const std::string& text) = 0;
    // A warning with OK.
    virtual void warn(const std::string& text) = 0;
    // A question with several answers (the first is the default); the index of the one
    // chosen, nothing when the user cancelled. Front ends that cannot ask cancel.
    virtual std::optional<int> choose(const std::string& text, const std::vector<std::string>& answers)
    {
        (void)text;
        (void)answers;
        return std::nullopt;
    }
    // A question over a list of lines (what an action will change), answered with
    // `action` or Cancel; true for `action`.
    virtual bool confirmList(const std::string& text, const std::vector<std::string>& lines, const std::string& action)
    {
        (void)lines;
        (void)action;
        return confirm(text);
    }
    // A file dialog; nothing when cancelled.
    virtual std::optional<std::filesystem::path> chooseFile(const FileRequest& request) = 0;
};

} // namespace kvr
