#include "contactresolver.h"

#include "logging.h"
#include "socialcontactfields.h"

#include <QCoreApplication>
#include <QtContacts/QContactDetailFilter>
#include <QtContacts/QContactFetchRequest>
#include <QtContacts/QContactManager>
#include <QtContacts/QContactOnlineAccount>

using namespace QtContacts;

namespace {
const QString s_backendName = QStringLiteral("social");
}

ContactResolver *ContactResolver::s_instance = nullptr;
const int ContactResolver::s_maxRetries = 3;

ContactResolver *ContactResolver::instance()
{
    if (!s_instance) {
        s_instance = new ContactResolver(QCoreApplication::instance());
    }
    return s_instance;
}

ContactResolver::ContactResolver(QObject *parent)
    : QObject(parent), m_manager(new QContactManager(s_backendName, QMap<QString, QString>()))
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    qRegisterMetaType<QContact>();
    if (m_manager->managerName() != s_backendName) {
        qCWarning(lcDavovadezed) << Q_FUNC_INFO << "Contacts backend" << s_backendName
                                 << "is not available";
    }
    connect(m_manager, &QContactManager::contactsChanged, this,
            &ContactResolver::onContactsChanged);
}

ContactResolver::~ContactResolver()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    if (s_instance == this) {
        s_instance = nullptr;
    }
    // Left to ~QObject(), this would run the manager's disconnectNotify()
    // under the signal lock it takes again itself: an occasional deadlock.
    disconnect(m_manager, &QContactManager::contactsChanged, this,
               &ContactResolver::onContactsChanged);
    // Lookups still running are dropped: their answers have no one to go to.
    for (auto it = m_pending.keyBegin(); it != m_pending.keyEnd(); ++it) {
        QContactFetchRequest *request = *it;
        request->disconnect(this);
        request->cancel();
        request->deleteLater();
    }
    m_manager->deleteLater();
}

void ContactResolver::resolveContact(const QString &socialPersonId)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    for (const QPair<QString, int> &lookup : qAsConst(m_pending)) {
        if (lookup.first == socialPersonId) {
            return;
        }
    }
    resolveContact(socialPersonId, 0);
}

void ContactResolver::resolveContact(const QString &socialPersonId, qint32 attempt)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    QContactDetailFilter filter;
    filter.setDetailType(QContactOnlineAccount::Type, SocialContactFields::FieldSocialProviderId);
    filter.setValue(socialPersonId);
    // Person ids are compared exactly; the default match ignores case.
    filter.setMatchFlags(QContactFilter::MatchExactly | QContactFilter::MatchCaseSensitive);

    auto *request = new QContactFetchRequest;
    request->setFilter(filter);
    request->setManager(m_manager);
    connect(request, &QContactFetchRequest::resultsAvailable, this,
            &ContactResolver::onContactAvailable);
    m_pending.insert(request, qMakePair(socialPersonId, int(attempt)));
    if (request->start()) {
        return;
    }

    qCWarning(lcDavovadezed) << Q_FUNC_INFO
                             << "Could not start the lookup of contact:" << socialPersonId
                             << "error" << request->error();
    m_pending.remove(request);
    request->deleteLater();
    // Reported on a later turn, like any answer, so that a listener asking
    // again cannot recurse into this call.
    QMetaObject::invokeMethod(
        this, [this, socialPersonId] { emit error(socialPersonId); }, Qt::QueuedConnection);
}

void ContactResolver::onContactAvailable()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    auto *request = qobject_cast<QContactFetchRequest *>(sender());
    const auto lookup = m_pending.constFind(request);
    if (lookup == m_pending.constEnd()) {
        // Answered already.
        return;
    }
    const QList<QContact> contacts = request->contacts();
    if (contacts.isEmpty() && !request->isFinished()) {
        // Partial results without a match yet; more will come.
        return;
    }

    const QString socialPersonId = lookup.value().first;
    const int attempt = lookup.value().second;
    if (!contacts.isEmpty()) {
        // Still pending while listeners hear of it, so that they cannot start
        // the same lookup again from their slot.
        emit contactReady(socialPersonId, contacts.first());
        m_pending.remove(request);
    } else {
        qCWarning(lcDavovadezed) << Q_FUNC_INFO << "Invalid contact match";
        m_pending.remove(request);
        const int nextAttempt = attempt + 1;
        if (nextAttempt < s_maxRetries) {
            qCWarning(lcDavovadezed) << Q_FUNC_INFO << "Try to resolve contact:" << socialPersonId
                                     << "again, attempt #" << nextAttempt;
            resolveContact(socialPersonId, nextAttempt);
        } else {
            qCWarning(lcDavovadezed)
                << Q_FUNC_INFO << "Maximum number of retries for contact:" << socialPersonId
                << "reached - no can do";
            emit error(socialPersonId);
        }
    }
    request->deleteLater();
}

void ContactResolver::onContactsChanged(const QList<QContactId> &contactIds)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << contactIds;
}
