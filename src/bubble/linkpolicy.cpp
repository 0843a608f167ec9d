#include "linkpolicy_p.h"

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

} // namespace LinkPolicy
