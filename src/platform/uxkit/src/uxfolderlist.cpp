#include "uxfolderlist_p.h"

#include <QDir>
#include <QFileInfo>

void UxFolderList::add(QStringList *folders, const QString &folder, Position position)
{
    const QString path = QDir::cleanPath(folder);
    if (folder.isEmpty() || folders->contains(path))
        return;
    if (position == Position::First)
        folders->prepend(path);
    else
        folders->append(path);
}

QString UxFolderList::find(const QStringList &folders, const QString &fileName,
                           const std::function<bool(const QString &, const QString &)> &accepted)
{
    for (const QString &folder : folders) {
        const QString candidate = folder + QLatin1Char('/') + fileName;
        if (QFileInfo::exists(candidate) && (!accepted || accepted(candidate, folder)))
            return candidate;
    }
    return QString();
}
