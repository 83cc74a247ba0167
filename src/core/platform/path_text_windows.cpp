// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/path_text.h"

namespace kvr::platform {

// The narrow constructor would read the text in the C locale's code page, while
// path::string() gives UTF-8: only the UTF-8 forms are each other's inverse.
std::string pathText(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path pathFromText(const std::string& text) { return std::u8string(text.begin(), text.end()); }

} // namespace kvr::platform
