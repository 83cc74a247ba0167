// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/editor_window.h"

class QCheckBox;
class QLineEdit;
class QScrollBar;

namespace kvrgui {

class ExchangeList;

// "Pit line settings": the order of the teams' pits, reordered by dragging, and the
// pit lane speed limit with its check.
class TPitLineForm : public EditorWindow {
    Q_OBJECT
public:
    explicit TPitLineForm(EditorServices& services, QWidget* parent = nullptr);

    ExchangeList* pitOrderList() const { return m_pitOrder; }
    QScrollBar* speedBar() const { return m_speedBar; }
    QLineEdit* kphText() const { return m_kph; }
    QLineEdit* mphText() const { return m_mph; }
    QCheckBox* checkSpeedBox() const { return m_checkSpeed; }

protected:
    void showRecord() override;

private:
    void onLinesDropped(int dragged, int target);
    void onSpeedBarMoved(int position);
    void onCheckSpeedClicked(bool on);

    ExchangeList* m_pitOrder;
    QScrollBar* m_speedBar;
    QLineEdit* m_kph;
    QLineEdit* m_mph;
    QCheckBox* m_checkSpeed;
};

} // namespace kvrgui
