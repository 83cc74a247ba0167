// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_dir.h"

#include <string>

namespace kvr {
namespace fs = std::filesystem;

bool asciiEqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

fs::path findInDir(const fs::path& dir, std::string_view relative)
{
    fs::path result = dir;
    bool searching = true;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = relative.size();
        const std::string_view part = relative.substr(start, end - start);
        start = end + 1;
        if (part.empty())
            continue;
        std::error_code ec;
        fs::path exact = result / std::string(part);
        if (!searching || fs::exists(exact, ec)) {
            result = exact;
            continue;
        }
        fs::path found;
        for (fs::directory_iterator it(result, ec), last; !ec && it != last; it.increment(ec)) {
            if (asciiEqualNoCase(it->path().filename().string(), part)) {
                found = it->path();
                break;
            }
        }
        if (found.empty()) {
            searching = false;
            result = exact;
        } else {
            result = found;
        }
    }
    return result;
}

} // namespace kvr
