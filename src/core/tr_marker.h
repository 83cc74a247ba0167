// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// Marks a program text for translation where no Qt is at hand. The core keeps the English
// text; the windows look it up in the translations when they show it. The translation
// tools are told to read this marker as their own "translate, no operation" one.
#define KVR_TR_NOOP(context, text) text

namespace kvr {

// The contexts the core's texts are filed under, where a window looks a message up.
inline constexpr const char* kMessageContexts[] = {"Messages",   "Settings files", "Import and export",
                                                   "Game files", "Installers",     "Pictures"};

// `pattern` with %1, %2, ... replaced by `args`: the English text. The pattern is kept
// for a while, so that a window can show the same message in another language.
std::string fillIn(const char* pattern, std::initializer_list<std::string> args);

struct FilledText {
    std::string pattern;
    std::vector<std::string> args;
};

// The pattern and arguments `text` was made of by a recent fillIn, when it was.
std::optional<FilledText> filledFrom(const std::string& text);

} // namespace kvr
