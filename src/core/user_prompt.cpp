// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/user_prompt.h"

namespace kvr {

FileRequest FileRequest::inWorkingDirectory(Mode mode, std::string title, std::string filter,
                                            std::string defaultExtension, std::string fileName)
{
    FileRequest r;
    r.mode = mode;
    r.title = std::move(title);
    r.filter = std::move(filter);
    r.fileName = std::move(fileName);
    r.defaultExtension = std::move(defaultExtension);
    std::error_code ec;
    r.initialDirectory = std::filesystem::current_path(ec);
    return r;
}

} // namespace kvr
