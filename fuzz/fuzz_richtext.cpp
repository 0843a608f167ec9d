// Drives the message conversion with arbitrary text, escaped as a bubble
// escapes an activity's description. Besides crashes, sanitizer reports and
// slow inputs it checks that the conversion only adds links: with the anchors
// taken out and the escaped characters read back, the message is the
// description, and every anchor points at its own visible text, with
// "http://" in front of it at most.
#include <messagetext_p.h>

#include <QString>
#include <QStringRef>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "fuzz_richtext: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

// Reads one escaped character at html[*pos] and steps past it.
QChar unescapeAt(const QString &html, int *pos)
{
    static const struct
    {
        QLatin1String entity;
        QChar character;
    } s_entities[] = {{QLatin1String("&lt;"), QLatin1Char('<')},
                      {QLatin1String("&gt;"), QLatin1Char('>')},
                      {QLatin1String("&quot;"), QLatin1Char('"')},
                      {QLatin1String("&amp;"), QLatin1Char('&')}};
    if (html.at(*pos) == QLatin1Char('&')) {
        for (const auto &e : s_entities) {
            if (html.midRef(*pos).startsWith(e.entity)) {
                *pos += e.entity.size();
                return e.character;
            }
        }
        broken("an ampersand that is not an entity", html);
    }
    return html.at((*pos)++);
}

// The description the message was made from, checking the anchors on the way.
QString plainText(const QString &html)
{
    static const QLatin1String s_open("<a href=\"");
    static const QLatin1String s_close("</a>");
    QString text;
    int pos = 0;
    while (pos < html.size()) {
        if (html.at(pos) != QLatin1Char('<')) {
            text += unescapeAt(html, &pos);
            continue;
        }
        if (!html.midRef(pos).startsWith(s_open))
            broken("a tag that is not an anchor", html);
        const int hrefStart = pos + s_open.size();
        const int hrefEnd = html.indexOf(QLatin1String("\">"), hrefStart);
        const int labelEnd = html.indexOf(s_close, hrefEnd);
        if (hrefEnd < 0 || labelEnd < 0)
            broken("an unterminated anchor", html);
        const QString href = html.mid(hrefStart, hrefEnd - hrefStart);
        const QString label = html.mid(hrefEnd + 2, labelEnd - hrefEnd - 2);
        if (label.isEmpty() || label.contains(QLatin1Char('<')))
            broken("an empty or nested anchor", html);
        if (href != label && href != QLatin1String("http://") + label)
            broken("an anchor that points elsewhere than its text", html);
        int labelPos = 0;
        while (labelPos < label.size())
            text += unescapeAt(label, &labelPos);
        pos = labelEnd + s_close.size();
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString description = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QString message = MessageText::toHtml(description.toHtmlEscaped());
    if (plainText(message) != description)
        broken("the message does not read back as the description", message);
    return 0;
}
