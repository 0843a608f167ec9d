#include "stressactivities.h"

#include <activitieswidget.h>
#include <socialactivityattachment.h>
#include <socialdatastore.h>
#include <socialnetworkperson.h>
#include <socialservice.h>

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QRandomGenerator>

namespace {

const int s_activityIdPool = 400;
const int s_personPool = 6;

const QStringList s_descriptions = {
    QStringLiteral("Back from the lake, the water was perfect!"),
    QStringLiteral("Shipping day. Coffee first. http://example.com/coffee?x=1&y=2#top"),
    QStringLiteral("see www.example.org/path. and news.bbc.co.uk now"),
    QStringLiteral("<b>not bold</b> \"quoted\" & (www.example.com) version 1.2.3"),
    QStringLiteral("Two lines\nhttps://a.example.net/x https://b.example.net/y"),
    QStringLiteral("Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 ja\u017a\u0144 \u2764"),
    QString(),
};

// Person ids differ between accounts, as they do between services: the
// address book matches a person by id alone.
QString personId(const QString &accountId, quint32 index)
{
    return QStringLiteral("%1-p%2").arg(accountId).arg(index);
}

SocialServiceAccount accountRecord(const QString &id, const QString &service,
                                   const QString &profile)
{
    SocialServiceAccount account;
    account.setProperty(SocialGenericData::Id, id);
    account.setProperty(SocialServiceAccount::SocialServiceId, service);
    account.setProperty(SocialServiceAccount::ProfileId, profile);
    account.setProperty(SocialServiceAccount::State, SocialServiceAccount::Enabled);
    return account;
}

// The user and a circle of friends, on one account.
QList<SocialNetworkPerson> personsOf(const SocialServiceAccount &account)
{
    QList<SocialNetworkPerson> persons;
    for (int i = -1; i < s_personPool; ++i) {
        SocialNetworkPerson person;
        person.setProperty(SocialGenericData::ParentAccount, account.id());
        person.setProperty(SocialGenericData::Id,
                           i < 0 ? account.property(SocialServiceAccount::ProfileId)
                                 : personId(account.id(), quint32(i)));
        person.setProperty(SocialNetworkPerson::FirstName, QStringLiteral("First%1").arg(i));
        person.setProperty(SocialNetworkPerson::LastName, QStringLiteral("Last%1").arg(i));
        persons.append(person);
    }
    return persons;
}

SocialService serviceRecord(const QString &id)
{
    SocialService service;
    service.setProperty(SocialGenericData::Id, id);
    service.setProperty(SocialService::ProviderName, id);
    service.setProperty(SocialService::Icon, QStringLiteral("icon-s-service-") + id);
    return service;
}

} // namespace

StressActivities::StressActivities(QRandomGenerator *random) : m_random(random)
{
    // A few real thumbnails, so attachments load pixmaps; and one path that
    // does not exist.
    for (int i = 0; i < 3; ++i) {
        QImage image(96, 54, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 100, 200, 200));
        const QString path = m_images.filePath(QStringLiteral("thumb%1.png").arg(i));
        image.save(path);
        m_imagePaths.append(path);
    }
    m_imagePaths.append(m_images.filePath(QStringLiteral("missing.png")));
}

void StressActivities::setUpProvider(SocialDataStore *store)
{
    m_store = store;
    store->reset();
    store->addService(serviceRecord(QStringLiteral("facebook")));
    store->addService(serviceRecord(QStringLiteral("twittergw")));
    m_accounts = {
        accountRecord(QStringLiteral("fb-1"), QStringLiteral("facebook"), QStringLiteral("me-fb")),
        accountRecord(QStringLiteral("fb-2"), QStringLiteral("facebook"), QStringLiteral("me-fb2")),
        accountRecord(QStringLiteral("tw-1"), QStringLiteral("twittergw"),
                      QStringLiteral("me-tw"))};
    for (const SocialServiceAccount &account : m_accounts)
        store->addAccount(account);
    for (const SocialServiceAccount &account : qAsConst(m_accounts))
        store->updatePersons(personsOf(account));
    store->setInitialized(true);
    pickCommentRoot();
}

void StressActivities::restoreAccount(SocialDataStore *store, const QString &accountId)
{
    for (const SocialServiceAccount &account : qAsConst(m_accounts)) {
        if (account.id() == accountId) {
            store->addAccount(account);
            store->updatePersons(personsOf(account));
        }
    }
}

QString StressActivities::pick(const QStringList &values)
{
    return values.at(int(m_random->bounded(quint32(values.size()))));
}

QDateTime StressActivities::randomTime()
{
    // Ten-minute steps over a week: equal start times happen often.
    return QDateTime(QDate(2024, 5, 14), QTime(0, 0), Qt::UTC)
        .addSecs(qint64(m_random->bounded(7 * 24 * 6)) * 600);
}

QString StressActivities::randomDescription()
{
    QString text = pick(s_descriptions);
    if (m_random->bounded(20) == 0)
        text = text.repeated(1 + int(m_random->bounded(5)));
    return text;
}

QVariant StressActivities::randomAttachment()
{
    SocialActivityAttachment attachment;
    attachment.title = pick({QStringLiteral("Lake photos"), QString()});
    if (m_random->bounded(3) == 0) {
        attachment.linkUrl = QStringLiteral("https://example.com/article");
    } else {
        const int count = 1 + int(m_random->bounded(6));
        for (int i = 0; i < count; ++i) {
            SocialActivityAttachment::Media media;
            media.type = m_random->bounded(8) == 0 ? SocialActivityAttachment::Media::Video
                                                   : SocialActivityAttachment::Media::Image;
            media.imagePath = pick(m_imagePaths);
            media.linkUrl = QStringLiteral("https://example.com/photo/%1").arg(i);
            attachment.media.append(media);
        }
    }
    return QVariant::fromValue(attachment);
}

SocialActivity StressActivities::randomActivity()
{
    const SocialServiceAccount &account =
        m_accounts.at(int(m_random->bounded(quint32(m_accounts.size()))));
    const quint32 typeDraw = m_random->bounded(10);
    const int type = typeDraw < 6   ? SocialActivity::Post
                     : typeDraw < 9 ? SocialActivity::Comment
                                    : SocialActivity::Photo;

    SocialActivity activity;
    activity.setProperty(SocialGenericData::Id,
                         QStringLiteral("a%1").arg(m_random->bounded(s_activityIdPool)));
    activity.setProperty(SocialGenericData::ParentAccount, account.id());
    activity.setProperty(SocialActivity::ActivityType, type);
    activity.setProperty(SocialActivity::OwnerPersonId,
                         m_random->bounded(10) == 0
                             ? account.property(SocialServiceAccount::ProfileId)
                             : personId(account.id(), m_random->bounded(s_personPool)));
    activity.setProperty(SocialActivity::ReceiverPersonId,
                         personId(account.id(), m_random->bounded(s_personPool)));
    activity.setProperty(SocialActivity::StartTime, randomTime());
    activity.setProperty(SocialGenericData::Description, randomDescription());
    activity.setProperty(SocialActivity::CommentCount, m_random->bounded(30u));
    activity.setProperty(SocialActivity::LikeCount, m_random->bounded(30u));
    activity.setProperty(SocialActivity::IsLikedByMe, m_random->bounded(2) == 0);
    if (type == SocialActivity::Comment) {
        const bool onRoot = m_random->bounded(2) == 0;
        activity.setProperty(SocialActivity::ParentActivityId,
                             onRoot ? m_commentRoot.id() : QStringLiteral("elsewhere"));
        if (onRoot)
            activity.setProperty(SocialGenericData::ParentAccount, m_commentRoot.parentAccount());
    }
    if (m_random->bounded(10) == 0)
        activity.setProperty(SocialActivity::Attachment, randomAttachment());
    // Now and then too little to be shown.
    if (m_random->bounded(25) == 0)
        activity.removeProperty(m_random->bounded(2) ? SocialGenericData::Description
                                                     : SocialActivity::StartTime);
    return activity;
}

QList<SocialActivity> StressActivities::newActivities(int count)
{
    QList<SocialActivity> activities;
    for (int i = 0; i < count; ++i)
        activities.append(randomActivity());
    return activities;
}

SocialActivity StressActivities::oddActivity()
{
    SocialActivity activity = randomActivity();
    switch (m_random->bounded(8)) {
    case 0:
        activity.setProperty(SocialGenericData::Id, QString());
        break;
    case 1:
        activity.removeProperty(SocialActivity::StartTime);
        break;
    case 2:
        activity.setProperty(SocialGenericData::ParentAccount, QStringLiteral("unknown-9"));
        break;
    default:
        break;
    }
    return activity;
}

SocialActivity StressActivities::changed(const SocialActivity &shown, QList<QString> *names)
{
    static const QStringList s_changeable = {
        SocialActivity::LikeCount,   SocialActivity::CommentCount,   SocialActivity::IsLikedByMe,
        SocialActivity::StartTime,   SocialGenericData::Description, SocialActivity::Attachment,
        SocialActivity::ActivityType};
    const SocialActivity fresh = randomActivity();
    SocialActivity update;
    update.setProperty(SocialGenericData::Id, shown.id());
    update.setProperty(SocialGenericData::ParentAccount, shown.parentAccount());
    names->clear();
    const int count = 1 + int(m_random->bounded(3));
    for (int i = 0; i < count; ++i) {
        const QString name = pick(s_changeable);
        if (names->contains(name))
            continue;
        names->append(name);
        // Now and then a named property is missing from the update.
        if (m_random->bounded(20) != 0)
            update.setProperty(name, fresh.hasProperty(name) ? fresh.variantProperty(name)
                                                             : randomAttachment());
    }
    return update;
}

SocialProviderTimeline::TimelineType StressActivities::timeline()
{
    return m_random->bounded(5) == 0
               ? SocialProviderTimeline::TimelineType(1 + m_random->bounded(4))
               : SocialProviderTimeline::NoTimeline;
}

QStringList StressActivities::someAccounts(int count)
{
    QStringList ids;
    for (const SocialServiceAccount &account : qAsConst(m_accounts))
        ids.append(account.id());
    for (int i = ids.size() - 1; i > 0; --i)
        ids.swapItemsAt(i, int(m_random->bounded(quint32(i + 1))));
    const int keep =
        count >= 0 ? qMin(count, int(ids.size())) : int(m_random->bounded(quint32(ids.size() + 1)));
    return ids.mid(0, keep);
}

SocialActivity StressActivities::commentRoot() const
{
    return m_commentRoot;
}

void StressActivities::pickCommentRoot()
{
    SocialActivity root = randomActivity();
    root.setProperty(SocialGenericData::Id, QStringLiteral("root%1").arg(m_random->bounded(5)));
    // A post of its own: a comment drawn above took the old root's account.
    root.setProperty(SocialGenericData::ParentAccount, pick(someAccounts(1)));
    root.setProperty(SocialActivity::OwnerPersonId,
                     personId(root.parentAccount(), m_random->bounded(s_personPool)));
    root.setProperty(SocialActivity::ActivityType, SocialActivity::Post);
    root.setProperty(SocialGenericData::Description, QStringLiteral("What do you think?"));
    root.setProperty(SocialActivity::StartTime, randomTime());
    root.removeProperty(SocialActivity::ParentActivityId);
    m_commentRoot = root;
    m_store->insertActivity(root);
}

SocialActivity StressActivities::moreComments()
{
    m_commentRoot.setProperty(SocialActivity::CommentCount,
                              m_commentRoot.variantProperty(SocialActivity::CommentCount).toUInt() +
                                  1 + m_random->bounded(3u));
    return m_commentRoot;
}

void StressActivities::changeFilters(ActivitiesWidget *feed)
{
    if (m_random->bounded(2) == 0) {
        // Back to letting almost everything through.
        feed->setTimelineFilter(SocialProviderTimeline::NoTimeline);
        feed->setActivityTypeFilter(SocialActivity::AnyType);
        feed->setAccountsFilter({});
        feed->setOwnerPersonsFilter({});
        feed->setAfterFilter(QDateTime());
        feed->setBeforeFilter(QDateTime());
        feed->discardOwnActivities(true);
        return;
    }
    switch (m_random->bounded(6)) {
    case 0:
        feed->setTimelineFilter(timeline());
        break;
    case 1:
        feed->setActivityTypeFilter(SocialActivity::Type(1 + m_random->bounded(4)));
        break;
    case 2:
        feed->setAccountsFilter(someAccounts());
        break;
    case 3:
        // A friend, and the user: own activities then pass although they
        // are discarded otherwise.
        feed->setOwnerPersonsFilter(
            {personId(pick(someAccounts(1)), m_random->bounded(s_personPool)),
             QStringLiteral("me-fb")});
        break;
    case 4:
        feed->setAfterFilter(randomTime());
        break;
    default:
        feed->discardOwnActivities(m_random->bounded(2) == 0);
        break;
    }
}
