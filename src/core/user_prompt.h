// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kvr {

class PictureConversion;

struct FileRequest {
    enum class Mode { Open, Save };
    // What the file is for: a dialog starts in the folder last used for its kind and
    // suggests the name last saved of it.
    enum class Kind { Other, Settings, Patch, Helmet, Painting, ColourPicture, GameProgram, GameCd };
    Mode mode = Mode::Open;
    Kind kind = Kind::Other;
    Message title;
    Message filter;                    // "Description|PATTERN" (fileFilter()), PATTERN one or more "*.ext" apart
    std::vector<Message> otherFilters; // offered beside it, in the same form
    std::string fileName;              // suggested name: this file's own, whatever was saved before
    std::string usualName;             // suggested when nothing of this kind was saved yet
    std::string defaultExtension;
    // Where to start when no folder of this kind is remembered; empty for the user's
    // documents. Never the working directory: on Windows that is the program's folder.
    std::filesystem::path initialDirectory;

    static FileRequest forKind(Kind kind, Mode mode, Message title, Message filter, std::string defaultExtension,
                               std::string fileName = {});
};

// One line of a form: a text box (`maxChars` above 0) or a check box.
struct FormEntry {
    Message label;            // the program's own text
    std::string text;         // a box's text, in UTF-8 (the user's own, any language)
    std::size_t maxChars = 0; // 0: a check box
    bool lines = false;       // a box of several lines
    bool checked = false;
};

// "Description|PATTERN" for FileRequest::filter, the description translated where shown.
Message fileFilter(Marked description, std::string pattern);

// Everything that asks the user goes through here, so the same actions run in the
// windows, on the command line and in tests. Texts are messages: a window shows them in
// its language, the command line in English; the texts they hold as they are (game
// texts) are Windows ANSI bytes, a front end converts them for display.
class UserPrompt {
  public:
    virtual ~UserPrompt() = default;
    // A question with OK and Cancel; true for OK.
    virtual bool confirm(const Message& text) = 0;
    // Information with OK.
    virtual void inform(const Message& text) = 0;
    // A warning with OK.
    virtual void warn(const Message& text) = 0;
    // A question with several answers (the first is the default); the index of the one
    // chosen, nothing when the user cancelled. Front ends that cannot ask cancel.
    virtual std::optional<int> choose(const Message& text, const std::vector<Message>& answers)
    {
        (void)text;
        (void)answers;
        return std::nullopt;
    }
    // A question over a list of lines (what an action will change), answered with
    // `action` or Cancel; true for `action`.
    virtual bool confirmList(const Message& text, const std::vector<Message>& lines, const Message& action)
    {
        (void)lines;
        (void)action;
        return confirm(text);
    }
    // The conversion window over a painting that is not yet in a texture's colours: the
    // user sets its options on `conversion` and answers OK (true) or Cancel. Front ends
    // that cannot show it cancel.
    virtual bool convertPicture(PictureConversion& conversion)
    {
        (void)conversion;
        return false;
    }
    // A form of boxes, answered with `action` (the form as the user left it, each text at
    // most its box's characters) or Cancel (nothing). Front ends that cannot ask cancel.
    virtual std::optional<std::vector<FormEntry>> fillForm(const Message& text, const std::vector<FormEntry>& entries,
                                                           const Message& action)
    {
        (void)text;
        (void)entries;
        (void)action;
        return std::nullopt;
    }
    // A file dialog; nothing when cancelled.
    virtual std::optional<std::filesystem::path> chooseFile(const FileRequest& request) = 0;
};

} // namespace kvr
