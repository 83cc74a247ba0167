// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/qt_paths.h"

namespace kvrgui {

// Both hold UTF-16, so the name is copied as it is: no code page comes between.
std::filesystem::path toPath(const QString& name)
{
    return name.toStdWString();
}

QString fromPath(const std::filesystem::path& path)
{
    return QString::fromStdWString(path.native());
}

} // namespace kvrgui
