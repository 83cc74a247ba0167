// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QMenuBar;
class QTableWidget;

namespace kvrgui {

// Help > Keyboard shortcuts: every shortcut of the main window's menus, as the menus hold
// them, and the keys every window shares.
class TShortcutsForm : public QDialog {
    Q_OBJECT
  public:
    TShortcutsForm(const QMenuBar* menus, QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }

  private:
    void addRow(const QString& keys, const QString& what);

    QTableWidget* m_table;
};

} // namespace kvrgui
