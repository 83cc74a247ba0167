#pragma once

#include "editor_harness.h"
#include "widgets/editor_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <functional>
#include <memory>

// Tables over the editor windows: a window made fresh for each row, and its boxes found
// by name.
using Window = std::function<std::unique_ptr<kvrgui::EditorWindow>(kvrgui::EditorServices&)>;
Q_DECLARE_METATYPE(Window)

template <class W> Window window()
{
    return [](kvrgui::EditorServices& s) { return std::make_unique<W>(s); };
}

// Types into a box (a line or an editable combo box) over its text, then Enter.
inline void typeInto(QWidget* box, const QString& text)
{
    box->setFocus();
    if (QLineEdit* line = qobject_cast<QLineEdit*>(box) ? qobject_cast<QLineEdit*>(box)
                                                         : qobject_cast<QComboBox*>(box)->lineEdit())
        line->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
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
