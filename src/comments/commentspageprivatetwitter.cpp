#include "commentspageprivatetwitter_p.h"

#include "commentspage.h"
#include "logging.h"

#include <socialpostactivitiesrequest.h>
#include <socialprovidermanager.h>
#include <uxbutton.h>
#include <uxflowlayoutpolicy.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>
#include <uxtextedit.h>

namespace {

// The service's limit on a status, in UTF-16 code units.
const int s_maxStatusLength = 140;

// The text cut to the limit, never keeping half of a surrogate pair.
QString cutToStatusLength(const QString &text)
{
    if (text.length() <= s_maxStatusLength)
        return text;
    const bool splitsPair = text.at(s_maxStatusLength - 1).isHighSurrogate();
    return text.left(splitsPair ? s_maxStatusLength - 1 : s_maxStatusLength);
}

} // namespace

CommentsPagePrivateTwitter::CommentsPagePrivateTwitter(CommentsPage *page)
    : CommentsPagePrivate(page)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
}

CommentsPagePrivateTwitter::~CommentsPagePrivateTwitter()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
}

void CommentsPagePrivateTwitter::createContent()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    createContentActivityBubble();
    createContentLikenessArea();
    createContentPostComment();
    // The limit covers the reply prefix too.
    m_commentEdit->setMaxLength(s_maxStatusLength);
    m_commentEdit->setText(replyPrefix());
    m_commentEdit->setPrompt(qtTrId("qtn_actv_single_text_write_comment"));
    if (!m_activity.id().isEmpty())
        updateView();
}

void CommentsPagePrivateTwitter::createContentLikenessArea()
{
    m_likenessLayout = new UxLayout(m_layout);
    m_likenessPolicy = new UxFlowLayoutPolicy(m_likenessLayout);
    alignWithBubble(m_likenessPolicy);
    // Without an id there is nothing to retweet.
    if (!m_activity.id().isEmpty()) {
        m_likeButton = new UxButton(tr("Retweet"));
        connect(m_likeButton, &UxButton::clicked, this, &CommentsPagePrivateTwitter::onLikeClicked);
        m_likenessPolicy->addItem(m_likeButton);
    }
    m_policy->addItem(m_likenessLayout);
}

void CommentsPagePrivateTwitter::updateLikenessArea()
{
    // The retweet button reads the same whatever the likes.
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
}

void CommentsPagePrivateTwitter::onLikeClicked()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << "m_activity=" << m_activity.id();
    QString text = QStringLiteral("RT @") + m_owner.property(SocialNetworkPerson::ScreenName) +
                   QStringLiteral(": ") + m_activity.description();
    if (text.length() > s_maxStatusLength) {
        qCDebug(lcDavovadezed).nospace()
            << "Retweet comment truncated to 140 chars from " << text.length();
        text = cutToStatusLength(text);
    }
    post(text, &CommentsPagePrivateTwitter::onLikeFinished);
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << "- end";
}

void CommentsPagePrivateTwitter::onLikeFinished()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    auto *request = qobject_cast<SocialPostActivitiesRequest *>(sender());
    if (!request)
        return;
    const bool succeeded = postSucceeded(request);
    request->deleteLater();
    // A failed retweet leaves the page open, so the user can try again.
    if (succeeded)
        m_page->dismiss();
}

void CommentsPagePrivateTwitter::onPostClicked()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    const QString text = m_commentEdit->text();
    if (text.simplified().isEmpty())
        return;
    post(text, &CommentsPagePrivateTwitter::onPostFinished);
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << "- end";
}

void CommentsPagePrivateTwitter::onPostFinished()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    auto *request = qobject_cast<SocialPostActivitiesRequest *>(sender());
    if (!request)
        return;
    // A failed reply stays in the editor for another try.
    if (postSucceeded(request))
        m_commentEdit->setText(replyPrefix());
    else
        restoreUnsentText(request);
    request->deleteLater();
    m_commentEdit->setPrompt(qtTrId("qtn_actv_single_text_write_comment"));
}

QString CommentsPagePrivateTwitter::replyPrefix() const
{
    // A screen name is the provider's to choose: a long one must still fit.
    return cutToStatusLength(QStringLiteral("@") +
                             m_owner.property(SocialNetworkPerson::ScreenName) + QLatin1Char(' '));
}

void CommentsPagePrivateTwitter::post(const QString &text,
                                      void (CommentsPagePrivateTwitter::*onFinished)())
{
    // A status of its own, not a comment: a reply is one only by its prefix.
    auto *request = new SocialPostActivitiesRequest(SocialActivity::Post, text, QString(), this);
    connect(request, &SocialDataRequest::finished, this, onFinished);

    QList<SocialServiceAccount> accounts;
    const SocialServiceAccount account =
        SocialProviderManager::instance()->account(m_activity.parentAccount());
    if (!account.isEmpty())
        accounts.append(account);
    for (int i = 0; i < accounts.count(); ++i)
        qCDebug(lcDavovadezed).nospace() << "accounts(" << i << ")=" << accounts.at(i).id();
    if (accounts.isEmpty())
        qCWarning(lcDavovadezed) << "No twittergw account found!";
    SocialProviderManager::instance()->performRequest(request, accounts);
}
