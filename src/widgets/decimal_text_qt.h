// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <string_view>

namespace kvrgui {

// The number conventions of the language the editor speaks (not the system's): a comma
// before the decimals in German, French, Italian, Spanish and Dutch. No group separators:
// a box shows "1500,000", never "1.500,000".
QLocale languageLocale();

// A decimal number the core wrote ("-12.300") as the language writes it ("-12,300"). The
// boxes hand what is typed to the core as it is: the core takes "." and "," alike, so a
// German "1,5" and "1.5" both mean one and a half.
QString shownDecimal(std::string_view coreText);

} // namespace kvrgui
