#include "avatarwidget.h"
#include "contactsgui.h"
#include "hostileimages.h"
#include "logcatcher.h"

#include <imageguard.h>

#include <QApplication>
#include <QContactAvatar>
#include <QContactDisplayLabel>
#include <QContactOnlineAccount>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace QtContacts;

static const char s_emptyCardWarning[] =
    "static bool ContactsGui::openContactCard(const QtContacts::QContact&) Will not open a card "
    "for an empty contact";
static const char s_unreadable[] = "Cannot read the avatar picture";
static const char s_noWindowWarning[] =
    "static bool ContactsGui::openContactCard(const QtContacts::QContact&) No window with a "
    "graphics scene to show the contact card on";

namespace {

QContact makeContact(const QString &label, const QString &picturePath = QString())
{
    QContact contact;
    QContactDisplayLabel display;
    display.setLabel(label);
    contact.saveDetail(&display);
    if (!picturePath.isEmpty()) {
        QContactAvatar avatar;
        avatar.setImageUrl(QUrl::fromLocalFile(picturePath));
        contact.saveDetail(&avatar);
    }
    return contact;
}

QString writeImage(const QTemporaryDir &dir, const QString &name, const QSize &size,
                   const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    if (!image.save(path, "PNG")) {
        return {};
    }
    return path;
}

// Draws the widget alone, as the scene would, on a transparent image.
QImage render(AvatarWidget *avatar)
{
    QGraphicsScene scene;
    scene.addItem(avatar);
    const QRectF area(QPointF(0, 0), avatar->size());
    QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(image.rect()), area);
    painter.end();
    scene.removeItem(avatar);
    return image;
}

int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// White where the initials are drawn, black elsewhere, whatever the square's colour.
QImage letters(const QImage &image)
{
    QImage mask(image.size(), QImage::Format_Mono);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            mask.setPixel(x, y, image.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0);
        }
    }
    return mask;
}

// The picture the avatar shows once it has arrived; null if none does.
QPixmap arrivedPicture(AvatarWidget *avatar)
{
    return QTest::qWaitFor([avatar] { return !avatar->avatarPixmap().isNull(); })
               ? avatar->avatarPixmap()
               : QPixmap();
}

// A scene on a view that is on screen, as a card needs to open.
struct ShownScene
{
    QGraphicsScene scene;
    QGraphicsView view{&scene};

    bool expose()
    {
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }
};

QList<QGraphicsObject *> cards(QGraphicsScene *scene)
{
    QList<QGraphicsObject *> found;
    const QList<QGraphicsItem *> items = scene->items();
    for (QGraphicsItem *item : items) {
        QGraphicsObject *object = item->toGraphicsObject();
        if (object && object->objectName() == QLatin1String("ContactCard")) {
            found.append(object);
        }
    }
    return found;
}

QStringList texts(QGraphicsItem *card)
{
    QStringList found;
    const QList<QGraphicsItem *> children = card->childItems();
    for (QGraphicsItem *child : children) {
        if (auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(child)) {
            found.append(text->toPlainText());
        }
    }
    return found;
}

} // namespace

class LargeAvatar : public AvatarWidget
{
protected:
    QSizeF sizeHint(Qt::SizeHint, const QSizeF &) const override { return QSizeF(100, 100); }
};

// Tells whether its last paint showed the picture.
class PaintedAvatar : public AvatarWidget
{
public:
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override
    {
        AvatarWidget::paint(painter, option, widget);
        m_paintedPicture = !avatarPixmap().isNull();
    }

    bool m_paintedPicture = false;
};

class TestContactsWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void avatarShowsPicture();
    void avatarPictureArrivesLater();
    void avatarShowsInitials();
    void avatarFallsBackOnUnreadablePicture();
    void avatarRefusesHostilePicture_data();
    void avatarRefusesHostilePicture();
    void avatarDecodesAtWidgetSize();
    void avatarKeepsDecodedPicture();
    void avatarsShareOneDecodedPicture();
    void avatarDeletedBeforeItsPicture();
    void avatarSizeHint();

    void clickedOnTap();

    void cardRefusesEmptyContact();
    void cardNeedsWindow();
    void cardShowsOnActiveWindow();
    void cardReplacesEarlierCard();
    void cardIgnoresViewWithoutScene();
    void cardOutlivesItsView();
    void cardClosesWithItsButton_data();
    void cardClosesWithItsButton();

private:
    QTemporaryDir m_dir;
};

void TestContactsWidgets::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestContactsWidgets::avatarShowsPicture()
{
    const QString path = writeImage(m_dir, QStringLiteral("red.png"), QSize(80, 80), Qt::red);
    QVERIFY(!path.isEmpty());

    AvatarWidget *avatar = new AvatarWidget;
    avatar->resize(64, 64);
    avatar->setContact(makeContact(QStringLiteral("Ada Lovelace"), path));
    QCOMPARE(avatar->contact().detail<QContactDisplayLabel>().label(),
             QStringLiteral("Ada Lovelace"));

    QVERIFY(!arrivedPicture(avatar).isNull());
    const QImage image = render(avatar);
    QCOMPARE(image.pixel(32, 32), qRgb(255, 0, 0));
    // The picture fills the square, no initials drawn over it.
    QCOMPARE(countPixels(image, qRgb(255, 255, 255)), 0);
    QVERIFY(countPixels(image, qRgb(255, 0, 0)) > 64 * 64 * 9 / 10);
    QVERIFY(!avatar->avatarPixmap().isNull());
    delete avatar;
}

void TestContactsWidgets::avatarPictureArrivesLater()
{
    const QString path =
        writeImage(m_dir, QStringLiteral("later-blue.png"), QSize(80, 80), Qt::blue);
    AvatarWidget plain;
    plain.resize(64, 64);
    plain.setContact(makeContact(QStringLiteral("Ada Lovelace")));
    const QImage initials = render(&plain);

    QGraphicsScene scene;
    QGraphicsView view(&scene);
    auto *avatar = new PaintedAvatar;
    avatar->resize(64, 64);
    avatar->setContact(makeContact(QStringLiteral("Ada Lovelace"), path));
    scene.addItem(avatar);

    // The initials until the picture is decoded, then a repaint shows it.
    QImage first(64, 64, QImage::Format_ARGB32_Premultiplied);
    first.fill(Qt::transparent);
    QPainter painter(&first);
    scene.render(&painter, QRectF(first.rect()), avatar->geometry());
    painter.end();
    QCOMPARE(first, initials);
    QVERIFY(!avatar->m_paintedPicture);
    QVERIFY(avatar->isPictureArriving());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY(avatar->m_paintedPicture);
    QVERIFY(!avatar->isPictureArriving());
    QCOMPARE(avatar->avatarPixmap().toImage().pixel(32, 32), qRgb(0, 0, 255));
}

void TestContactsWidgets::avatarShowsInitials()
{
    AvatarWidget *avatar = new AvatarWidget;
    avatar->resize(64, 64);
    avatar->setContact(makeContact(QStringLiteral("Ada Lovelace")));
    QVERIFY(avatar->avatarPixmap().isNull());
    const QImage ada = render(avatar);

    // An opaque coloured square with white letters in the middle.
    const QRgb adaColour = ada.pixel(4, 32);
    QCOMPARE(qAlpha(adaColour), 255);
    QVERIFY(adaColour != qRgb(255, 255, 255));
    QVERIFY(countPixels(ada, qRgb(255, 255, 255)) > 20);
    QCOMPARE(countPixels(ada.copy(0, 0, 64, 8), qRgb(255, 255, 255)), 0);

    // Each person gets their own colour; spacing does not make another person.
    avatar->setContact(makeContact(QStringLiteral("Alan Turing")));
    QVERIFY(render(avatar).pixel(4, 32) != adaColour);
    avatar->setContact(makeContact(QStringLiteral(" Ada  Lovelace ")));
    QCOMPARE(render(avatar), ada);

    // The letters are the first of the first and of the last word, in capitals.
    avatar->setContact(makeContact(QStringLiteral("al")));
    const QImage single = letters(render(avatar));
    avatar->setContact(makeContact(QStringLiteral("ada augusta lovelace")));
    QCOMPARE(letters(render(avatar)), letters(ada));
    avatar->setContact(makeContact(QStringLiteral("Ada Byron")));
    QVERIFY(letters(render(avatar)) != letters(ada));
    QVERIFY(single != letters(ada));

    // Nobody to name: a plain square.
    avatar->setContact(makeContact(QString()));
    const QImage anonymous = render(avatar);
    QCOMPARE(qAlpha(anonymous.pixel(32, 32)), 255);
    QCOMPARE(countPixels(anonymous, qRgb(255, 255, 255)), 0);
    delete avatar;
}

void TestContactsWidgets::avatarFallsBackOnUnreadablePicture()
{
    const QString path = m_dir.filePath(QStringLiteral("broken.png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not an image");
    file.close();

    AvatarWidget *broken = new AvatarWidget;
    broken->resize(64, 64);
    broken->setContact(makeContact(QStringLiteral("Ada Lovelace"), path));
    const LogCatcher log;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(s_unreadable));
    QVERIFY(broken->avatarPixmap().isNull());
    QTRY_COMPARE(log.count(s_unreadable), 1);

    AvatarWidget *plain = new AvatarWidget;
    plain->resize(64, 64);
    plain->setContact(makeContact(QStringLiteral("Ada Lovelace")));
    QCOMPARE(render(broken), render(plain));
    QVERIFY(broken->avatarPixmap().isNull());

    // The next picture of the contact stands in for the unreadable one.
    const QString second =
        writeImage(m_dir, QStringLiteral("second.png"), QSize(64, 64), Qt::green);
    QContact twoPictures = makeContact(QStringLiteral("Ada Lovelace"), path);
    QContactAvatar secondAvatar;
    secondAvatar.setImageUrl(QUrl::fromLocalFile(second));
    twoPictures.saveDetail(&secondAvatar);
    broken->setContact(twoPictures);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(s_unreadable));
    QCOMPARE(arrivedPicture(broken).toImage().pixel(32, 32), qRgb(0, 255, 0));
    QCOMPARE(log.count(s_unreadable), 2);

    delete broken;
    delete plain;
}

void TestContactsWidgets::avatarRefusesHostilePicture_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    HostileImages::addRows(ImageGuard::s_maxFileBytes, {"pipe", "link to a pipe", "folder",
                                                        "20000 by 20000", "above the byte budget"});
}

void TestContactsWidgets::avatarRefusesHostilePicture()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".png");
    QVERIFY(HostileImages::make(kind, path, ImageGuard::s_maxFileBytes));

    AvatarWidget *hostile = new AvatarWidget;
    hostile->resize(64, 64);
    hostile->setContact(makeContact(QStringLiteral("Ada Lovelace"), path));
    const LogCatcher log;
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("Cannot read the avatar picture \"") +
                                         QRegularExpression::escape(path + "\" " + reason) + '$'));
    const QImage shown = render(hostile);
    QTRY_COMPARE(log.count(s_unreadable), 1);
    QVERIFY(!hostile->isPictureArriving());

    // The initials stand in for the picture.
    AvatarWidget *plain = new AvatarWidget;
    plain->resize(64, 64);
    plain->setContact(makeContact(QStringLiteral("Ada Lovelace")));
    QCOMPARE(shown, render(plain));
    QVERIFY(hostile->avatarPixmap().isNull());
    delete hostile;
    delete plain;
}

void TestContactsWidgets::avatarDecodesAtWidgetSize()
{
    const QString path =
        writeImage(m_dir, QStringLiteral("large.png"), QSize(2000, 1500), Qt::blue);
    QVERIFY(!path.isEmpty());

    AvatarWidget avatar;
    avatar.resize(64, 64);
    avatar.setContact(makeContact(QStringLiteral("Ada Lovelace"), path));
    QCOMPARE(arrivedPicture(&avatar).size(), QSize(64, 64));

    // A wide widget gets the centre of the picture at its own size, not a squashed whole.
    avatar.resize(100, 40);
    QTRY_COMPARE(avatar.avatarPixmap().size(), QSize(100, 40));
    QCOMPARE(avatar.avatarPixmap().toImage().pixel(50, 20), qRgb(0, 0, 255));
}

void TestContactsWidgets::avatarKeepsDecodedPicture()
{
    const QString path =
        writeImage(m_dir, QStringLiteral("cached.png"), QSize(200, 200), Qt::green);
    QVERIFY(!path.isEmpty());

    AvatarWidget *avatar = new AvatarWidget;
    avatar->resize(48, 48);
    avatar->setContact(makeContact(QStringLiteral("Ada Lovelace"), path));
    QVERIFY(!arrivedPicture(avatar).isNull());
    QCOMPARE(render(avatar).pixel(24, 24), qRgb(0, 255, 0));

    // Painting again must not go back to the file.
    QVERIFY(QFile::remove(path));
    QCOMPARE(render(avatar).pixel(24, 24), qRgb(0, 255, 0));
    QCOMPARE(avatar->avatarPixmap().size(), QSize(48, 48));

    // A new contact drops the old picture.
    avatar->setContact(makeContact(QStringLiteral("Ada Lovelace")));
    QVERIFY(avatar->avatarPixmap().isNull());
    QVERIFY(render(avatar).pixel(24, 24) != qRgb(0, 255, 0));
    delete avatar;
}

void TestContactsWidgets::avatarsShareOneDecodedPicture()
{
    const QString path = writeImage(m_dir, QStringLiteral("shared.png"), QSize(80, 80), Qt::red);
    QVERIFY(!path.isEmpty());
    const QDateTime stamp = QFileInfo(path).lastModified();
    const auto shownColour = [&path] {
        AvatarWidget avatar;
        avatar.resize(40, 40);
        avatar.setContact(makeContact(QStringLiteral("Ada Lovelace"), path));
        return arrivedPicture(&avatar).toImage().pixel(20, 20);
    };
    const auto setModified = [&path](const QDateTime &time) {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) &&
               file.setFileTime(time, QFileDevice::FileModificationTime);
    };
    QCOMPARE(shownColour(), qRgb(255, 0, 0));

    // The same file, untouched as far as its time says: the picture decoded
    // for the first avatar serves the next one.
    QVERIFY(!writeImage(m_dir, QStringLiteral("shared.png"), QSize(80, 80), Qt::blue).isEmpty());
    QVERIFY(setModified(stamp));
    QCOMPARE(shownColour(), qRgb(255, 0, 0));

    // A changed file is read again.
    QVERIFY(setModified(stamp.addSecs(60)));
    QCOMPARE(shownColour(), qRgb(0, 0, 255));

    // Avatars asking while the picture is being decoded wait for that decode:
    // one copy, and one warning when it cannot be read.
    QVERIFY(setModified(stamp.addSecs(120)));
    const QString broken = m_dir.filePath(QStringLiteral("shared-broken.png"));
    QVERIFY(HostileImages::make(QStringLiteral("20000 by 20000"), broken, 0));
    const LogCatcher log;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(s_unreadable));
    std::vector<std::unique_ptr<AvatarWidget>> avatars;
    for (const QString &picture : {path, path, broken, broken}) {
        avatars.push_back(std::make_unique<AvatarWidget>());
        avatars.back()->resize(40, 40);
        avatars.back()->setContact(makeContact(QStringLiteral("Ada Lovelace"), picture));
        QVERIFY(avatars.back()->avatarPixmap().isNull());
    }
    const QPixmap first = arrivedPicture(avatars.at(0).get());
    QVERIFY(!first.isNull());
    QCOMPARE(arrivedPicture(avatars.at(1).get()).cacheKey(), first.cacheKey());
    QTRY_COMPARE(log.count(s_unreadable), 1);
    QVERIFY(avatars.at(2)->avatarPixmap().isNull() && avatars.at(3)->avatarPixmap().isNull());
}

void TestContactsWidgets::avatarDeletedBeforeItsPicture()
{
    const QString hostile = m_dir.filePath(QStringLiteral("deleted-hostile.png"));
    QVERIFY(HostileImages::make(QStringLiteral("20000 by 20000"), hostile, 0));
    const QString later = writeImage(m_dir, QStringLiteral("later.png"), QSize(80, 80), Qt::red);
    const LogCatcher log;

    // Nobody waits for the picture any more: no picture and no warning for it.
    for (const QString &picture : {hostile, later}) {
        auto *gone = new AvatarWidget;
        gone->resize(50, 50);
        gone->setContact(makeContact(QStringLiteral("Ada Lovelace"), picture));
        QVERIFY(gone->avatarPixmap().isNull());
        delete gone;
    }
    // Pictures are decoded in turn: once this one is shown, the others were dealt with.
    AvatarWidget shown;
    shown.resize(30, 30);
    shown.setContact(makeContact(QStringLiteral("Ada Lovelace"), later));
    QVERIFY(!arrivedPicture(&shown).isNull());
    QCOMPARE(log.count(s_unreadable), 0);

    // Asked for again by a living avatar, the same file is read and refused.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(s_unreadable));
    AvatarWidget refused;
    refused.resize(50, 50);
    refused.setContact(makeContact(QStringLiteral("Ada Lovelace"), hostile));
    QVERIFY(refused.avatarPixmap().isNull());
    QTRY_COMPARE(log.count(s_unreadable), 1);
}

void TestContactsWidgets::avatarSizeHint()
{
    AvatarWidget avatar;
    QCOMPARE(avatar.effectiveSizeHint(Qt::PreferredSize), QSizeF(64, 64));

    // Shown without a layout or a size, it takes its preferred size, a subclass's included.
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    AvatarWidget *plain = new AvatarWidget;
    scene.addItem(plain);
    LargeAvatar *large = new LargeAvatar;
    scene.addItem(large);
    AvatarWidget *sized = new AvatarWidget;
    sized->resize(30, 20);
    scene.addItem(sized);
    view.show();
    QTRY_COMPARE(plain->size(), QSizeF(64, 64));
    QTRY_COMPARE(large->size(), QSizeF(100, 100));
    QCOMPARE(sized->size(), QSizeF(30, 20));
}

void TestContactsWidgets::clickedOnTap()
{
    QGraphicsScene scene(0, 0, 200, 200);
    QGraphicsView view(&scene);
    view.resize(220, 220);
    AvatarWidget *avatar = new AvatarWidget;
    avatar->setGeometry(20, 20, 64, 64);
    scene.addItem(avatar);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QSignalSpy clicked(avatar, &AvatarWidget::clicked);
    const QPoint inside = view.mapFromScene(QPointF(52, 52));
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, inside);
    QCOMPARE(clicked.count(), 0);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, inside);
    QCOMPARE(clicked.count(), 1);

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(QPointF(150, 150)));
    QCOMPARE(clicked.count(), 1);

    // A press that leaves before the release is no tap.
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, inside);
    QTest::mouseMove(view.viewport(), view.mapFromScene(QPointF(150, 150)));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(QPointF(150, 150)));
    QCOMPARE(clicked.count(), 1);

    // Only the primary button taps.
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, inside);
    QCOMPARE(clicked.count(), 1);
}

void TestContactsWidgets::cardRefusesEmptyContact()
{
    ShownScene shown;
    QVERIFY(shown.expose());

    QTest::ignoreMessage(QtWarningMsg, s_emptyCardWarning);
    QVERIFY(!ContactsGui::openContactCard(QContact()));
    QVERIFY(cards(&shown.scene).isEmpty());
}

void TestContactsWidgets::cardNeedsWindow()
{
    QTest::ignoreMessage(QtWarningMsg, s_noWindowWarning);
    QVERIFY(!ContactsGui::openContactCard(makeContact(QStringLiteral("Ada Lovelace"))));

    // A hidden view does not count.
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    QTest::ignoreMessage(QtWarningMsg, s_noWindowWarning);
    QVERIFY(!ContactsGui::openContactCard(makeContact(QStringLiteral("Ada Lovelace"))));
    QVERIFY(cards(&scene).isEmpty());
}

void TestContactsWidgets::cardShowsOnActiveWindow()
{
    QGraphicsScene otherScene;
    QGraphicsView other(&otherScene);
    other.show();

    QGraphicsScene scene(0, 0, 1000, 1000);
    QGraphicsView view(&scene);
    view.resize(300, 400);
    AvatarWidget *content = new AvatarWidget;
    content->setGeometry(0, 0, 100, 100);
    content->setZValue(5);
    scene.addItem(content);
    QSignalSpy contentClicked(content, &AvatarWidget::clicked);
    view.show();
    QApplication::setActiveWindow(&view);
    QVERIFY(QTest::qWaitForWindowActive(&view));

    QContact contact = makeContact(QStringLiteral("Ada <b>Lovelace</b>"));
    QContactOnlineAccount account;
    account.setAccountUri(QStringLiteral("ada@example.com"));
    account.setServiceProvider(QStringLiteral("facebook"));
    contact.saveDetail(&account);
    QContactOnlineAccount bare;
    bare.setAccountUri(QStringLiteral("@ada"));
    contact.saveDetail(&bare);

    QVERIFY(ContactsGui::openContactCard(contact));
    QVERIFY(cards(&otherScene).isEmpty());
    const QList<QGraphicsObject *> shown = cards(&scene);
    QCOMPARE(shown.size(), 1);
    QPointer<QGraphicsObject> card = shown.first();

    // On top of everything, covering the view.
    QVERIFY(card->zValue() > content->zValue());
    QCOMPARE(card->sceneBoundingRect(), view.mapToScene(view.viewport()->rect()).boundingRect());
    QCOMPARE(scene.itemAt(view.mapToScene(QPoint(50, 50)), QTransform())->topLevelItem(),
             static_cast<QGraphicsItem *>(card.data()));

    // Name as written, not as markup; accounts with their provider.
    const QStringList lines = texts(card);
    QVERIFY2(lines.contains(QStringLiteral("Ada <b>Lovelace</b>")), qPrintable(lines.join('|')));
    QVERIFY(lines.contains(QStringLiteral("ada@example.com (facebook)")));
    QVERIFY(lines.contains(QStringLiteral("@ada")));
    bool hasAvatar = false;
    const QList<QGraphicsItem *> children = card->childItems();
    for (QGraphicsItem *child : children) {
        auto *avatar = qobject_cast<AvatarWidget *>(child->toGraphicsObject());
        if (avatar) {
            hasAvatar = true;
            QCOMPARE(avatar->contact(), contact);
            QVERIFY(card->boundingRect().contains(avatar->geometry()));
        }
    }
    QVERIFY(hasAvatar);

    // Follows the view's size and scrolling.
    view.resize(500, 300);
    QTRY_COMPARE(card->sceneBoundingRect(),
                 view.mapToScene(view.viewport()->rect()).boundingRect());
    const QRectF before = card->sceneBoundingRect();
    view.ensureVisible(QRectF(0, 0, 1, 1), 0, 0);
    QVERIFY(view.mapToScene(view.viewport()->rect()).boundingRect() != before);
    QCOMPARE(card->sceneBoundingRect(), view.mapToScene(view.viewport()->rect()).boundingRect());

    // A tap closes it and nothing below reacts.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(QPointF(50, 50)));
    QTRY_VERIFY(card.isNull());
    QVERIFY(cards(&scene).isEmpty());
    QCOMPARE(contentClicked.count(), 0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(QPointF(50, 50)));
    QCOMPARE(contentClicked.count(), 1);
}

void TestContactsWidgets::cardReplacesEarlierCard()
{
    ShownScene shown;
    QVERIFY(shown.expose());

    QVERIFY(ContactsGui::openContactCard(makeContact(QStringLiteral("Ada Lovelace"))));
    QPointer<QGraphicsObject> first = cards(&shown.scene).value(0);
    QVERIFY(first);
    QVERIFY(ContactsGui::openContactCard(makeContact(QStringLiteral("Alan Turing"))));
    QTRY_VERIFY(first.isNull());
    const QList<QGraphicsObject *> open = cards(&shown.scene);
    QCOMPARE(open.size(), 1);
    QVERIFY(texts(open.first()).contains(QStringLiteral("Alan Turing")));
}

void TestContactsWidgets::cardIgnoresViewWithoutScene()
{
    QGraphicsView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QTest::ignoreMessage(QtWarningMsg, s_noWindowWarning);
    QVERIFY(!ContactsGui::openContactCard(makeContact(QStringLiteral("Ada Lovelace"))));
}

void TestContactsWidgets::cardOutlivesItsView()
{
    auto *scene = new QGraphicsScene;
    auto *view = new QGraphicsView(scene);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QVERIFY(ContactsGui::openContactCard(makeContact(QStringLiteral("Ada Lovelace"))));
    QPointer<QGraphicsObject> card = cards(scene).value(0);
    QVERIFY(card);
    const QRectF covered = card->sceneBoundingRect();

    delete view;
    QVERIFY(card);
    QCOMPARE(card->sceneBoundingRect(), covered);
    // The scene owns the card.
    delete scene;
    QVERIFY(card.isNull());
}

void TestContactsWidgets::cardClosesWithItsButton_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("left to right") << Qt::LeftToRight;
    QTest::newRow("right to left") << Qt::RightToLeft;
}

void TestContactsWidgets::cardClosesWithItsButton()
{
    QFETCH(Qt::LayoutDirection, direction);
    QGuiApplication::setLayoutDirection(direction);
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    view.resize(300, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(ContactsGui::openContactCard(makeContact(QStringLiteral("Ada Lovelace"))));
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QPointer<QGraphicsObject> card = cards(&scene).value(0);
    QVERIFY(card);

    QGraphicsWidget *button = nullptr;
    for (QGraphicsItem *child : card->childItems()) {
        QGraphicsObject *object = child->toGraphicsObject();
        if (object && object->objectName() == QLatin1String("ContactCardCloseButton"))
            button = static_cast<QGraphicsWidget *>(object);
    }
    QVERIFY(button);
    // In the top corner where the reading ends, big enough for a finger.
    const QRectF cardArea = card->boundingRect();
    const QRectF shown = button->geometry();
    QVERIFY(shown.width() >= 40 && shown.height() >= 40);
    QCOMPARE(shown.top(), cardArea.top());
    if (direction == Qt::LeftToRight)
        QCOMPARE(shown.right(), cardArea.right());
    else
        QCOMPARE(shown.left(), cardArea.left());

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.mapFromScene(button->mapToScene(button->rect().center())));
    QTRY_VERIFY(card.isNull());
}

QTEST_MAIN(TestContactsWidgets)
#include "tst_contactswidgets.moc"
