#ifndef CONTACTLISTENERS_P_H
#define CONTACTLISTENERS_P_H

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>
#include <QtContacts/QContact>

class ActivityBubblePrivate;
class ContactResolver;

// Hands each contact answer to the bubbles whose owner it is. One
// connection to the resolver serves them all: with one per bubble, every
// answer would call into each bubble of the feed to be compared there.
class ContactListeners : public QObject
{
    Q_OBJECT
public:
    // Created with the first bubble, as a child of the application object.
    static ContactListeners *instance();
    // Null once the application object has taken it along; nothing to
    // forget then.
    static ContactListeners *existing();

    // The resolver of the moment, whose answers reach the listeners: a new
    // one once the first has gone with its application object.
    ContactResolver *resolver();
    // The bubble hears the answers for this person from now on, or no
    // longer; an empty id hears nothing. The bubble keeps the id it listens
    // to, so that it can forget it.
    void listen(ActivityBubblePrivate *bubble, const QString &personId);
    void forget(ActivityBubblePrivate *bubble, const QString &personId);

private slots:
    void onContactReady(const QString &socialPersonId, const QtContacts::QContact &contact);
    void onContactError(const QString &socialPersonId);

private:
    explicit ContactListeners(QObject *parent);
    // The listeners of the person in the order they started listening,
    // guarded: one may go while another hears of the answer.
    QVector<QPointer<ActivityBubblePrivate>> listenersOf(const QString &socialPersonId) const;

    static QPointer<ContactListeners> s_instance;

    QPointer<ContactResolver> m_resolver;
    QHash<QString, QVector<ActivityBubblePrivate *>> m_byPerson;
};

#endif // CONTACTLISTENERS_P_H
