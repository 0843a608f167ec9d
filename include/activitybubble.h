#ifndef ACTIVITYBUBBLE_H
#define ACTIVITYBUBBLE_H

#include "davovadezed_global.h"

#include <socialactivity.h>
#include <uxbubbleitem.h>

#include <QContact>
#include <QList>
#include <QString>

class ActivityBubblePrivate;

/**
 * One social activity shown as a speech bubble: sender name and avatar from
 * the address book, the message with tappable links, a self-refreshing time
 * stamp, comment and like counts, the service icon and the attachment.
 *
 * The sender's name and avatar come only from the address-book contact that
 * the ContactResolver finds for the activity's owner person; until one is
 * found the bubble shows neither. When the PersonStore reports a change of
 * that person, the contact is looked up again.
 *
 * Links in the message and in a link attachment open in the platform's
 * default handler for web pages; links of any other scheme are refused with
 * a warning. A tap on an image thumbnail opens the image's web page, else
 * the picture itself. The inherited bubbleClicked() signal reports a tap on
 * the bubble, which the feed answers by opening the comments page.
 *
 * A message longer than 10 000 characters shows its first 9 999 and "…", so
 * that no text holds the user interface while it is laid out; activity()
 * keeps the whole text.
 */
class DAVOVADEZED_EXPORT ActivityBubble : public UxBubbleItem
{
    Q_OBJECT
public:
    /**
     * An empty bubble without a parent item. Whoever adds it to a layout or
     * a parent item hands it over; otherwise it is the caller's to delete.
     * Creates the ContactResolver and the PersonStore if they do not exist
     * yet.
     */
    ActivityBubble();
    /** Deletes the bubble's avatar and attachment widgets with it. */
    ~ActivityBubble() override;

    /**
     * Shows a whole activity, or merges a partial update into the one shown.
     *
     * With @p updatedProps empty the activity replaces the one shown;
     * otherwise only the named properties are taken from it, and the
     * message, each count and the attachment are redrawn only when their
     * property is named. The id, the account, the time stamp and the service icon
     * are taken on every call, and the owner's contact is looked up again
     * unless a lookup for it is running. Counts that are absent, not numbers
     * or not above zero show as nothing. An activity without an attachment
     * keeps the attachment shown before.
     *
     * The time stamp then follows the activity's age on the ActivityTimer's
     * ticks: every minute in its first hour, every hour in its first day,
     * then every day.
     */
    void setActivity(const SocialActivity &activity, const QList<QString> &updatedProps);
    /**
     * The activity as shown, with every update merged in; an empty activity
     * before the first setActivity() and after clear().
     */
    SocialActivity activity() const;
    /**
     * The last contact found for the activity's owner; an empty contact until
     * one is found, and after clear().
     */
    QtContacts::QContact contact() const;
    /**
     * Empties the bubble: texts, activity and contact; deletes the avatar and
     * the attachment, and takes the service icon off until the next
     * setActivity(). The time stamp keeps its tick.
     */
    void clear();

    /**
     * Whether an activity carries what a bubble needs: an id, an account, an
     * owner person, a description and a start time. The feed drops new
     * activities without them.
     */
    static bool activityHasSufficientData(const SocialActivity &activity);

signals:
    /**
     * Emitted when the avatar is tapped. There is an avatar only once a
     * contact was found for the activity's owner.
     */
    void avatarClicked();

private:
    Q_DISABLE_COPY(ActivityBubble)
    ActivityBubblePrivate *m_d;
};

#endif // ACTIVITYBUBBLE_H
