#include "commentspage_p.h"

#include "activitycount_p.h"
#include "logging.h"
#include "personstore.h"

#include <socialgetlikersrequest.h>
#include <sociallikeactivityrequest.h>
#include <socialprovidermanager.h>
#include <uxbutton.h>
#include <uxlabel.h>

#include <QTextLayout>

#include <limits>

namespace {

QString fullName(const SocialNetworkPerson &person)
{
    return QStringLiteral("%1 %2").arg(person.property(SocialNetworkPerson::FirstName),
                                       person.property(SocialNetworkPerson::LastName));
}

// The liker named beside "You": the first one who is not the user.
SocialNetworkPerson otherThanMe(const QList<SocialNetworkPerson> &likers)
{
    for (const SocialNetworkPerson &liker : likers) {
        if (!PersonStore::isOwnContact(liker))
            return liker;
    }
    return likers.constFirst();
}

} // namespace

void CommentsPagePrivate::setLikeButtonText(const QString &text)
{
    QTextLayout layout(text, m_likeButton->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    // The height stands in for the button's padding on both sides.
    const qreal padding = m_likeButton->effectiveSizeHint(Qt::PreferredSize).height();
    m_likeButton->setPreferredWidth(layout.maximumWidth() + padding);
    m_likeButton->setText(text);
}

QString CommentsPagePrivate::likesTextFromCount() const
{
    const qint64 likeCount = ActivityCount::of(m_activity, SocialActivity::LikeCount);
    const bool likedByMe = m_activity.variantProperty(SocialActivity::IsLikedByMe).toBool();
    if (likeCount == 0)
        return QString();
    if (likeCount == 1 && likedByMe) {
        //% "You like this"
        return qtTrId("qtn_actv_text_you_like");
    }
    if (likeCount == 1)
        return tr("1 person likes this");
    if (likedByMe) {
        //% "%1 and %2 others like this"
        return qtTrId("qtn_actv_text_2_like_you").arg(tr("You"), QString::number(likeCount - 1));
    }
    // The count picks the plural form; the text has its own place for it.
    return tr("%1 people like this", nullptr,
              int(qMin<qint64>(likeCount, std::numeric_limits<int>::max())))
        .arg(likeCount);
}

void CommentsPagePrivate::updateLikenessArea()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << "likeCount="
                           << ActivityCount::of(m_activity, SocialActivity::LikeCount);
    m_likesLabel->setText(likesTextFromCount());
    if (m_activity.variantProperty(SocialActivity::IsLikedByMe).toBool()) {
        //% "Unlike"
        setLikeButtonText(qtTrId("qtn_actv_button_unlike"));
    } else {
        //% "Like"
        setLikeButtonText(qtTrId("qtn_actv_button_like"));
    }
}

void CommentsPagePrivate::onLikeClicked()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    const bool likedByMe = m_activity.variantProperty(SocialActivity::IsLikedByMe).toBool();
    // A request of this page is still out.
    if (m_likedByMe != likedByMe)
        return;
    m_likedByMe = !m_likedByMe;
    auto *request = new SocialLikeActivityRequest(m_activity.id(), !likedByMe, this);
    connect(request, &SocialDataRequest::finished, this, &CommentsPagePrivate::onLikeFinished);
    SocialProviderManager::instance()->performRequest(request, QList<SocialServiceAccount>());
}

void CommentsPagePrivate::onLikeFinished()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    auto *request = qobject_cast<SocialLikeActivityRequest *>(sender());
    if (!request)
        return;
    if (!request->errors().isEmpty()) {
        logErrors(request);
        // Nothing changed on the server, so no update will end the wait:
        // the button works again at once.
        m_likedByMe = m_activity.variantProperty(SocialActivity::IsLikedByMe).toBool();
    }
    request->deleteLater();
    updateLikenessArea();
}

void CommentsPagePrivate::onGetLikersFinished()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    auto *request = qobject_cast<SocialGetLikersRequest *>(sender());
    if (!request)
        return;
    request->deleteLater();
    if (!m_likesLabel)
        return;
    // Without names the count still tells how many like it.
    if (!request->errors().isEmpty()) {
        logErrors(request);
        return;
    }
    const QList<SocialNetworkPerson> likers = request->persons();
    if (likers.isEmpty()) {
        m_likesLabel->setText(QString());
        return;
    }

    const bool likedByMe = m_activity.variantProperty(SocialActivity::IsLikedByMe).toBool();
    const QString first = fullName(likers.constFirst());
    QString text;
    if (likers.count() == 1 && likedByMe) {
        text = qtTrId("qtn_actv_text_you_like");
    } else if (likers.count() == 1) {
        //% "%1 likes this"
        text = qtTrId("qtn_actv_text_1_like").arg(first);
    } else if (likers.count() == 2 && likedByMe) {
        //% "You and %1 like this"
        text = qtTrId("qtn_actv_text_you_and_like").arg(fullName(otherThanMe(likers)));
    } else if (likers.count() == 2) {
        //% "%1 and %2 like this"
        text = qtTrId("qtn_actv_text_2_like").arg(first, fullName(likers.constLast()));
    } else if (likedByMe) {
        // The list may hold only the first few likers, so the count tells
        // how many there are.
        const qint64 likeCount = ActivityCount::of(m_activity, SocialActivity::LikeCount);
        text = qtTrId("qtn_actv_text_2_like_you").arg(tr("You"), QString::number(likeCount));
    } else {
        text = qtTrId("qtn_actv_text_2_like_you").arg(first, QString::number(likers.count() - 1));
    }
    m_likesLabel->setText(text);
}

void CommentsPagePrivate::logErrors(const SocialDataRequest *request)
{
    for (const SocialProviderError &error : request->errors())
        qCWarning(lcDavovadezed) << "error" << error.type() << error.description();
}
