#include "bubblefixtures.h"
#include "logcatcher.h"

#include <activitybubble.h>
#include <avatarwidget.h>
#include <contactresolver.h>
#include <personstore.h>
#include <uximagewidget.h>
#include <uxlabel.h>
#include <zevavizi.h>

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTextDocument>
#include <QtContacts/QContactDisplayLabel>

using namespace BubbleFixtures;
using QtContacts::QContact;
using QtContacts::QContactDisplayLabel;

namespace {

const QString s_setActivity = QStringLiteral(
    "void ActivityBubble::setActivity(const SocialActivity&, const QList<QString>&)");
const QString s_resolve = QStringLiteral("void ContactResolver::resolveContact(const QString&)");
const QString s_linkActivated =
    QStringLiteral("void ActivityBubblePrivate::onLinkActivated(const QString&)");

QContact contactNamed(const QString &label)
{
    QContact contact;
    QContactDisplayLabel detail;
    detail.setLabel(label);
    contact.saveDetail(&detail);
    return contact;
}

QString labelOf(const QContact &contact)
{
    return contact.detail<QContactDisplayLabel>().label();
}

UxImageWidget *serviceIcon(const ActivityBubble &bubble)
{
    const QList<QGraphicsWidget *> widgets = bubble.informationWidgets();
    return widgets.size() == 1 ? qobject_cast<UxImageWidget *>(widgets.first()) : nullptr;
}

} // namespace

class tst_ActivityBubble : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void sufficientData_data();
    void sufficientData();
    void newBubbleIsEmpty();
    void wholeActivityFillsTheBubble();
    void counts_data();
    void counts();
    void messageIsEscapedBeforeLinking();
    void likeCountUpdateTouchesOnlyTheLikes();
    void updateMergesOnlyNamedProperties();
    void contactComesFromTheSocialBackend();
    void renamedPersonRenamesTheSender();
    void contactReadyReusesTheAvatar();
    void contactReadyForAnotherPersonChangesNothing();
    void contactReadyReachesEveryBubbleOfTheOwner();
    void contactErrorIsLoggedForTheOwnerOnly();
    void contactFollowsTheOwnerOfTheMergedActivity();
    void avatarClickIsForwarded();
    void avatarArrivalKeepsTheMessageLayout();
    void clearEmptiesTheBubble();
    void clearedBubbleShowsItsIconAgain();
    void clearedBubbleDeletesItsIconWhenDestroyed();
    void messageLinksOpenOnlyWebPages_data();
    void messageLinksOpenOnlyWebPages();
    void longMessageIsCut_data();
    void longMessageIsCut();
    void providerMarkupShowsAsWritten_data();
    void providerMarkupShowsAsWritten();
};

void tst_ActivityBubble::initTestCase()
{
    setUpProvider();
    Zevavizi::loadTranslation();
}

void tst_ActivityBubble::sufficientData_data()
{
    QTest::addColumn<QString>("missing");
    QTest::newRow("complete") << QString();
    QTest::newRow("id") << SocialGenericData::Id;
    QTest::newRow("account") << SocialGenericData::ParentAccount;
    QTest::newRow("owner") << SocialActivity::OwnerPersonId;
    QTest::newRow("description") << SocialGenericData::Description;
    QTest::newRow("start time") << SocialActivity::StartTime;
}

void tst_ActivityBubble::sufficientData()
{
    QFETCH(QString, missing);
    SocialActivity record = activity("x1", "text");
    record.setProperty(SocialActivity::LikeCount, 3);
    if (!missing.isNull())
        record.removeProperty(missing);
    QCOMPARE(ActivityBubble::activityHasSufficientData(record), missing.isNull());
}

void tst_ActivityBubble::newBubbleIsEmpty()
{
    ActivityBubble bubble;
    QVERIFY(bubble.activity().isEmpty());
    QVERIFY(bubble.contact().isEmpty());
    QVERIFY(!bubble.avatar());
    QVERIFY(!bubble.centralWidget());
    QVERIFY(serviceIcon(bubble));
    QVERIFY(bubble.message().isEmpty());
    QVERIFY(bubble.timeStamp().isEmpty());
}

void tst_ActivityBubble::wholeActivityFillsTheBubble()
{
    ActivityBubble bubble;
    SocialActivity record = activity("x1", "Hello", 300, "a2");
    record.setProperty(SocialActivity::CommentCount, 3);
    record.setProperty(SocialActivity::LikeCount, 5);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(s_setActivity + " \"x1\" \"Hello\" \"a2\" ()"));
    const LogCatcher log;

    bubble.setActivity(record, {});

    QCOMPARE(bubble.activity(), record);
    QCOMPARE(bubble.message(), QStringLiteral("Hello"));
    QCOMPARE(bubble.commentsString(), QStringLiteral("3"));
    QCOMPARE(bubble.thumbsUpString(), QStringLiteral("+5"));
    QVERIFY(!bubble.timeStamp().isEmpty());
    // The name comes only from the contact, later.
    QVERIFY(bubble.senderName().isEmpty());
    UxImageWidget *icon = serviceIcon(bubble);
    QVERIFY(icon);
    QCOMPARE(icon->image(), QStringLiteral("icon-twitter"));
    QCOMPARE(icon->imageSize(), QSize(24, 24));
    QCOMPARE(log.count(s_setActivity + " attachment false"), 1);
    QCOMPARE(log.startingWith(s_resolve).size(), 1);
}

void tst_ActivityBubble::counts_data()
{
    QTest::addColumn<QVariant>("count");
    QTest::addColumn<QString>("comments");
    QTest::addColumn<QString>("likes");
    QTest::newRow("zero") << QVariant(0) << QString() << QString();
    QTest::newRow("twelve") << QVariant(12) << QStringLiteral("12") << QStringLiteral("+12");
    QTest::newRow("text twelve") << QVariant(QStringLiteral("12")) << QStringLiteral("12")
                                 << QStringLiteral("+12");
    QTest::newRow("absent") << QVariant() << QString() << QString();
    QTest::newRow("not a number") << QVariant(QStringLiteral("many")) << QString() << QString();
    QTest::newRow("negative") << QVariant(-5) << QString() << QString();
}

void tst_ActivityBubble::counts()
{
    QFETCH(QVariant, count);
    QFETCH(QString, comments);
    QFETCH(QString, likes);
    ActivityBubble bubble;
    SocialActivity record = activity("x1", "text");
    record.setProperty(SocialActivity::CommentCount, 7);
    record.setProperty(SocialActivity::LikeCount, 7);
    bubble.setActivity(record, {});

    if (count.isValid()) {
        record.setProperty(SocialActivity::CommentCount, count);
        record.setProperty(SocialActivity::LikeCount, count);
    } else {
        record.removeProperty(SocialActivity::CommentCount);
        record.removeProperty(SocialActivity::LikeCount);
    }
    bubble.setActivity(record, {});
    QCOMPARE(bubble.commentsString(), comments);
    QCOMPARE(bubble.thumbsUpString(), likes);
}

void tst_ActivityBubble::messageIsEscapedBeforeLinking()
{
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "<b>bold</b> & \"quoted\" see example.com"), {});
    QCOMPARE(bubble.message(),
             QStringLiteral("&lt;b&gt;bold&lt;/b&gt; &amp; &quot;quoted&quot; see "
                            "<a href=\"http://example.com\">example.com</a>"));
}

void tst_ActivityBubble::likeCountUpdateTouchesOnlyTheLikes()
{
    ActivityBubble bubble;
    SocialActivityAttachment link;
    link.linkUrl = QStringLiteral("http://example.com/");
    link.title = QStringLiteral("Example");
    SocialActivity record = withAttachment(activity("x1", "Hello"), link);
    record.setProperty(SocialActivity::CommentCount, 3);
    record.setProperty(SocialActivity::LikeCount, 1);
    bubble.setActivity(record, {});
    const QPointer<QGraphicsWidget> central = bubble.centralWidget();
    QVERIFY(central);
    const LogCatcher log;

    bubble.setActivity(update("x1", SocialActivity::LikeCount, 12), {SocialActivity::LikeCount});

    QCOMPARE(bubble.thumbsUpString(), QStringLiteral("+12"));
    QCOMPARE(bubble.message(), QStringLiteral("Hello"));
    QCOMPARE(bubble.commentsString(), QStringLiteral("3"));
    QCOMPARE(bubble.centralWidget(), central.data());
    QCOMPARE(bubble.activity().description(), QStringLiteral("Hello"));
    QCOMPARE(bubble.activity().variantProperty(SocialActivity::LikeCount).toInt(), 12);
    QCOMPARE(log.count(s_setActivity + " attachment"), 0);
    // The contact is asked for again, and the icon set again.
    QCOMPARE(log.startingWith(s_resolve).size(), 1);
    QCOMPARE(serviceIcon(bubble)->image(), QStringLiteral("icon-facebook"));
}

void tst_ActivityBubble::updateMergesOnlyNamedProperties()
{
    ActivityBubble bubble;
    SocialActivity record = activity("x1", "Hello");
    record.setProperty(SocialActivity::CommentCount, 3);
    bubble.setActivity(record, {});

    // Properties the update carries but does not name are not taken over.
    SocialActivity changes = update("x1", SocialGenericData::Description, "Changed");
    changes.setProperty(SocialActivity::CommentCount, 9);
    bubble.setActivity(changes, {SocialGenericData::Description});

    QCOMPARE(bubble.message(), QStringLiteral("Changed"));
    QCOMPARE(bubble.commentsString(), QStringLiteral("3"));
    const SocialActivity merged = bubble.activity();
    QCOMPARE(merged.description(), QStringLiteral("Changed"));
    QCOMPARE(merged.variantProperty(SocialActivity::CommentCount).toInt(), 3);
    QCOMPARE(merged.property(SocialActivity::OwnerPersonId), QStringLiteral("p1"));
}

void tst_ActivityBubble::contactComesFromTheSocialBackend()
{
    ActivityBubble bubble;
    QSignalSpy ready(ContactResolver::instance(), &ContactResolver::contactReady);
    bubble.setActivity(activity("x1", "Hello"), {});

    QTRY_COMPARE(bubble.senderName(), QStringLiteral("Ann Smith"));
    QCOMPARE(labelOf(bubble.contact()), QStringLiteral("Ann Smith"));
    auto *avatar = qobject_cast<AvatarWidget *>(bubble.avatar());
    QVERIFY(avatar);
    QCOMPARE(labelOf(avatar->contact()), QStringLiteral("Ann Smith"));
    QCOMPARE(avatar->effectiveSizeHint(Qt::MinimumSize), QSizeF(100, 100));
    QCOMPARE(avatar->effectiveSizeHint(Qt::PreferredSize), QSizeF(100, 100));
    QCOMPARE(avatar->effectiveSizeHint(Qt::MaximumSize), QSizeF(100, 100));
    QCOMPARE(ready.count(), 1);
}

void tst_ActivityBubble::renamedPersonRenamesTheSender()
{
    using namespace ProviderFixtures;
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "Hello"), {});
    QTRY_COMPARE(bubble.senderName(), QStringLiteral("Ann Smith"));
    QPointer<QGraphicsWidget> avatar = bubble.avatar();

    QVariantMap names;
    names.insert(SocialNetworkPerson::FirstName, QStringLiteral("Anna"));
    names.insert(SocialNetworkPerson::LastName, QStringLiteral("Jones"));
    QTest::ignoreMessage(
        QtDebugMsg,
        "void ActivityBubblePrivate::onPersonUpdated(const SocialNetworkPerson&) Resolve contact "
        "\"p1\"");
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"), names)});

    QTRY_COMPARE(bubble.senderName(), QStringLiteral("Anna Jones"));
    QCOMPARE(bubble.avatar(), avatar.data());

    providerData()->updatePersons({person(
        QStringLiteral("a1"), QStringLiteral("p1"),
        {{SocialNetworkPerson::FirstName, "Ann"}, {SocialNetworkPerson::LastName, "Smith"}})});
    QTRY_COMPARE(bubble.senderName(), QStringLiteral("Ann Smith"));
}

void tst_ActivityBubble::contactReadyReusesTheAvatar()
{
    // An owner the backend does not know: only the contacts sent here arrive.
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "Hello", 300, "a1", "nobody"), {});
    ContactResolver *resolver = ContactResolver::instance();

    emit resolver->contactReady(QStringLiteral("nobody"), contactNamed("First"));
    QPointer<QGraphicsWidget> avatar = bubble.avatar();
    QVERIFY(avatar);
    QCOMPARE(bubble.senderName(), QStringLiteral("First"));

    bubble.setTimeStamp(QStringLiteral("stale"));
    emit resolver->contactReady(QStringLiteral("nobody"), contactNamed("Second"));
    QCOMPARE(bubble.avatar(), avatar.data());
    QCOMPARE(bubble.senderName(), QStringLiteral("Second"));
    QCOMPARE(labelOf(bubble.contact()), QStringLiteral("Second"));
    QCOMPARE(labelOf(qobject_cast<AvatarWidget *>(avatar)->contact()), QStringLiteral("Second"));
    QCOMPARE(bubble.timeStamp(), QStringLiteral("5 minutes ago"));
}

void tst_ActivityBubble::contactReadyForAnotherPersonChangesNothing()
{
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "Hello", 300, "a1", "nobody"), {});
    bubble.setTimeStamp(QStringLiteral("stale"));

    emit ContactResolver::instance()->contactReady(QStringLiteral("nobody2"),
                                                   contactNamed("Other"));
    emit ContactResolver::instance()->contactReady(QStringLiteral("NOBODY"), contactNamed("Other"));

    QVERIFY(!bubble.avatar());
    QVERIFY(bubble.senderName().isEmpty());
    QVERIFY(bubble.contact().isEmpty());
    QCOMPARE(bubble.timeStamp(), QStringLiteral("stale"));
}

void tst_ActivityBubble::contactReadyReachesEveryBubbleOfTheOwner()
{
    auto *first = new ActivityBubble;
    QPointer<ActivityBubble> second = new ActivityBubble;
    auto *third = new ActivityBubble;
    auto *other = new ActivityBubble;
    first->setActivity(activity("x1", "Hello", 300, "a1", "nobody"), {});
    second->setActivity(activity("x2", "Hello", 300, "a1", "nobody"), {});
    third->setActivity(activity("x3", "Hello", 300, "a1", "nobody"), {});
    other->setActivity(activity("x4", "Hello", 300, "a1", "somebody"), {});
    // The first to hear of it takes another bubble of the same owner along.
    connect(first, &QGraphicsObject::childrenChanged, this, [&second] { delete second; });

    emit ContactResolver::instance()->contactReady(QStringLiteral("nobody"), contactNamed("Bo"));
    QVERIFY(!second);
    QCOMPARE(first->senderName(), QStringLiteral("Bo"));
    QCOMPARE(third->senderName(), QStringLiteral("Bo"));
    QVERIFY(other->senderName().isEmpty());

    delete first;
    emit ContactResolver::instance()->contactReady(QStringLiteral("nobody"), contactNamed("Cy"));
    QCOMPARE(third->senderName(), QStringLiteral("Cy"));
    delete third;
    delete other;
}

void tst_ActivityBubble::contactErrorIsLoggedForTheOwnerOnly()
{
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "Hello", 300, "a1", "nobody"), {});
    emit ContactResolver::instance()->contactReady(QStringLiteral("nobody"), contactNamed("Bo"));
    const LogCatcher log;

    const QString warning = QStringLiteral("void ActivityBubblePrivate::onContactError(const "
                                           "QString&) Error resolving contact with ID \"nobody\"");
    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    emit ContactResolver::instance()->error(QStringLiteral("nobody"));
    emit ContactResolver::instance()->error(QStringLiteral("someone"));

    QCOMPARE(log.count(QStringLiteral("Error resolving contact with ID")), 1);
    QCOMPARE(bubble.senderName(), QStringLiteral("Bo"));
    QVERIFY(bubble.avatar());
}

void tst_ActivityBubble::contactFollowsTheOwnerOfTheMergedActivity()
{
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "Hello", 300, "a1", "nobody"), {});
    SocialActivity update = activity("x1", "Hello", 300, "a1", "somebody");
    update.setProperty(SocialActivity::LikeCount, 2);
    // An update that leaves the owner out keeps the one shown.
    bubble.setActivity(update, {SocialActivity::LikeCount});
    emit ContactResolver::instance()->contactReady(QStringLiteral("somebody"), contactNamed("Al"));
    QVERIFY(bubble.senderName().isEmpty());
    emit ContactResolver::instance()->contactReady(QStringLiteral("nobody"), contactNamed("Bo"));
    QCOMPARE(bubble.senderName(), QStringLiteral("Bo"));

    bubble.setActivity(update, {SocialActivity::OwnerPersonId});
    emit ContactResolver::instance()->contactReady(QStringLiteral("nobody"), contactNamed("Cy"));
    QCOMPARE(bubble.senderName(), QStringLiteral("Bo"));
    emit ContactResolver::instance()->contactReady(QStringLiteral("somebody"), contactNamed("Al"));
    QCOMPARE(bubble.senderName(), QStringLiteral("Al"));

    // A cleared bubble has no owner to match.
    bubble.clear();
    const LogCatcher log;
    emit ContactResolver::instance()->contactReady(QStringLiteral("somebody"), contactNamed("Al"));
    emit ContactResolver::instance()->error(QStringLiteral("somebody"));
    QVERIFY(bubble.senderName().isEmpty());
    QVERIFY(bubble.contact().isEmpty());
    QCOMPARE(log.count(QStringLiteral("Error resolving contact with ID")), 0);
}

void tst_ActivityBubble::avatarClickIsForwarded()
{
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "Hello", 300, "a1", "nobody"), {});
    emit ContactResolver::instance()->contactReady(QStringLiteral("nobody"), contactNamed("Bo"));
    QSignalSpy clicked(&bubble, &ActivityBubble::avatarClicked);

    QVERIFY(QMetaObject::invokeMethod(bubble.avatar(), "clicked"));
    QCOMPARE(clicked.count(), 1);
}

void tst_ActivityBubble::avatarArrivalKeepsTheMessageLayout()
{
    ActivityBubble bubble;
    bubble.resize(480, 100);
    const QString words = QStringLiteral("a message long enough to wrap on more than one line ");
    const quint64 before = UxBubbleItem::messageLayoutCount();
    bubble.setActivity(activity("x1", words.repeated(6), 300, "a1", "nobody"), {});
    const qreal height = bubble.effectiveSizeHint(Qt::PreferredSize, QSizeF(480, -1)).height();
    QCOMPARE(UxBubbleItem::messageLayoutCount(), before + 1);

    // The avatar takes the place kept for it: the text keeps its lines.
    emit ContactResolver::instance()->contactReady(QStringLiteral("nobody"), QContact());
    QVERIFY(bubble.avatar());
    QCOMPARE(bubble.effectiveSizeHint(Qt::PreferredSize, QSizeF(480, -1)).height(), height);
    QImage image(480, int(height), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    bubble.paint(&painter, nullptr);
    painter.end();
    QCOMPARE(UxBubbleItem::messageLayoutCount(), before + 1);

    // A new text is laid out once more.
    bubble.setActivity(activity("x1", words.repeated(5), 300, "a1", "nobody"),
                       {SocialGenericData::Description});
    bubble.effectiveSizeHint(Qt::PreferredSize, QSizeF(480, -1));
    QCOMPARE(UxBubbleItem::messageLayoutCount(), before + 2);
}

void tst_ActivityBubble::clearEmptiesTheBubble()
{
    ActivityBubble bubble;
    SocialActivityAttachment link;
    link.linkUrl = QStringLiteral("http://example.com/");
    SocialActivity record = withAttachment(activity("x1", "Hello"), link);
    record.setProperty(SocialActivity::CommentCount, 3);
    record.setProperty(SocialActivity::LikeCount, 4);
    bubble.setActivity(record, {});
    QTRY_VERIFY(bubble.avatar());
    const QPointer<QGraphicsWidget> central = bubble.centralWidget();
    const QPointer<QGraphicsWidget> avatar = bubble.avatar();
    const QPointer<UxImageWidget> icon = serviceIcon(bubble);
    QVERIFY(central);
    QVERIFY(icon);

    QTest::ignoreMessage(QtDebugMsg, "void ActivityBubblePrivate::clear()");
    bubble.clear();

    QVERIFY(bubble.activity().isEmpty());
    QVERIFY(bubble.contact().isEmpty());
    QVERIFY(bubble.message().isEmpty());
    QVERIFY(bubble.senderName().isEmpty());
    QVERIFY(bubble.timeStamp().isEmpty());
    QVERIFY(bubble.commentsString().isEmpty());
    QVERIFY(bubble.thumbsUpString().isEmpty());
    QVERIFY(!bubble.centralWidget());
    QVERIFY(!bubble.avatar());
    QVERIFY(central.isNull());
    QVERIFY(avatar.isNull());
    QVERIFY(bubble.informationWidgets().isEmpty());
    QVERIFY(icon);
}

void tst_ActivityBubble::clearedBubbleShowsItsIconAgain()
{
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "Hello"), {});
    const QPointer<UxImageWidget> icon = serviceIcon(bubble);
    bubble.clear();

    bubble.setActivity(activity("x2", "Again", 300, "a2"), {});
    QCOMPARE(serviceIcon(bubble), icon.data());
    QCOMPARE(icon->image(), QStringLiteral("icon-twitter"));
    QCOMPARE(bubble.message(), QStringLiteral("Again"));
    QCOMPARE(icon->parentItem(), &bubble);
}

void tst_ActivityBubble::clearedBubbleDeletesItsIconWhenDestroyed()
{
    auto *bubble = new ActivityBubble;
    bubble->setActivity(activity("x1", "Hello"), {});
    const QPointer<UxImageWidget> detached = serviceIcon(*bubble);
    bubble->clear();
    QVERIFY(detached);
    delete bubble;
    QVERIFY(detached.isNull());

    bubble = new ActivityBubble;
    const QPointer<UxImageWidget> shown = serviceIcon(*bubble);
    delete bubble;
    QVERIFY(shown.isNull());
}

void tst_ActivityBubble::messageLinksOpenOnlyWebPages_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("opened");
    QTest::newRow("http") << QStringLiteral("http://example.com/a?b=1") << true;
    QTest::newRow("https") << QStringLiteral("https://example.com/") << true;
    QTest::newRow("capital scheme") << QStringLiteral("HTTPS://example.com/") << true;
    QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << false;
    QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << false;
    QTest::newRow("custom") << QStringLiteral("myapp://do/something") << false;
    QTest::newRow("ftp") << QStringLiteral("ftp://example.com/") << false;
    QTest::newRow("data") << QStringLiteral("data:text/html,<script>x</script>") << false;
    QTest::newRow("local path") << QStringLiteral("/etc/passwd") << false;
    QTest::newRow("no host") << QStringLiteral("http:/etc/passwd") << false;
}

void tst_ActivityBubble::messageLinksOpenOnlyWebPages()
{
    QFETCH(QString, link);
    QFETCH(bool, opened);
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "Hello"), {});
    OpenedUrls urls;

    QTest::ignoreMessage(QtDebugMsg, qPrintable(s_linkActivated + " opening \"" + link + '"'));
    if (!opened)
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(s_linkActivated +
                                        " Will not open a link that is not http or https: \"" +
                                        link + '"'));
    emit bubble.linkActivated(link);

    QCOMPARE(urls.urls, opened ? QList<QUrl>{QUrl(link)} : QList<QUrl>());
}

void tst_ActivityBubble::longMessageIsCut_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("shown");
    const QString ellipsis(QChar(0x2026));
    const QString x(9999, QLatin1Char('x'));
    QTest::newRow("at the limit") << QString(10000, 'x') << QString(10000, 'x');
    QTest::newRow("without spaces") << QString(30000, 'x') << x + ellipsis;
    QTest::newRow("words") << QStringLiteral("word ").repeated(6000)
                           << QStringLiteral("word ").repeated(2000).left(9999) + ellipsis;
    QTest::newRow("links") << QStringLiteral("www.example.com/a ").repeated(2000)
                           << QStringLiteral("www.example.com/a ").repeated(600).left(9999) +
                                  ellipsis;
    // Cut before escaping: no entity is broken, and the limit counts
    // characters as shown.
    QTest::newRow("markup") << QStringLiteral("<&>").repeated(5000)
                            << QStringLiteral("<&>").repeated(3333) + ellipsis;
    const QString smiles = QStringLiteral("\U0001F600").repeated(5000);
    QTest::newRow("pair at the cut")
        << QString(9998, 'x') + smiles << QString(9998, 'x') + ellipsis;
    QTest::newRow("pair before the cut")
        << QString(9997, 'x') + smiles << QString(9997, 'x') + smiles.left(2) + ellipsis;
}

void tst_ActivityBubble::longMessageIsCut()
{
    QFETCH(QString, description);
    QFETCH(QString, shown);
    ActivityBubble bubble;
    LogCatcher log;
    bubble.setActivity(activity("x1", description), {});

    QTextDocument document;
    document.setHtml(bubble.message());
    const QString plain = document.toPlainText();
    QVERIFY(plain.size() <= 10000);
    QCOMPARE(plain, shown);
    QCOMPARE(bubble.activity().description(), description);
    // The conversion still writes what it made.
    const QStringList converted =
        log.startingWith(QStringLiteral("static QString ActivityBubblePrivate::convertToHtml"));
    QVERIFY(!converted.isEmpty());
    QVERIFY(converted.constLast().endsWith(shown.right(1) + QLatin1Char('"')));
}

void tst_ActivityBubble::providerMarkupShowsAsWritten_data()
{
    QTest::addColumn<QString>("markup");
    QTest::newRow("bold") << QStringLiteral("<b>bold</b>");
    QTest::newRow("font") << QStringLiteral("<font size=7 color=red>BIG</font>");
    QTest::newRow("link") << QStringLiteral("<a href=\"http://example.com/x\">x</a>");
    QTest::newRow("image") << QStringLiteral("<img src=\"/tmp/tst-activitybubble-none.png\">");
    QTest::newRow("entity") << QStringLiteral("&lt;b&gt; &amp;");
}

// Names, messages and attachment texts come from other people: whatever
// markup they hold shows as the characters it is made of.
void tst_ActivityBubble::providerMarkupShowsAsWritten()
{
    QFETCH(QString, markup);
    QVariantMap names;
    names.insert(SocialNetworkPerson::FirstName, markup);
    names.insert(SocialNetworkPerson::LastName, QStringLiteral("Smith"));
    ProviderFixtures::providerData()->updatePersons(
        {ProviderFixtures::person(QStringLiteral("a1"), QStringLiteral("p9"), names)});

    ActivityBubble bubble;
    bubble.setActivity(activity("x1", markup, 300, "a1", "p9"), {});
    QTRY_VERIFY(bubble.senderName().startsWith(markup));
    QTextDocument message;
    message.setHtml(bubble.message());
    QCOMPARE(message.toPlainText(), markup);

    // A link: its title shows as written, its href is the URL as written.
    SocialActivityAttachment link;
    link.linkUrl = QStringLiteral("http://example.com/?q=%1").arg(markup);
    link.title = markup;
    bubble.setActivity(withAttachment(activity("x1", markup, 300, "a1", "p9"), link), {});
    auto *label = qobject_cast<UxLabel *>(bubble.centralWidget());
    QVERIFY(label);
    QCOMPARE(label->textFormat(), Qt::RichText);
    QCOMPARE(label->plainText(), markup);
    label->resize(label->effectiveSizeHint(Qt::PreferredSize));
    QCOMPARE(label->anchorAt(QPointF(2, label->size().height() / 2)), link.linkUrl);

    // Photos: the caption under them is plain.
    SocialActivityAttachment photos;
    photos.title = markup;
    photos.media = {media(QString())};
    bubble.setActivity(withAttachment(activity("x1", markup, 300, "a1", "p9"), photos), {});
    QVERIFY(bubble.centralWidget());
    UxLabel *caption = nullptr;
    for (QGraphicsItem *child : bubble.centralWidget()->childItems()) {
        if (auto *found = qobject_cast<UxLabel *>(child->toGraphicsObject()))
            caption = found;
    }
    QVERIFY(caption);
    QVERIFY(caption->isVisible());
    QCOMPARE(caption->textFormat(), Qt::PlainText);
    QCOMPARE(caption->plainText(), markup);
}

DAVOVADEZED_TEST_MAIN(tst_ActivityBubble)
#include "tst_activitybubble.moc"
