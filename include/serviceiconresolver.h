#ifndef SERVICEICONRESOLVER_H
#define SERVICEICONRESOLVER_H

#include "davovadezed_global.h"

#include <socialactivity.h>
#include <socialservice.h>

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

/**
 * Process-wide table of the theme icon id of each social service, reached
 * through an activity's or an account's service. Kept current from the
 * provider's account signals; an empty id means no icon.
 *
 * The table is filled from the provider's services and accounts when it is
 * initialized. An account added or changed later maps to its service, whose
 * icon is fetched when it is not known yet; a known icon is not fetched
 * again. Removing the last account of a service drops its icon. Nothing is
 * fetched on a lookup: a service not learned in one of these ways has no
 * icon.
 */
class DAVOVADEZED_EXPORT ServiceIconResolver : public QObject
{
    Q_OBJECT
public:
    /** Created without a parent on the first call; lives until the process ends. */
    static ServiceIconResolver *instance();

    /**
     * A resolver apart from the shared one, following the provider's account
     * signals; it fills its tables at once through init().
     */
    explicit ServiceIconResolver(QObject *parent = nullptr);
    /** Clears the shared pointer when this is the shared resolver. */
    ~ServiceIconResolver() override;

    /** Fills the tables now, or once the provider is initialized. */
    void init();

    /**
     * The icon id of the service of the activity's account; empty when there
     * is none. The returned reference is only valid until the tables change
     * next: copy it at once. A miss leaves an empty entry behind.
     */
    const QString &iconForActivity(const SocialActivity &activity);
    /** The icon id of the account's service; see iconForActivity(). */
    const QString &iconForAccount(const QString &accountId);
    /** The icon id of the service; see iconForActivity(). */
    const QString &iconForService(const QString &serviceId);

    /**
     * Stores the service's icon under its id, if it has one; a service
     * without an icon changes nothing.
     */
    void resolveIcon(const SocialService &service);

protected slots:
    /**
     * Maps each account added or changed to its service, and fetches the
     * service's icon when it is not known yet. Accounts without a service are
     * passed over.
     */
    void onAccountsUpdated(const QStringList &accountIds);
    /**
     * Forgets the removed accounts, and the icon of each service left with no
     * account.
     */
    void onAccountsRemoved(const QStringList &accountIds);
    /**
     * Maps every account to its service and stores the icon of every service
     * that has one, keeping icons already stored.
     */
    void onInitialized();

private:
    Q_DISABLE_COPY(ServiceIconResolver)

    bool isServiceInUse(const QString &serviceId) const;

    static ServiceIconResolver *m_instance;
    QHash<QString, QString> m_serviceIcons;
    QHash<QString, QString> m_accountServices;
};

#endif // SERVICEICONRESOLVER_H
