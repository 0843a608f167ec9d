#include "commentsfixtures.h"
#include "logcatcher.h"

#include <QPointer>
#include <QSignalSpy>

using namespace CommentsFixtures;

namespace {

const QString s_tweetId = QStringLiteral("tweet1");
const QString s_networkError = QStringLiteral("error 3 \"The network cannot be reached\"");

SocialActivity tweet(const QString &text)
{
    SocialActivity record = post(s_twitterAccount, s_tweetId);
    record.setProperty(SocialGenericData::Description, text);
    return record;
}

} // namespace

class tst_CommentsTwitter : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void retweetText_data();
    void retweetText();
    void retweetCutKeepsSurrogatePairs_data();
    void retweetCutKeepsSurrogatePairs();
    void emptyScreenName();
    void retweetSuccessDismisses();
    void retweetFailureKeepsPageOpen();
    void replyPrefix();
    void replyPrefixCut_data();
    void replyPrefixCut();
    void failedReplyKeepsText();
    void blankReplySendsNothing();
    void missingAccount();
    void noRetweetWithoutId();
    void liveUpdatesMergeIntoRetweet();
};

void tst_CommentsTwitter::init()
{
    loadAccounts();
}

void tst_CommentsTwitter::retweetText_data()
{
    QTest::addColumn<int>("textLength");
    QTest::addColumn<int>("postedLength");
    QTest::addColumn<bool>("truncated");
    // "RT @ann: " takes nine units.
    QTest::newRow("209 cut to 140") << 200 << 140 << true;
    QTest::newRow("exactly 140") << 131 << 140 << false;
    QTest::newRow("short") << 20 << 29 << false;
}

void tst_CommentsTwitter::retweetText()
{
    QFETCH(int, textLength);
    QFETCH(int, postedLength);
    QFETCH(bool, truncated);
    QString text;
    for (int i = 0; i < textLength; ++i)
        text.append(QChar('a' + i % 26));
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, tweet(text)));

    const LogCatcher log;
    view.retweetButton()->click();
    QCOMPARE(requests.posts().count(), 1);
    const PerformedRequest retweet = requests.posts().at(0);
    QCOMPARE(retweet.postType, int(SocialActivity::Post));
    QVERIFY(retweet.parentActivityId.isEmpty());
    QCOMPARE(retweet.accountIds, QStringList(s_twitterAccount));
    QCOMPARE(retweet.text, (QStringLiteral("RT @ann: ") + text).left(postedLength));
    QCOMPARE(log.count(QStringLiteral("Retweet comment truncated to 140 chars from 209")),
             truncated ? 1 : 0);
    QCOMPARE(log.count(QStringLiteral("Retweet comment truncated")), truncated ? 1 : 0);
    QCOMPARE(log.startingWith(QStringLiteral("accounts(")),
             QStringList(QStringLiteral("accounts(0)=\"tw1\"")));
}

void tst_CommentsTwitter::retweetCutKeepsSurrogatePairs_data()
{
    QTest::addColumn<int>("pairAt");
    QTest::addColumn<int>("postedLength");
    // Units 139 and 140 (counted from 0) would be split: the pair goes.
    QTest::newRow("split at the cut") << 139 << 139;
    // The pair ends right at the cut: it stays.
    QTest::newRow("whole before the cut") << 138 << 140;
}

void tst_CommentsTwitter::retweetCutKeepsSurrogatePairs()
{
    QFETCH(int, pairAt);
    QFETCH(int, postedLength);
    const QString smile = QString::fromUcs4(U"\U0001F600");
    QString text = QString(pairAt - 9, QLatin1Char('x')) + smile + QString(20, QLatin1Char('y'));
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, tweet(text)));

    view.retweetButton()->click();
    const QString posted = requests.posts().at(0).text;
    QCOMPARE(posted.length(), postedLength);
    QVERIFY(!posted.at(posted.length() - 1).isHighSurrogate());
    QCOMPARE(posted.contains(smile), postedLength == 140);
}

void tst_CommentsTwitter::emptyScreenName()
{
    ProviderFixtures::providerData()->updatePersons(
        {person(s_twitterAccount, QStringLiteral("anon"), "No", "Handle")});
    SocialActivity activity = tweet(QStringLiteral("hello"));
    activity.setProperty(SocialActivity::OwnerPersonId, QStringLiteral("anon"));
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, activity));

    QCOMPARE(view.replyEditor()->text(), QStringLiteral("@ "));
    view.retweetButton()->click();
    QCOMPARE(requests.posts().at(0).text, QStringLiteral("RT @: hello"));
}

void tst_CommentsTwitter::retweetSuccessDismisses()
{
    QGraphicsScene scene;
    auto *page = new CommentsPage;
    page->setActivity(tweet(QStringLiteral("hello")));
    page->appear(&scene, UxSceneWindow::DestroyWhenDone);
    const QPointer<CommentsPage> guard(page);
    QSignalSpy dismissed(page, &UxSceneWindow::dismissed);
    RequestLog requests;

    // Each tap sends a retweet; the first result closes the page.
    PageView(page).retweetButton()->click();
    PageView(page).retweetButton()->click();
    QCOMPARE(requests.posts().count(), 2);
    QVERIFY(dismissed.wait());
    QTRY_VERIFY(guard.isNull());
}

void tst_CommentsTwitter::retweetFailureKeepsPageOpen()
{
    ProviderFixtures::providerData()->setOffline(true);
    QGraphicsScene scene;
    CommentsPage *page = showPage(&scene, tweet(QStringLiteral("hello")));
    QSignalSpy dismissed(page, &UxSceneWindow::dismissed);

    const LogCatcher log;
    PageView(page).retweetButton()->click();
    settle();
    QCOMPARE(log.count(QStringLiteral("PostId return as blank, probably an error")), 1);
    QCOMPARE(log.count(s_networkError), 1);
    QCOMPARE(dismissed.count(), 0);
    QVERIFY(page->isVisible());
}

void tst_CommentsTwitter::replyPrefix()
{
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, tweet(QStringLiteral("hello"))));
    UxTextEdit *editor = view.replyEditor();

    // The untouched prefix is not blank: it is posted.
    view.replyButton()->click();
    QCOMPARE(requests.posts().count(), 1);
    QCOMPARE(requests.posts().at(0).text, QStringLiteral("@ann "));
    QCOMPARE(requests.posts().at(0).postType, int(SocialActivity::Post));
    QVERIFY(requests.posts().at(0).parentActivityId.isEmpty());
    QCOMPARE(requests.posts().at(0).accountIds, QStringList(s_twitterAccount));
    settle();

    editor->setText(QStringLiteral("@ann thanks!"));
    view.replyButton()->click();
    QCOMPARE(requests.posts().at(1).text, QStringLiteral("@ann thanks!"));
    // Kept while the reply is on its way, then the prefix comes back.
    QCOMPARE(editor->text(), QStringLiteral("@ann thanks!"));
    QTRY_COMPARE(editor->text(), QStringLiteral("@ann "));
    QCOMPARE(editor->prompt(), QStringLiteral("Write a comment..."));
}

void tst_CommentsTwitter::replyPrefixCut_data()
{
    const QString smile = QString::fromUcs4(U"\U0001F600");
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("prefix");
    // "@" and the blank take two units.
    QTest::newRow("fits exactly") << QString(138, 'x') << '@' + QString(138, 'x') + ' ';
    QTest::newRow("long name") << QString(300, 'x') << '@' + QString(139, 'x');
    QTest::newRow("pair split at the cut") << QString(138, 'x') + smile << '@' + QString(138, 'x');
    QTest::newRow("pair ending at the cut")
        << QString(137, 'x') + smile + 'y' << '@' + QString(137, 'x') + smile;
}

void tst_CommentsTwitter::replyPrefixCut()
{
    QFETCH(QString, screenName);
    QFETCH(QString, prefix);
    ProviderFixtures::providerData()->updatePersons({person(
        s_twitterAccount, s_owner, QStringLiteral("Ann"), QStringLiteral("Lee"), screenName)});
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, tweet(QStringLiteral("hello"))));
    UxTextEdit *editor = view.replyEditor();
    QCOMPARE(editor->text(), prefix);

    // The prefix the reply result puts back is cut the same way.
    editor->setText(QStringLiteral("@x hi"));
    view.replyButton()->click();
    QTRY_COMPARE(editor->text(), prefix);
    view.replyButton()->click();
    QCOMPARE(requests.posts().count(), 2);
    QCOMPARE(requests.posts().at(1).text, prefix);
}

void tst_CommentsTwitter::failedReplyKeepsText()
{
    ProviderFixtures::providerData()->setOffline(true);
    QGraphicsScene scene;
    const PageView view(showPage(&scene, tweet(QStringLiteral("hello"))));

    const LogCatcher log;
    view.replyEditor()->setText(QStringLiteral("@ann see you"));
    view.replyButton()->click();
    settle();
    QCOMPARE(log.count(s_networkError), 1);
    QCOMPARE(view.replyEditor()->text(), QStringLiteral("@ann see you"));
}

void tst_CommentsTwitter::blankReplySendsNothing()
{
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, tweet(QStringLiteral("hello"))));
    view.replyEditor()->setText(QStringLiteral("  "));
    view.replyButton()->click();
    QVERIFY(requests.posts().isEmpty());
    QCOMPARE(view.replyEditor()->text(), QStringLiteral("  "));
}

void tst_CommentsTwitter::missingAccount()
{
    QGraphicsScene scene;
    CommentsPage *page = showPage(&scene, tweet(QStringLiteral("hello")));
    // The page closes when its account goes; a reply sent from it all the
    // same finds no account to post on.
    ProviderFixtures::providerData()->removeAccount(s_twitterAccount);
    RequestLog requests;

    QTest::ignoreMessage(QtWarningMsg, "No twittergw account found!");
    PageView(page).replyButton()->click();
    QCOMPARE(requests.posts().count(), 1);
    QVERIFY(requests.posts().at(0).accountIds.isEmpty());
}

void tst_CommentsTwitter::noRetweetWithoutId()
{
    SocialActivity activity = tweet(QStringLiteral("hello"));
    activity.removeProperty(SocialGenericData::Id);
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, activity));

    QCOMPARE(view.rowCount(), 3);
    QCOMPARE(view.itemCount(1), 0);
    view.replyButton()->click();
    QCOMPARE(requests.posts().count(), 1);
}

void tst_CommentsTwitter::liveUpdatesMergeIntoRetweet()
{
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, tweet(QStringLiteral("old text"))));
    SocialProviderManager *manager = SocialProviderManager::instance();

    SocialActivity update = tweet(QStringLiteral("new text"));
    update.setProperty(SocialActivity::LikeCount, 9u);
    update.setProperty(SocialActivity::IsLikedByMe, true);
    emit manager->activityUpdate({update}, {SocialActivity::LikeCount},
                                 SocialProviderTimeline::NoTimeline);
    QCOMPARE(view.retweetButton()->text(), QStringLiteral("Retweet"));
    view.retweetButton()->click();
    QCOMPARE(requests.posts().at(0).text, QStringLiteral("RT @ann: old text"));

    emit manager->activityUpdate({update}, {}, SocialProviderTimeline::NoTimeline);
    QCOMPARE(view.bubble()->activity().description(), QStringLiteral("new text"));
    QCOMPARE(view.retweetButton()->text(), QStringLiteral("Retweet"));
    view.retweetButton()->click();
    QCOMPARE(requests.posts().at(1).text, QStringLiteral("RT @ann: new text"));
    QVERIFY(requests.likers().isEmpty());
}

DAVOVADEZED_TEST_MAIN(tst_CommentsTwitter)
#include "tst_commentstwitter.moc"
