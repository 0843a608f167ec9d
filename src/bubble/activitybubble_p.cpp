#include "activitybubble_p.h"

#include "activityavatarwidget_p.h"
#include "activitybubble.h"
#include "contactlisteners_p.h"
#include "contactresolver.h"
#include "linkpolicy_p.h"
#include "logging.h"
#include "personstore.h"

#include <contentaction.h>
#include <uximagewidget.h>

#include <QtContacts/QContactDisplayLabel>

using QtContacts::QContact;
using QtContacts::QContactDisplayLabel;

const int ActivityBubblePrivate::s_maxMessageLength = 10000;

ActivityBubblePrivate::ActivityBubblePrivate(ActivityBubble *owner)
    : QObject(owner), m_owner(owner), m_serviceIcon(new UxImageWidget)
{
    resolver();
    connect(PersonStore::instance(), &PersonStore::personUpdated, this,
            &ActivityBubblePrivate::onPersonUpdated);
    connect(m_owner, &UxBubbleItem::linkActivated, this, &ActivityBubblePrivate::onLinkActivated);
}

ActivityBubblePrivate::~ActivityBubblePrivate()
{
    if (ContactListeners *listeners = ContactListeners::existing())
        listeners->forget(this, m_ownerId);
    if (m_serviceIcon && m_serviceIcon->parentItem() != m_owner)
        delete m_serviceIcon;
}

ContactResolver *ActivityBubblePrivate::resolver()
{
    return ContactListeners::instance()->resolver();
}

void ActivityBubblePrivate::setOwnerId(const QString &ownerId)
{
    if (ownerId == m_ownerId)
        return;
    ContactListeners *listeners = ContactListeners::instance();
    listeners->forget(this, m_ownerId);
    m_ownerId = ownerId;
    listeners->listen(this, ownerId);
}

void ActivityBubblePrivate::showServiceIcon()
{
    if (!m_owner->informationWidgets().contains(m_serviceIcon))
        m_owner->addInformationWidget(m_serviceIcon);
}

const QString &ActivityBubblePrivate::ownerPersonId() const
{
    return m_ownerId;
}

QString ActivityBubblePrivate::shownMessage(const QString &description)
{
    if (description.size() <= s_maxMessageLength)
        return description;
    int length = s_maxMessageLength - 1;
    // Never half a character.
    if (description.at(length - 1).isHighSurrogate())
        --length;
    return description.left(length) + QChar(0x2026);
}

void ActivityBubblePrivate::setContact(const QContact &contact)
{
    m_contact = contact;
    m_owner->setSenderName(contact.detail<QContactDisplayLabel>().label());

    auto *avatar = qobject_cast<AvatarWidget *>(m_owner->avatar());
    if (!avatar) {
        avatar = new ActivityAvatarWidget(m_owner);
        m_owner->setAvatar(avatar);
        connect(avatar, &AvatarWidget::clicked, m_owner, &ActivityBubble::avatarClicked);
    }
    avatar->setContact(contact);
}

void ActivityBubblePrivate::clear()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    m_owner->setCommentsString(QString());
    m_owner->setThumbsUpString(QString());
    m_owner->setMessage(QString());
    m_owner->setSenderName(QString());
    m_owner->setTimeStamp(QString());

    m_activity = SocialActivity();
    setOwnerId(QString());
    m_contact = QContact();

    if (QGraphicsWidget *central = m_owner->centralWidget()) {
        m_owner->setCentralWidget(nullptr);
        delete central;
    }
    if (QGraphicsWidget *avatar = m_owner->avatar()) {
        m_owner->setAvatar(nullptr);
        delete avatar;
    }
    const QList<QGraphicsWidget *> information = m_owner->informationWidgets();
    for (QGraphicsWidget *widget : information) {
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << "removing information widget" << widget;
        m_owner->removeInformationWidget(widget);
    }
}

void ActivityBubblePrivate::onContactReady(const QString &socialPersonId, const QContact &contact)
{
    if (ownerPersonId() != socialPersonId)
        return;
    setContact(contact);
    onActivityTimer();
}

void ActivityBubblePrivate::onContactError(const QString &socialPersonId)
{
    if (ownerPersonId() == socialPersonId)
        qCWarning(lcDavovadezed) << Q_FUNC_INFO << "Error resolving contact with ID"
                                 << socialPersonId;
}

void ActivityBubblePrivate::onPersonUpdated(const SocialNetworkPerson &person)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    if (ownerPersonId() != person.id())
        return;
    resolver()->resolveContact(person.id());
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << "Resolve contact" << person.id();
}

void ActivityBubblePrivate::onLinkActivated(const QString &url)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << "opening" << url;
    if (!LinkPolicy::isWebLink(url)) {
        qCWarning(lcDavovadezed) << Q_FUNC_INFO
                                 << "Will not open a link that is not http or https:" << url;
        return;
    }
    ContentAction::Action::defaultActionForScheme(url).trigger();
}
