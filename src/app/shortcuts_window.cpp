// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shortcuts_window.h"

#include "widgets/record_document.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvrgui {

namespace {

// A menu text as read: without the marks of its underlined letter.
QString plain(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

void collect(const QMenu* menu, const QString& path, std::vector<std::pair<QString, QString>>& rows)
{
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        const QVariant own = a->property(RecordDocument::kActionName);
        const QString here = path + QStringLiteral(" > ") + plain(own.isValid() ? own.toString() : a->text());
        if (a->menu()) {
            collect(a->menu(), here, rows);
            continue;
        }
        QStringList keys;
        for (const QKeySequence& k : a->shortcuts())
            keys << k.toString(QKeySequence::NativeText);
        if (!keys.isEmpty())
            rows.emplace_back(keys.join(QStringLiteral(", ")), here);
    }
}

} // namespace

TShortcutsForm::TShortcutsForm(const QMenuBar* menus, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("shortcutsWindow"));
    setWindowTitle(tr("Keyboard shortcuts"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("shortcutTable"));
    m_table->setHorizontalHeaderLabels({tr("Keys"), tr("What they do")});
    m_table->setAccessibleName(tr("Keyboard shortcuts"));
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);

    std::vector<std::pair<QString, QString>> rows;
    for (const QAction* a : menus->actions())
        if (a->menu())
            collect(a->menu(), plain(a->text()), rows);
    for (const auto& [keys, what] : rows)
        addRow(keys, what);
    const auto key = [](QKeySequence k) { return k.toString(QKeySequence::NativeText); };
    addRow(tr("Enter"), tr("Moves to the next field, as Tab does (in the main window and the editor windows)"));
    addRow(tr("Esc"), tr("Closes an editor window, keeping its changes, as \"Back\" does"));
    addRow(tr("Alt+underlined letter"), tr("Opens that menu, or presses that button"));
    addRow(key(QKeySequence(Qt::ALT | Qt::Key_Up)) + QStringLiteral(", ") + key(QKeySequence(Qt::ALT | Qt::Key_Down)),
           tr("Pit line: exchanges the selected team with the one above or below"));
    addRow(tr("Space"), tr("Helmets: picks up the selected driver's helmet; on another driver, swaps the two"));
    addRow(tr("Esc"), tr("Helmets: puts a picked-up helmet down again"));

    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    int width = m_table->verticalScrollBar()->sizeHint().width() + 4 * m_table->frameWidth();
    for (int c = 0; c < m_table->columnCount(); ++c)
        width += m_table->columnWidth(c);
    m_table->setMinimumSize(width, 360);
    layout->addWidget(m_table);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TShortcutsForm::addRow(const QString& keys, const QString& what)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    m_table->setItem(row, 0, new QTableWidgetItem(keys));
    m_table->setItem(row, 1, new QTableWidgetItem(what));
}

} // namespace kvrgui
