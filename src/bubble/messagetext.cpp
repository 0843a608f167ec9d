#include "activitybubble_p.h"
#include "logging.h"

#include <QRegExp>

namespace {

// Web links after white space or at the start: with the http or https
// scheme, ending in a known top-level domain, or of at least three labels.
const char s_weblinkPattern[] =
    R"re((\s|^)(((http(s?))\://([a-zA-Z0-9_-]+\.)+([a-zA-Z0-9\?%=&/_\.:#;-]+))|(([a-zA-Z0-9_-]+\.)+(?=AERO|aero|ARPA|arpa|ASIA|asia|BIZ|biz|CAT|cat|COM|com|COOP|coop|EDU|edu|GOV|gov|INFO|info|INT|int|JOBS|jobs|MIL|mil|MOBI|mobi|MUSEUM|museum|NAME|name|NET|net|ORG|org|PRO|pro|TEL|tel|TRAVEL|travel)([a-zA-Z0-9\?%=&/_\.:#;-]+))|(([a-zA-Z0-9_-]+\.){2,}[a-zA-Z]{2,}([a-zA-Z0-9\?%=&/_\.:#;-]*))))re";
const char s_weblinkReplacement[] = R"re(\1<a href="\2">\2</a>)re";

// Anchors whose href lacks the web scheme.
const char s_schemeMissingPattern[] =
    R"re(<a\s+href="(?!http(s?))([a-zA-Z0-9\?%=&/_\.-:#]+)\s*">)re";
const char s_schemeMissingReplacement[] = R"re(<a href="http://\1">)re";

const char *validity(const QRegExp &expression)
{
    return expression.isValid() ? "Valid" : "Invalid";
}

// Writes every match to the log; the text is not changed.
void logMatches(const char *function, const char *label, const QRegExp &pattern,
                const QString &text)
{
    if (!lcDavovadezed().isDebugEnabled())
        return;
    QRegExp expression(pattern);
    int position = 0;
    int count = 0;
    int index;
    while ((index = expression.indexIn(text, position)) != -1) {
        position = index + qMax(1, expression.matchedLength());
        ++count;
        qCDebug(lcDavovadezed) << function << label << count << expression.capturedTexts();
    }
}

} // namespace

QString ActivityBubblePrivate::convertToHtml(const QString &text)
{
    static const QRegExp reWeblink(QLatin1String(s_weblinkPattern), Qt::CaseSensitive,
                                   QRegExp::RegExp);
    static const QRegExp reSchemeMissing(QLatin1String(s_schemeMissingPattern), Qt::CaseSensitive,
                                         QRegExp::RegExp);

    QString result = text;
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << validity(reWeblink) << reWeblink.captureCount()
                           << validity(reSchemeMissing) << reSchemeMissing.captureCount() << result;

    logMatches(Q_FUNC_INFO, "reWeblink", reWeblink, result);
    result.replace(reWeblink, QLatin1String(s_weblinkReplacement));

    logMatches(Q_FUNC_INFO, "reSchemeMissing", reSchemeMissing, result);
    result.replace(reSchemeMissing, QLatin1String(s_schemeMissingReplacement));

    qCDebug(lcDavovadezed) << Q_FUNC_INFO << result;
    return result;
}
