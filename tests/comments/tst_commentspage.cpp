#include "commentsfixtures.h"
#include "logcatcher.h"

#include <uxlocale.h>
#include <zevavizi.h>

#include <QPointer>
#include <QSignalSpy>

using namespace CommentsFixtures;

namespace {

const QString s_activityId = QStringLiteral("post1");

// Comments on the activity, one every ten minutes from 9:00.
void storeComments(const QString &parentId, int count, int firstMinute = 0)
{
    for (int i = 0; i < count; ++i) {
        const int minute = firstMinute + 10 * i;
        ProviderFixtures::providerData()->insertActivity(comment(s_facebookAccount, parentId,
                                                                 QStringLiteral("c%1").arg(minute),
                                                                 at(9 + minute / 60, minute % 60)));
    }
}

QStringList shownComments(const ActivitiesWidget *comments)
{
    QStringList ids;
    for (quint32 i = 0; i < comments->count(); ++i)
        ids.append(comments->activityAt(i).id());
    return ids;
}

} // namespace

class tst_CommentsPage : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void variantChoice_data();
    void variantChoice();
    void facebookRows();
    void twitterRows();
    void rowsLineUpWithBubble_data();
    void rowsLineUpWithBubble();
    void emptyIdFillsNothing();
    void titleOfOwnerWithoutNames();
    void showMoreLink();
    void noLinkUpToFourteenComments();
    void liveCommentCountRise();
    void countsThatAreNoNumbers_data();
    void countsThatAreNoNumbers();
    void commentAtTheNewestTime_data();
    void commentAtTheNewestTime();
    void partialAndWholeMerges();
    void updatesOfOtherActivitiesIgnored();
    void updateBeforeContentOnlyMerges();
    void accountRemovalClosesPage();
    void listensOnceAndStopsWithPage();
    void contentBeforeActivity();
    void newActivityReplacesRows();
    void polishTexts_data();
    void polishTexts();
};

void tst_CommentsPage::init()
{
    loadAccounts();
}

void tst_CommentsPage::variantChoice_data()
{
    QTest::addColumn<QString>("serviceId");
    QTest::addColumn<bool>("knownAccount");
    QTest::addColumn<int>("rows");
    QTest::newRow("twittergw") << "twittergw" << true << 3;
    QTest::newRow("letter case") << "TwitterGW" << true << 5;
    QTest::newRow("trailing blank") << "twittergw " << true << 5;
    QTest::newRow("facebook") << "facebook" << true << 5;
    QTest::newRow("unknown account") << QString() << false << 5;
}

void tst_CommentsPage::variantChoice()
{
    QFETCH(QString, serviceId);
    QFETCH(bool, knownAccount);
    QFETCH(int, rows);
    const QString accountId = QStringLiteral("acc-x");
    if (knownAccount)
        ProviderFixtures::providerData()->addAccount(
            ProviderFixtures::account(accountId, serviceId, s_me));

    const LogCatcher log;
    QGraphicsScene scene;
    const CommentsPage *page = showPage(&scene, post(accountId, s_activityId));
    const PageView view(page);

    QCOMPARE(log.startingWith(QStringLiteral("socialserviceid=")),
             QStringList(QStringLiteral("socialserviceid= \"%1\"").arg(serviceId)));
    QCOMPARE(view.rowCount(), rows);
    if (rows == 3)
        QCOMPARE(view.retweetButton()->text(), QStringLiteral("Retweet"));
    else
        QVERIFY(view.comments());
}

void tst_CommentsPage::facebookRows()
{
    storeComments(s_activityId, 3);
    RequestLog requests;
    QGraphicsScene scene;
    const CommentsPage *page = showPage(&scene, post(s_facebookAccount, s_activityId, 3));
    const PageView view(page);

    QCOMPARE(view.rowCount(), 5);
    QVERIFY(view.bubble());
    QCOMPARE(view.bubble()->activity().id(), s_activityId);
    QCOMPARE(view.itemCount(1), 2);
    QVERIFY(view.likesLabel());
    QCOMPARE(view.likeButton()->text(), QStringLiteral("Like"));
    QVERIFY(view.moreLabel());
    QVERIFY(view.moreLabel()->text().isEmpty());
    QCOMPARE(view.comments()->maxSize(), 100u);
    QCOMPARE(view.itemCount(4), 2);
    QCOMPARE(view.editor()->text(), QString());
    QCOMPARE(view.editor()->prompt(), QStringLiteral("Write a comment..."));
    QCOMPARE(view.postButton()->text(), QStringLiteral("Post"));
    QCOMPARE(page->title(), QStringLiteral("Ann Lee"));

    // The first fourteen comments of this activity, oldest on top.
    QCOMPARE(requests.fetches().count(), 1);
    QCOMPARE(requests.fetches().at(0).limit, 14);
    QCOMPARE(requests.fetches().at(0).parentFilter, s_activityId);
    QTRY_COMPARE(shownComments(view.comments()), QStringList({"c0", "c10", "c20"}));
}

void tst_CommentsPage::twitterRows()
{
    RequestLog requests;
    QGraphicsScene scene;
    const CommentsPage *page = showPage(&scene, post(s_twitterAccount, s_activityId, 3, 2, true));
    const PageView view(page);

    QCOMPARE(view.rowCount(), 3);
    QCOMPARE(view.bubble()->activity().id(), s_activityId);
    QCOMPARE(view.itemCount(1), 1);
    QCOMPARE(view.retweetButton()->text(), QStringLiteral("Retweet"));
    QCOMPARE(view.itemCount(2), 2);
    QCOMPARE(view.replyEditor()->text(), QStringLiteral("@ann "));
    QCOMPARE(view.replyEditor()->maxLength(), 140);
    QCOMPARE(view.replyEditor()->prompt(), QStringLiteral("Write a comment..."));
    QCOMPARE(view.replyButton()->text(), QStringLiteral("Post"));
    QCOMPARE(page->title(), QStringLiteral("Ann Lee"));
    // No comments and no likes to ask for.
    settle();
    QVERIFY(requests.fetches().isEmpty());
    QVERIFY(requests.likers().isEmpty());
}

void tst_CommentsPage::rowsLineUpWithBubble_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::newRow("facebook") << s_facebookAccount;
    QTest::newRow("twitter gateway") << s_twitterAccount;
}

void tst_CommentsPage::rowsLineUpWithBubble()
{
    QFETCH(QString, accountId);
    QGraphicsScene scene(0, 0, 480, 854);
    const CommentsPage *page = showPage(&scene, post(accountId, s_activityId, 3, 2));
    const PageView view(page);
    settle();
    QCoreApplication::processEvents();

    const QGraphicsWidget *content = page->centralWidget();
    auto span = [content](const QGraphicsWidget *widget) {
        return widget->mapRectToItem(content, widget->rect());
    };
    const qreal side = UxBubbleItem::sideMargin();
    QVERIFY(side > 0);
    const QRectF bubble = span(view.bubble());
    QVERIFY(bubble.width() > 400);
    const qreal left = bubble.left() + side;
    const qreal right = bubble.right() - side;

    const bool facebook = accountId == s_facebookAccount;
    const UxTextEdit *editor = facebook ? view.editor() : view.replyEditor();
    const UxButton *post = facebook ? view.postButton() : view.replyButton();
    QCOMPARE(span(editor).left(), left);
    QCOMPARE(span(editor).right(), right);
    QCOMPARE(span(post).left(), left);
    QVERIFY(span(post).right() <= right);
    if (facebook) {
        QCOMPARE(span(view.likesLabel()).left(), left);
        QCOMPARE(span(view.likeButton()).right(), right);
        QCOMPARE(view.moreLabel()->contentsRect().left(), side);
        QCOMPARE(view.moreLabel()->contentsRect().right(), view.moreLabel()->size().width() - side);
    } else {
        QCOMPARE(span(view.retweetButton()).left(), left);
    }
}

void tst_CommentsPage::emptyIdFillsNothing()
{
    SocialActivity activity = post(s_facebookAccount, s_activityId, 20, 3, true);
    activity.removeProperty(SocialGenericData::Id);
    RequestLog requests;
    QGraphicsScene scene;
    const CommentsPage *page = showPage(&scene, activity);
    const PageView view(page);

    QCOMPARE(view.rowCount(), 5);
    QVERIFY(view.bubble()->activity().isEmpty());
    QVERIFY(page->title().isEmpty());
    QVERIFY(view.likesLabel()->text().isEmpty());
    QCOMPARE(view.likeButton()->text(), QStringLiteral("Like"));
    QVERIFY(view.moreLabel()->text().isEmpty());
    settle();
    QVERIFY(requests.fetches().isEmpty());
    QVERIFY(requests.likers().isEmpty());
}

void tst_CommentsPage::titleOfOwnerWithoutNames()
{
    ProviderFixtures::providerData()->updatePersons(
        {person(s_facebookAccount, QStringLiteral("nameless"), QString(), QString())});
    SocialActivity activity = post(s_facebookAccount, s_activityId);
    activity.setProperty(SocialActivity::OwnerPersonId, QStringLiteral("nameless"));
    QGraphicsScene scene;
    const CommentsPage *page = showPage(&scene, activity);
    QCOMPARE(page->title(), QStringLiteral(" "));
}

void tst_CommentsPage::showMoreLink()
{
    storeComments(s_activityId, 15);
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId, 15)));
    const QString link = QStringLiteral("<a href=\"#showmore\">View all 15 comments</a>");

    QTRY_COMPARE(view.comments()->count(), 14u);
    QCOMPARE(view.moreLabel()->text(), link);
    // The fourteen newest came first; the missing one is older than those.
    QCOMPARE(view.comments()->activityAt(0).id(), QStringLiteral("c10"));

    requests.clear();
    emit view.moreLabel()->linkActivated(QStringLiteral("#showmore"));
    QCOMPARE(requests.fetches().count(), 1);
    QCOMPARE(requests.fetches().at(0).limit, 100);
    QVERIFY(requests.fetches().at(0).after.isNull());
    QTRY_COMPARE(view.comments()->count(), 15u);
    QCOMPARE(view.comments()->activityAt(0).id(), QStringLiteral("c0"));
    QVERIFY(view.moreLabel()->text().isEmpty());
}

void tst_CommentsPage::noLinkUpToFourteenComments()
{
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId, 14)));
    settle();
    QCOMPARE(view.comments()->count(), 0u);
    QVERIFY(view.moreLabel()->text().isEmpty());
}

void tst_CommentsPage::liveCommentCountRise()
{
    SocialDataStore *store = ProviderFixtures::providerData();
    store->insertActivity(post(s_facebookAccount, s_activityId, 3));
    storeComments(s_activityId, 3);
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId, 3)));
    QTRY_COMPARE(view.comments()->count(), 3u);

    // Two comments arrive; the provider reports the higher count.
    requests.clear();
    storeComments(s_activityId, 2, 30);
    store->updateActivities({post(s_facebookAccount, s_activityId, 5)},
                            {SocialActivity::CommentCount});
    QCOMPARE(requests.fetches().count(), 1);
    // With the comment at 9:20, which the bound lets in again.
    QCOMPARE(requests.fetches().at(0).limit, 3);
    QCOMPARE(requests.fetches().at(0).after, at(9, 20).addMSecs(-1));
    QCOMPARE(requests.fetches().at(0).parentFilter, s_activityId);
    QTRY_COMPARE(shownComments(view.comments()), QStringList({"c0", "c10", "c20", "c30", "c40"}));

    // A count that drops fetches nothing.
    settle();
    requests.clear();
    store->updateActivities({post(s_facebookAccount, s_activityId, 3)},
                            {SocialActivity::CommentCount});
    QVERIFY(requests.fetches().isEmpty());

    // The counts are compared before the merge, whatever the update names.
    emit SocialProviderManager::instance()->activityUpdate(
        {post(s_facebookAccount, s_activityId, 9)}, {SocialActivity::LikeCount},
        SocialProviderTimeline::NoTimeline);
    QCOMPARE(requests.fetches().count(), 1);
    QCOMPARE(requests.fetches().at(0).limit, 7);
}

void tst_CommentsPage::countsThatAreNoNumbers_data()
{
    QTest::addColumn<QVariant>("count");
    QTest::newRow("minus one") << QVariant(-1);
    QTest::newRow("minus five") << QVariant(-5);
    QTest::newRow("negative text") << QVariant(QStringLiteral("-5"));
    QTest::newRow("not a number") << QVariant(QStringLiteral("many"));
    QTest::newRow("empty text") << QVariant(QString());
}

void tst_CommentsPage::countsThatAreNoNumbers()
{
    QFETCH(QVariant, count);
    SocialDataStore *store = ProviderFixtures::providerData();
    SocialActivity bad = post(s_facebookAccount, s_activityId, 3, 2);
    bad.setProperty(SocialActivity::CommentCount, count);
    bad.setProperty(SocialActivity::LikeCount, count);
    storeComments(s_activityId, 3);
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId, 3, 2)));
    QTRY_COMPARE(view.comments()->count(), 3u);
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("2 people like this"));

    // Such a count is none: no likes, no link, nothing fetched.
    requests.clear();
    store->updateActivities({bad});
    QVERIFY(requests.fetches().isEmpty());
    QVERIFY(view.likesLabel()->text().isEmpty());
    QVERIFY(view.moreLabel()->text().isEmpty());
    QVERIFY(view.bubble()->commentsString().isEmpty());

    // A rise from it counts from 0; the comment at 9:20 comes back with the
    // new ones and takes a place of its own in the limit.
    store->updateActivities({post(s_facebookAccount, s_activityId, 2)},
                            {SocialActivity::CommentCount});
    QCOMPARE(requests.fetches().count(), 1);
    QCOMPARE(requests.fetches().at(0).limit, 3);

    // A count past any list asks for no more than the list holds.
    settle();
    requests.clear();
    SocialActivity huge = post(s_facebookAccount, s_activityId);
    huge.setProperty(SocialActivity::CommentCount, qint64(5000000000));
    store->updateActivities({huge}, {SocialActivity::CommentCount});
    QCOMPARE(requests.fetches().count(), 1);
    QCOMPARE(requests.fetches().at(0).limit, 100);
    QCOMPARE(view.moreLabel()->text(),
             QStringLiteral("<a href=\"#showmore\">View all 5000000000 comments</a>"));
}

void tst_CommentsPage::commentAtTheNewestTime_data()
{
    QTest::addColumn<bool>("live");
    QTest::newRow("fetched") << false;
    QTest::newRow("live") << true;
}

void tst_CommentsPage::commentAtTheNewestTime()
{
    QFETCH(bool, live);
    SocialDataStore *store = ProviderFixtures::providerData();
    store->insertActivity(post(s_facebookAccount, s_activityId, 2));
    storeComments(s_activityId, 2);
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId, 2)));
    QTRY_COMPARE(shownComments(view.comments()), QStringList({"c0", "c10"}));

    // A new comment at the very time of the newest one shown, which it
    // follows in the provider's order of equal times.
    const SocialActivity same = comment(s_facebookAccount, s_activityId, "c11", at(9, 10));
    if (!live)
        store->insertActivity(same);
    requests.clear();
    store->updateActivities({post(s_facebookAccount, s_activityId, 3)},
                            {SocialActivity::CommentCount});
    QCOMPARE(requests.fetches().count(), 1);
    QCOMPARE(requests.fetches().at(0).after, at(9, 10).addMSecs(-1));
    QCOMPARE(requests.fetches().at(0).limit, 2);
    settle();
    if (live)
        store->updateActivities({same});
    QCOMPARE(shownComments(view.comments()), QStringList({"c0", "c10", "c11"}));

    // Both again, live: merged into the comments shown.
    store->updateActivities({same, comment(s_facebookAccount, s_activityId, "c10", at(9, 10))});
    QCOMPARE(shownComments(view.comments()), QStringList({"c0", "c10", "c11"}));
}

void tst_CommentsPage::partialAndWholeMerges()
{
    SocialDataStore *store = ProviderFixtures::providerData();
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId, 0, 2)));
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("2 people like this"));

    // Only the named property is taken; the user's own like stays as it was.
    SocialActivity update = post(s_facebookAccount, s_activityId, 0, 5, true);
    update.setProperty(SocialGenericData::Description, QStringLiteral("edited"));
    emit SocialProviderManager::instance()->activityUpdate({update}, {SocialActivity::LikeCount},
                                                           SocialProviderTimeline::Home);
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("5 people like this"));
    QCOMPARE(view.likeButton()->text(), QStringLiteral("Like"));
    QCOMPARE(view.bubble()->activity().description(), QStringLiteral("text of post1"));

    // A whole record replaces everything.
    emit SocialProviderManager::instance()->activityUpdate({update}, {},
                                                           SocialProviderTimeline::NoTimeline);
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("You and 4 others like this"));
    QCOMPARE(view.likeButton()->text(), QStringLiteral("Unlike"));
    QCOMPARE(view.bubble()->activity().description(), QStringLiteral("edited"));

    SocialActivity bare = update;
    bare.removeProperty(SocialActivity::LikeCount);
    bare.removeProperty(SocialActivity::IsLikedByMe);
    store->updateActivities({bare});
    QVERIFY(view.likesLabel()->text().isEmpty());
    QCOMPARE(view.likeButton()->text(), QStringLiteral("Like"));
}

void tst_CommentsPage::updatesOfOtherActivitiesIgnored()
{
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId, 0, 2)));
    settle();
    requests.clear();

    emit SocialProviderManager::instance()->activityUpdate(
        {post(s_twitterAccount, s_activityId, 9, 7), post(s_facebookAccount, "other", 9, 7)}, {},
        SocialProviderTimeline::NoTimeline);
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("2 people like this"));
    QVERIFY(requests.fetches().isEmpty());
}

void tst_CommentsPage::updateBeforeContentOnlyMerges()
{
    CommentsPage *page = new CommentsPage;
    page->setActivity(post(s_facebookAccount, s_activityId, 0, 2));
    RequestLog requests;
    emit SocialProviderManager::instance()->activityUpdate(
        {post(s_facebookAccount, s_activityId, 20, 3)},
        {SocialActivity::LikeCount, SocialActivity::CommentCount},
        SocialProviderTimeline::NoTimeline);
    QVERIFY(requests.fetches().isEmpty());

    QGraphicsScene scene;
    page->appear(&scene);
    const PageView view(page);
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("3 people like this"));
    QCOMPARE(view.moreLabel()->text(),
             QStringLiteral("<a href=\"#showmore\">View all 20 comments</a>"));
}

void tst_CommentsPage::accountRemovalClosesPage()
{
    QGraphicsScene scene;
    CommentsPage *page = showPage(&scene, post(s_facebookAccount, s_activityId, 0, 2));
    const PageView view(page);
    QSignalSpy disappeared(page, &UxSceneWindow::disappeared);
    SocialProviderManager *manager = SocialProviderManager::instance();

    ProviderFixtures::providerData()->removeAccount(s_twitterAccount);
    QCOMPARE(disappeared.count(), 0);

    const LogCatcher log;
    ProviderFixtures::providerData()->removeAccount(s_facebookAccount);
    QCOMPARE(disappeared.count(), 1);
    QVERIFY(!page->isVisible());
    const QString noChange = QStringLiteral(
        "void CommentsPagePrivate::listenToActivityUpdates(bool) No need to change state");
    QCOMPARE(log.count(noChange), 0);

    // No longer listening.
    emit manager->activityUpdate({post(s_facebookAccount, s_activityId, 0, 9)}, {},
                                 SocialProviderTimeline::NoTimeline);
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("2 people like this"));

    emit manager->accountsRemoved({s_facebookAccount});
    QCOMPARE(log.count(noChange), 1);
}

void tst_CommentsPage::listensOnceAndStopsWithPage()
{
    RequestLog requests;
    QGraphicsScene scene;
    auto *page = new CommentsPage;
    // Each activity gets a new behaviour object; only the last one listens.
    page->setActivity(post(s_facebookAccount, s_activityId, 3));
    page->setActivity(post(s_facebookAccount, s_activityId, 3));
    page->appear(&scene);
    settle();

    requests.clear();
    emit SocialProviderManager::instance()->activityUpdate(
        {post(s_facebookAccount, s_activityId, 5)}, {SocialActivity::CommentCount},
        SocialProviderTimeline::NoTimeline);
    QCOMPARE(requests.fetches().count(), 1);

    settle();
    delete page;
    requests.clear();
    emit SocialProviderManager::instance()->activityUpdate(
        {post(s_facebookAccount, s_activityId, 9)}, {SocialActivity::CommentCount},
        SocialProviderTimeline::NoTimeline);
    QVERIFY(requests.fetches().isEmpty());
}

void tst_CommentsPage::contentBeforeActivity()
{
    QGraphicsScene scene;
    auto *page = new CommentsPage;
    QTest::ignoreMessage(QtWarningMsg, "virtual void CommentsPage::createContent() No activity to "
                                       "show; call setActivity() first");
    page->appear(&scene);
    const PageView view(page);
    QCOMPARE(view.rowCount(), 0);

    page->setActivity(post(s_facebookAccount, s_activityId, 0, 1));
    QCOMPARE(view.rowCount(), 5);
    QCOMPARE(view.bubble()->activity().id(), s_activityId);
    QCOMPARE(view.likesLabel()->text(), QStringLiteral("1 person likes this"));
}

void tst_CommentsPage::newActivityReplacesRows()
{
    RequestLog requests;
    QGraphicsScene scene;
    CommentsPage *page = showPage(&scene, post(s_facebookAccount, s_activityId, 0, 2));
    const PageView view(page);
    const QPointer<ActivityBubble> oldBubble = view.bubble();
    const QPointer<UxButton> oldButton = view.likeButton();

    page->setActivity(post(s_twitterAccount, QStringLiteral("tweet")));
    QCOMPARE(view.rowCount(), 3);
    QCOMPARE(view.bubble()->activity().id(), QStringLiteral("tweet"));
    QCOMPARE(view.retweetButton()->text(), QStringLiteral("Retweet"));
    QTRY_VERIFY(oldBubble.isNull());
    QVERIFY(oldButton.isNull());
}

DAVOVADEZED_TEST_MAIN(tst_CommentsPage)
void tst_CommentsPage::polishTexts_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<uint>("likes");
    QTest::addColumn<bool>("likedByMe");
    QTest::addColumn<QString>("likesText");
    QTest::addColumn<QString>("button");
    const QString like = QStringLiteral("Lubię to");
    const QString unlike = QStringLiteral("Cofnij polubienie");
    QTest::newRow("1, me") << s_facebookAccount << 1u << true << "Lubisz to" << unlike;
    QTest::newRow("1") << s_facebookAccount << 1u << false << "1 osoba lubi to" << like;
    QTest::newRow("2, me") << s_facebookAccount << 2u << true << "Lubią to: Ty i inne osoby (1)"
                           << unlike;
    QTest::newRow("2") << s_facebookAccount << 2u << false << "2 osoby lubią to" << like;
    QTest::newRow("5") << s_facebookAccount << 5u << false << "5 osób lubi to" << like;
    QTest::newRow("12") << s_facebookAccount << 12u << false << "12 osób lubi to" << like;
    QTest::newRow("22") << s_facebookAccount << 22u << false << "22 osoby lubią to" << like;
    QTest::newRow("twitter") << s_twitterAccount << 2u << true << QString() << "Podaj dalej";
}

void tst_CommentsPage::polishTexts()
{
    QFETCH(QString, account);
    QFETCH(uint, likes);
    QFETCH(bool, likedByMe);
    QFETCH(QString, likesText);
    QFETCH(QString, button);
    // The catalogs the library installs itself, read in Polish.
    UxLocale::setDefault(UxLocale(QStringLiteral("pl_PL")));
    Zevavizi::loadTranslation();
    struct RestoreEnglish
    {
        ~RestoreEnglish()
        {
            UxLocale::setDefault(UxLocale(QStringLiteral("en_GB")));
            Zevavizi::loadTranslation();
        }
    } restore;
    storeComments(s_activityId, 15);
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(account, s_activityId, 15, likes, likedByMe)));

    QVERIFY(view.bubble()->timeStamp().endsWith(QStringLiteral(" dni temu")));
    if (account == s_twitterAccount) {
        QCOMPARE(view.retweetButton()->text(), button);
        QCOMPARE(view.replyEditor()->prompt(), QStringLiteral("Napisz komentarz..."));
        QCOMPARE(view.replyButton()->text(), QStringLiteral("Wyślij"));
        return;
    }
    QCOMPARE(view.likesLabel()->text(), likesText);
    QCOMPARE(view.likeButton()->text(), button);
    QCOMPARE(view.editor()->prompt(), QStringLiteral("Napisz komentarz..."));
    QCOMPARE(view.postButton()->text(), QStringLiteral("Wyślij"));
    QTRY_COMPARE(view.comments()->count(), 14u);
    QCOMPARE(view.moreLabel()->text(),
             QStringLiteral("<a href=\"#showmore\">Pokaż wszystkie komentarze (15)</a>"));
}

#include "tst_commentspage.moc"
