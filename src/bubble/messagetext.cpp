#include "messagetext_p.h"

#include <QRegExp>
#include <QStringList>
#include <QStringRef>
#include <QVector>

#include <algorithm>
#include <array>

namespace {

// Web links after white space or at the start: with the http or https
// scheme, ending in a known top-level domain, or of at least three labels.
const char s_weblinkPattern[] =
    R"re((\s|^)(((http(s?))\://([a-zA-Z0-9_-]+\.)+([a-zA-Z0-9\?%=&/_\.:#;-]+))|(([a-zA-Z0-9_-]+\.)+(?=AERO|aero|ARPA|arpa|ASIA|asia|BIZ|biz|CAT|cat|COM|com|COOP|coop|EDU|edu|GOV|gov|INFO|info|INT|int|JOBS|jobs|MIL|mil|MOBI|mobi|MUSEUM|museum|NAME|name|NET|net|ORG|org|PRO|pro|TEL|tel|TRAVEL|travel)([a-zA-Z0-9\?%=&/_\.:#;-]+))|(([a-zA-Z0-9_-]+\.){2,}[a-zA-Z]{2,}([a-zA-Z0-9\?%=&/_\.:#;-]*))))re";

// Anchors whose href lacks the web scheme.
const char s_schemeMissingPattern[] =
    R"re(<a\s+href="(?!http(s?))([a-zA-Z0-9\?%=&/_\.-:#]+)\s*">)re";

// Letters, digits, '_' and '-' are label characters; with "?%=&/.:#;"
// they are the characters a link is made of. Each class holds the bits of
// the wider ones; any other character is 0.
enum CharacterClass : quint8 { Link = 1, Label = 3, Letter = 7 };

constexpr std::array<quint8, 128> characterClasses()
{
    std::array<quint8, 128> classes{};
    for (int c = 'a'; c <= 'z'; ++c)
        classes[c] = classes[c - 'a' + 'A'] = Letter;
    for (int c = '0'; c <= '9'; ++c)
        classes[c] = Label;
    classes['_'] = classes['-'] = Label;
    for (char c : {'?', '%', '=', '&', '/', '.', ':', '#', ';'})
        classes[c] = Link;
    return classes;
}

constexpr std::array<quint8, 128> s_characterClasses = characterClasses();

bool isOf(QChar c, CharacterClass characterClass)
{
    return c.unicode() < 128 &&
           (s_characterClasses[c.unicode()] & characterClass) == characterClass;
}

// The top-level names a link without a scheme may end in, as the pattern
// lists them.
QStringList knownTopLevelNames()
{
    const QString pattern = QLatin1String(s_weblinkPattern);
    const int start = pattern.indexOf(QLatin1String("(?=")) + 3;
    return pattern.mid(start, pattern.indexOf(QLatin1Char(')'), start) - start)
        .split(QLatin1Char('|'));
}

// Whether a run of link characters can start with a web link: with the
// scheme; or with labels and dots followed by a known top-level name, or by
// a third label starting with two letters. Cheap, and never wrong about a
// run that the pattern would match.
bool mayStartLink(const QStringRef &run)
{
    if (run.startsWith(QLatin1String("http://")) || run.startsWith(QLatin1String("https://")))
        return true;
    static const QStringList s_topLevelNames = knownTopLevelNames();
    int labels = 0;
    int position = 0;
    for (;;) {
        const int labelStart = position;
        while (position < run.size() && isOf(run.at(position), Label))
            ++position;
        if (position == labelStart || position == run.size() ||
            run.at(position) != QLatin1Char('.'))
            return false;
        ++position;
        ++labels;
        const QStringRef rest = run.mid(position);
        if (labels >= 2 && rest.size() >= 2 && isOf(rest.at(0), Letter) && isOf(rest.at(1), Letter))
            return true;
        for (const QString &name : s_topLevelNames) {
            if (rest.startsWith(name))
                return true;
        }
    }
}

// Where the anchors the conversion made start, in the text being built.
using AnchorOffsets = QVector<int>;

// A web link follows white space or the start and is made of link
// characters only, so every match lies in one run of them and the character
// before it. Only runs that can start a link go through the expression,
// each with that one character in front: the same matches as over the
// whole text, without scanning all of it.
QString replaceWeblinks(const QString &text, const QRegExp &weblink, AnchorOffsets *anchors)
{
    QString result;
    int copied = 0;
    int position = 0;
    while (position < text.size()) {
        if (!isOf(text.at(position), Link)) {
            ++position;
            continue;
        }
        int end = position;
        while (end < text.size() && isOf(text.at(end), Link))
            ++end;
        if (!mayStartLink(text.midRef(position, end - position))) {
            position = end;
            continue;
        }
        const int from = std::max(0, position - 1);
        const QString piece = text.mid(from, end - from);
        // The expression itself, not a copy as QString::replace() makes:
        // it keeps its prepared matcher from one call to the next.
        if (weblink.indexIn(piece) == 0) {
            // The white space before the link, then the link as an anchor.
            const QString link = weblink.cap(2);
            result += text.midRef(copied, from - copied);
            result += weblink.cap(1);
            anchors->append(result.size());
            result += QLatin1String("<a href=\"") + link + QLatin1String("\">") + link +
                      QLatin1String("</a>");
            result += piece.midRef(weblink.matchedLength());
            copied = end;
        }
        position = end;
    }
    if (copied == 0)
        return text;
    result += text.midRef(copied);
    return result;
}

// Puts the web scheme in front of anchors without one. Like
// QString::replace(), but with the expression itself, not a copy. The
// offsets of the anchors made before follow the text.
QString addMissingSchemes(const QString &html, const QRegExp &schemeMissing, AnchorOffsets *anchors)
{
    QString result;
    int copied = 0;
    int index;
    auto anchor = anchors->begin();
    while ((index = schemeMissing.indexIn(html, copied)) != -1) {
        const int shift = result.size() - copied;
        for (; anchor != anchors->end() && *anchor <= index; ++anchor)
            *anchor += shift;
        result += html.midRef(copied, index - copied);
        result += QLatin1String("<a href=\"http://") + schemeMissing.cap(1) + QLatin1String("\">");
        copied = index + std::max(1, schemeMissing.matchedLength());
    }
    if (copied == 0)
        return html;
    const int shift = result.size() - copied;
    for (; anchor != anchors->end(); ++anchor)
        *anchor += shift;
    result += html.midRef(copied);
    return result;
}

// The second expression passes over hrefs with a hyphen or a semicolon and
// those that only begin with "http": without a scheme a tap cannot open them.
QString addSchemeToAnchors(const QString &html, const AnchorOffsets &anchors)
{
    static const QLatin1String s_tagStart("<a href=\"");
    QString result;
    int copied = 0;
    for (const int anchor : anchors) {
        const int href = anchor + s_tagStart.size();
        const QStringRef rest = html.midRef(href);
        if (rest.startsWith(QLatin1String("http://")) || rest.startsWith(QLatin1String("https://")))
            continue;
        result += html.midRef(copied, href - copied);
        result += QLatin1String("http://");
        copied = href;
    }
    if (copied == 0)
        return html;
    result += html.midRef(copied);
    return result;
}

} // namespace

const QRegExp &MessageText::expression(Pass pass)
{
    static const QRegExp s_weblink(QLatin1String(s_weblinkPattern), Qt::CaseSensitive,
                                   QRegExp::RegExp);
    static const QRegExp s_schemeMissing(QLatin1String(s_schemeMissingPattern), Qt::CaseSensitive,
                                         QRegExp::RegExp);
    return pass == Weblinks ? s_weblink : s_schemeMissing;
}

QString MessageText::toHtml(const QString &text, const PassObserver &observer)
{
    AnchorOffsets anchors;
    if (observer)
        observer(Weblinks, text);
    QString result = replaceWeblinks(text, expression(Weblinks), &anchors);

    if (observer)
        observer(MissingSchemes, result);
    // Every match starts with the tag.
    if (result.contains(QLatin1String("<a")))
        result = addMissingSchemes(result, expression(MissingSchemes), &anchors);
    return addSchemeToAnchors(result, anchors);
}
