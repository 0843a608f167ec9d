#ifndef SOCIALPROVIDERMANAGER_H
#define SOCIALPROVIDERMANAGER_H

#include "socialactivity.h"
#include "socialnetworkperson.h"
#include "socialprovidertimeline.h"
#include "socialservice.h"
#include "socialserviceaccount.h"

#include <QList>
#include <QObject>
#include <QStringList>

class SocialDataRequest;
class SocialDataStore;

// The provider's entry point: its accounts, services and requests, and the
// live updates of its data.
class SOCIALPROVIDER_EXPORT SocialProviderManager : public QObject
{
    Q_OBJECT
public:
    // Always the same object; it lives until the process ends.
    static SocialProviderManager *instance();

    // True once the accounts and services are known; until then users wait
    // for initialized().
    bool isInitialized() const;

    QList<SocialServiceAccount> accounts() const;
    // The account with that id, or an empty record when there is none.
    SocialServiceAccount account(const QString &id) const;
    QList<SocialService> services() const;
    SocialService service(const QString &id) const;

    // Starts the request on the given accounts (empty: every account). The
    // request finishes on a later turn of the event loop, never inside this
    // call.
    void performRequest(SocialDataRequest *request, const QList<SocialServiceAccount> &accounts);

    // The provider's data, for loading a data set and for changing it in
    // place of the network.
    SocialDataStore *store() const;

signals:
    void initialized();
    void accountsAdded(const QStringList &accountIds);
    void accountsChanged(const QStringList &accountIds);
    void accountsRemoved(const QStringList &accountIds);
    // updatedProperties names the changed properties; empty means whole
    // records.
    void activityUpdate(const QList<SocialActivity> &activities,
                        const QList<QString> &updatedProperties,
                        SocialProviderTimeline::TimelineType timeline);
    void personsUpdate(const QList<SocialNetworkPerson> &persons,
                       const QList<QString> &updatedProperties);
    // Emitted by performRequest before the request starts, so that tools and
    // tests can see what was asked.
    void requestPerformed(SocialDataRequest *request);

private:
    SocialProviderManager();
    ~SocialProviderManager() override;

    void finish(SocialDataRequest *request);

    SocialDataStore *m_store;
};

#endif // SOCIALPROVIDERMANAGER_H
