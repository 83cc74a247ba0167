// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_prompt.h"

#include <QString>

class QSettings;

namespace kvrgui {

// Where a file dialog starts and the name it offers, kept per kind of file in the
// editor's settings. `memory` may be null: then nothing is remembered.

// The folder last used for the request's kind, else the request's own start, else the
// user's documents (their home when there is no such folder). Never the working
// directory: on Windows that is the program's folder.
QString startingFolder(const kvr::FileRequest& request, const QSettings* memory);
// Opening offers the request's name; saving the request's name, else the name last saved
// of its kind, else the kind's usual name.
QString suggestedName(const kvr::FileRequest& request, const QSettings* memory);
// The user chose `file`: its folder is the kind's from now on, and a saved file's name too.
void rememberChoice(const kvr::FileRequest& request, const QString& file, QSettings* memory);

} // namespace kvrgui
