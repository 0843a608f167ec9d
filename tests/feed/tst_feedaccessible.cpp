#include "feedfixtures.h"
#include "logcatcher.h"
#include "providerfixtures.h"

#include <activitieswidget.h>
#include <activitybubble.h>
#include <commentspage.h>
#include <socialactivityattachment.h>
#include <uxapplicationwindow.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QDesktopServices>
#include <QGraphicsScene>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace FeedFixtures;
using namespace ProviderFixtures;

namespace {

void addPerson(const QString &id, const QString &firstName, const QString &lastName)
{
    QVariantMap names;
    names.insert(SocialNetworkPerson::FirstName, firstName);
    names.insert(SocialNetworkPerson::LastName, lastName);
    providerData()->updatePersons({person("acc1", id, names)});
}

SocialActivity post(const QString &id, const QDateTime &start, const QString &owner,
                    const QString &description, int comments, int likes)
{
    SocialActivity record = activity("acc1", id, start, SocialActivity::Post, owner);
    record.setProperty(SocialGenericData::Description, description);
    record.setProperty(SocialActivity::CommentCount, comments);
    record.setProperty(SocialActivity::LikeCount, likes);
    return record;
}

QAccessibleInterface *interfaceOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The interfaces below root, depth first, that have the role.
QList<QAccessibleInterface *> findAll(QAccessibleInterface *root, QAccessible::Role role)
{
    QList<QAccessibleInterface *> found;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        if (!child)
            continue;
        if (child->role() == role)
            found.append(child);
        found.append(findAll(child, role));
    }
    return found;
}

QAccessibleInterface *findNamed(QAccessibleInterface *root, QAccessible::Role role,
                                const QString &name)
{
    for (QAccessibleInterface *iface : findAll(root, role)) {
        if (iface->text(QAccessible::Name) == name)
            return iface;
    }
    return nullptr;
}

void press(QAccessibleInterface *iface)
{
    QAccessibleActionInterface *actions = iface->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList({QAccessibleActionInterface::pressAction()}));
    actions->doAction(QAccessibleActionInterface::pressAction());
}

CommentsPage *pageOn(const QGraphicsScene *scene)
{
    for (QGraphicsItem *item : scene->items()) {
        if (auto *page = qobject_cast<CommentsPage *>(item->toGraphicsObject()))
            return page;
    }
    return nullptr;
}

} // namespace

class tst_FeedAccessible : public QObject
{
    Q_OBJECT
public slots:
    // Stands in for the browser.
    void open(const QUrl &url) { m_opened.append(url); }

private slots:
    void initTestCase();
    void init();

    void feedIsAListOfItsBubbles_data();
    void feedIsAListOfItsBubbles();
    void pressOpensAsATapDoes_data();
    void pressOpensAsATapDoes();
    void commentsPageControls();

private:
    QList<QUrl> m_opened;
};

void tst_FeedAccessible::initTestCase()
{
    QAccessible::setActive(true);
    QDesktopServices::setUrlHandler("http", this, "open");
}

void tst_FeedAccessible::init()
{
    m_opened.clear();
    providerData()->reset();
    providerData()->addAccount(account("acc1", "facebook", "me"));
    providerData()->setInitialized(true);
    addPerson("ann", "Ann", "Smith");
    addPerson("bob", "Bob", "Jones");
    addPerson("cy", "Cy", "Young");
}

void tst_FeedAccessible::feedIsAListOfItsBubbles_data()
{
    QTest::addColumn<int>("sortOrder");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("newest on top")
        << int(Qt::DescendingOrder) << QStringList({"Cy Young", "Bob Jones", "Ann Smith"});
    QTest::newRow("oldest on top")
        << int(Qt::AscendingOrder) << QStringList({"Ann Smith", "Bob Jones", "Cy Young"});
}

void tst_FeedAccessible::feedIsAListOfItsBubbles()
{
    QFETCH(int, sortOrder);
    QFETCH(QStringList, names);

    UxApplicationWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *feed = new ActivitiesWidget(0, Qt::SortOrder(sortOrder));
    feed->resize(480, 600);
    window.scene()->addItem(feed);
    const QDateTime now = QDateTime::currentDateTime();
    feed->push(
        post("a", now.addSecs(-3 * 60), "ann", "<b>not bold</b> &amp; a <a href=x>link</a>", 0, 0),
        {});
    feed->push(post("b", now.addSecs(-2 * 60), "bob", "second", 12, 0), {});
    feed->push(post("c", now.addSecs(-60), "cy", "third", 1, 3), {});
    for (quint32 i = 0; i < 3; ++i)
        QTRY_VERIFY(!bubbleAt(*feed, int(i))->senderName().isEmpty());
    // A fetch shows the progress row above the bubbles; it is not one of them.
    feed->refreshFeeds(0);
    QVERIFY(progressRowShown(*feed));

    // The window offers the feed instead of being one node without children.
    QAccessibleInterface *windowIface = interfaceOf(&window);
    QAccessibleInterface *list = interfaceOf(feed);
    QVERIFY(windowIface && list);
    QCOMPARE(windowIface->childCount(), 1);
    QCOMPARE(windowIface->child(0), list);
    QCOMPARE(list->parent(), windowIface);
    QCOMPARE(list->role(), QAccessible::List);

    QCOMPARE(list->childCount(), 3);
    QVERIFY(!list->child(3));
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface *item = list->child(i);
        QVERIFY(item);
        const auto *bubble = qobject_cast<ActivityBubble *>(item->object());
        QCOMPARE(bubble, bubbleAt(*feed, i + 1));
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(item->parent(), list);
        QCOMPARE(list->indexOfChild(item), i);
        QCOMPARE(item->text(QAccessible::Name), names.at(i));
        QVERIFY(!item->state().invisible);
        QVERIFY(list->rect().contains(item->rect()));
        QVERIFY(!item->rect().isEmpty());
    }
    // Each description: the message as the characters it was sent with, then
    // the time stamp and the counts that are shown.
    const QHash<QString, QString> descriptions = {
        {"a", "<b>not bold</b> &amp; a <a href=x>link</a>\n%1"},
        {"b", "second\n%1\n12"},
        {"c", "third\n%1\n1\n+3"}};
    for (int i = 0; i < 3; ++i) {
        const QString stamp = bubbleAt(*feed, i + 1)->timeStamp();
        QVERIFY(!stamp.isEmpty());
        QCOMPARE(list->child(i)->text(QAccessible::Description),
                 descriptions.value(feed->activityAt(quint32(i)).id()).arg(stamp));
    }
    // Bubbles are found where they are drawn.
    QAccessibleInterface *second = list->child(1);
    QCOMPARE(list->childAt(second->rect().center().x(), second->rect().center().y()), second);
}

void tst_FeedAccessible::pressOpensAsATapDoes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("opens");
    QTest::newRow("post") << int(SocialActivity::Post) << true;
    QTest::newRow("comment") << int(SocialActivity::Comment) << false;
}

void tst_FeedAccessible::pressOpensAsATapDoes()
{
    QFETCH(int, type);
    QFETCH(bool, opens);

    QTemporaryDir dir;
    const QString picture = dir.filePath("beach.png");
    QImage image(32, 18, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(picture));
    SocialActivityAttachment attachment;
    attachment.title = QStringLiteral("<i>Beach</i>");
    SocialActivityAttachment::Media item;
    item.type = SocialActivityAttachment::Media::Image;
    item.imagePath = picture;
    item.linkUrl = QStringLiteral("http://photos.example/beach");
    attachment.media.append(item);
    SocialActivity record = activity("acc1", "p", at(12), type, "ann");
    record.setProperty(SocialActivity::Attachment, QVariant::fromValue(attachment));

    UxApplicationWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *feed = new ActivitiesWidget(0u);
    window.scene()->addItem(feed);
    feed->push(record, {});
    QAccessibleInterface *bubble = interfaceOf(feed)->child(0);
    QVERIFY(bubble);

    // The thumbnail is named by the caption, as its characters.
    QAccessibleInterface *thumbnail = findNamed(bubble, QAccessible::Graphic, "<i>Beach</i>");
    QVERIFY(thumbnail);
    QVERIFY(findNamed(bubble, QAccessible::StaticText, "<i>Beach</i>"));
    press(thumbnail);
    QCOMPARE(m_opened, QList<QUrl>({QUrl("http://photos.example/beach")}));

    QTest::ignoreMessage(QtDebugMsg, "void ActivitiesWidgetPrivate::onBubbleClicked()");
    press(bubble);
    const QPointer<CommentsPage> page = pageOn(window.scene());
    QCOMPARE(!page.isNull(), opens);
    if (!opens)
        return;
    QVERIFY(page->isAppeared());
    QAccessibleInterface *pageIface = interfaceOf(page);
    QCOMPARE(pageIface->role(), QAccessible::Pane);
    QCOMPARE(pageIface->text(QAccessible::Name), QStringLiteral("Ann Smith"));
    QCOMPARE(pageIface->parent(), interfaceOf(&window));
    QVERIFY(interfaceOf(&window)->indexOfChild(pageIface) >= 0);
    page->disappear();
    QTRY_VERIFY(page.isNull());
}

void tst_FeedAccessible::commentsPageControls()
{
    SocialActivity record = activity("acc1", "p", at(12), SocialActivity::Post, "ann");
    record.setProperty(SocialActivity::LikeCount, 5);
    record.setProperty(SocialActivity::IsLikedByMe, false);

    UxApplicationWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *page = new CommentsPage;
    page->setActivity(record);
    page->appear(window.scene(), UxSceneWindow::DestroyWhenDone);
    QAccessibleInterface *pageIface = interfaceOf(page);
    QVERIFY(pageIface);

    QVERIFY(findNamed(pageIface, QAccessible::StaticText, "5 people like this"));
    QAccessibleInterface *like = findNamed(pageIface, QAccessible::Button, "Like");
    QAccessibleInterface *post = findNamed(pageIface, QAccessible::Button, "Post");
    QVERIFY(like && post);
    const QList<QAccessibleInterface *> editors = findAll(pageIface, QAccessible::EditableText);
    QCOMPARE(editors.size(), 1);
    QAccessibleInterface *editor = editors.first();
    QCOMPARE(editor->text(QAccessible::Name), QStringLiteral("Write a comment..."));
    QVERIFY(editor->state().editable);
    QVERIFY(editor->childCount() == 0);

    // Text set through the interface is the editor's, and reads back in
    // pieces; then the post button posts it as a click does.
    editor->setText(QAccessible::Value, QStringLiteral("nice <b>one</b>"));
    QCOMPARE(editor->text(QAccessible::Value), QStringLiteral("nice <b>one</b>"));
    QAccessibleTextInterface *text = editor->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), 15);
    QCOMPARE(text->text(5, 8), QStringLiteral("<b>"));
    text->setCursorPosition(4);
    QCOMPARE(text->cursorPosition(), 4);
    QVERIFY(editor->editableTextInterface());
    editor->editableTextInterface()->insertText(4, QStringLiteral("!"));
    QCOMPARE(editor->text(QAccessible::Value), QStringLiteral("nice! <b>one</b>"));

    const LogCatcher log;
    press(post);
    QCOMPARE(editor->text(QAccessible::Value), QString());
    QCOMPARE(log.count(QStringLiteral("onPostClicked() - end")), 1);
    press(like);
    QCOMPARE(log.count(QStringLiteral("onLikeClicked()")), 1);
}

DAVOVADEZED_TEST_MAIN(tst_FeedAccessible)

#include "tst_feedaccessible.moc"
