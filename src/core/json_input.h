// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace kvr {

// Our files nest three levels (a patch's changes, the record's track data); this leaves
// room for what comes and stays far from anything that walks a value by recursion.
inline constexpr std::size_t kMaxJsonDepth = 32;

// What a message quotes of a user's name or value, in characters.
inline constexpr std::size_t kQuotedChars = 48;

// JSON a user hands us (a patch, the JSON form of a settings file). Throws GeneralError
// for text that is not JSON, nests deeper than kMaxJsonDepth, or gives one key twice in
// an object, saying where; all before anything walks the value.
nlohmann::json parseUserJson(std::string_view text);

// A name or text from a user's file as a message may show it: control characters
// written as \u0000 (six characters of the limit), cut after `limit` characters with "...".
std::string quotedForMessage(std::string_view text, std::size_t limit = kQuotedChars);

// A JSON value the same way, as JSON.
std::string quotedJson(const nlohmann::json& value, std::size_t limit = kQuotedChars);

} // namespace kvr
