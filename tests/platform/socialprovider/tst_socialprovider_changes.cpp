#include "providerfixtures.h"

#include "socialgetpersonsrequest.h"
#include "sociallikeactivityrequest.h"
#include "socialpostactivitiesrequest.h"
#include "socialprovidermanager.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

using namespace ProviderFixtures;

// Liking and posting: what changes in the data and what is broadcast.
class tst_SocialProviderChanges : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void likeAndUnlike();
    void unlikeNeverGoesBelowZero();
    void likeThatChangesNothingIsQuiet();
    void likeFindsActivityWithinAccounts();
    void refusedLike_data();
    void refusedLike();
    void requestDeletedByListener();

    void postStatus();
    void postOnRequestedAccount();
    void postComment();
    void postsGetDistinctIds();
    void refusedPost_data();
    void refusedPost();

private:
    SocialProviderManager *m_manager = SocialProviderManager::instance();
    const QDateTime m_now = QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
};

void tst_SocialProviderChanges::init()
{
    SocialDataStore *data = providerData();
    data->reset();
    data->addAccount(account("fb", "facebook", "me-fb"));
    data->addAccount(account("tw", "twittergw", "me-tw"));
    SocialActivity liked = counted(activity("fb", "a1", m_now, SocialActivity::Post, "ann"));
    liked.setProperty(SocialActivity::LikeCount, 2u);
    liked.setProperty(SocialActivity::CommentCount, 5u);
    data->insertActivity(liked, SocialProviderTimeline::Home);
    data->setLikers("fb", "a1", {"ann", "bob"});
    data->insertActivity(counted(activity("fb", "same", m_now, SocialActivity::Post, "ann")));
    data->insertActivity(counted(activity("tw", "same", m_now, SocialActivity::Post, "dan")),
                         SocialProviderTimeline::Wall);
    data->setInitialized(true);
}

void tst_SocialProviderChanges::likeAndUnlike()
{
    QSignalSpy updates(m_manager, &SocialProviderManager::activityUpdate);

    SocialLikeActivityRequest like("a1", true);
    QVERIFY(run(&like));
    QVERIFY(like.errors().isEmpty());
    SocialActivity stored = providerData()->activity("fb", "a1");
    QCOMPARE(stored.variantProperty(SocialActivity::IsLikedByMe), QVariant(true));
    QCOMPARE(stored.variantProperty(SocialActivity::LikeCount).toUInt(), 3u);
    QCOMPARE(providerData()->likers("fb", "a1"), QStringList({"ann", "bob", "me-fb"}));

    QCOMPARE(updates.count(), 1);
    const QList<SocialActivity> sent = updates.at(0).at(0).value<QList<SocialActivity>>();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().id(), QString("a1"));
    QCOMPARE(sent.first().parentAccount(), QString("fb"));
    QCOMPARE(sent.first().variantProperty(SocialActivity::LikeCount).toUInt(), 3u);
    QCOMPARE(updates.at(0).at(1).value<QList<QString>>(),
             QList<QString>({SocialActivity::IsLikedByMe, SocialActivity::LikeCount}));
    QCOMPARE(updates.at(0).at(2).value<SocialProviderTimeline::TimelineType>(),
             SocialProviderTimeline::Home);

    SocialLikeActivityRequest unlike("a1", false);
    QVERIFY(run(&unlike));
    stored = providerData()->activity("fb", "a1");
    QCOMPARE(stored.variantProperty(SocialActivity::IsLikedByMe), QVariant(false));
    QCOMPARE(stored.variantProperty(SocialActivity::LikeCount).toUInt(), 2u);
    QCOMPARE(providerData()->likers("fb", "a1"), QStringList({"ann", "bob"}));
    QCOMPARE(updates.count(), 2);
    QCOMPARE(updates.at(1).at(1).value<QList<QString>>(),
             QList<QString>({SocialActivity::IsLikedByMe, SocialActivity::LikeCount}));
}

void tst_SocialProviderChanges::unlikeNeverGoesBelowZero()
{
    SocialActivity odd = counted(activity("fb", "odd", m_now, SocialActivity::Post, "ann"));
    odd.setProperty(SocialActivity::IsLikedByMe, true);
    providerData()->insertActivity(odd);
    QSignalSpy updates(m_manager, &SocialProviderManager::activityUpdate);

    SocialLikeActivityRequest unlike("odd", false);
    QVERIFY(run(&unlike));

    QCOMPARE(
        providerData()->activity("fb", "odd").variantProperty(SocialActivity::LikeCount).toUInt(),
        0u);
    QCOMPARE(updates.count(), 1);
    QCOMPARE(updates.at(0).at(1).value<QList<QString>>(),
             QList<QString>({SocialActivity::IsLikedByMe}));
}

void tst_SocialProviderChanges::likeThatChangesNothingIsQuiet()
{
    QSignalSpy updates(m_manager, &SocialProviderManager::activityUpdate);
    const SocialActivity before = providerData()->activity("fb", "a1");

    SocialLikeActivityRequest unlike("a1", false);
    QVERIFY(run(&unlike));

    QVERIFY(unlike.errors().isEmpty());
    QCOMPARE(updates.count(), 0);
    QCOMPARE(providerData()->activity("fb", "a1"), before);
    QCOMPARE(providerData()->likers("fb", "a1"), QStringList({"ann", "bob"}));
}

void tst_SocialProviderChanges::likeFindsActivityWithinAccounts()
{
    QSignalSpy updates(m_manager, &SocialProviderManager::activityUpdate);

    // Without accounts the first account in order wins.
    SocialLikeActivityRequest any("same", true);
    QVERIFY(run(&any));
    QCOMPARE(providerData()->activity("fb", "same").variantProperty(SocialActivity::IsLikedByMe),
             QVariant(true));
    QCOMPARE(providerData()->activity("tw", "same").variantProperty(SocialActivity::IsLikedByMe),
             QVariant(false));

    SocialLikeActivityRequest twitter("same", true);
    QVERIFY(run(&twitter, {m_manager->account("tw")}));
    QCOMPARE(providerData()->activity("tw", "same").variantProperty(SocialActivity::IsLikedByMe),
             QVariant(true));
    QCOMPARE(providerData()->likers("tw", "same"), QStringList({"me-tw"}));
    QCOMPARE(updates.count(), 2);
    QCOMPARE(updates.at(1).at(0).value<QList<SocialActivity>>().first().parentAccount(),
             QString("tw"));
    QCOMPARE(updates.at(1).at(2).value<SocialProviderTimeline::TimelineType>(),
             SocialProviderTimeline::Wall);
}

void tst_SocialProviderChanges::refusedLike_data()
{
    QTest::addColumn<QString>("activityId");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<int>("errorType");
    QTest::newRow("empty id") << QString() << QString() << int(SocialProviderError::InvalidRequest);
    QTest::newRow("unknown id") << "missing" << QString() << int(SocialProviderError::NotFound);
    QTest::newRow("other account") << "a1"
                                   << "tw" << int(SocialProviderError::NotFound);
}

void tst_SocialProviderChanges::refusedLike()
{
    QFETCH(QString, activityId);
    QFETCH(QString, accountId);
    QFETCH(int, errorType);
    QSignalSpy updates(m_manager, &SocialProviderManager::activityUpdate);
    const QList<SocialActivity> before = providerData()->activities();

    SocialLikeActivityRequest like(activityId, true);
    QSignalSpy finished(&like, &SocialDataRequest::finished);
    QVERIFY(run(&like, accountId.isEmpty()
                           ? QList<SocialServiceAccount>()
                           : QList<SocialServiceAccount>{m_manager->account(accountId)}));
    QCoreApplication::processEvents();

    QCOMPARE(finished.count(), 1);
    QCOMPARE(like.errors().size(), 1);
    QCOMPARE(like.errors().first().type(), errorType);
    QVERIFY(!like.errors().first().description().isEmpty());
    QCOMPARE(updates.count(), 0);
    QCOMPARE(providerData()->activities(), before);
}

void tst_SocialProviderChanges::requestDeletedByListener()
{
    auto *like = new SocialLikeActivityRequest("a1", true);
    QPointer<SocialLikeActivityRequest> guard(like);
    QSignalSpy finished(like, &SocialDataRequest::finished);
    const QMetaObject::Connection connection = connect(
        m_manager, &SocialProviderManager::activityUpdate, this, [&guard] { delete guard; });
    SocialGetPersonsRequest later;
    QSignalSpy laterFinished(&later, &SocialDataRequest::finished);

    m_manager->performRequest(like, {});
    m_manager->performRequest(&later, {});
    QVERIFY(laterFinished.wait());
    disconnect(connection);

    QVERIFY(guard.isNull());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(providerData()->activity("fb", "a1").variantProperty(SocialActivity::IsLikedByMe),
             QVariant(true));
}

void tst_SocialProviderChanges::postStatus()
{
    QSignalSpy updates(m_manager, &SocialProviderManager::activityUpdate);
    const QDateTime before = QDateTime::currentDateTimeUtc();

    SocialPostActivitiesRequest post(SocialActivity::Post, " hi ", QString());
    QVERIFY(run(&post));

    QVERIFY(post.errors().isEmpty());
    QVERIFY(!post.postId().isEmpty());
    // No account given: the first one.
    const SocialActivity stored = providerData()->activity("fb", post.postId());
    QCOMPARE(stored.id(), post.postId());
    QCOMPARE(stored.variantProperty(SocialActivity::ActivityType).toInt(),
             int(SocialActivity::Post));
    QCOMPARE(stored.description(), QString(" hi "));
    QCOMPARE(stored.property(SocialActivity::OwnerPersonId), QString("me-fb"));
    QVERIFY(!stored.hasProperty(SocialActivity::ParentActivityId));
    QCOMPARE(stored.variantProperty(SocialActivity::CommentCount).toUInt(), 0u);
    QCOMPARE(stored.variantProperty(SocialActivity::LikeCount).toUInt(), 0u);
    QCOMPARE(stored.variantProperty(SocialActivity::IsLikedByMe), QVariant(false));
    const QDateTime start = stored.variantProperty(SocialActivity::StartTime).toDateTime();
    QCOMPARE(start.timeSpec(), Qt::UTC);
    QVERIFY(before <= start && start <= QDateTime::currentDateTimeUtc());

    QCOMPARE(updates.count(), 1);
    QCOMPARE(updates.at(0).at(0).value<QList<SocialActivity>>(), QList<SocialActivity>{stored});
    QVERIFY(updates.at(0).at(1).value<QList<QString>>().isEmpty());
    QCOMPARE(updates.at(0).at(2).value<SocialProviderTimeline::TimelineType>(),
             SocialProviderTimeline::NoTimeline);
}

void tst_SocialProviderChanges::postOnRequestedAccount()
{
    SocialPostActivitiesRequest post(SocialActivity::Post, "RT @dan: hello", QString());
    QVERIFY(run(&post, {m_manager->account("tw")}));
    QVERIFY(post.errors().isEmpty());
    QCOMPARE(providerData()->activity("tw", post.postId()).property(SocialActivity::OwnerPersonId),
             QString("me-tw"));
    QVERIFY(providerData()->activity("fb", post.postId()).isEmpty());
}

void tst_SocialProviderChanges::postComment()
{
    QSignalSpy updates(m_manager, &SocialProviderManager::activityUpdate);

    SocialPostActivitiesRequest post(SocialActivity::Comment, "nice", "a1");
    QVERIFY(run(&post));

    QVERIFY(post.errors().isEmpty());
    const SocialActivity comment = providerData()->activity("fb", post.postId());
    QCOMPARE(comment.property(SocialActivity::ParentActivityId), QString("a1"));
    QCOMPARE(comment.variantProperty(SocialActivity::ActivityType).toInt(),
             int(SocialActivity::Comment));
    QCOMPARE(providerData()->timelineOf("fb", post.postId()), SocialProviderTimeline::Home);
    const SocialActivity parent = providerData()->activity("fb", "a1");
    QCOMPARE(parent.variantProperty(SocialActivity::CommentCount).toUInt(), 6u);

    // The comment first, so that a refetch prompted by the count finds it.
    QCOMPARE(updates.count(), 2);
    QCOMPARE(updates.at(0).at(0).value<QList<SocialActivity>>(), QList<SocialActivity>{comment});
    QVERIFY(updates.at(0).at(1).value<QList<QString>>().isEmpty());
    QCOMPARE(updates.at(0).at(2).value<SocialProviderTimeline::TimelineType>(),
             SocialProviderTimeline::Home);
    const QList<SocialActivity> parents = updates.at(1).at(0).value<QList<SocialActivity>>();
    QCOMPARE(parents.size(), 1);
    QCOMPARE(parents.first().id(), QString("a1"));
    QCOMPARE(parents.first().variantProperty(SocialActivity::CommentCount).toUInt(), 6u);
    QCOMPARE(updates.at(1).at(1).value<QList<QString>>(),
             QList<QString>({SocialActivity::CommentCount}));
    QCOMPARE(updates.at(1).at(2).value<SocialProviderTimeline::TimelineType>(),
             SocialProviderTimeline::Home);
}

void tst_SocialProviderChanges::postsGetDistinctIds()
{
    providerData()->insertActivity(
        counted(activity("fb", "local-1", m_now, SocialActivity::Post, "ann")));
    QSet<QString> seen{"local-1"};
    for (int i = 0; i < 3; ++i) {
        SocialPostActivitiesRequest post(SocialActivity::Post, "again", QString());
        QVERIFY(run(&post));
        QVERIFY2(!seen.contains(post.postId()), qPrintable(post.postId()));
        seen.insert(post.postId());
    }
    QCOMPARE(providerData()->activity("fb", "local-1").description(), QString("text of local-1"));
}

void tst_SocialProviderChanges::refusedPost_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parentId");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<int>("errorType");
    const int comment = SocialActivity::Comment;
    const int post = SocialActivity::Post;
    const int invalid = SocialProviderError::InvalidRequest;
    const int notFound = SocialProviderError::NotFound;
    QTest::newRow("empty text") << post << QString() << QString() << QString() << invalid;
    QTest::newRow("blank text") << comment << " \t\n "
                                << "a1" << QString() << invalid;
    QTest::newRow("any type") << int(SocialActivity::AnyType) << "hi" << QString() << QString()
                              << invalid;
    QTest::newRow("comment without parent") << comment << "hi" << QString() << QString() << invalid;
    QTest::newRow("comment on unknown") << comment << "hi"
                                        << "missing" << QString() << notFound;
    QTest::newRow("parent on other account") << comment << "hi"
                                             << "a1"
                                             << "tw" << notFound;
    QTest::newRow("unknown account") << post << "hi" << QString() << "gone" << notFound;
}

void tst_SocialProviderChanges::refusedPost()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QString, parentId);
    QFETCH(QString, accountId);
    QFETCH(int, errorType);
    QSignalSpy updates(m_manager, &SocialProviderManager::activityUpdate);
    const QList<SocialActivity> before = providerData()->activities();

    SocialPostActivitiesRequest post(static_cast<SocialActivity::Type>(type), text, parentId);
    QSignalSpy finished(&post, &SocialDataRequest::finished);
    QVERIFY(run(&post, accountId.isEmpty()
                           ? QList<SocialServiceAccount>()
                           : QList<SocialServiceAccount>{m_manager->account(accountId)}));
    QCoreApplication::processEvents();

    QCOMPARE(finished.count(), 1);
    QCOMPARE(post.errors().size(), 1);
    QCOMPARE(post.errors().first().type(), errorType);
    QVERIFY(!post.errors().first().description().isEmpty());
    QVERIFY(post.postId().isEmpty());
    QCOMPARE(updates.count(), 0);
    QCOMPARE(providerData()->activities(), before);
}

QTEST_GUILESS_MAIN(tst_SocialProviderChanges)
#include "tst_socialprovider_changes.moc"
