// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/file_places_qt.h"

#include "widgets/qt_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace kvrgui {

namespace {

using Kind = kvr::FileRequest::Kind;

// The keys in kvrdesk.ini: once written they stay, whatever the kinds are called in code.
QString kindKey(Kind kind)
{
    switch (kind) {
    case Kind::Settings:
        return QStringLiteral("settings");
    case Kind::Patch:
        return QStringLiteral("patches");
    case Kind::Helmet:
        return QStringLiteral("helmets");
    case Kind::Painting:
        return QStringLiteral("paintings");
    case Kind::ColourPicture:
        return QStringLiteral("colourPictures");
    case Kind::GameProgram:
        return QStringLiteral("gamePrograms");
    case Kind::GameCd:
        return QStringLiteral("gameCds");
    case Kind::Other:
        break;
    }
    return QStringLiteral("other");
}

QString key(Kind kind, const char* what)
{
    return QStringLiteral("fileDialogs/") + kindKey(kind) + QLatin1Char('/') + QLatin1String(what);
}

bool isFolder(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

} // namespace

QString startingFolder(const kvr::FileRequest& request, const QSettings* memory)
{
    if (memory) {
        const QString remembered = memory->value(key(request.kind, "folder")).toString();
        if (isFolder(remembered))
            return remembered;
    }
    if (!request.initialDirectory.empty() && isFolder(fromPath(request.initialDirectory)))
        return fromPath(request.initialDirectory);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return isFolder(documents) ? documents : QDir::homePath();
}

QString suggestedName(const kvr::FileRequest& request, const QSettings* memory)
{
    if (!request.fileName.empty() || request.mode == kvr::FileRequest::Mode::Open)
        return QString::fromStdString(request.fileName);
    const QString saved = memory ? memory->value(key(request.kind, "file")).toString() : QString();
    return saved.isEmpty() ? QString::fromStdString(request.usualName) : saved;
}

void rememberChoice(const kvr::FileRequest& request, const QString& file, QSettings* memory)
{
    if (!memory || file.isEmpty())
        return;
    const QFileInfo chosen(file);
    memory->setValue(key(request.kind, "folder"), chosen.absolutePath());
    if (request.mode == kvr::FileRequest::Mode::Save)
        memory->setValue(key(request.kind, "file"), chosen.fileName());
}

} // namespace kvrgui
