#ifndef SOCIALDATASTORE_H
#define SOCIALDATASTORE_H

#include "socialactivity.h"
#include "socialnetworkperson.h"
#include "socialprovidererror.h"
#include "socialprovidertimeline.h"
#include "socialservice.h"
#include "socialserviceaccount.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class SocialProviderManager;

// The provider's local data: services, accounts, persons and activities.
// It is loaded from a data-set file (see docs/dataset.md) or built through
// the calls below; every change is broadcast through the manager's signals
// as the network provider would.
class SOCIALPROVIDER_EXPORT SocialDataStore
{
public:
    // Replaces all data with the data-set file's. A file that cannot be read,
    // is not a regular file, is larger than 16 MiB or is malformed is refused
    // whole with a warning naming the file and the problem; nothing of it is
    // loaded and false is returned.
    bool loadFile(const QString &path);
    // As loadFile, from JSON text; relative image paths resolve against
    // baseDir. On failure *error (if given) says why.
    bool loadJson(const QByteArray &json, const QString &baseDir = QString(),
                  QString *error = nullptr);

    // Drops all data, goes back online and marks the provider uninitialized;
    // emits nothing.
    void reset();
    // Marks the provider initialized; emits initialized() on the change.
    void setInitialized(bool initialized);
    bool isInitialized() const;

    // While offline every request finishes with a NetworkError and changes
    // nothing.
    void setOffline(bool offline);
    bool isOffline() const;

    void addService(const SocialService &service);
    QList<SocialService> services() const;
    SocialService service(const QString &id) const;

    // Emits accountsAdded / accountsChanged / accountsRemoved. Removing an
    // account drops its persons and activities.
    void addAccount(const SocialServiceAccount &account);
    void changeAccount(const SocialServiceAccount &account);
    void removeAccount(const QString &accountId);
    QList<SocialServiceAccount> accounts() const;
    SocialServiceAccount account(const QString &id) const;

    // Stores persons (replaced whole when updatedProperties is empty, else
    // the named properties merged) and emits personsUpdate with them as
    // given. Records without id or account are reported but not stored.
    void updatePersons(const QList<SocialNetworkPerson> &persons,
                       const QList<QString> &updatedProperties = QList<QString>());
    QList<SocialNetworkPerson> persons(const QString &accountId = QString()) const;
    SocialNetworkPerson person(const QString &accountId, const QString &personId) const;
    // The persons with this id in any account, in the order they were stored.
    QList<SocialNetworkPerson> personsWithId(const QString &personId) const;

    // Stores an activity silently, as if it had been on the server all along.
    void insertActivity(
        const SocialActivity &activity,
        SocialProviderTimeline::TimelineType timeline = SocialProviderTimeline::NoTimeline);
    // Stores activities (replaced whole, or the named properties merged) and
    // emits activityUpdate with them as given.
    void updateActivities(
        const QList<SocialActivity> &activities,
        const QList<QString> &updatedProperties = QList<QString>(),
        SocialProviderTimeline::TimelineType timeline = SocialProviderTimeline::NoTimeline);
    QList<SocialActivity> activities() const;
    SocialActivity activity(const QString &accountId, const QString &activityId) const;
    SocialProviderTimeline::TimelineType timelineOf(const QString &accountId,
                                                    const QString &activityId) const;

    // Who likes an activity, as person ids of its account, in liking order.
    void setLikers(const QString &accountId, const QString &activityId,
                   const QStringList &personIds);
    QStringList likers(const QString &accountId, const QString &activityId) const;

private:
    friend class SocialProviderManager;
    friend class SocialDataRequest;
    friend class SocialGetActivitiesRequest;
    friend class SocialGetPersonsRequest;
    friend class SocialGetLikersRequest;
    friend class SocialLikeActivityRequest;
    friend class SocialPostActivitiesRequest;

    struct StoredActivity
    {
        SocialActivity activity;
        SocialProviderTimeline::TimelineType timeline = SocialProviderTimeline::NoTimeline;
        QStringList likers;
    };
    using Key = QPair<QString, QString>; // (account id, id)

    explicit SocialDataStore(SocialProviderManager *manager);
    Q_DISABLE_COPY(SocialDataStore)

    bool replaceWithJson(const QByteArray &json, const QString &baseDir, QString *error);
    bool hasAccount(const QString &accountId) const;
    // Whether a person or activity may be stored; warns when not.
    bool acceptsRecord(const SocialGenericData &record, const char *kind) const;
    // The first activity with that id on an account within scope (empty:
    // any): known accounts in their order, then others by id; an empty key
    // when there is none.
    Key findActivity(const QString &activityId, const QList<SocialServiceAccount> &scope) const;
    QString freshActivityId(const QString &accountId);

    static void mergeProperties(SocialGenericData &target, const SocialGenericData &source,
                                const QList<QString> &names);
    static void sortNewestFirst(QList<SocialActivity> &activities);

    SocialProviderManager *m_manager;
    bool m_initialized = false;
    bool m_offline = false;
    QList<SocialService> m_services;
    QList<SocialServiceAccount> m_accounts;
    QHash<Key, SocialNetworkPerson> m_persons;
    QList<Key> m_personOrder;
    QHash<Key, StoredActivity> m_activities;
    quint64 m_nextPostId = 1;
};

#endif // SOCIALDATASTORE_H
