// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/grip/grip_rules.h"
#include "widgets/session_tables.h"

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace kvrgui {

// "Computer cars grip": the first and second drivers of the roster with their value of
// the chosen table (qualifying, other sessions, random grip range); the selected
// driver's value in a box, shifts of all cars and copies between the two grip tables.
class TGripForm : public SessionTablesWindow {
    Q_OBJECT
  public:
    explicit TGripForm(EditorServices& services, QWidget* parent = nullptr);

    QRadioButton* tableChoice(kvr::GripTable table) const;
    QListWidget* firstDriverList() const { return m_firstDrivers; }
    QListWidget* firstValueList() const { return m_firstValues; }
    QListWidget* secondDriverList() const { return m_secondDrivers; }
    QListWidget* secondValueList() const { return m_secondValues; }
    QLineEdit* valueEdit() const { return m_valueEdit; }
    // The car the box edits; 0 when no line is selected.
    int selectedCar() const;

  protected:
    void showRecord() override;
    void showEvent(QShowEvent* event) override;

  private:
    void onLineChosen(bool secondDrivers, int line);
    void onTableChosen(kvr::GripTable table);
    void onValueTyped();

    kvr::GripTable m_table = kvr::GripTable::Qualifying;
    // The selected line: in the second drivers' lists or the first drivers'.
    bool m_secondSelected = false;
    int m_line = 0;
    QRadioButton* m_choices[3];
    QListWidget* m_firstDrivers;
    QListWidget* m_firstValues;
    QListWidget* m_secondDrivers;
    QListWidget* m_secondValues;
    QLineEdit* m_valueEdit;
};

} // namespace kvrgui
