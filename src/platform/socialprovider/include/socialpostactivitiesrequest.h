#ifndef SOCIALPOSTACTIVITIESREQUEST_H
#define SOCIALPOSTACTIVITIESREQUEST_H

#include "socialactivity.h"
#include "socialdatarequest.h"

// Posts a new activity: a status (Post) or a comment on a parent activity.
class SOCIALPROVIDER_EXPORT SocialPostActivitiesRequest : public SocialDataRequest
{
    Q_OBJECT
public:
    SocialPostActivitiesRequest(SocialActivity::Type type, const QString &text,
                                const QString &parentActivityId, QObject *parent = nullptr);

    SocialActivity::Type type() const;
    QString text() const;
    QString parentActivityId() const;

    // The id the new activity got; empty when nothing was posted.
    QString postId() const;

private:
    void execute(SocialDataStore &store) override;

    SocialActivity::Type m_type;
    QString m_text;
    QString m_parentActivityId;
    QString m_postId;
};

#endif // SOCIALPOSTACTIVITIESREQUEST_H
