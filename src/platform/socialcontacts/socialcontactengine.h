#ifndef SOCIALCONTACTENGINE_H
#define SOCIALCONTACTENGINE_H

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QtContacts/QContactManagerEngine>

#include <socialnetworkperson.h>

// Read-only contacts backend over the social provider's persons: one contact
// per (account id, person id). Asynchronous requests finish on a later turn
// of the event loop of the thread the request lives in.
class SocialContactEngine : public QtContacts::QContactManagerEngine
{
    Q_OBJECT
public:
    static const QString s_managerName;

    SocialContactEngine();
    ~SocialContactEngine() override;

    QString managerName() const override;
    int managerVersion() const override;

    QList<QtContacts::QContactId>
    contactIds(const QtContacts::QContactFilter &filter,
               const QList<QtContacts::QContactSortOrder> &sortOrders,
               QtContacts::QContactManager::Error *error) const override;
    QList<QtContacts::QContact> contacts(const QtContacts::QContactFilter &filter,
                                         const QList<QtContacts::QContactSortOrder> &sortOrders,
                                         const QtContacts::QContactFetchHint &fetchHint,
                                         QtContacts::QContactManager::Error *error) const override;
    QList<QtContacts::QContact> contacts(const QList<QtContacts::QContactId> &contactIds,
                                         const QtContacts::QContactFetchHint &fetchHint,
                                         QMap<int, QtContacts::QContactManager::Error> *errorMap,
                                         QtContacts::QContactManager::Error *error) const override;
    QtContacts::QContact contact(const QtContacts::QContactId &contactId,
                                 const QtContacts::QContactFetchHint &fetchHint,
                                 QtContacts::QContactManager::Error *error) const override;

    bool isFilterSupported(const QtContacts::QContactFilter &filter) const override;

    void requestDestroyed(QtContacts::QContactAbstractRequest *request) override;
    bool startRequest(QtContacts::QContactAbstractRequest *request) override;
    bool cancelRequest(QtContacts::QContactAbstractRequest *request) override;
    bool waitForRequestFinished(QtContacts::QContactAbstractRequest *request, int msecs) override;

private:
    QList<QtContacts::QContact> allContacts() const;
    QList<QtContacts::QContact> contactsOf(const QList<SocialNetworkPerson> &persons) const;
    QList<QtContacts::QContact> candidatesFor(const QtContacts::QContactFilter &filter) const;
    void finishRequest(QtContacts::QContactAbstractRequest *request);
    void onProviderChanged();

    QList<QtContacts::QContactAbstractRequest *> m_pending;
    // The contacts as listeners were last told about them, by local id.
    QMap<QByteArray, QtContacts::QContact> m_known;
};

#endif // SOCIALCONTACTENGINE_H
