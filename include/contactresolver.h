#ifndef CONTACTRESOLVER_H
#define CONTACTRESOLVER_H

#include "davovadezed_global.h"

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPair>
#include <QString>
#include <QtContacts/QContact>
#include <QtContacts/QContactId>

QT_BEGIN_NAMESPACE_CONTACTS
class QContactFetchRequest;
class QContactManager;
QT_END_NAMESPACE_CONTACTS

/**
 * Process-wide lookup of the address-book contact behind a social network
 * person id, in the "social" contacts backend. Outcomes are broadcast to every
 * listener, which picks out the ids it asked for. Reached through instance();
 * the first call creates it as a child of the application object.
 *
 * A lookup matches the person id exactly, letter case included, against the
 * contacts' online accounts. One that finds nothing is tried again at once,
 * three lookups in all, before error() is emitted. Nothing is cached: every
 * lookup asks the backend.
 */
class DAVOVADEZED_EXPORT ContactResolver : public QObject
{
    Q_OBJECT
public:
    /**
     * The shared resolver. The first call creates it as a child of the
     * application object, which deletes it (without one it lives as long as
     * the process); the next call after that creates a new one.
     */
    static ContactResolver *instance();

    /**
     * Opens the "social" contacts backend; when it is not installed, a
     * warning is logged and every lookup ends in error().
     */
    explicit ContactResolver(QObject *parent = nullptr);
    /** Drops the lookups still running; their outcomes are not reported. */
    ~ContactResolver() override;

    /** Looks the person up unless a lookup for the same id is still running. */
    void resolveContact(const QString &socialPersonId);
    /**
     * Starts one lookup, even when one for the same id is running.
     *
     * @param socialPersonId the person id to match.
     * @param attempt the retries before it, 0 for the first lookup.
     */
    void resolveContact(const QString &socialPersonId, qint32 attempt);

signals:
    /**
     * The first contact found for the person. The lookup still counts as
     * running while this is delivered, so a listener that asks for the same
     * id from its slot starts nothing.
     */
    void contactReady(const QString &socialPersonId, const QtContacts::QContact &contact);
    /**
     * No contact found after every retry, or the backend could not be asked.
     * A listener may ask again from its slot.
     */
    void error(const QString &socialPersonId);

private slots:
    void onContactAvailable();
    void onContactsChanged(const QList<QtContacts::QContactId> &contactIds);

private:
    Q_DISABLE_COPY(ContactResolver)

    static ContactResolver *s_instance;
    static const int s_maxRetries;

    QtContacts::QContactManager *m_manager;
    // Each running lookup: (person id, attempt number).
    QHash<QtContacts::QContactFetchRequest *, QPair<QString, int>> m_pending;
};

Q_DECLARE_METATYPE(QtContacts::QContact)

#endif // CONTACTRESOLVER_H
