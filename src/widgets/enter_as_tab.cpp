// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/enter_as_tab.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace kvrgui {

namespace {
constexpr const char* kProperty = "kvrEnterAsTab";
constexpr const char* kKeepsEnter = "kvrKeepsEnter";
} // namespace

void EnterAsTab::enable(QWidget* window)
{
    window->setProperty(kProperty, true);
    static EnterAsTab* filter = nullptr;
    if (!filter) {
        filter = new EnterAsTab(qApp);
        qApp->installEventFilter(filter);
    }
}

void EnterAsTab::keepEnter(QWidget* control)
{
    control->setProperty(kKeepsEnter, true);
}

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget != QApplication::focusWidget() || !widget->window()->property(kProperty).toBool())
        return false;
    if (qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget) ||
        widget->property(kKeepsEnter).toBool())
        return false;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(widget, &tab);
    return true;
}

} // namespace kvrgui
