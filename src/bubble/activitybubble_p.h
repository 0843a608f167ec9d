#ifndef ACTIVITYBUBBLE_P_H
#define ACTIVITYBUBBLE_P_H

#include <socialactivity.h>
#include <socialactivityattachment.h>
#include <socialnetworkperson.h>

#include <QContact>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

class ActivityBubble;
class ContactResolver;
class UxImageWidget;

class ActivityBubblePrivate : public QObject
{
    Q_OBJECT
public:
    explicit ActivityBubblePrivate(ActivityBubble *owner);
    ~ActivityBubblePrivate() override;

    void setContact(const QtContacts::QContact &contact);
    void clear();
    void disconnectTimers();
    void setAttachment(const SocialActivityAttachment &attachment);

    static QString timeAgo(const QDateTime &dateTime);
    static QString timeAgo(const QDateTime &dateTime, const QDateTime &now);
    static QString convertToHtml(const QString &text);
    // The description as far as the bubble shows it: at most
    // s_maxMessageLength characters, the last of a longer one "…".
    static QString shownMessage(const QString &description);

    // The resolver of the moment, which is a new one once the first has
    // gone with its application object; its answers about the owner reach
    // this bubble.
    ContactResolver *resolver();
    void setOwnerId(const QString &ownerId);
    void showServiceIcon();
    const QString &ownerPersonId() const;

    // A constant expression: set before any code runs, so no other static
    // of the library can see it unset.
    static constexpr QSize s_serviceIconSize{24, 24};
    // Laying out and linking a text takes time with its length: a message
    // from someone else must not hold the user interface for seconds.
    static const int s_maxMessageLength;

    ActivityBubble *const m_owner;
    SocialActivity m_activity;
    // The activity's owner, kept apart: every bubble compares it with each
    // person broadcast.
    QString m_ownerId;
    QtContacts::QContact m_contact;
    // The time stamp last written, and what it was counted from: the start,
    // its age in seconds (-1: none) and the date then.
    QString m_stamp;
    QDateTime m_stampStart;
    qint64 m_stampAge = -1;
    QDate m_stampDate;
    // Guarded: while detached by clear() the icon is ours to delete, while
    // shown it dies with the bubble.
    QPointer<UxImageWidget> m_serviceIcon;

public slots:
    void onImageClicked(const QString &imagePath);
    void onContactReady(const QString &socialPersonId, const QtContacts::QContact &contact);
    void onContactError(const QString &socialPersonId);
    void onPersonUpdated(const SocialNetworkPerson &person);
    void onLinkActivated(const QString &url);
    void onActivityTimer();

private:
    Q_DISABLE_COPY(ActivityBubblePrivate)
};

#endif // ACTIVITYBUBBLE_P_H
