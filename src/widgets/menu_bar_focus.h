// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenuBar;

namespace kvrgui {

// The keyboard in a menu bar. Once Alt and a letter have opened a menu and Escape has
// closed it, the bar holds the focus: its chosen title is then highlighted as while its
// menu is open, and the next Escape (or Tab) gives the focus back to the control that
// had it. Safe to call twice for a bar.
void showMenuBarFocus(QMenuBar* bar);

} // namespace kvrgui
