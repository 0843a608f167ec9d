#include "contactlisteners_p.h"

#include "activitybubble_p.h"
#include "contactresolver.h"

#include <QCoreApplication>

QPointer<ContactListeners> ContactListeners::s_instance;

ContactListeners *ContactListeners::instance()
{
    if (!s_instance)
        s_instance = new ContactListeners(QCoreApplication::instance());
    return s_instance;
}

ContactListeners *ContactListeners::existing()
{
    return s_instance;
}

ContactListeners::ContactListeners(QObject *parent) : QObject(parent) {}

ContactResolver *ContactListeners::resolver()
{
    ContactResolver *current = ContactResolver::instance();
    if (m_resolver != current) {
        m_resolver = current;
        connect(current, &ContactResolver::contactReady, this, &ContactListeners::onContactReady);
        connect(current, &ContactResolver::error, this, &ContactListeners::onContactError);
    }
    return current;
}

void ContactListeners::listen(ActivityBubblePrivate *bubble, const QString &personId)
{
    if (!personId.isEmpty())
        m_byPerson[personId].append(bubble);
}

void ContactListeners::forget(ActivityBubblePrivate *bubble, const QString &personId)
{
    const auto listeners = m_byPerson.find(personId);
    if (listeners == m_byPerson.end())
        return;
    listeners->removeOne(bubble);
    if (listeners->isEmpty())
        m_byPerson.erase(listeners);
}

QVector<QPointer<ActivityBubblePrivate>>
ContactListeners::listenersOf(const QString &socialPersonId) const
{
    QVector<QPointer<ActivityBubblePrivate>> guarded;
    for (ActivityBubblePrivate *bubble : m_byPerson.value(socialPersonId))
        guarded.append(bubble);
    return guarded;
}

void ContactListeners::onContactReady(const QString &socialPersonId,
                                      const QtContacts::QContact &contact)
{
    for (const QPointer<ActivityBubblePrivate> &bubble : listenersOf(socialPersonId)) {
        if (bubble)
            bubble->onContactReady(socialPersonId, contact);
    }
}

void ContactListeners::onContactError(const QString &socialPersonId)
{
    for (const QPointer<ActivityBubblePrivate> &bubble : listenersOf(socialPersonId)) {
        if (bubble)
            bubble->onContactError(socialPersonId);
    }
}
