#include "widgets/editor_window.h"

#include "core/errors.h"
#include "core/user_prompt.h"
#include "game/import_export.h"
#include "widgets/editor_services.h"
#include "widgets/enter_as_tab.h"
#include "widgets/record_document.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace kvrgui {

namespace {

// The line a box is typed in: the box itself, or an editable combo box's line.
QLineEdit* typedLine(QObject* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line;
    if (auto* combo = qobject_cast<QComboBox*>(box))
        return combo->lineEdit();
    return nullptr;
}

// Undo and redo keys that the box would take for a history of its own that is empty.
bool keyForRecord(QObject* box, QKeyEvent* key)
{
    QLineEdit* line = typedLine(box);
    if (!line || line->isReadOnly())
        return false;
    const QKeySequence pressed(key->keyCombination());
    if (key->matches(QKeySequence::Undo))
        return !line->isUndoAvailable();
    const bool redo = key->matches(QKeySequence::Redo) || pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) ||
                      pressed == QKeySequence(Qt::CTRL | Qt::Key_Y);
    return redo && !line->isRedoAvailable();
}

} // namespace

EditorWindow::EditorWindow(EditorServices& services, kvr::Editor editor, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_services(services), m_editor(editor)
{
    setWindowTitle(caption);
    setModal(true);
    m_import = new QPushButton(tr("Import data from game"), this);
    m_import->setObjectName(QStringLiteral("importButton"));
    m_export = new QPushButton(tr("Export data into game"), this);
    m_export->setObjectName(QStringLiteral("exportButton"));
    m_restore = new QPushButton(tr("Restore original data"), this);
    m_restore->setObjectName(QStringLiteral("restoreButton"));
    m_back = new QPushButton(tr("Back"), this);
    m_back->setObjectName(QStringLiteral("backButton"));
    QFont bold = m_back->font();
    bold.setBold(true);
    m_back->setFont(bold);
    for (QPushButton* b : {m_import, m_export, m_restore, m_back})
        b->setAutoDefault(false);

    connect(m_import, &QPushButton::clicked, this, &EditorWindow::onImport);
    connect(m_export, &QPushButton::clicked, this, &EditorWindow::onExport);
    connect(m_restore, &QPushButton::clicked, this, &EditorWindow::onRestore);
    connect(m_back, &QPushButton::clicked, this, &QDialog::accept);
    // Undo and redo reach the whole record from every editor window.
    m_menuBar = new QMenuBar(this);
    m_menuBar->addMenu(tr("&Edit"))->addActions(services.document.createEditActions(this));

    connect(&services.document, &RecordDocument::recordChanged, this, [this] {
        if (isVisible())
            refresh();
    });
    EnterAsTab::enable(this);
}

EditorWindow::~EditorWindow()
{
    // Going, the window takes the focus from its box, whose check would then call into a
    // window already half gone.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
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
    return m_services.document.record();
}

QHBoxLayout* EditorWindow::buttonRow()
{
    // The buttons were made before the window's own fields: Tab reaches them last, in
    // the order they stand, and the window opens with its first field in focus. Each
    // goes right after the last field, so the rightmost goes first.
    QWidget* lastField = previousInFocusChain();
    while (lastField != this && !(lastField->focusPolicy() & Qt::TabFocus))
        lastField = lastField->previousInFocusChain();
    if (lastField != m_back)
        for (QPushButton* b : {m_back, m_export, m_import, m_restore})
            setTabOrder(lastField, b);
    auto* row = new QHBoxLayout;
    row->addWidget(m_restore);
    row->addWidget(m_import);
    row->addWidget(m_export);
    row->addStretch();
    row->addWidget(m_back);
    return row;
}

void EditorWindow::edit(const QString& what, const std::function<void(kvr::SettingsRecord&)>& change,
                        const void* mergeKey)
{
    if (m_refreshing)
        return;
    runGuarded(m_services, [&] {
        try {
            m_services.document.change(what, change, mergeKey);
        } catch (const kvr::GeneralError& e) {
            refuse(e.what());
        }
    });
    // A refused or held input shows the stored value again.
    refresh();
}

void EditorWindow::refuse(const std::string& message)
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
    for (const std::string& message : std::exchange(m_refusals, {}))
        m_services.prompt.warn(message);
}

void EditorWindow::showText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

void EditorWindow::endMerge()
{
    m_services.document.endMerge();
}

void EditorWindow::guarded(const std::function<void()>& action)
{
    runGuarded(m_services, action);
    // A refused input shows the stored value again.
    refresh();
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

void EditorWindow::showEvent(QShowEvent* event)
{
    if (layout() && !layout()->menuBar()) {
        layout()->setMenuBar(m_menuBar);
        // Place the widgets now, not on the next pass of the event loop.
        layout()->activate();
    }
    // The mouse wheel passing over a box or a bar must not change a value the user never
    // chose: they take the wheel only once they have the focus.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractSlider*>(w)) {
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(this);
        }
        if (qobject_cast<QLineEdit*>(w))
            w->installEventFilter(this);
    }
    QDialog::showEvent(event);
    refresh();
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && keyForRecord(watched, static_cast<QKeyEvent*>(event))) {
        // Left unclaimed, the key reaches the Edit menu's action.
        event->ignore();
        return true;
    }
    if (watched == m_awaitedPopup && event->type() == QEvent::Hide) {
        m_awaitedPopup->removeEventFilter(this);
        disconnect(m_awaitedPopup, &QObject::destroyed, this, nullptr);
        m_awaitedPopup = nullptr;
        QMetaObject::invokeMethod(this, &EditorWindow::showRefusals, Qt::QueuedConnection);
    }
    if (event->type() == QEvent::Wheel) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && !w->hasFocus()) {
            event->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EditorWindow::onImport()
{
    bool done = false;
    guarded([this, &done] {
        m_services.document.changeWithTrackData(m_import->text(), [this](kvr::SettingsRecord& r, bool& known) {
            kvr::importEditor(m_services.context, r, m_services.prompt, m_editor, known);
        });
        done = true;
    });
    if (done)
        imported();
}

void EditorWindow::onExport()
{
    bool go = false;
    guarded([&] { go = confirmExport(m_services, m_editor); });
    if (!go)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    guarded([this] { kvr::exportEditor(m_services.context, record(), m_services.prompt, m_editor); });
    QApplication::restoreOverrideCursor();
}

void EditorWindow::onRestore()
{
    guarded([this] { m_services.restoreOriginal(); });
}

} // namespace kvrgui
