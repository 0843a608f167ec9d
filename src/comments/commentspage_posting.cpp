#include "commentspage_p.h"

#include "logging.h"

#include <socialpostactivitiesrequest.h>
#include <socialprovidermanager.h>
#include <uxtextedit.h>

void CommentsPagePrivate::onPostClicked()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    const QString text = m_commentEdit->text();
    if (text.simplified().isEmpty())
        return;
    auto *request =
        new SocialPostActivitiesRequest(SocialActivity::Comment, text, m_activity.id(), this);
    connect(request, &SocialDataRequest::finished, this, &CommentsPagePrivate::onPostFinished);
    SocialProviderManager::instance()->performRequest(request, QList<SocialServiceAccount>());
    m_commentEdit->setText(QString());
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << "- end";
}

void CommentsPagePrivate::onPostFinished()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    auto *request = qobject_cast<SocialPostActivitiesRequest *>(sender());
    if (!request)
        return;
    if (!postSucceeded(request))
        restoreUnsentText(request);
    request->deleteLater();
    m_commentEdit->setPrompt(qtTrId("qtn_actv_single_text_write_comment"));
}

bool CommentsPagePrivate::postSucceeded(const SocialPostActivitiesRequest *request)
{
    const bool blankId = request->postId().isEmpty();
    if (blankId)
        qCWarning(lcDavovadezed) << "PostId return as blank, probably an error";
    logErrors(request);
    return !blankId && request->errors().isEmpty();
}

void CommentsPagePrivate::restoreUnsentText(const SocialPostActivitiesRequest *request)
{
    if (m_commentEdit->text().isEmpty())
        m_commentEdit->setText(request->text());
}
