// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace kvrgui {

// The languages the editor speaks, by their code ("en", "de", ...), in menu order.
struct Language {
    const char* code;
    const char* name; // in its own language
};
const std::vector<Language>& languages();

// The language of a game's language version (0..6): a German game opens a German editor.
QString languageOfGame(int languageVersion);

// Where the translations are: beside the program (translations/) or in the installed
// shape's share/kvrdesk/translations; empty when neither exists.
QString translationsFolder();

// Makes `code` the language of every text from now on, Qt's own dialogs included; English
// needs no file. False (and English) when its translation cannot be loaded.
bool useLanguage(const QString& code);
QString currentLanguage();

// A core text (marked in the core) in the current language; the English when it has no
// translation.
QString coreText(kvr::Marked text);

// A message from the core in the current language: its pattern translated, then its
// arguments filled in, each translated in turn; a text shown as it is stays as it is
// (UTF-8, or else Windows ANSI bytes).
QString translatedMessage(const kvr::Message& message);

} // namespace kvrgui
