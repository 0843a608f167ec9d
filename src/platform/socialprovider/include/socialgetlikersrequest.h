#ifndef SOCIALGETLIKERSREQUEST_H
#define SOCIALGETLIKERSREQUEST_H

#include "socialgetpersonsrequest.h"

// Fetches the persons who like an activity, in the order they liked it;
// read the result with persons().
class SOCIALPROVIDER_EXPORT SocialGetLikersRequest : public SocialGetPersonsRequest
{
    Q_OBJECT
public:
    explicit SocialGetLikersRequest(const QString &activityId, QObject *parent = nullptr);

    QString activityId() const;

private:
    void execute(SocialDataStore &store) override;

    QString m_activityId;
};

#endif // SOCIALGETLIKERSREQUEST_H
