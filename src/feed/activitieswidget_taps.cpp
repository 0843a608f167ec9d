#include "activitieswidget_p.h"

#include "activitieswidget.h"
#include "activitybubble.h"
#include "commentspage.h"
#include "logging.h"

#include <contactsgui.h>

void ActivitiesWidgetPrivate::onBubbleClicked()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    const auto *bubble = qobject_cast<ActivityBubble *>(sender());
    if (!bubble)
        return;
    const SocialActivity activity = bubble->activity();
    if (activity.variantProperty(SocialActivity::ActivityType).toInt() != SocialActivity::Post)
        return;
    QGraphicsScene *scene = m_owner->scene();
    // A page that cannot appear would never be destroyed.
    if (!scene) {
        qCWarning(lcDavovadezed)
            << Q_FUNC_INFO << "Will not open the comments page of a feed that is not on a scene";
        return;
    }
    auto *page = new CommentsPage;
    page->setActivity(activity);
    page->appear(scene, UxSceneWindow::DestroyWhenDone);
}

void ActivitiesWidgetPrivate::onAvatarClicked()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    const auto *bubble = qobject_cast<ActivityBubble *>(sender());
    if (!bubble)
        return;
    const QtContacts::QContact contact = bubble->contact();
    if (contact.isEmpty())
        return;
    ContactsGui::openContactCard(contact);
}
