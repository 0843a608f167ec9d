#include "openedurls.h"

#include <QDesktopServices>
#include <QStringList>

namespace {

QStringList schemes()
{
    return {QStringLiteral("http"),       QStringLiteral("https"), QStringLiteral("file"),
            QStringLiteral("javascript"), QStringLiteral("ftp"),   QStringLiteral("myapp"),
            QStringLiteral("data"),       QStringLiteral("mailto")};
}

} // namespace

OpenedUrls::OpenedUrls()
{
    for (const QString &scheme : schemes())
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

OpenedUrls::~OpenedUrls()
{
    for (const QString &scheme : schemes())
        QDesktopServices::unsetUrlHandler(scheme);
}

void OpenedUrls::open(const QUrl &url)
{
    urls.append(url);
}
