// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/user_prompt.h"

namespace kvr {

FileRequest FileRequest::forKind(Kind kind, Mode mode, Message title, Message filter, std::string defaultExtension,
                                 std::string fileName)
{
    FileRequest r;
    r.kind = kind;
    r.mode = mode;
    r.title = std::move(title);
    r.filter = std::move(filter);
    r.fileName = std::move(fileName);
    r.defaultExtension = std::move(defaultExtension);
    return r;
}

Message fileFilter(Marked description, std::string pattern)
{
    return Message::joined({description, pattern}, "|");
}

} // namespace kvr
