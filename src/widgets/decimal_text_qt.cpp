// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/decimal_text_qt.h"

#include "widgets/translation_qt.h"

namespace kvrgui {

QLocale languageLocale()
{
    QLocale locale(currentLanguage());
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString shownDecimal(std::string_view coreText)
{
    // The sign stays the core's '-', which the core reads back.
    const QString point = languageLocale().decimalPoint();
    QString shown;
    for (const char c : coreText)
        shown += c == '.' ? point : QString(QLatin1Char(c));
    return shown;
}

} // namespace kvrgui
