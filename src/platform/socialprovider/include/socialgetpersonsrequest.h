#ifndef SOCIALGETPERSONSREQUEST_H
#define SOCIALGETPERSONSREQUEST_H

#include "socialdatarequest.h"
#include "socialnetworkperson.h"

// Fetches the persons known on the requested accounts.
class SOCIALPROVIDER_EXPORT SocialGetPersonsRequest : public SocialDataRequest
{
    Q_OBJECT
public:
    explicit SocialGetPersonsRequest(QObject *parent = nullptr);

    QList<SocialNetworkPerson> persons() const;

protected:
    void setPersons(const QList<SocialNetworkPerson> &persons);

private:
    void execute(SocialDataStore &store) override;

    QList<SocialNetworkPerson> m_persons;
};

#endif // SOCIALGETPERSONSREQUEST_H
