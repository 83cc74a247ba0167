// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

namespace kvrgui {

inline constexpr int kButtonPictureWidth = 164;
inline constexpr int kButtonPictureHeight = 52;

// Pictures are painted once and kept in `folder` as files (none: painted each time).
void setPictureCache(const QString& folder);

// A main-window button picture: a chequered flag waving into a dark racing stripe, the
// label in bold italic letters at the bottom right (white, or red for the exit).
QPixmap buttonPicture(const QString& label, bool redLetters = false);

// The splash window's picture: the same flag, wider, with the program's name.
QPixmap splashPicture();

} // namespace kvrgui
