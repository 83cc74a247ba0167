// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/menu_bar_focus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace kvrgui {

namespace {

constexpr const char* kShown = "kvrMenuBarFocusShown";

// Some styles (Fusion among them) draw a chosen title only while its menu is open: a bar
// holding the focus draws it so too.
class FocusedTitleStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_MenuBarItem && widget && widget->hasFocus() && (option->state & State_Selected)) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QStyleOptionMenuItem shown(*item);
                shown.state |= State_Sunken;
                QProxyStyle::drawControl(element, &shown, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

class MenuBarFocus : public QObject {
  public:
    explicit MenuBarFocus(QMenuBar* bar) : QObject(bar), m_bar(bar)
    {
        auto* style = new FocusedTitleStyle(QApplication::style()->name());
        style->setParent(bar);
        bar->setStyle(style);
        bar->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (now == m_bar && old && old != m_bar && old->window() == m_bar->window())
                m_returnTo = old;
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_bar || event->type() != QEvent::KeyPress || !m_bar->hasFocus())
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Escape && key != Qt::Key_Tab && key != Qt::Key_Backtab)
            return false;
        // Losing the focus ends the bar's keyboard mode and takes the highlight away.
        if (m_returnTo && m_returnTo->isVisible() && m_returnTo->isEnabled())
            m_returnTo->setFocus(Qt::MenuBarFocusReason);
        else
            focusFirstControl();
        return true;
    }

  private:
    void focusFirstControl()
    {
        QWidget* window = m_bar->window();
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
            if (w != m_bar && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
                w->setFocus(Qt::MenuBarFocusReason);
                return;
            }
        m_bar->clearFocus();
    }

    QMenuBar* m_bar;
    QPointer<QWidget> m_returnTo;
};

} // namespace

void showMenuBarFocus(QMenuBar* bar)
{
    if (bar->property(kShown).toBool())
        return;
    bar->setProperty(kShown, true);
    new MenuBarFocus(bar);
}

} // namespace kvrgui
