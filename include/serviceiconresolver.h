#ifndef SERVICEICONRESOLVER_H
#define SERVICEICONRESOLVER_H

#include "davovadezed_global.h"

#include <socialactivity.h>
#include <socialservice.h>

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

// Process-wide table of the theme icon id of each social service, reached
// through an activity's or an account's service. Kept current from the
// provider's account signals; an empty id means no icon.
class DAVOVADEZED_EXPORT ServiceIconResolver : public QObject
{
    Q_OBJECT
public:
    // Created without a parent on the first call; lives until the process ends.
    static ServiceIconResolver *instance();

    explicit ServiceIconResolver(QObject *parent = nullptr);
    ~ServiceIconResolver() override;

    // Fills the tables now, or once the provider is initialized.
    void init();

    // The returned reference is only valid until the tables change next:
    // copy it at once. A miss leaves an empty entry behind.
    const QString &iconForActivity(const SocialActivity &activity);
    const QString &iconForAccount(const QString &accountId);
    const QString &iconForService(const QString &serviceId);

    // Stores the service's icon under its id, if it has one.
    void resolveIcon(const SocialService &service);

protected slots:
    void onAccountsUpdated(const QStringList &accountIds);
    void onAccountsRemoved(const QStringList &accountIds);
    void onInitialized();

private:
    Q_DISABLE_COPY(ServiceIconResolver)

    bool isServiceInUse(const QString &serviceId) const;

    static ServiceIconResolver *m_instance;
    QHash<QString, QString> m_serviceIcons;
    QHash<QString, QString> m_accountServices;
};

#endif // SERVICEICONRESOLVER_H
