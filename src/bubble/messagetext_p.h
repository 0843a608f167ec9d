#ifndef MESSAGETEXT_P_H
#define MESSAGETEXT_P_H

#include <QString>

#include <functional>

class QRegExp;

// A message text as rich text: web links become anchors, and anchors
// without the web scheme get "http://". Plain text in, markup out; nothing
// else is changed, so the caller escapes the text first. Needs no widget,
// provider or plugin.
namespace MessageText {

// The two passes over the text, in the order they run.
enum Pass { Weblinks, MissingSchemes };

// The expression a pass matches with.
const QRegExp &expression(Pass pass);

// Told the text each pass starts from, before it runs.
using PassObserver = std::function<void(Pass pass, const QString &text)>;

QString toHtml(const QString &text, const PassObserver &observer = PassObserver());

} // namespace MessageText

#endif // MESSAGETEXT_P_H
