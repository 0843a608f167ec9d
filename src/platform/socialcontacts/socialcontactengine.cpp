#include "socialcontactengine.h"

#include "socialcontactfields.h"
#include "socialcontactslogging.h"
#include "socialpersoncontact.h"

#include <socialdatastore.h>
#include <socialprovidermanager.h>

#include <QPointer>
#include <QSet>
#include <QtContacts/QContactDetailFilter>
#include <QtContacts/QContactOnlineAccount>

using namespace QtContacts;

const QString SocialContactEngine::s_managerName = QStringLiteral("social");

namespace {

QList<QContactDetail::DetailType> changedDetailTypes(const QContact &before, const QContact &after)
{
    QSet<QContactDetail::DetailType> types;
    for (const QContactDetail &detail : before.details() + after.details()) {
        types.insert(detail.type());
    }
    QList<QContactDetail::DetailType> changed;
    for (QContactDetail::DetailType type : qAsConst(types)) {
        if (before.details(type) != after.details(type)) {
            changed.append(type);
        }
    }
    return changed;
}

} // namespace

SocialContactEngine::SocialContactEngine()
{
    const QList<QContact> contacts = allContacts();
    for (const QContact &contact : contacts) {
        m_known.insert(contact.id().localId(), contact);
    }

    // Every provider change may add, change or drop persons; comparing with
    // what listeners know tells which.
    SocialProviderManager *provider = SocialProviderManager::instance();
    connect(provider, &SocialProviderManager::initialized, this,
            &SocialContactEngine::onProviderChanged);
    connect(provider, &SocialProviderManager::personsUpdate, this,
            &SocialContactEngine::onProviderChanged);
    connect(provider, &SocialProviderManager::accountsAdded, this,
            &SocialContactEngine::onProviderChanged);
    connect(provider, &SocialProviderManager::accountsChanged, this,
            &SocialContactEngine::onProviderChanged);
    connect(provider, &SocialProviderManager::accountsRemoved, this,
            &SocialContactEngine::onProviderChanged);
}

SocialContactEngine::~SocialContactEngine()
{
    // Whoever waits on a request still running must learn that it will not
    // finish.
    const QList<QContactAbstractRequest *> pending = m_pending;
    m_pending.clear();
    for (QContactAbstractRequest *request : pending) {
        updateRequestState(request, QContactAbstractRequest::CanceledState);
    }
}

QString SocialContactEngine::managerName() const
{
    return s_managerName;
}

int SocialContactEngine::managerVersion() const
{
    return 1;
}

QList<QContactId> SocialContactEngine::contactIds(const QContactFilter &filter,
                                                  const QList<QContactSortOrder> &sortOrders,
                                                  QContactManager::Error *error) const
{
    QList<QContactId> ids;
    const QList<QContact> found = contacts(filter, sortOrders, QContactFetchHint(), error);
    for (const QContact &contact : found) {
        ids.append(contact.id());
    }
    return ids;
}

QList<QContact> SocialContactEngine::contacts(const QContactFilter &filter,
                                              const QList<QContactSortOrder> &sortOrders,
                                              const QContactFetchHint &fetchHint,
                                              QContactManager::Error *error) const
{
    // Contacts are small, so the hint's narrowing is not worth honouring.
    Q_UNUSED(fetchHint)
    QList<QContact> found;
    const QList<QContact> candidates = candidatesFor(filter);
    for (const QContact &contact : candidates) {
        if (testFilter(filter, contact)) {
            addSorted(&found, contact, sortOrders);
        }
    }
    *error = QContactManager::NoError;
    return found;
}

QList<QContact> SocialContactEngine::contacts(const QList<QContactId> &contactIds,
                                              const QContactFetchHint &fetchHint,
                                              QMap<int, QContactManager::Error> *errorMap,
                                              QContactManager::Error *error) const
{
    QList<QContact> found;
    *error = QContactManager::NoError;
    for (int i = 0; i < contactIds.size(); ++i) {
        QContactManager::Error contactError = QContactManager::NoError;
        found.append(contact(contactIds.at(i), fetchHint, &contactError));
        if (contactError != QContactManager::NoError) {
            if (errorMap) {
                errorMap->insert(i, contactError);
            }
            *error = contactError;
        }
    }
    return found;
}

QContact SocialContactEngine::contact(const QContactId &contactId,
                                      const QContactFetchHint &fetchHint,
                                      QContactManager::Error *error) const
{
    Q_UNUSED(fetchHint)
    QString accountId;
    QString personId;
    if (contactId.managerUri() == managerUri() &&
        SocialPersonContact::personKey(contactId.localId(), &accountId, &personId)) {
        const SocialNetworkPerson person =
            SocialProviderManager::instance()->store()->person(accountId, personId);
        if (person.id() == personId) {
            *error = QContactManager::NoError;
            return SocialPersonContact::contact(person, contactId);
        }
    }
    *error = QContactManager::DoesNotExistError;
    return QContact();
}

bool SocialContactEngine::isFilterSupported(const QContactFilter &filter) const
{
    // Every filter goes through testFilter(), which knows them all.
    Q_UNUSED(filter)
    return true;
}

void SocialContactEngine::requestDestroyed(QContactAbstractRequest *request)
{
    m_pending.removeAll(request);
}

bool SocialContactEngine::startRequest(QContactAbstractRequest *request)
{
    switch (request->type()) {
    case QContactAbstractRequest::ContactFetchRequest:
    case QContactAbstractRequest::ContactIdFetchRequest:
    case QContactAbstractRequest::ContactFetchByIdRequest:
        break;
    default:
        qCWarning(lcSocialContacts)
            << "Will not run request" << request->type() << "on the read-only social contacts";
        return false;
    }

    updateRequestState(request, QContactAbstractRequest::ActiveState);
    m_pending.append(request);
    // Queued on the request itself: the answer comes on a later turn of its
    // thread's event loop, and never after the request is gone.
    QPointer<SocialContactEngine> engine(this);
    QMetaObject::invokeMethod(
        request,
        [engine, request] {
            if (engine) {
                engine->finishRequest(request);
            }
        },
        Qt::QueuedConnection);
    return true;
}

bool SocialContactEngine::cancelRequest(QContactAbstractRequest *request)
{
    if (!m_pending.removeOne(request)) {
        return false;
    }
    updateRequestState(request, QContactAbstractRequest::CanceledState);
    return true;
}

bool SocialContactEngine::waitForRequestFinished(QContactAbstractRequest *request, int msecs)
{
    // The answer is at hand, so there is never a reason to wait for it.
    Q_UNUSED(msecs)
    if (m_pending.contains(request)) {
        finishRequest(request);
    }
    return request->isFinished();
}

QList<QContact> SocialContactEngine::allContacts() const
{
    return contactsOf(SocialProviderManager::instance()->store()->persons());
}

QList<QContact> SocialContactEngine::contactsOf(const QList<SocialNetworkPerson> &persons) const
{
    QList<QContact> contacts;
    for (const SocialNetworkPerson &person : persons) {
        if (person.id().isEmpty()) {
            continue;
        }
        const QContactId id =
            contactId(SocialPersonContact::localId(person.parentAccount(), person.id()));
        contacts.append(SocialPersonContact::contact(person, id));
    }
    return contacts;
}

QList<QContact> SocialContactEngine::candidatesFor(const QContactFilter &filter) const
{
    // The lookup of a person id, exactly: only the persons with that id can
    // match, so only their contacts are built. The filter still decides.
    if (filter.type() == QContactFilter::ContactDetailFilter) {
        const QContactDetailFilter detailFilter(filter);
        if (detailFilter.detailType() == QContactOnlineAccount::Type &&
            detailFilter.detailField() == SocialContactFields::FieldSocialProviderId &&
            detailFilter.matchFlags() ==
                (QContactFilter::MatchExactly | QContactFilter::MatchCaseSensitive) &&
            detailFilter.value().userType() == QMetaType::QString) {
            return contactsOf(SocialProviderManager::instance()->store()->personsWithId(
                detailFilter.value().toString()));
        }
    }
    return allContacts();
}

void SocialContactEngine::finishRequest(QContactAbstractRequest *request)
{
    // Canceled, destroyed or already answered through waitForFinished().
    if (!m_pending.removeOne(request)) {
        return;
    }

    QContactManager::Error error = QContactManager::NoError;
    switch (request->type()) {
    case QContactAbstractRequest::ContactFetchRequest: {
        auto *fetch = static_cast<QContactFetchRequest *>(request);
        const QList<QContact> found =
            contacts(fetch->filter(), fetch->sorting(), fetch->fetchHint(), &error);
        updateContactFetchRequest(fetch, found, error, QContactAbstractRequest::FinishedState);
        break;
    }
    case QContactAbstractRequest::ContactIdFetchRequest: {
        auto *fetch = static_cast<QContactIdFetchRequest *>(request);
        const QList<QContactId> found = contactIds(fetch->filter(), fetch->sorting(), &error);
        updateContactIdFetchRequest(fetch, found, error, QContactAbstractRequest::FinishedState);
        break;
    }
    case QContactAbstractRequest::ContactFetchByIdRequest: {
        auto *fetch = static_cast<QContactFetchByIdRequest *>(request);
        QMap<int, QContactManager::Error> errorMap;
        const QList<QContact> found =
            contacts(fetch->contactIds(), fetch->fetchHint(), &errorMap, &error);
        updateContactFetchByIdRequest(fetch, found, error, errorMap,
                                      QContactAbstractRequest::FinishedState);
        break;
    }
    default:
        break;
    }
}

void SocialContactEngine::onProviderChanged()
{
    QMap<QByteArray, QContact> current;
    QList<QContactId> added;
    QList<QContactId> changed;
    QSet<QContactDetail::DetailType> changedTypes;
    const QList<QContact> all = allContacts();
    for (const QContact &contact : all) {
        const QByteArray key = contact.id().localId();
        current.insert(key, contact);
        const auto known = m_known.constFind(key);
        if (known == m_known.constEnd()) {
            added.append(contact.id());
        } else if (!(known.value() == contact)) {
            changed.append(contact.id());
            const QList<QContactDetail::DetailType> types =
                changedDetailTypes(known.value(), contact);
            changedTypes.unite(QSet<QContactDetail::DetailType>(types.begin(), types.end()));
        }
    }
    QList<QContactId> removed;
    for (auto known = m_known.constBegin(); known != m_known.constEnd(); ++known) {
        if (!current.contains(known.key())) {
            removed.append(known.value().id());
        }
    }
    m_known = current;

    if (!added.isEmpty()) {
        emit contactsAdded(added);
    }
    if (!changed.isEmpty()) {
        emit contactsChanged(changed, changedTypes.values());
    }
    if (!removed.isEmpty()) {
        emit contactsRemoved(removed);
    }
}
