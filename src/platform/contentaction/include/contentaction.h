#ifndef CONTENTACTION_H
#define CONTENTACTION_H

#include "contentaction_global.h"

#include <QString>
#include <QUrl>

namespace ContentAction {

// What the default handler does with one URI or local file. A default
// constructed action is invalid and opens nothing.
class CONTENTACTION_EXPORT Action
{
public:
    Action() = default;

    // Accepts absolute URIs ("http://...", "mailto:...", "file:///...") and
    // absolute local paths ("/home/x.jpg").
    static Action defaultActionForScheme(const QString &uri);

    bool isValid() const;
    // The URI to open; a local path comes back as a "file" URL. Empty when invalid.
    QUrl url() const;
    // Hands the URI to the handler registered for its scheme.
    void trigger() const;

private:
    Action(const QString &source, const QUrl &url);

    QString m_source; // kept to say what was refused
    QUrl m_url;
};

} // namespace ContentAction

#endif // CONTENTACTION_H
