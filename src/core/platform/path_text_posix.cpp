// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/path_text.h"

namespace kvr::platform {

std::string pathText(const std::filesystem::path& path) { return path.native(); }

std::filesystem::path pathFromText(const std::string& text) { return text; }

} // namespace kvr::platform
