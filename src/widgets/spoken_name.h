// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QString;
class QWidget;

namespace kvrgui {

// What a screen reader says for a control, blanks around it dropped ("Team 3 engine
// power"). An editable combo box's line edit, which takes the focus, says it too.
void setSpokenName(QWidget* control, const QString& name);

// Links a label to the control it stands beside: a screen reader names the control by
// `spoken` (by the label's own text when `spoken` is empty), also where it reads a combo
// box's name from its label, as it does on Linux. The label must share the control's
// parent widget.
void nameByLabel(QLabel* label, QWidget* control, const QString& spoken);

} // namespace kvrgui
