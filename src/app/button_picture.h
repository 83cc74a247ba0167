// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace kvrgui {

inline constexpr int kButtonPictureWidth = 164;
inline constexpr int kButtonPictureHeight = 52;
inline constexpr int kButtonLabelPixels = 15;

// How a label is lettered into `room`: one line, else two broken at a blank or after a
// hyphen, at `pixelSize`; only a label that fits no way gets smaller letters.
struct LabelLayout {
    QStringList lines;
    int pixelSize = 0;
};
LabelLayout labelLayout(const QString& text, int pixelSize, QSizeF room);

// The lettering of a main-window button's label.
LabelLayout buttonLabelLayout(const QString& label);

// Pictures are painted once and kept in `folder` as files (none: painted each time).
void setPictureCache(const QString& folder);

// A main-window button picture: a chequered flag waving into a dark racing stripe, the
// label in bold italic letters at the bottom right (white, or red for the exit).
QPixmap buttonPicture(const QString& label, bool redLetters = false);

// The splash window's picture: the same flag, wider, with the program's name.
QPixmap splashPicture();

} // namespace kvrgui
