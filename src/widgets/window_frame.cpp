// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_frame.h"

#include "editors/picture_history.h"
#include "widgets/editor_services.h"
#include "widgets/enter_as_tab.h"
#include "widgets/menu_bar_focus.h"
#include "widgets/record_document.h"
#include "widgets/show_first_prompt.h"
#include "widgets/translation_qt.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <vector>

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
bool keyForEditMenu(QObject* box, QKeyEvent* key)
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

QString stepCaption(const QString& caption, const char* step)
{
    // The picture windows' steps are texts of theirs, all filed under "Pictures".
    return step ? caption + QLatin1Char(' ') + coreText({"Pictures", step}) : caption;
}

} // namespace

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

WindowFrame::WindowFrame(EditorServices& services, const QString& caption, QWidget* parent)
    : WindowFrame(services.prompt, caption, parent)
{
    m_services = &services;
    m_fatal = services.fatal;
    const QList<QAction*> undoRedo = services.document.createEditActions(this);
    setEditActions(undoRedo[0], undoRedo[1]);
}

WindowFrame::WindowFrame(kvr::UserPrompt& prompt, const QString& caption, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | flags), m_prompt(prompt)
{
    setWindowTitle(caption);
    setModal(true);
    EnterAsTab::enable(this);
}

WindowFrame::~WindowFrame()
{
    // Going, the window takes the focus from its box, whose check would then call into a
    // window already half gone.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

QPushButton* WindowFrame::addButton(const QString& text, const char* name)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* WindowFrame::buttonRow(std::initializer_list<QPushButton*> buttons)
{
    if (!m_back) {
        m_back = addButton(tr("Back"), "backButton");
        QFont bold = m_back->font();
        bold.setBold(true);
        m_back->setFont(bold);
        connect(m_back, &QPushButton::clicked, this, &QDialog::accept);
    }
    std::vector<QWidget*> row(buttons.begin(), buttons.end());
    row.push_back(m_back);
    // Each goes right after the window's last control that Tab reaches, then the next
    // after it: the window opens with its first control in focus.
    QWidget* last = previousInFocusChain();
    while (last != this && (!(last->focusPolicy() & Qt::TabFocus) || std::ranges::count(row, last)))
        last = last->previousInFocusChain();
    for (QWidget* b : row) {
        if (!(b->focusPolicy() & Qt::TabFocus))
            continue;
        if (last != this)
            setTabOrder(last, b);
        last = b;
    }

    auto* layout = new QHBoxLayout;
    for (QPushButton* b : buttons)
        layout->addWidget(b);
    layout->addStretch();
    layout->addWidget(m_back);
    return layout;
}

void WindowFrame::setEditActions(QAction* undo, QAction* redo)
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        showMenuBarFocus(m_menuBar);
        m_editMenu = m_menuBar->addMenu(tr("&Edit"));
    }
    delete m_undo;
    delete m_redo;
    m_undo = undo;
    m_redo = redo;
    m_undo->setObjectName(QStringLiteral("undoAction"));
    m_redo->setObjectName(QStringLiteral("redoAction"));
    m_editMenu->addActions({m_undo, m_redo});
}

void WindowFrame::useOwnHistory(kvr::UndoSteps& steps)
{
    auto* undo = new QAction(this);
    auto* redo = new QAction(this);
    RecordDocument::giveEditKeys(undo, redo);
    connect(undo, &QAction::triggered, this, [this, &steps] { guarded([&] { steps.undo(); }); });
    connect(redo, &QAction::triggered, this, [this, &steps] { guarded([&] { steps.redo(); }); });
    m_steps = &steps;
    setEditActions(undo, redo);
    showSteps();
}

void WindowFrame::showSteps()
{
    if (!m_steps)
        return;
    m_undo->setText(stepCaption(RecordDocument::undoCaption(), m_steps->undoStep()));
    m_undo->setEnabled(m_steps->undoStep() != nullptr);
    m_redo->setText(stepCaption(RecordDocument::redoCaption(), m_steps->redoStep()));
    m_redo->setEnabled(m_steps->redoStep() != nullptr);
}

bool WindowFrame::guarded(const std::function<void()>& action)
{
    ++m_acting;
    bool done = false;
    try {
        done = runGuarded(m_prompt, m_fatal, action);
    } catch (...) {
        --m_acting;
        throw;
    }
    if (--m_acting == 0) {
        showSteps();
        showState();
    }
    return done;
}

bool WindowFrame::guarded(const std::function<void(kvr::UserPrompt&)>& action)
{
    ShowFirstPrompt prompt(m_prompt, [this] {
        showSteps();
        showState();
    });
    return guarded([&] { action(prompt); });
}

void WindowFrame::showEvent(QShowEvent* event)
{
    if (m_menuBar && layout() && !layout()->menuBar()) {
        layout()->setMenuBar(m_menuBar);
        // Place the widgets now, not on the next pass of the event loop.
        layout()->activate();
    }
    // The mouse wheel passing over a box or a bar must not change a value the user never
    // chose: they take the wheel only once they have the focus. A scroll bar changes no
    // value and scrolls as ever.
    for (QWidget* w : findChildren<QWidget*>()) {
        const bool valueBar = qobject_cast<QAbstractSlider*>(w) && !qobject_cast<QScrollBar*>(w);
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) || valueBar) {
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(this);
        }
        if (qobject_cast<QLineEdit*>(w))
            w->installEventFilter(this);
    }
    QDialog::showEvent(event);
    showSteps();
    showState();
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && keyForEditMenu(watched, static_cast<QKeyEvent*>(event))) {
        // Left unclaimed, the key reaches the Edit menu's action.
        event->ignore();
        return true;
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

} // namespace kvrgui
