// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/block_table.h"
#include "widgets/window_frame.h"

#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace kvr {
class SettingsRecord;
}

namespace kvrgui {

struct EditorServices;

// A box that shows a value the window works out from the record: it can be selected and
// copied, never typed into, and Tab passes it by.
QLineEdit* shownValueBox(QWidget* parent, const QString& name);

// What every value editor has on top of the frame: the four buttons "Import data from
// game", "Export data into game", "Restore original data" and "Back" with their actions
// and messages, and a fresh view of the record whenever it changes, whoever changed it:
// once for each change.
class EditorWindow : public WindowFrame {
    Q_OBJECT
public:
    EditorWindow(EditorServices& services, kvr::Editor editor, const QString& caption, QWidget* parent = nullptr);

    QPushButton* importButton() const { return m_import; }
    QPushButton* exportButton() const { return m_export; }
    QPushButton* restoreButton() const { return m_restore; }

protected:
    // Puts the record's values into the widgets. Runs when the window is shown and after
    // every change of the record; widget signals raised meanwhile must not edit.
    virtual void showRecord() = 0;

    // Changes the record: one undo step named `what`. A rule that refuses the input
    // throws GeneralError, which changes nothing; its message is shown by refuse().
    // The window then shows the record once, the value kept when the input was refused.
    void edit(const QString& what, const std::function<void(kvr::SettingsRecord&)>& change,
              const void* mergeKey = nullptr);
    // The typing in a box or the drag of a slider has ended: the next edit is a new step.
    void endMerge();

    const kvr::SettingsRecord& record() const;
    bool refreshing() const { return m_refreshing; }
    kvr::Editor editor() const { return m_editor; }

    // Shows a value in a box without disturbing the user's typing when it is already there.
    static void showText(QLineEdit* box, const QString& text);

    // The four buttons in a row, for the window's layout, after the window's own fields
    // in the Tab order.
    QHBoxLayout* buttonRow();

    // Tells the user why a box's value was not taken. A box is checked as the focus
    // leaves it, often on the way into a popup or a message, so the message waits until
    // that event is done and no popup is open; the same message waiting twice is shown
    // once.
    void refuse(const kvr::Message& message);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Runs showRecord() with widget signals marked as the window's own.
    void refresh();
    void showState() override { refresh(); }

    // "Import data from game" has read the game: a window that shows more of the game
    // than the record holds reads it again here.
    virtual void imported() {}

private slots:
    void onImport();
    void onExport();
    void onRestore();

private:
    void showRefusals();

    kvr::Editor m_editor;
    bool m_refreshing = false;
    QPushButton* m_import;
    QPushButton* m_export;
    QPushButton* m_restore;
    std::vector<kvr::Message> m_refusals;
    QPointer<QWidget> m_awaitedPopup;
};

} // namespace kvrgui
