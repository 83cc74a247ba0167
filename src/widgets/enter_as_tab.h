// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace kvrgui {

// In the editor's windows Enter moves the focus to the next control, as Tab does.
// Multi-line text boxes keep Enter for new lines; message boxes and file dialogs keep
// their default buttons.
class EnterAsTab : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // Marks a window whose controls follow the rule; installs the filter once.
    static void enable(QWidget* window);
    // A control of such a window that takes Enter itself (a swatch grid sets a colour).
    static void keepEnter(QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kvrgui
