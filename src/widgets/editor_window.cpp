// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/editor_window.h"

#include "core/errors.h"
#include "core/user_prompt.h"
#include "game/import_export.h"
#include "widgets/editor_services.h"
#include "widgets/record_document.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace kvrgui {

EditorWindow::EditorWindow(EditorServices& services, kvr::Editor editor, const QString& caption, QWidget* parent)
    : WindowFrame(services, caption, parent), m_editor(editor)
{
    m_import = addButton(tr("Import data from game"), "importButton");
    m_export = addButton(tr("Export data into game"), "exportButton");
    m_restore = addButton(tr("Restore original data"), "restoreButton");
    connect(m_import, &QPushButton::clicked, this, &EditorWindow::onImport);
    connect(m_export, &QPushButton::clicked, this, &EditorWindow::onExport);
    connect(m_restore, &QPushButton::clicked, this, &EditorWindow::onRestore);
    // A change the window makes itself is shown when its action ends.
    connect(&services.document, &RecordDocument::recordChanged, this, [this] {
        if (isVisible() && !acting())
            refresh();
    });
}

QLineEdit* shownValueBox(QWidget* parent, const QString& name)
{
    constexpr int kShownWidth = 64;
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(kShownWidth);
    return box;
}

const kvr::SettingsRecord& EditorWindow::record() const
{
    return services().document.record();
}

QHBoxLayout* EditorWindow::buttonRow()
{
    return WindowFrame::buttonRow({m_restore, m_import, m_export});
}

void EditorWindow::edit(const QString& what, const std::function<void(kvr::SettingsRecord&)>& change,
                        const void* mergeKey)
{
    if (m_refreshing)
        return;
    // A refused or held input shows the stored value again, as the frame shows the
    // record after the action.
    guarded([&] {
        try {
            services().document.change(what, change, mergeKey);
        } catch (const kvr::GeneralError& e) {
            refuse(kvr::messageOf(e));
        }
    });
}

void EditorWindow::refuse(const kvr::Message& message)
{
    if (std::find(m_refusals.begin(), m_refusals.end(), message) != m_refusals.end())
        return;
    m_refusals.push_back(message);
    if (m_refusals.size() == 1 && !m_awaitedPopup)
        QMetaObject::invokeMethod(this, &EditorWindow::showRefusals, Qt::QueuedConnection);
}

void EditorWindow::showRefusals()
{
    if (m_refusals.empty())
        return;
    if (QWidget* popup = QApplication::activePopupWidget()) {
        // A message box closes every popup, and one closed before its own loop began
        // would leave that loop running for ever: wait until it has gone.
        m_awaitedPopup = popup;
        popup->installEventFilter(this);
        connect(popup, &QObject::destroyed, this, [this] {
            m_awaitedPopup = nullptr;
            QMetaObject::invokeMethod(this, &EditorWindow::showRefusals, Qt::QueuedConnection);
        });
        return;
    }
    for (const kvr::Message& message : std::exchange(m_refusals, {}))
        services().prompt.warn(message);
}

void EditorWindow::showText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

void EditorWindow::endMerge()
{
    services().document.endMerge();
}

void EditorWindow::refresh()
{
    m_refreshing = true;
    try {
        showRecord();
    } catch (...) {
        m_refreshing = false;
        throw;
    }
    m_refreshing = false;
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_awaitedPopup && event->type() == QEvent::Hide) {
        m_awaitedPopup->removeEventFilter(this);
        disconnect(m_awaitedPopup, &QObject::destroyed, this, nullptr);
        m_awaitedPopup = nullptr;
        QMetaObject::invokeMethod(this, &EditorWindow::showRefusals, Qt::QueuedConnection);
    }
    return WindowFrame::eventFilter(watched, event);
}

void EditorWindow::onImport()
{
    const bool done = guarded([this] {
        services().document.changeWithTrackData(m_import->text(), [this](kvr::SettingsRecord& r, bool& known) {
            kvr::importEditor(services().context, r, services().prompt, m_editor, known);
        });
    });
    if (done)
        imported();
}

void EditorWindow::onExport()
{
    guarded([this] {
        if (!confirmExport(services(), m_editor))
            return;
        const BusyCursor busy;
        kvr::exportEditor(services().context, record(), services().prompt, m_editor);
    });
}

void EditorWindow::onRestore()
{
    guarded([this] { services().restoreOriginal(); });
}

} // namespace kvrgui
