#include "activitybubble.h"

#include "activityavatarwidget_p.h"
#include "activitybubble_p.h"
#include "activitycount_p.h"
#include "contactresolver.h"
#include "logging.h"
#include "serviceiconresolver.h"

#include <uximagewidget.h>

namespace {

// Zero, or no count at all, shows as nothing.
QString countText(const SocialActivity &activity, const QString &property, const QString &format)
{
    const qint64 count = ActivityCount::of(activity, property);
    return count > 0 ? format.arg(count) : QString();
}

} // namespace

ActivityBubble::ActivityBubble() : UxBubbleItem(nullptr), m_d(new ActivityBubblePrivate(this))
{
    // The text is laid out once, at the width it keeps when the contact's
    // avatar arrives.
    setAvatarPlaceholderSize(ActivityAvatarWidget::s_size);
    addInformationWidget(m_d->m_serviceIcon);
}

ActivityBubble::~ActivityBubble()
{
    delete m_d;
    m_d = nullptr;
}

void ActivityBubble::setActivity(const SocialActivity &activity, const QList<QString> &updatedProps)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << activity.id() << activity.description()
                           << activity.parentAccount() << updatedProps;

    const bool whole = updatedProps.isEmpty();
    if (whole) {
        m_d->m_activity = activity;
    } else {
        for (const QString &name : updatedProps)
            m_d->m_activity.setProperty(name, activity.variantProperty(name));
    }
    m_d->m_activity.setProperty(SocialGenericData::Id, activity.id());
    m_d->m_activity.setProperty(SocialGenericData::ParentAccount, activity.parentAccount());
    const SocialActivity &merged = m_d->m_activity;
    m_d->setOwnerId(merged.property(SocialActivity::OwnerPersonId));

    // No person has an empty id: asking for one would only end in an error.
    const QString ownerId = m_d->ownerPersonId();
    if (!ownerId.isEmpty())
        m_d->resolver()->resolveContact(ownerId);
    m_d->onActivityTimer();

    if (whole || updatedProps.contains(SocialGenericData::Description))
        setMessage(ActivityBubblePrivate::convertToHtml(
            ActivityBubblePrivate::shownMessage(merged.description()).toHtmlEscaped()));
    if (whole || updatedProps.contains(SocialActivity::CommentCount))
        setCommentsString(countText(merged, SocialActivity::CommentCount, QStringLiteral("%1")));
    if (whole || updatedProps.contains(SocialActivity::LikeCount))
        setThumbsUpString(countText(merged, SocialActivity::LikeCount, QStringLiteral("+%1")));

    const QString icon = ServiceIconResolver::instance()->iconForActivity(merged);
    m_d->m_serviceIcon->setImage(icon, ActivityBubblePrivate::s_serviceIconSize);
    m_d->showServiceIcon();

    if (whole || updatedProps.contains(SocialActivity::Attachment)) {
        const bool hasAttachment = merged.variantProperty(SocialActivity::Attachment).isValid();
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << "attachment" << hasAttachment;
        if (hasAttachment)
            m_d->setAttachment(merged.attachment());
    }
}

SocialActivity ActivityBubble::activity() const
{
    return m_d->m_activity;
}

QtContacts::QContact ActivityBubble::contact() const
{
    return m_d->m_contact;
}

void ActivityBubble::clear()
{
    m_d->clear();
}

bool ActivityBubble::activityHasSufficientData(const SocialActivity &activity)
{
    return activity.hasProperty(SocialGenericData::Id) &&
           activity.hasProperty(SocialGenericData::ParentAccount) &&
           activity.hasProperty(SocialActivity::OwnerPersonId) &&
           activity.hasProperty(SocialGenericData::Description) &&
           activity.hasProperty(SocialActivity::StartTime);
}
