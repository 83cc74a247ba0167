// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLineEdit;

namespace kvrgui {

// Makes a box whose text goes into a fixed field of the game take, as the user types,
// no more than `capacity` characters and only characters the game can show. A refused
// keystroke or paste changes nothing and shows a tool tip that says why.
void limitToGameText(QLineEdit* box, int capacity);

// Why a text does not fit such a field; empty when it does.
QString gameTextProblem(const QString& text, int capacity);

} // namespace kvrgui
