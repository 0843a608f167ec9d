#include "linkpolicy_p.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>

namespace LinkPolicy {

bool isWebLink(const QString &url)
{
    const QUrl parsed(url.trimmed());
    // QUrl keeps schemes in lower case.
    const QString scheme = parsed.scheme();
    return parsed.isValid() && !parsed.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

QString localImageFile(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    if (!info.isFile())
        return QString();
    const QString type = QMimeDatabase().mimeTypeForFile(info).name();
    return type.startsWith(QLatin1String("image/")) ? info.absoluteFilePath() : QString();
}

} // namespace LinkPolicy
