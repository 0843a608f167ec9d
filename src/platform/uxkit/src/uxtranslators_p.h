#ifndef UXTRANSLATORS_P_H
#define UXTRANSLATORS_P_H

class QString;
class QStringList;

// The translators installed for the default locale's catalogs.
namespace UxTranslators {

// Removes the translators installed before and installs the catalogs found
// for the locale. Without an application object nothing can be installed.
void reinstall(const QStringList &catalogs, const QString &localeName);

} // namespace UxTranslators

#endif // UXTRANSLATORS_P_H
