#ifndef ACTIVITYBUBBLE_H
#define ACTIVITYBUBBLE_H

#include "davovadezed_global.h"

#include <socialactivity.h>
#include <uxbubbleitem.h>

#include <QContact>
#include <QList>
#include <QString>

class ActivityBubblePrivate;

// One social activity shown as a speech bubble: sender name and avatar from
// the address book, the message with tappable links, a self-refreshing time
// stamp, comment and like counts, the service icon and the attachment.
class DAVOVADEZED_EXPORT ActivityBubble : public UxBubbleItem
{
    Q_OBJECT
public:
    ActivityBubble();
    ~ActivityBubble() override;

    // Shows a whole activity (updatedProps empty) or merges the named
    // properties of a partial update into the shown one.
    void setActivity(const SocialActivity &activity, const QList<QString> &updatedProps);
    SocialActivity activity() const;
    QtContacts::QContact contact() const;
    void clear();

    // Whether an activity carries enough to be shown as a bubble.
    static bool activityHasSufficientData(const SocialActivity &activity);

signals:
    void avatarClicked();

private:
    Q_DISABLE_COPY(ActivityBubble)
    friend class ActivityBubblePrivate;
    ActivityBubblePrivate *m_d;
};

#endif // ACTIVITYBUBBLE_H
