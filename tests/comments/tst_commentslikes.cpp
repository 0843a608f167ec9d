#include "commentsfixtures.h"
#include "logcatcher.h"

#include <QSignalSpy>
#include <QTextDocument>

using namespace CommentsFixtures;

namespace {

const QString s_activityId = QStringLiteral("post1");

} // namespace

class tst_CommentsLikes : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void countTexts_data();
    void countTexts();
    void likersTexts_data();
    void likersTexts();
    void likersFollowLikeCount();
    void likersFailureKeepsCountText();
    void twoQuickTapsSendOneRequest();
    void failedLikeFreesButton();
    void partialUpdateEndsPendingLike();
    void providerMarkupShowsAsWritten_data();
    void providerMarkupShowsAsWritten();
};

void tst_CommentsLikes::init()
{
    loadAccounts();
}

void tst_CommentsLikes::countTexts_data()
{
    QTest::addColumn<uint>("likes");
    QTest::addColumn<bool>("likedByMe");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::newRow("0, me") << 0u << true << QString() << "Unlike";
    QTest::newRow("0") << 0u << false << QString() << "Like";
    QTest::newRow("1, me") << 1u << true << "You like this"
                           << "Unlike";
    QTest::newRow("1") << 1u << false << "1 person likes this"
                       << "Like";
    QTest::newRow("2, me") << 2u << true << "You and 1 others like this"
                           << "Unlike";
    QTest::newRow("5") << 5u << false << "5 people like this"
                       << "Like";
}

void tst_CommentsLikes::countTexts()
{
    QFETCH(uint, likes);
    QFETCH(bool, likedByMe);
    QFETCH(QString, text);
    QFETCH(QString, button);
    const SocialActivity activity = post(s_facebookAccount, s_activityId, 0, likes, likedByMe);
    ProviderFixtures::providerData()->insertActivity(activity);

    QGraphicsScene scene;
    const PageView view(showPage(&scene, activity));
    QCOMPARE(view.likesLabel()->text(), text);
    QCOMPARE(view.likeButton()->text(), button);
    // The button is as wide as its text and its height.
    const qreal width = view.likeButton()->preferredWidth();
    QVERIFY(width > view.likeButton()->effectiveSizeHint(Qt::PreferredSize).height());
}

void tst_CommentsLikes::likersTexts_data()
{
    QTest::addColumn<QStringList>("likers");
    QTest::addColumn<uint>("likes");
    QTest::addColumn<bool>("likedByMe");
    QTest::addColumn<QString>("text");
    QTest::newRow("1, me") << QStringList{"me"} << 1u << true << "You like this";
    QTest::newRow("1") << QStringList{"f1"} << 1u << false << "Bob Ray likes this";
    QTest::newRow("1 without names") << QStringList{"stranger"} << 1u << false << "  likes this";
    QTest::newRow("2, me") << QStringList{"f1", "me"} << 2u << true << "You and Bob Ray like this";
    QTest::newRow("2, me first") << QStringList{"me", "f2"} << 2u << true
                                 << "You and Cy Doe like this";
    QTest::newRow("2") << QStringList{"f1", "f2"} << 2u << false << "Bob Ray and Cy Doe like this";
    // With the user among three or more, the activity's count is shown, not
    // the number of other likers.
    QTest::newRow("3, me") << QStringList{"f1", "f2", "me"} << 3u << true
                           << "You and 3 others like this";
    QTest::newRow("3 of 7, me") << QStringList{"f1", "f2", "me"} << 7u << true
                                << "You and 7 others like this";
    QTest::newRow("none named") << QStringList{} << 2u << false << "";
    QTest::newRow("3") << QStringList{"f2", "f1", "stranger"} << 3u << false
                       << "Cy Doe and 2 others like this";
}

void tst_CommentsLikes::likersTexts()
{
    QFETCH(QStringList, likers);
    QFETCH(uint, likes);
    QFETCH(bool, likedByMe);
    QFETCH(QString, text);
    const SocialActivity activity = post(s_facebookAccount, s_activityId, 0, likes, likedByMe);
    SocialDataStore *store = ProviderFixtures::providerData();
    store->insertActivity(activity);
    store->setLikers(s_facebookAccount, s_activityId, likers);

    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, activity));
    QCOMPARE(requests.likers().count(), 1);
    QCOMPARE(requests.likers().at(0).activityId, s_activityId);
    QTRY_COMPARE(view.likesLabel()->text(), text);
}

void tst_CommentsLikes::likersFollowLikeCount()
{
    const SocialActivity activity = post(s_facebookAccount, s_activityId, 0, 1);
    SocialDataStore *store = ProviderFixtures::providerData();
    store->insertActivity(activity);
    store->setLikers(s_facebookAccount, s_activityId, {"f1"});
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, activity));
    QTRY_COMPARE(view.likesLabel()->text(), QStringLiteral("Bob Ray likes this"));

    store->setLikers(s_facebookAccount, s_activityId, {"f1", "f2"});
    store->updateActivities({post(s_facebookAccount, s_activityId, 0, 2)},
                            {SocialActivity::LikeCount});
    QCOMPARE(requests.likers().count(), 2);
    QTRY_COMPARE(view.likesLabel()->text(), QStringLiteral("Bob Ray and Cy Doe like this"));

    // Nobody left to name.
    store->setLikers(s_facebookAccount, s_activityId, {});
    store->updateActivities({post(s_facebookAccount, s_activityId, 0, 0)},
                            {SocialActivity::LikeCount});
    QCOMPARE(requests.likers().count(), 2);
    QVERIFY(view.likesLabel()->text().isEmpty());
}

void tst_CommentsLikes::likersFailureKeepsCountText()
{
    const SocialActivity activity = post(s_facebookAccount, s_activityId, 0, 3);
    SocialDataStore *store = ProviderFixtures::providerData();
    store->insertActivity(activity);
    store->setLikers(s_facebookAccount, s_activityId, {"f1", "f2", "me"});
    store->setOffline(true);

    const LogCatcher log;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, activity));
    QTRY_COMPARE(log.count(QStringLiteral("error 3 \"The network cannot be reached\"")), 1);
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("3 people like this"));
}

void tst_CommentsLikes::twoQuickTapsSendOneRequest()
{
    const SocialActivity activity = post(s_facebookAccount, s_activityId, 0, 2);
    ProviderFixtures::providerData()->insertActivity(activity);
    ProviderFixtures::providerData()->setLikers(s_facebookAccount, s_activityId, {"f1", "f2"});
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, activity));
    QTRY_COMPARE(view.likesLabel()->text(), QStringLiteral("Bob Ray and Cy Doe like this"));

    view.likeButton()->click();
    view.likeButton()->click();
    QCOMPARE(requests.likes().count(), 1);
    QCOMPARE(requests.likes().at(0).activityId, s_activityId);
    QVERIFY(requests.likes().at(0).like);
    QVERIFY(requests.likes().at(0).accountIds.isEmpty());

    // The provider reports the like; the page is idle again and offers the
    // opposite.
    QTRY_COMPARE(view.likeButton()->text(), QStringLiteral("Unlike"));
    QTRY_COMPARE(view.likesLabel()->text(), QStringLiteral("You and 3 others like this"));
    view.likeButton()->click();
    QCOMPARE(requests.likes().count(), 2);
    QVERIFY(!requests.likes().at(1).like);
}

void tst_CommentsLikes::failedLikeFreesButton()
{
    const SocialActivity activity = post(s_facebookAccount, s_activityId, 0, 2);
    ProviderFixtures::providerData()->insertActivity(activity);
    ProviderFixtures::providerData()->setOffline(true);
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, activity));
    settle();

    const LogCatcher log;
    view.likeButton()->click();
    QCOMPARE(requests.likes().count(), 1);
    settle();
    // The like, and the names asked for when the row was redrawn.
    QCOMPARE(log.count(QStringLiteral("error 3 \"The network cannot be reached\"")), 2);
    QCOMPARE(view.likeButton()->text(), QStringLiteral("Like"));
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("2 people like this"));

    // No update will come; the button works again all the same.
    ProviderFixtures::providerData()->setOffline(false);
    view.likeButton()->click();
    QCOMPARE(requests.likes().count(), 2);
    QVERIFY(requests.likes().at(1).like);
    QTRY_COMPARE(view.likeButton()->text(), QStringLiteral("Unlike"));
}

void tst_CommentsLikes::partialUpdateEndsPendingLike()
{
    const SocialActivity activity = post(s_facebookAccount, s_activityId, 0, 2);
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, activity));

    // A like whose result has not come yet.
    view.likeButton()->click();
    view.likeButton()->click();
    QCOMPARE(requests.likes().count(), 1);

    // An update of the like count alone re-reads the unchanged own like.
    emit SocialProviderManager::instance()->activityUpdate(
        {post(s_facebookAccount, s_activityId, 0, 4)}, {SocialActivity::LikeCount},
        SocialProviderTimeline::NoTimeline);
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("4 people like this"));
    view.likeButton()->click();
    QCOMPARE(requests.likes().count(), 2);
}

void tst_CommentsLikes::providerMarkupShowsAsWritten_data()
{
    QTest::addColumn<QString>("markup");
    QTest::newRow("bold") << QStringLiteral("<b>bold</b>");
    QTest::newRow("font") << QStringLiteral("<font size=7 color=red>BIG</font>");
    QTest::newRow("link") << QStringLiteral("<a href=\"http://example.com/x\">x</a>");
    QTest::newRow("image") << QStringLiteral("<img src=\"/tmp/tst-commentslikes-none.png\">");
}

// The owner's and the likers' names, the activity and its comments come from
// other people: markup in them shows as the characters it is made of.
void tst_CommentsLikes::providerMarkupShowsAsWritten()
{
    QFETCH(QString, markup);
    SocialDataStore *store = ProviderFixtures::providerData();
    store->updatePersons({person(s_facebookAccount, s_owner, markup, markup),
                          person(s_facebookAccount, QStringLiteral("f1"), markup, markup)});
    SocialActivity activity = post(s_facebookAccount, s_activityId, 1, 1);
    activity.setProperty(SocialGenericData::Description, markup);
    store->insertActivity(activity);
    SocialActivity reply = comment(s_facebookAccount, s_activityId, QStringLiteral("c1"), at(9));
    reply.setProperty(SocialGenericData::Description, markup);
    store->insertActivity(reply);
    store->setLikers(s_facebookAccount, s_activityId, {"f1"});

    QGraphicsScene scene;
    CommentsPage *page = showPage(&scene, activity);
    const PageView view(page);
    QCOMPARE(page->title(), markup + ' ' + markup);
    QTRY_COMPARE(view.likesLabel()->plainText(), QStringLiteral("%1 %1 likes this").arg(markup));
    QCOMPARE(view.likesLabel()->textFormat(), Qt::PlainText);

    QTextDocument shown;
    shown.setHtml(view.bubble()->message());
    QCOMPARE(shown.toPlainText(), markup);
    QTRY_COMPARE(view.comments()->count(), 1u);
    const ActivityBubble *shownReply = nullptr;
    for (QGraphicsItem *item : scene.items()) {
        auto *bubble = qobject_cast<ActivityBubble *>(item->toGraphicsObject());
        if (bubble && bubble->activity().id() == QLatin1String("c1"))
            shownReply = bubble;
    }
    QVERIFY(shownReply);
    shown.setHtml(shownReply->message());
    QCOMPARE(shown.toPlainText(), markup);
}

DAVOVADEZED_TEST_MAIN(tst_CommentsLikes)
#include "tst_commentslikes.moc"
