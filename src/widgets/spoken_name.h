// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace kvrgui {

// What a screen reader says for a control, blanks around it dropped ("Team 3 engine
// power"). An editable combo box's line edit, which takes the focus, says it too.
void setSpokenName(QWidget* control, const QString& name);

} // namespace kvrgui
