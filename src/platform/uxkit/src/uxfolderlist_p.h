#ifndef UXFOLDERLIST_P_H
#define UXFOLDERLIST_P_H

#include <QStringList>

#include <functional>

// The folders that the theme and the locales look for their files in, in
// the order they are tried.
namespace UxFolderList {

enum class Position { First, Last };

// Adds the folder, cleaned, unless it is empty or listed already.
void add(QStringList *folders, const QString &folder, Position position);

// The first <folder>/<fileName> that exists and that accepted, when given,
// takes (called with the file and its folder); an empty string when none.
QString find(const QStringList &folders, const QString &fileName,
             const std::function<bool(const QString &, const QString &)> &accepted = {});

} // namespace UxFolderList

#endif // UXFOLDERLIST_P_H
