// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/spoken_name.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace kvrgui {

void setSpokenName(QWidget* control, const QString& name)
{
    const QString spoken = name.trimmed();
    control->setAccessibleName(spoken);
    if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
        box->lineEdit()->setAccessibleName(spoken);
}

void nameByLabel(QLabel* label, QWidget* control, const QString& spoken)
{
    const QString name = spoken.trimmed().isEmpty() ? label->text().remove(QLatin1Char('&')) : spoken;
    label->setBuddy(control);
    label->setAccessibleName(name.trimmed());
    setSpokenName(control, name);
}

} // namespace kvrgui
