// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/qt_paths.h"

#include <QFile>

namespace kvrgui {

// The system's bytes, as Qt's own file functions encode them.
std::filesystem::path toPath(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

QString fromPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

} // namespace kvrgui
