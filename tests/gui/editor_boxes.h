// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor_harness.h"
#include "widgets/editor_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Tables over the editor windows: a window made fresh for each row, and its boxes found
// by name.
using Window = std::function<std::unique_ptr<kvrgui::EditorWindow>(kvrgui::EditorServices&)>;
Q_DECLARE_METATYPE(Window)

template <class W> Window window()
{
    return [](kvrgui::EditorServices& s) { return std::make_unique<W>(s); };
}

// Types into a box (a line or an editable combo box) over its text, the focus left in it.
inline void typeOver(QWidget* box, const QString& text)
{
    box->setFocus();
    if (QLineEdit* line =
            qobject_cast<QLineEdit*>(box) ? qobject_cast<QLineEdit*>(box) : qobject_cast<QComboBox*>(box)->lineEdit())
        line->selectAll();
    QTest::keyClicks(box, text);
}

// The same, then Enter.
inline void typeInto(QWidget* box, const QString& text)
{
    typeOver(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// A little-endian word of a game file.
inline std::uint16_t wordAt(const std::vector<std::uint8_t>& file, std::size_t at)
{
    return std::uint16_t(file.at(at) | file.at(at + 1) << 8);
}

// A word of the record the window edits.
inline std::uint16_t stored(const EditorHarness& h, std::size_t at)
{
    return h.document.record().word(at);
}

inline QWidget* boxNamed(QWidget& w, const char* name)
{
    auto* box = w.findChild<QWidget*>(QLatin1String(name));
    if (!box)
        qFatal("no box %s", name);
    return box;
}

inline QString boxText(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return qobject_cast<QComboBox*>(box)->currentText();
}
