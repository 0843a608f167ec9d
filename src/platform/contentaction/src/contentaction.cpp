#include "contentaction.h"
#include "contentactionlogging_p.h"

#include <QDebug>
#include <QDesktopServices>

namespace ContentAction {

namespace {

// Schemes that name a server; without a host they point nowhere.
bool needsHost(const QString &scheme)
{
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("ftp");
}

QUrl parse(const QString &uri)
{
    const QString text = uri.trimmed();
    if (text.isEmpty()) {
        return {};
    }
    if (text.startsWith(QLatin1Char('/'))) {
        return QUrl::fromLocalFile(text);
    }
    const QUrl url(text);
    if (!url.isValid() || url.isRelative()) {
        return {};
    }
    if (needsHost(url.scheme()) && url.host().isEmpty()) {
        return {};
    }
    if (url.host().isEmpty() && url.path().isEmpty()) {
        return {};
    }
    return url;
}

} // namespace

Action::Action(const QString &source, const QUrl &url) : m_source(source), m_url(url) {}

Action Action::defaultActionForScheme(const QString &uri)
{
    return Action(uri, parse(uri));
}

bool Action::isValid() const
{
    return m_url.isValid();
}

QUrl Action::url() const
{
    return m_url;
}

void Action::trigger() const
{
    if (!isValid()) {
        qCWarning(lcContentAction) << Q_FUNC_INFO << "Will not open an invalid URI" << m_source;
        return;
    }
    if (!QDesktopServices::openUrl(m_url)) {
        qCWarning(lcContentAction) << Q_FUNC_INFO << "No handler could open" << m_url.toString();
    }
}

} // namespace ContentAction
