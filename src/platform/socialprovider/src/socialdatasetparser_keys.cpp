#include "socialdatasetparser_p.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

// Qt's parser refuses deeper documents itself, with its own message.
const int s_maxNesting = 1024;

// One open object or array.
struct Level
{
    QString name;             // what its parent calls it
    std::string_view lastKey; // in an object, the key whose value comes next
    int index = 0;            // in an array, the element that comes next
    bool isObject = false;
    bool expectsKey = false;
    // Views of the input, or of the decoded keys: no copy of each key.
    std::unordered_set<std::string_view> keys;
};

QString textOf(std::string_view key)
{
    return QString::fromUtf8(key.data(), int(key.size()));
}

QString pathOf(const std::vector<Level> &levels)
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
std::string unescaped(const char *body, int size)
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
    return text.toStdString();
}

} // namespace

// Qt's parser keeps the last of two equal keys without a word, so a second
// "activities" would silently replace the first. One pass over the bytes,
// without recursion; anything that is not JSON is left for the parser to
// name.
bool SocialDataSetParser::checkUniqueKeys(const QByteArray &json)
{
    std::vector<Level> levels;
    std::deque<std::string> decodedKeys;
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
            if (levels.empty() || !levels.back().expectsKey)
                continue;
            Level &level = levels.back();
            std::string_view key(data + start, size_t(i - start));
            if (escaped) {
                decodedKeys.push_back(unescaped(key.data(), int(key.size())));
                key = decodedKeys.back();
            }
            level.lastKey = key;
            level.expectsKey = false;
            if (!level.keys.insert(key).second)
                return fail(pathOf(levels),
                            QStringLiteral("duplicate field \"%1\"").arg(textOf(key)));
        } else if (c == '{' || c == '[') {
            if (levels.size() >= size_t(s_maxNesting))
                return true;
            QString name;
            if (!levels.empty()) {
                const Level &parent = levels.back();
                name = parent.isObject ? textOf(parent.lastKey)
                                       : QStringLiteral("[%1]").arg(parent.index);
            }
            levels.emplace_back();
            levels.back().name = name;
            levels.back().isObject = c == '{';
            levels.back().expectsKey = c == '{';
        } else if (c == ',') {
            if (levels.empty())
                return true;
            levels.back().expectsKey = levels.back().isObject;
            ++levels.back().index;
        } else if (c == '}' || c == ']') {
            if (levels.empty() || levels.back().isObject != (c == '}'))
                return true;
            levels.pop_back();
        }
    }
    return true;
}
