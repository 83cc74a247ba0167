// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/window_frame.h"

class QPushButton;
class QRadioButton;

namespace kvrgui {

// The import/export dialog: moves every value between the game and the record at once,
// and holds the two choices of where names and cockpit colours live.
class TIEForm : public WindowFrame {
    Q_OBJECT
public:
    explicit TIEForm(EditorServices& services, QWidget* parent = nullptr);

    // Shows the context's current choices.
    void showChoices();

    QRadioButton* namesFromExe() const { return m_namesExe; }
    QRadioButton* namesFromState() const { return m_namesState; }
    QRadioButton* cockpitFromExe() const { return m_cockpitExe; }
    QRadioButton* cockpitFromState() const { return m_cockpitState; }
    QPushButton* importButton() const { return m_import; }
    QPushButton* exportButton() const { return m_export; }

private:
    void onImportAll();
    void onExportAll();

    QRadioButton* m_namesExe;
    QRadioButton* m_namesState;
    QRadioButton* m_cockpitExe;
    QRadioButton* m_cockpitState;
    QPushButton* m_import;
    QPushButton* m_export;
};

} // namespace kvrgui
