#include "commentspageprivatefacebook_p.h"

#include "logging.h"

#include <socialgetlikersrequest.h>
#include <socialprovidermanager.h>

CommentsPagePrivateFacebook::CommentsPagePrivateFacebook(CommentsPage *page)
    : CommentsPagePrivate(page)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
}

CommentsPagePrivateFacebook::~CommentsPagePrivateFacebook()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
}

void CommentsPagePrivateFacebook::createContent()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    createContentActivityBubble();
    createContentLikenessArea();
    createContentMoreLabel();
    createContentComments();
    createContentPostComment();
    if (!m_activity.id().isEmpty())
        updateView();
}

void CommentsPagePrivateFacebook::updateLikenessArea()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    CommentsPagePrivate::updateLikenessArea();
    // The count text just drawn replaced any names; ask who they are again.
    if (!m_activity.id().isEmpty() &&
        m_activity.variantProperty(SocialActivity::LikeCount).toUInt() > 0)
        requestLikers();
}

void CommentsPagePrivateFacebook::onShowMoreClicked()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    fetchAllComments();
}

void CommentsPagePrivateFacebook::requestLikers()
{
    auto *request = new SocialGetLikersRequest(m_activity.id(), this);
    connect(request, &SocialDataRequest::finished, this,
            &CommentsPagePrivateFacebook::onGetLikersFinished);
    SocialProviderManager::instance()->performRequest(request, QList<SocialServiceAccount>());
}
