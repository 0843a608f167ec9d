#include "activitybubble_p.h"
#include "logging.h"
#include "messagetext_p.h"

#include <QRegExp>

namespace {

const char *validity(const QRegExp &expression)
{
    return expression.isValid() ? "Valid" : "Invalid";
}

// Writes every match to the log; the text is not changed.
void logMatches(const char *function, const char *label, const QRegExp &pattern,
                const QString &text)
{
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
    const QRegExp &reWeblink = MessageText::expression(MessageText::Weblinks);
    const QRegExp &reSchemeMissing = MessageText::expression(MessageText::MissingSchemes);
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << validity(reWeblink) << reWeblink.captureCount()
                           << validity(reSchemeMissing) << reSchemeMissing.captureCount() << text;

    // Walking the matches again costs as much as the conversion: only for
    // a log that shows them.
    MessageText::PassObserver logPass;
    if (lcDavovadezed().isDebugEnabled()) {
        const char *function = Q_FUNC_INFO;
        logPass = [function](MessageText::Pass pass, const QString &input) {
            logMatches(function, pass == MessageText::Weblinks ? "reWeblink" : "reSchemeMissing",
                       MessageText::expression(pass), input);
        };
    }
    const QString result = MessageText::toHtml(text, logPass);

    qCDebug(lcDavovadezed) << Q_FUNC_INFO << result;
    return result;
}
