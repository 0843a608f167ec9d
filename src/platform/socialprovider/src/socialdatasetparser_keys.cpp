#include "socialdatasetparser_p.h"

#include <QSet>
#include <QVector>

#include <algorithm>
#include <cstring>

namespace {

// Qt's parser refuses deeper documents itself, with its own message.
const int s_maxNesting = 1024;

// One open object or array.
struct Level
{
    QString name;    // what its parent calls it
    QString lastKey; // in an object, the key whose value comes next
    int index = 0;   // in an array, the element that comes next
    bool isObject = false;
    bool expectsKey = false;
    QSet<QByteArray> keys;
};

QString pathOf(const QVector<Level> &levels)
{
    QString path;
    for (const Level &level : levels) {
        if (!path.isEmpty() && !level.name.startsWith(QLatin1Char('[')))
            path += QLatin1Char('.');
        path += level.name;
    }
    return path;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The text of a string whose body holds escapes, as UTF-8 like the others.
QByteArray unescaped(const char *body, int size)
{
    QString text;
    int copied = 0;
    for (int i = 0; i < size; ++i) {
        if (body[i] != '\\')
            continue;
        text += QString::fromUtf8(body + copied, i - copied);
        const char escape = i + 1 < size ? body[++i] : '\\';
        static const char s_plain[] = "\"\\/bfnrt";
        static const char s_meant[] = "\"\\/\b\f\n\r\t";
        if (escape == 'u') {
            int unit = 0;
            for (int digit = 0; digit < 4 && i + 1 < size; ++digit)
                unit = unit * 16 + std::max(0, hexValue(body[++i]));
            text += QChar(ushort(unit));
        } else if (const char *found = escape ? std::strchr(s_plain, escape) : nullptr) {
            text += QLatin1Char(s_meant[found - s_plain]);
        }
        copied = i + 1;
    }
    text += QString::fromUtf8(body + copied, size - copied);
    return text.toUtf8();
}

} // namespace

// Qt's parser keeps the last of two equal keys without a word, so a second
// "activities" would silently replace the first. One pass over the bytes,
// without recursion; anything that is not JSON is left for the parser to
// name.
bool SocialDataSetParser::checkUniqueKeys(const QByteArray &json)
{
    QVector<Level> levels;
    const char *data = json.constData();
    const int size = json.size();
    for (int i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == '"') {
            const int start = i + 1;
            bool escaped = false;
            for (++i; i < size && data[i] != '"'; ++i) {
                if (data[i] == '\\') {
                    escaped = true;
                    ++i;
                }
            }
            if (i >= size)
                return true;
            if (levels.isEmpty() || !levels.constLast().expectsKey)
                continue;
            Level &level = levels.last();
            const QByteArray key = escaped ? unescaped(data + start, i - start)
                                           : QByteArray::fromRawData(data + start, i - start);
            level.lastKey = QString::fromUtf8(key);
            if (level.keys.contains(key))
                return fail(pathOf(levels),
                            QStringLiteral("duplicate field \"%1\"").arg(level.lastKey));
            level.keys.insert(key);
            level.expectsKey = false;
        } else if (c == '{' || c == '[') {
            if (levels.size() >= s_maxNesting)
                return true;
            Level opened;
            if (!levels.isEmpty()) {
                const Level &parent = levels.constLast();
                opened.name =
                    parent.isObject ? parent.lastKey : QStringLiteral("[%1]").arg(parent.index);
            }
            opened.isObject = c == '{';
            opened.expectsKey = opened.isObject;
            levels.append(opened);
        } else if (c == ',') {
            if (levels.isEmpty())
                return true;
            levels.last().expectsKey = levels.constLast().isObject;
            ++levels.last().index;
        } else if (c == '}' || c == ']') {
            if (levels.isEmpty() || levels.constLast().isObject != (c == '}'))
                return true;
            levels.removeLast();
        }
    }
    return true;
}
