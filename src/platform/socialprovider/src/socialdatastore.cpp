#include "socialdatastore.h"

#include "socialaccountscope_p.h"
#include "socialdatasetparser_p.h"
#include "socialproviderlogging_p.h"
#include "socialprovidermanager.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Far beyond any real data set, and small enough to read and parse at once.
const qint64 s_maxFileSize = 16 * 1024 * 1024;

} // namespace

SocialDataStore::SocialDataStore(SocialProviderManager *manager) : m_manager(manager) {}

bool SocialDataStore::loadFile(const QString &path)
{
    const auto refuse = [&path](const QString &problem) {
        qCWarning(lcSocialProvider).noquote()
            << QStringLiteral("Refusing data set file \"%1\": %2").arg(path, problem);
        return false;
    };
    const QString tooLarge =
        QStringLiteral("larger than %1 MiB").arg(s_maxFileSize / (1024 * 1024));
    // Only a regular file, links followed: a pipe would block the open and a
    // device may never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return refuse(QStringLiteral("not a regular file"));
    if (info.size() > s_maxFileSize)
        return refuse(tooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    // Read no more than the limit allows, should the file have grown since.
    const QByteArray json = file.read(s_maxFileSize + 1);
    if (json.size() > s_maxFileSize)
        return refuse(tooLarge);
    QString error;
    if (!replaceWithJson(json, info.absolutePath(), &error))
        return refuse(error);
    return true;
}

bool SocialDataStore::loadJson(const QByteArray &json, const QString &baseDir, QString *error)
{
    QString problem;
    if (!replaceWithJson(json, baseDir, &problem)) {
        qCWarning(lcSocialProvider).noquote()
            << QStringLiteral("Refusing data set: %1").arg(problem);
        if (error)
            *error = problem;
        return false;
    }
    return true;
}

bool SocialDataStore::replaceWithJson(const QByteArray &json, const QString &baseDir,
                                      QString *error)
{
    SocialDataSetParser parser(baseDir, QDateTime::currentDateTimeUtc());
    if (!parser.parse(json)) {
        *error = parser.errorString();
        return false;
    }
    m_services = parser.services();
    m_accounts = parser.accounts();
    m_persons.clear();
    m_personOrder.clear();
    for (const SocialNetworkPerson &person : parser.persons()) {
        const Key key(person.parentAccount(), person.id());
        m_persons.insert(key, person);
        m_personOrder.append(key);
    }
    m_activities.clear();
    for (const SocialDataSetParser::Activity &entry : parser.activities()) {
        StoredActivity stored;
        stored.activity = entry.activity;
        stored.timeline = entry.timeline;
        stored.likers = entry.likers;
        m_activities.insert(Key(entry.activity.parentAccount(), entry.activity.id()), stored);
    }
    setInitialized(true);
    return true;
}

void SocialDataStore::reset()
{
    m_initialized = false;
    m_offline = false;
    m_services.clear();
    m_accounts.clear();
    m_persons.clear();
    m_personOrder.clear();
    m_activities.clear();
}

void SocialDataStore::setInitialized(bool initialized)
{
    if (m_initialized == initialized)
        return;
    m_initialized = initialized;
    if (initialized)
        emit m_manager->initialized();
}

bool SocialDataStore::isInitialized() const
{
    return m_initialized;
}

void SocialDataStore::setOffline(bool offline)
{
    m_offline = offline;
}

bool SocialDataStore::isOffline() const
{
    return m_offline;
}

void SocialDataStore::addService(const SocialService &service)
{
    if (service.id().isEmpty()) {
        qCWarning(lcSocialProvider) << "Will not add a service without id";
        return;
    }
    if (!this->service(service.id()).isEmpty()) {
        qCWarning(lcSocialProvider) << "Will not add service" << service.id() << "twice";
        return;
    }
    m_services.append(service);
}

QList<SocialService> SocialDataStore::services() const
{
    return m_services;
}

SocialService SocialDataStore::service(const QString &id) const
{
    for (const SocialService &service : m_services) {
        if (service.id() == id)
            return service;
    }
    return SocialService();
}

void SocialDataStore::addAccount(const SocialServiceAccount &account)
{
    if (account.id().isEmpty()) {
        qCWarning(lcSocialProvider) << "Will not add an account without id";
        return;
    }
    if (hasAccount(account.id())) {
        qCWarning(lcSocialProvider) << "Will not add account" << account.id() << "twice";
        return;
    }
    m_accounts.append(account);
    emit m_manager->accountsAdded(QStringList{account.id()});
}

void SocialDataStore::changeAccount(const SocialServiceAccount &account)
{
    const auto it =
        std::find_if(m_accounts.begin(), m_accounts.end(),
                     [&](const SocialServiceAccount &a) { return a.id() == account.id(); });
    if (account.id().isEmpty() || it == m_accounts.end()) {
        qCWarning(lcSocialProvider) << "Will not change unknown account" << account.id();
        return;
    }
    *it = account;
    emit m_manager->accountsChanged(QStringList{account.id()});
}

void SocialDataStore::removeAccount(const QString &accountId)
{
    if (accountId.isEmpty() || !hasAccount(accountId)) {
        qCWarning(lcSocialProvider) << "Will not remove unknown account" << accountId;
        return;
    }
    m_accounts.erase(std::remove_if(m_accounts.begin(), m_accounts.end(),
                                    [&](const SocialServiceAccount &account) {
                                        return account.id() == accountId;
                                    }),
                     m_accounts.end());
    const auto onAccount = [&](const Key &key) { return key.first == accountId; };
    m_personOrder.erase(std::remove_if(m_personOrder.begin(), m_personOrder.end(), onAccount),
                        m_personOrder.end());
    for (auto it = m_persons.begin(); it != m_persons.end();) {
        if (onAccount(it.key()))
            it = m_persons.erase(it);
        else
            ++it;
    }
    for (auto it = m_activities.begin(); it != m_activities.end();) {
        if (onAccount(it.key()))
            it = m_activities.erase(it);
        else
            ++it;
    }
    emit m_manager->accountsRemoved(QStringList{accountId});
}

QList<SocialServiceAccount> SocialDataStore::accounts() const
{
    return m_accounts;
}

SocialServiceAccount SocialDataStore::account(const QString &id) const
{
    for (const SocialServiceAccount &account : m_accounts) {
        if (account.id() == id)
            return account;
    }
    return SocialServiceAccount();
}

void SocialDataStore::updatePersons(const QList<SocialNetworkPerson> &persons,
                                    const QList<QString> &updatedProperties)
{
    for (const SocialNetworkPerson &person : persons) {
        if (!acceptsRecord(person, "a person"))
            continue;
        const Key key(person.parentAccount(), person.id());
        auto it = m_persons.find(key);
        if (it == m_persons.end()) {
            m_persons.insert(key, person);
            m_personOrder.append(key);
        } else if (updatedProperties.isEmpty()) {
            *it = person;
        } else {
            mergeProperties(*it, person, updatedProperties);
        }
    }
    // Passed on as reported, as the network provider would.
    if (!persons.isEmpty())
        emit m_manager->personsUpdate(persons, updatedProperties);
}

QList<SocialNetworkPerson> SocialDataStore::persons(const QString &accountId) const
{
    QList<SocialNetworkPerson> result;
    for (const Key &key : m_personOrder) {
        if (accountId.isEmpty() || key.first == accountId)
            result.append(m_persons.value(key));
    }
    return result;
}

SocialNetworkPerson SocialDataStore::person(const QString &accountId, const QString &personId) const
{
    return m_persons.value(Key(accountId, personId));
}

QList<SocialNetworkPerson> SocialDataStore::personsWithId(const QString &personId) const
{
    QList<SocialNetworkPerson> result;
    for (const Key &key : m_personOrder) {
        if (key.second == personId)
            result.append(m_persons.value(key));
    }
    return result;
}

void SocialDataStore::insertActivity(const SocialActivity &activity,
                                     SocialProviderTimeline::TimelineType timeline)
{
    if (!acceptsRecord(activity, "an activity"))
        return;
    StoredActivity &stored = m_activities[Key(activity.parentAccount(), activity.id())];
    stored.activity = activity;
    stored.timeline = timeline;
}

void SocialDataStore::updateActivities(const QList<SocialActivity> &activities,
                                       const QList<QString> &updatedProperties,
                                       SocialProviderTimeline::TimelineType timeline)
{
    for (const SocialActivity &activity : activities) {
        if (!acceptsRecord(activity, "an activity"))
            continue;
        const Key key(activity.parentAccount(), activity.id());
        auto it = m_activities.find(key);
        if (it == m_activities.end()) {
            m_activities.insert(key, StoredActivity{activity, timeline, QStringList()});
            continue;
        }
        if (updatedProperties.isEmpty())
            it->activity = activity;
        else
            mergeProperties(it->activity, activity, updatedProperties);
        if (timeline != SocialProviderTimeline::NoTimeline)
            it->timeline = timeline;
    }
    if (!activities.isEmpty())
        emit m_manager->activityUpdate(activities, updatedProperties, timeline);
}

QList<SocialActivity> SocialDataStore::activities() const
{
    QList<SocialActivity> result;
    result.reserve(m_activities.size());
    for (const StoredActivity &stored : m_activities)
        result.append(stored.activity);
    sortNewestFirst(result);
    return result;
}

SocialActivity SocialDataStore::activity(const QString &accountId, const QString &activityId) const
{
    return m_activities.value(Key(accountId, activityId)).activity;
}

SocialProviderTimeline::TimelineType SocialDataStore::timelineOf(const QString &accountId,
                                                                 const QString &activityId) const
{
    return m_activities.value(Key(accountId, activityId)).timeline;
}

void SocialDataStore::setLikers(const QString &accountId, const QString &activityId,
                                const QStringList &personIds)
{
    const auto it = m_activities.find(Key(accountId, activityId));
    if (it == m_activities.end()) {
        qCWarning(lcSocialProvider)
            << "Will not set likers of unknown activity" << activityId << "of account" << accountId;
        return;
    }
    QStringList likers = personIds;
    likers.removeAll(QString());
    likers.removeDuplicates();
    it->likers = likers;
}

QStringList SocialDataStore::likers(const QString &accountId, const QString &activityId) const
{
    return m_activities.value(Key(accountId, activityId)).likers;
}

bool SocialDataStore::hasAccount(const QString &accountId) const
{
    return !account(accountId).isEmpty();
}

bool SocialDataStore::acceptsRecord(const SocialGenericData &record, const char *kind) const
{
    if (record.id().isEmpty() || record.parentAccount().isEmpty()) {
        qCWarning(lcSocialProvider)
            << "Will not store" << kind << "without id or account:" << record.id()
            << record.parentAccount();
        return false;
    }
    return true;
}

SocialDataStore::Key SocialDataStore::findActivity(const QString &activityId,
                                                   const QList<SocialServiceAccount> &scope) const
{
    // Known accounts in their order first, then accounts not (yet) announced
    // by id, so that the choice never depends on hashing.
    const auto rank = [this](const QString &accountId) {
        for (int i = 0; i < m_accounts.size(); ++i) {
            if (m_accounts.at(i).id() == accountId)
                return i;
        }
        return int(m_accounts.size());
    };
    Key best;
    int bestRank = 0;
    for (auto it = m_activities.cbegin(); it != m_activities.cend(); ++it) {
        const Key &key = it.key();
        if (key.second != activityId || !accountInScope(scope, key.first))
            continue;
        const int keyRank = rank(key.first);
        if (best.first.isEmpty() || keyRank < bestRank ||
            (keyRank == bestRank && key.first < best.first)) {
            best = key;
            bestRank = keyRank;
        }
    }
    return best;
}

QString SocialDataStore::freshActivityId(const QString &accountId)
{
    QString id;
    do {
        id = QStringLiteral("local-%1").arg(m_nextPostId++);
    } while (m_activities.contains(Key(accountId, id)));
    return id;
}

void SocialDataStore::mergeProperties(SocialGenericData &target, const SocialGenericData &source,
                                      const QList<QString> &names)
{
    // A named property that the source lacks was cleared.
    for (const QString &name : names)
        target.setProperty(name, source.variantProperty(name));
}

void SocialDataStore::sortNewestFirst(QList<SocialActivity> &activities)
{
    // Ties fall back on the key so that the order never depends on hashing.
    std::sort(activities.begin(), activities.end(),
              [](const SocialActivity &a, const SocialActivity &b) {
                  const QDateTime aTime = a.variantProperty(SocialActivity::StartTime).toDateTime();
                  const QDateTime bTime = b.variantProperty(SocialActivity::StartTime).toDateTime();
                  if (aTime != bTime)
                      return bTime < aTime;
                  if (a.parentAccount() != b.parentAccount())
                      return a.parentAccount() < b.parentAccount();
                  return a.id() < b.id();
              });
}
