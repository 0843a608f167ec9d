#ifndef PERSONSTORE_P_H
#define PERSONSTORE_P_H

#include <socialnetworkperson.h>

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

class SocialProviderManager;

class PersonStorePrivate : public QObject
{
    Q_OBJECT
public:
    // (account id, person id); for own profiles the person id is the profile id.
    using PersonKey = QPair<QString, QString>;

    explicit PersonStorePrivate(QObject *parent);

    SocialNetworkPerson person(const PersonKey &key) const;
    bool isOwnContact(const PersonKey &key) const;

signals:
    void personUpdated(const SocialNetworkPerson &person);

public slots:
    void onAccountsUpdated(const QStringList &accountIds);
    void onAccountsRemoved(const QStringList &accountIds);
    void onPersonsUpdate(const QList<SocialNetworkPerson> &personList,
                         const QList<QString> &updatedProps = QList<QString>());
    void onPersonsRequestFinished();
    void onInitialized();

private:
    void requestPersons();

    SocialProviderManager *m_manager;
    QHash<PersonKey, SocialNetworkPerson> m_persons;
    QList<PersonKey> m_ownIds;
};

#endif // PERSONSTORE_P_H
