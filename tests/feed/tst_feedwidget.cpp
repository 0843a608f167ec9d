#include "feedfixtures.h"
#include "logcatcher.h"
#include "providerfixtures.h"

#include <activitieswidget.h>
#include <activitybubble.h>
#include <commentspage.h>
#include <uxapplicationwindow.h>
#include <uxbubbleitem.h>
#include <uxlocale.h>
#include <uxtextedit.h>

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QPointer>
#include <QTest>

using namespace FeedFixtures;
using namespace ProviderFixtures;

namespace {

const QString s_catalog = QStringLiteral("actv");

QList<CommentsPage *> pagesOn(const QGraphicsScene *scene)
{
    QList<CommentsPage *> pages;
    for (QGraphicsItem *item : scene->items()) {
        if (auto *page = qobject_cast<CommentsPage *>(item->toGraphicsObject()))
            pages.append(page);
    }
    return pages;
}

// The activity ids of the bubbles a page shows.
QStringList idsShownOn(const CommentsPage *page)
{
    QStringList ids;
    for (QGraphicsItem *item : page->scene()->items()) {
        auto *bubble = qobject_cast<ActivityBubble *>(item->toGraphicsObject());
        if (bubble && page->isAncestorOf(bubble))
            ids.append(bubble->activity().id());
    }
    return ids;
}

QList<QGraphicsItem *> topLevelItems(const QGraphicsScene *scene)
{
    QList<QGraphicsItem *> items;
    for (QGraphicsItem *item : scene->items()) {
        if (!item->parentItem())
            items.append(item);
    }
    return items;
}

} // namespace

class tst_FeedWidget : public QObject
{
    Q_OBJECT
private slots:
    void catalogIsLoadedOnceByTheFirstFeed();
    void init();

    void feedDiesWithItsParent();
    void bubbleTapOpensCommentsPageForPosts();
    void bubbleTapOffSceneOpensNothing();
    void commentsPageGoesWithTheFocusInItsEditor_data();
    void commentsPageGoesWithTheFocusInItsEditor();
    void avatarTapOpensContactCard();
    void avatarTapWithoutContactOpensNothing();
    void eachMessageIsLaidOutOnce_data();
    void eachMessageIsLaidOutOnce();
};

// Runs first: the catalog is loaded once per process.
void tst_FeedWidget::catalogIsLoadedOnceByTheFirstFeed()
{
    QVERIFY(!UxLocale::defaultTrCatalogs().contains(s_catalog));
    {
        ActivitiesWidget first(0u);
        QVERIFY(UxLocale::defaultTrCatalogs().contains(s_catalog));
    }

    // A default locale chosen by the application stays as it is.
    UxLocale::setDefault(UxLocale(QStringLiteral("pl")));
    ActivitiesWidget second(0u);
    QCOMPARE(UxLocale::defaultName(), QStringLiteral("pl"));
    QVERIFY(!UxLocale::defaultTrCatalogs().contains(s_catalog));
}

void tst_FeedWidget::init()
{
    providerData()->reset();
    providerData()->addAccount(account("acc1", "facebook", "me"));
    providerData()->setInitialized(true);
}

void tst_FeedWidget::feedDiesWithItsParent()
{
    auto *parent = new UxWidget;
    const QPointer<ActivitiesWidget> feed = new ActivitiesWidget(0u, parent);
    QCOMPARE(feed->parentItem(), parent);

    QTest::ignoreMessage(QtDebugMsg, "virtual ActivitiesWidget::~ActivitiesWidget()");
    delete parent;
    QVERIFY(feed.isNull());
}

void tst_FeedWidget::bubbleTapOpensCommentsPageForPosts()
{
    QGraphicsScene scene;
    auto *feed = new ActivitiesWidget(0u);
    scene.addItem(feed);
    feed->push(activity("acc1", "post", at(12), SocialActivity::Post), {});
    feed->push(activity("acc1", "comment", at(11), SocialActivity::Comment), {});
    feed->push(activity("acc1", "photo", at(10), SocialActivity::Photo), {});
    QCOMPARE(shownIds(*feed), QStringList({"post", "comment", "photo"}));

    QTest::ignoreMessage(QtDebugMsg, "void ActivitiesWidgetPrivate::onBubbleClicked()");
    emit bubbleAt(*feed, 1)->bubbleClicked();
    emit bubbleAt(*feed, 2)->bubbleClicked();
    QVERIFY(pagesOn(&scene).isEmpty());

    emit bubbleAt(*feed, 0)->bubbleClicked();
    const QList<CommentsPage *> pages = pagesOn(&scene);
    QCOMPARE(pages.size(), 1);
    const QPointer<CommentsPage> page = pages.first();
    QVERIFY(page->isAppeared());
    QVERIFY(!page->parentItem());
    QCOMPARE(page->deletionPolicy(), UxSceneWindow::DestroyWhenDone);
    QVERIFY(idsShownOn(page).contains(QStringLiteral("post")));

    // Done with, the page goes.
    page->disappear();
    QTRY_VERIFY(page.isNull());
}

void tst_FeedWidget::bubbleTapOffSceneOpensNothing()
{
    ActivitiesWidget feed(0u);
    feed.push(activity("acc1", "post", at(12), SocialActivity::Post), {});

    QTest::ignoreMessage(QtWarningMsg,
                         "void ActivitiesWidgetPrivate::onBubbleClicked() Will not open the "
                         "comments page of a feed that is not on a scene");
    emit bubbleAt(feed, 0)->bubbleClicked();
}

void tst_FeedWidget::commentsPageGoesWithTheFocusInItsEditor_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("back") << "back";
    QTest::newRow("page deleted") << "page deleted";
    QTest::newRow("quit") << "quit";
}

// The user taps the comment box and then goes back, or quits, while the
// comments are still being fetched.
void tst_FeedWidget::commentsPageGoesWithTheFocusInItsEditor()
{
    QFETCH(QString, ending);

    auto *window = new UxApplicationWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    auto *feed = new ActivitiesWidget(0u);
    window->scene()->addItem(feed);
    feed->push(activity("acc1", "post", at(12), SocialActivity::Post), {});
    emit bubbleAt(*feed, 0)->bubbleClicked();
    QCOMPARE(pagesOn(window->scene()).size(), 1);
    const QPointer<CommentsPage> page = pagesOn(window->scene()).first();

    QPointer<UxTextEdit> editor;
    for (QGraphicsItem *item : window->scene()->items()) {
        auto *found = qobject_cast<UxTextEdit *>(item->toGraphicsObject());
        if (found && page->isAncestorOf(found))
            editor = found;
    }
    QVERIFY(editor);
    editor->setFocus();
    QVERIFY(editor->hasFocus());

    if (ending == QLatin1String("back"))
        page->dismiss();
    else if (ending == QLatin1String("page deleted"))
        delete page.data();
    else
        delete window;
    QTRY_VERIFY(page.isNull());
    QVERIFY(editor.isNull());
    if (ending != QLatin1String("quit")) {
        QVERIFY(!window->scene()->focusItem());
        delete window;
    }
}

void tst_FeedWidget::avatarTapOpensContactCard()
{
    QVariantMap names;
    names.insert(SocialNetworkPerson::FirstName, QStringLiteral("Ann"));
    names.insert(SocialNetworkPerson::LastName, QStringLiteral("Smith"));
    providerData()->updatePersons({person("acc1", "ann", names)});

    UxApplicationWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *feed = new ActivitiesWidget(0u);
    window.scene()->addItem(feed);
    feed->push(activity("acc1", "post", at(12), SocialActivity::Post, "ann"), {});
    ActivityBubble *bubble = bubbleAt(*feed, 0);
    QTRY_VERIFY(!bubble->contact().isEmpty());

    const QList<QGraphicsItem *> before = topLevelItems(window.scene());
    QTest::ignoreMessage(QtDebugMsg, "void ActivitiesWidgetPrivate::onAvatarClicked()");
    emit bubble->avatarClicked();
    const QList<QGraphicsItem *> after = topLevelItems(window.scene());
    QCOMPARE(after.size(), before.size() + 1);
}

void tst_FeedWidget::avatarTapWithoutContactOpensNothing()
{
    UxApplicationWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *feed = new ActivitiesWidget(0u);
    window.scene()->addItem(feed);
    feed->push(activity("acc1", "post", at(12), SocialActivity::Post, "stranger"), {});
    ActivityBubble *bubble = bubbleAt(*feed, 0);
    QVERIFY(bubble->contact().isEmpty());

    const QList<QGraphicsItem *> before = topLevelItems(window.scene());
    const LogCatcher log;
    emit bubble->avatarClicked();
    QCOMPARE(topLevelItems(window.scene()).size(), before.size());
    QCOMPARE(log.count(QStringLiteral("ContactsGui::openContactCard")), 0);
}

void tst_FeedWidget::eachMessageIsLaidOutOnce_data()
{
    QTest::addColumn<bool>("sizedFirst");
    QTest::newRow("feed sized before the pushes") << true;
    // Meanwhile Qt gives it its minimum and then, shown, its preferred
    // size: neither is a width to lay the messages out for.
    QTest::newRow("feed sized after the pushes") << false;
}

void tst_FeedWidget::eachMessageIsLaidOutOnce()
{
    QFETCH(bool, sizedFirst);
    QGraphicsScene scene;
    auto *feed = new ActivitiesWidget(0u);
    scene.addItem(feed);
    if (sizedFirst)
        feed->resize(480, 800);
    const quint64 before = UxBubbleItem::messageLayoutCount();
    QList<SocialActivity> activities;
    for (int i = 0; i < 5; ++i)
        activities.append(activity("acc1", QStringLiteral("post%1").arg(i), at(10, i)));
    feed->pushActivities(activities);
    QCoreApplication::processEvents();
    if (!sizedFirst) {
        QCOMPARE(UxBubbleItem::messageLayoutCount(), before);
        feed->resize(480, feed->effectiveSizeHint(Qt::PreferredSize, QSizeF(480, -1)).height());
    }
    QCoreApplication::processEvents();

    QCOMPARE(UxBubbleItem::messageLayoutCount(), before + 5);
    ActivityBubble *last = bubbleAt(*feed, 4);
    QCOMPARE(last->size().width(), 480.0);
    // The list is laid out at that width: each bubble below the one above.
    QVERIFY(last->geometry().top() > bubbleAt(*feed, 3)->geometry().bottom());
}

DAVOVADEZED_TEST_MAIN(tst_FeedWidget)

#include "tst_feedwidget.moc"
