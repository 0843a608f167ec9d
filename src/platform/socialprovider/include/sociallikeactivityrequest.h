#ifndef SOCIALLIKEACTIVITYREQUEST_H
#define SOCIALLIKEACTIVITYREQUEST_H

#include "socialdatarequest.h"

// Likes (like = true) or unlikes an activity.
class SOCIALPROVIDER_EXPORT SocialLikeActivityRequest : public SocialDataRequest
{
    Q_OBJECT
public:
    SocialLikeActivityRequest(const QString &activityId, bool like, QObject *parent = nullptr);

    QString activityId() const;
    bool like() const;

private:
    void execute(SocialDataStore &store) override;

    QString m_activityId;
    bool m_like;
};

#endif // SOCIALLIKEACTIVITYREQUEST_H
