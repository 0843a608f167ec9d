#include "commentsfixtures.h"
#include "logcatcher.h"

#include <QGraphicsProxyWidget>
#include <QLineEdit>

using namespace CommentsFixtures;

namespace {

const QString s_activityId = QStringLiteral("post1");
const QString s_networkError = QStringLiteral("error 3 \"The network cannot be reached\"");
const QString s_blankId = QStringLiteral("PostId return as blank, probably an error");

} // namespace

class tst_CommentsPosting : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void blankCommentSendsNothing_data();
    void blankCommentSendsNothing();
    void commentSentAsTyped();
    void returnPosts_data();
    void returnPosts();
    void failedPostRestoresText();
    void failedPostKeepsNewerText();
};

void tst_CommentsPosting::init()
{
    loadAccounts();
    ProviderFixtures::providerData()->insertActivity(post(s_facebookAccount, s_activityId));
}

void tst_CommentsPosting::blankCommentSendsNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("three blanks") << "   ";
    QTest::newRow("tab") << "\t";
}

void tst_CommentsPosting::blankCommentSendsNothing()
{
    QFETCH(QString, text);
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId)));

    view.editor()->setText(text);
    view.postButton()->click();
    QVERIFY(requests.posts().isEmpty());
    QCOMPARE(view.editor()->text(), text);
}

void tst_CommentsPosting::commentSentAsTyped()
{
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId)));
    settle();
    requests.clear();

    view.editor()->setText(QStringLiteral(" hi "));
    view.postButton()->click();
    QCOMPARE(requests.posts().count(), 1);
    QCOMPARE(requests.posts().at(0).postType, int(SocialActivity::Comment));
    QCOMPARE(requests.posts().at(0).text, QStringLiteral(" hi "));
    QCOMPARE(requests.posts().at(0).parentActivityId, s_activityId);
    QVERIFY(requests.posts().at(0).accountIds.isEmpty());
    // Cleared at once, before any result.
    QVERIFY(view.editor()->text().isEmpty());

    // The provider reports the parent's higher comment count; the page
    // fetches the new comment.
    QTRY_COMPARE(view.comments()->count(), 1u);
    QCOMPARE(view.comments()->activityAt(0).description(), QStringLiteral(" hi "));
    QCOMPARE(requests.fetches().count(), 1);
    // The comment came live first; the fetch lets it in again, merged.
    QCOMPARE(requests.fetches().at(0).limit, 2);
    QCOMPARE(view.comments()->count(), 1u);
    QVERIFY(view.editor()->text().isEmpty());
    QCOMPARE(view.editor()->prompt(), QStringLiteral("Write a comment..."));
}

void tst_CommentsPosting::returnPosts_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent"); // null: nothing is sent
    QTest::addColumn<int>("postType");
    QTest::addColumn<QString>("parentId");
    QTest::newRow("comment") << s_facebookAccount << "nice one"
                             << "nice one" << int(SocialActivity::Comment) << s_activityId;
    QTest::newRow("blank comment") << s_facebookAccount << "  " << QString() << 0 << QString();
    // A reply is a status of its own, sent with the prefix the editor starts with.
    QTest::newRow("reply") << s_twitterAccount << "indeed"
                           << "@ann indeed" << int(SocialActivity::Post) << QString();
}

void tst_CommentsPosting::returnPosts()
{
    QFETCH(QString, accountId);
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    QFETCH(int, postType);
    QFETCH(QString, parentId);
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(accountId, s_activityId)));
    settle();
    requests.clear();

    UxTextEdit *editor = accountId == s_facebookAccount ? view.editor() : view.replyEditor();
    QLineEdit *line = nullptr;
    for (QGraphicsItem *child : editor->childItems()) {
        if (auto *proxy = qgraphicsitem_cast<QGraphicsProxyWidget *>(child))
            line = qobject_cast<QLineEdit *>(proxy->widget());
    }
    QVERIFY(line);
    QTest::keyClicks(line, typed);
    QTest::keyClick(line, Qt::Key_Return);

    if (sent.isNull()) {
        QVERIFY(requests.posts().isEmpty());
        QCOMPARE(editor->text(), typed);
        return;
    }
    QCOMPARE(requests.posts().count(), 1);
    QCOMPARE(requests.posts().at(0).text, sent);
    QCOMPARE(requests.posts().at(0).postType, postType);
    QCOMPARE(requests.posts().at(0).parentActivityId, parentId);
}

void tst_CommentsPosting::failedPostRestoresText()
{
    ProviderFixtures::providerData()->setOffline(true);
    RequestLog requests;
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId)));
    settle();

    const LogCatcher log;
    view.editor()->setText(QStringLiteral("hello there"));
    view.postButton()->click();
    QCOMPARE(requests.posts().count(), 1);
    QVERIFY(view.editor()->text().isEmpty());

    QTRY_COMPARE(view.editor()->text(), QStringLiteral("hello there"));
    QCOMPARE(log.count(s_blankId), 1);
    QCOMPARE(log.count(s_networkError), 1);
    QCOMPARE(view.editor()->prompt(), QStringLiteral("Write a comment..."));
}

void tst_CommentsPosting::failedPostKeepsNewerText()
{
    ProviderFixtures::providerData()->setOffline(true);
    QGraphicsScene scene;
    const PageView view(showPage(&scene, post(s_facebookAccount, s_activityId)));

    const LogCatcher log;
    view.editor()->setText(QStringLiteral("first"));
    view.postButton()->click();
    view.editor()->setText(QStringLiteral("second"));
    settle();
    QCOMPARE(log.count(s_blankId), 1);
    QCOMPARE(view.editor()->text(), QStringLiteral("second"));
}

DAVOVADEZED_TEST_MAIN(tst_CommentsPosting)
#include "tst_commentsposting.moc"
