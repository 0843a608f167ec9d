#include "uxbubbleitem.h"
#include "uximagewidget.h"
#include "uxlabel.h"
#include "uxlayout.h"
#include "uxlinearlayoutpolicy.h"

#include "contrast.h"
#include "uxtestview.h"

#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTextOption>
#include <QtTest>

namespace {

const QString s_href = QStringLiteral("http://example.com/page");
const QString s_longText =
    QStringLiteral("a message long enough to need a few lines once the bubble gets narrow, "
                   "with more words after it so that it surely wraps");

template <typename Item> QPointF findAnchor(const Item *item, const QString &href)
{
    const QRectF area = item->boundingRect();
    for (qreal y = area.top() + 1; y < area.bottom(); y += 2) {
        for (qreal x = area.left() + 1; x < area.right(); x += 2) {
            if (item->anchorAt(QPointF(x, y)) == href)
                return QPointF(x, y);
        }
    }
    return QPointF(-1, -1);
}

qreal heightAt(const QGraphicsWidget *widget, qreal width)
{
    return widget->effectiveSizeHint(Qt::PreferredSize, QSizeF(width, -1)).height();
}

UxImageWidget *square(int side)
{
    auto *image = new UxImageWidget;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::darkCyan);
    image->setImage(QString(), QSize(side, side));
    image->setPixmap(pixmap);
    return image;
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestUxBubble : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void texts();
    void heightFollowsContent();
    void handedWidgetsDieWithTheBubble();
    void replacedWidgetsAreDetachedNotDeleted();
    void deletedChildLeavesTheBubble();
    void childSizeChangeReachesTheList();
    void childrenFollowContentAtTheSameSize();
    void textFollowsTheFont();
    void messageLinesDoNotDependOnRunLength_data();
    void messageLinesDoNotDependOnRunLength();
    void avatarKeepsItsSizeBesideTheFrame();
    void rigidWideContentIsScaledIntoTheFrame();
    void tapEmitsBubbleClicked();
    void tapOnMessageLinkEmitsLinkActivated();
    void tapOnCentralLabel();
    void pressWithoutTapEmitsNothing();
    void paintsItsFrame();
    void darkPaletteKeepsTextLegible_data();
    void darkPaletteKeepsTextLegible();
    void mirrorsUnderRightToLeft_data();
    void mirrorsUnderRightToLeft();

private:
    UxBubbleItem *showBubble(qreal width = 440);

    UxTestView *m_view = nullptr;
};

void TestUxBubble::init()
{
    m_view = new UxTestView;
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestUxBubble::cleanup()
{
    delete m_view;
    m_view = nullptr;
    processDeferredDeletes();
}

UxBubbleItem *TestUxBubble::showBubble(qreal width)
{
    auto *bubble = new UxBubbleItem;
    m_view->scene()->addItem(bubble);
    bubble->setPos(10, 10);
    bubble->resize(width, heightAt(bubble, width));
    return bubble;
}

void TestUxBubble::texts()
{
    UxBubbleItem bubble;
    bubble.setSenderName(QStringLiteral("Ann"));
    bubble.setMessage(QStringLiteral("hi <b>there</b>"));
    bubble.setTimeStamp(QStringLiteral("5 minutes ago"));
    bubble.setCommentsString(QStringLiteral("12"));
    bubble.setThumbsUpString(QStringLiteral("+3"));
    QCOMPARE(bubble.senderName(), QStringLiteral("Ann"));
    QCOMPARE(bubble.message(), QStringLiteral("hi <b>there</b>"));
    QCOMPARE(bubble.timeStamp(), QStringLiteral("5 minutes ago"));
    QCOMPARE(bubble.commentsString(), QStringLiteral("12"));
    QCOMPARE(bubble.thumbsUpString(), QStringLiteral("+3"));
    QVERIFY(!bubble.avatar());
    QVERIFY(!bubble.centralWidget());
    QVERIFY(bubble.informationWidgets().isEmpty());
}

void TestUxBubble::heightFollowsContent()
{
    UxBubbleItem bubble;
    const qreal empty = heightAt(&bubble, 400);
    bubble.setSenderName(QStringLiteral("Ann"));
    const qreal named = heightAt(&bubble, 400);
    QVERIFY(named > empty);

    bubble.setMessage(QStringLiteral("short"));
    const qreal oneLine = heightAt(&bubble, 400);
    QVERIFY(oneLine > named);
    bubble.setMessage(s_longText);
    QVERIFY(heightAt(&bubble, 400) > oneLine);
    QVERIFY(heightAt(&bubble, 150) > heightAt(&bubble, 400));

    const qreal withoutCentral = heightAt(&bubble, 400);
    auto *central = new UxWidget;
    central->setPreferredSize(200, 80);
    bubble.setCentralWidget(central);
    QVERIFY(heightAt(&bubble, 400) >= withoutCentral + 80);
    bubble.setCentralWidget(nullptr);
    QCOMPARE(heightAt(&bubble, 400), withoutCentral);
    delete central;

    // An avatar taller than the text makes the bubble taller.
    UxBubbleItem small;
    const qreal bare = heightAt(&small, 400);
    small.setAvatar(square(100));
    QVERIFY(heightAt(&small, 400) > bare);
    small.resize(400, heightAt(&small, 400));
    QVERIFY(!small.avatar()->geometry().isEmpty());
    QVERIFY(small.boundingRect().contains(small.avatar()->geometry()));
    QCOMPARE(bubble.effectiveSizeHint(Qt::PreferredSize, QSizeF(400, -1)).width(), 400.0);
}

void TestUxBubble::handedWidgetsDieWithTheBubble()
{
    UxBubbleItem *bubble = showBubble();
    QPointer<UxImageWidget> avatar = square(100);
    QPointer<UxLabel> central = new UxLabel(QStringLiteral("central"));
    QPointer<UxImageWidget> icon = square(24);
    QPointer<UxImageWidget> second = square(24);
    bubble->setAvatar(avatar);
    bubble->setCentralWidget(central);
    bubble->addInformationWidget(icon);
    bubble->addInformationWidget(second);
    bubble->addInformationWidget(icon);

    QCOMPARE(bubble->avatar(), avatar.data());
    QCOMPARE(bubble->centralWidget(), central.data());
    QCOMPARE(bubble->informationWidgets(), (QList<QGraphicsWidget *>{icon, second}));
    QCOMPARE(avatar->parentItem(), bubble);
    QCOMPARE(central->parentItem(), bubble);
    QCOMPARE(icon->parentItem(), bubble);

    // The information widgets sit on the right, the first one rightmost.
    bubble->resize(440, heightAt(bubble, 440));
    QVERIFY(icon->geometry().left() > second->geometry().right());
    QVERIFY(icon->geometry().right() <= 440);
    QVERIFY(central->geometry().left() > avatar->geometry().right());

    delete bubble;
    QVERIFY(!avatar);
    QVERIFY(!central);
    QVERIFY(!icon);
    QVERIFY(!second);
}

void TestUxBubble::replacedWidgetsAreDetachedNotDeleted()
{
    UxBubbleItem *bubble = showBubble();
    QPointer<UxImageWidget> avatar = square(100);
    QPointer<UxLabel> central = new UxLabel(QStringLiteral("central"));
    QPointer<UxImageWidget> icon = square(24);
    bubble->setAvatar(avatar);
    bubble->setCentralWidget(central);
    bubble->addInformationWidget(icon);

    UxImageWidget *newAvatar = square(100);
    bubble->setAvatar(newAvatar);
    bubble->setCentralWidget(nullptr);
    bubble->removeInformationWidget(icon);
    bubble->removeInformationWidget(icon);
    QCOMPARE(bubble->avatar(), newAvatar);
    QVERIFY(!bubble->centralWidget());
    QVERIFY(bubble->informationWidgets().isEmpty());

    delete bubble;
    processDeferredDeletes();
    for (QGraphicsWidget *widget : {static_cast<QGraphicsWidget *>(avatar.data()),
                                    static_cast<QGraphicsWidget *>(central.data()),
                                    static_cast<QGraphicsWidget *>(icon.data())}) {
        QVERIFY(widget);
        QVERIFY(!widget->parentItem());
        QVERIFY(!widget->scene());
        delete widget;
    }
}

void TestUxBubble::deletedChildLeavesTheBubble()
{
    UxBubbleItem *bubble = showBubble();
    bubble->setMessage(QStringLiteral("text"));
    const qreal without = heightAt(bubble, 440);
    auto *central = new UxWidget;
    central->setPreferredSize(100, 60);
    bubble->setCentralWidget(central);
    auto *icon = square(24);
    bubble->addInformationWidget(icon);
    QVERIFY(heightAt(bubble, 440) > without);

    delete central;
    delete icon;
    QVERIFY(!bubble->centralWidget());
    QVERIFY(bubble->informationWidgets().isEmpty());
    QCoreApplication::sendPostedEvents(bubble, QEvent::LayoutRequest);
    QCOMPARE(heightAt(bubble, 440), without);
}

void TestUxBubble::childSizeChangeReachesTheList()
{
    auto *host = new UxWidget;
    m_view->scene()->addItem(host);
    auto *layout = new UxLayout(host);
    auto *list = new UxLinearLayoutPolicy(layout, Qt::Vertical);
    auto *bubble = new UxBubbleItem;
    auto *below = new UxWidget;
    below->setPreferredHeight(10);
    list->addItem(bubble);
    list->addItem(below);
    auto *central = new UxLabel(QStringLiteral("one line"));
    bubble->setCentralWidget(central);
    host->resize(300, 800);
    QTRY_COMPARE(below->geometry().top(), bubble->geometry().bottom());
    const qreal before = bubble->geometry().height();
    const qreal centralBefore = central->geometry().height();

    central->setText(s_longText);
    QTRY_VERIFY(bubble->geometry().height() > before);
    QVERIFY(central->geometry().height() > centralBefore);
    QTRY_COMPARE(below->geometry().top(), bubble->geometry().bottom());
}

void TestUxBubble::childrenFollowContentAtTheSameSize()
{
    // Room to spare, so no resize comes to move the children.
    UxBubbleItem *bubble = showBubble(400);
    bubble->resize(400, 600);
    auto *central = new UxLabel(QStringLiteral("below the message"));
    bubble->setCentralWidget(central);
    QTRY_VERIFY(central->geometry().width() > 0);
    const qreal top = central->geometry().top();

    bubble->setMessage(s_longText);
    QTRY_VERIFY(central->geometry().top() > top);
    QCOMPARE(bubble->size(), QSizeF(400, 600));
}

void TestUxBubble::textFollowsTheFont()
{
    // Set before joining a scene, then changed inside it: the text is
    // measured anew each time.
    auto *bubble = new UxBubbleItem;
    bubble->setMessage(s_longText);
    auto *label = new UxLabel(s_longText);
    // Only the name and footer lines: their heights follow the font too.
    auto *lines = new UxBubbleItem;
    lines->setSenderName(QStringLiteral("Ann"));
    lines->setTimeStamp(QStringLiteral("now"));
    const qreal bubbleBefore = heightAt(bubble, 300);
    const qreal labelBefore = heightAt(label, 300);
    const qreal linesBefore = heightAt(lines, 300);
    const QFont normal = bubble->font();
    QFont bigger = normal;
    bigger.setPixelSize(3 * QFontInfo(normal).pixelSize());
    bubble->setFont(bigger);
    label->setFont(bigger);
    lines->setFont(bigger);
    m_view->scene()->addItem(bubble);
    m_view->scene()->addItem(label);
    m_view->scene()->addItem(lines);
    QTRY_VERIFY(heightAt(bubble, 300) > bubbleBefore);
    QTRY_VERIFY(heightAt(label, 300) > labelBefore);
    QTRY_VERIFY(heightAt(lines, 300) > linesBefore + QFontInfo(normal).pixelSize());

    bubble->setFont(normal);
    label->setFont(normal);
    lines->setFont(normal);
    QCOMPARE(heightAt(bubble, 300), bubbleBefore);
    QCOMPARE(heightAt(label, 300), labelBefore);
    QCOMPARE(heightAt(lines, 300), linesBefore);
}

void TestUxBubble::messageLinesDoNotDependOnRunLength_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<qreal>("width");
    QTest::newRow("words") << s_longText << qreal(400);
    QTest::newRow("words, narrow") << s_longText << qreal(150);
    QTest::newRow("run without spaces") << QString(5000, QLatin1Char('x')) << qreal(440);
    QTest::newRow("run without spaces, very narrow")
        << QString(3000, QLatin1Char('m')) << qreal(72);
    QTest::newRow("bold run, then a line of words")
        << QStringLiteral("<b>%1</b><br>and a few words after it").arg(QString(3000, 'w'))
        << qreal(300);
}

// A run wider than the line is broken anywhere, which Qt does in linear
// time; the lines and the height stay those of breaking between words.
void TestUxBubble::messageLinesDoNotDependOnRunLength()
{
    QFETCH(QString, message);
    QFETCH(qreal, width);
    UxBubbleItem bubble;
    bubble.setMessage(QStringLiteral("x"));
    const qreal oneLine = heightAt(&bubble, width);
    bubble.setMessage(message);
    const qreal shown = heightAt(&bubble, width);

    // The frame's margins and padding take 32 px of the width.
    QTextDocument reference;
    reference.setDocumentMargin(0);
    reference.setDefaultFont(bubble.font());
    QTextOption option = reference.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    reference.setDefaultTextOption(option);
    reference.setTextWidth(width - 32);
    reference.setHtml(QStringLiteral("x"));
    const qreal referenceOneLine = reference.size().height();
    reference.setHtml(message);
    QVERIFY(reference.size().height() > 2 * referenceOneLine);
    QCOMPARE(shown - oneLine, reference.size().height() - referenceOneLine);
}

void TestUxBubble::avatarKeepsItsSizeBesideTheFrame()
{
    UxBubbleItem *bubble = showBubble(400);
    bubble->setSenderName(QStringLiteral("Ann"));
    UxImageWidget *avatar = square(100);
    avatar->setMinimumSize(100, 100);
    bubble->setAvatar(avatar);
    auto *central = new UxLabel(QStringLiteral("inside the frame"));
    bubble->setCentralWidget(central);
    bubble->resize(400, heightAt(bubble, 400));

    QCOMPARE(avatar->geometry().size(), QSizeF(100, 100));
    // The frame's content starts right of the avatar, not under it.
    QVERIFY(central->geometry().left() > avatar->geometry().right());
    QVERIFY(bubble->effectiveSizeHint(Qt::MinimumSize).width() > 100);
    QVERIFY(bubble->size().height() >= avatar->geometry().bottom());
}

void TestUxBubble::rigidWideContentIsScaledIntoTheFrame()
{
    UxBubbleItem *bubble = showBubble(300);
    auto *wide = new UxWidget;
    wide->setMinimumSize(600, 50);
    wide->setPreferredSize(600, 50);
    bubble->setCentralWidget(wide);
    bubble->resize(300, heightAt(bubble, 300));

    const QRectF shown = wide->mapRectToItem(bubble, wide->rect());
    QVERIFY(shown.width() < 300);
    QVERIFY(shown.right() <= bubble->size().width());
    QCOMPARE(shown.height() / shown.width(), 50.0 / 600.0);

    // Taken out again, it is shown at its own size.
    bubble->setCentralWidget(nullptr);
    QCOMPARE(wide->scale(), 1.0);
    delete wide;
}

void TestUxBubble::tapEmitsBubbleClicked()
{
    UxBubbleItem *bubble = showBubble();
    bubble->setSenderName(QStringLiteral("Ann"));
    bubble->setMessage(QStringLiteral("no links here"));
    bubble->resize(440, heightAt(bubble, 440));
    QSignalSpy clicks(bubble, &UxBubbleItem::bubbleClicked);
    QSignalSpy links(bubble, &UxBubbleItem::linkActivated);

    m_view->tap(bubble, bubble->boundingRect().center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(links.count(), 0);
}

void TestUxBubble::tapOnMessageLinkEmitsLinkActivated()
{
    UxBubbleItem *bubble = showBubble();
    bubble->setAvatar(square(100));
    bubble->setMessage(QStringLiteral("see <a href=\"%1\">%1</a> for more").arg(s_href));
    bubble->resize(440, heightAt(bubble, 440));
    QSignalSpy clicks(bubble, &UxBubbleItem::bubbleClicked);
    QSignalSpy links(bubble, &UxBubbleItem::linkActivated);

    const QPointF onLink = findAnchor(bubble, s_href);
    QVERIFY(onLink.x() >= 0);
    m_view->tap(bubble, onLink);
    QCOMPARE(links.count(), 1);
    QCOMPARE(links.at(0).at(0).toString(), s_href);
    QCOMPARE(clicks.count(), 0);

    // The same message in a narrow bubble wraps; the link is still found.
    bubble->resize(200, heightAt(bubble, 200));
    const QPointF wrapped = findAnchor(bubble, s_href);
    QVERIFY(wrapped.x() >= 0);
    m_view->tap(bubble, wrapped);
    QCOMPARE(links.count(), 2);
}

void TestUxBubble::tapOnCentralLabel()
{
    UxBubbleItem *bubble = showBubble();
    bubble->setMessage(QStringLiteral("message"));
    auto *label = new UxLabel;
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<A HREF=\"%1\">the title</A>").arg(s_href));
    bubble->setCentralWidget(label);
    bubble->resize(440, heightAt(bubble, 440));
    QSignalSpy clicks(bubble, &UxBubbleItem::bubbleClicked);
    QSignalSpy labelLinks(label, &UxLabel::linkActivated);

    const QPointF onLink = findAnchor(label, s_href);
    QVERIFY(onLink.x() >= 0);
    m_view->tap(label, onLink);
    QCOMPARE(labelLinks.count(), 1);
    QCOMPARE(labelLinks.at(0).at(0).toString(), s_href);
    QCOMPARE(clicks.count(), 0);

    // Beside the link the tap belongs to the bubble.
    const QPointF besideLink(label->boundingRect().right() - 2, onLink.y());
    QVERIFY(label->anchorAt(besideLink).isEmpty());
    m_view->tap(label, besideLink);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(labelLinks.count(), 1);
}

void TestUxBubble::pressWithoutTapEmitsNothing()
{
    UxBubbleItem *bubble = showBubble();
    bubble->setMessage(QStringLiteral("message"));
    bubble->resize(440, heightAt(bubble, 440));
    QSignalSpy clicks(bubble, &UxBubbleItem::bubbleClicked);

    m_view->press(bubble, QPointF(50, 10));
    m_view->move(bubble, QPointF(50, 500));
    m_view->release(bubble, QPointF(50, 500));
    QCOMPARE(clicks.count(), 0);

    // Losing the mouse (to a scrolling page, say) cancels the tap.
    m_view->press(bubble, QPointF(50, 10));
    auto *thief = new UxWidget;
    m_view->scene()->addItem(thief);
    thief->grabMouse();
    thief->ungrabMouse();
    m_view->release(bubble, QPointF(50, 10));
    QCOMPARE(clicks.count(), 0);
}

void TestUxBubble::paintsItsFrame()
{
    UxBubbleItem bubble;
    bubble.setAvatar(square(100));
    bubble.setMessage(QStringLiteral("message"));
    bubble.resize(300, heightAt(&bubble, 300));
    QImage image(bubble.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    bubble.paint(&painter, nullptr, nullptr);
    painter.end();

    // Opaque inside the frame, right of the avatar; nothing in the margin.
    const QColor inside = image.pixelColor(image.width() - 20, image.height() / 2);
    QCOMPARE(inside.alpha(), 255);
    QCOMPARE(image.pixelColor(image.width() - 1, 0).alpha(), 0);
}

void TestUxBubble::darkPaletteKeepsTextLegible_data()
{
    QTest::addColumn<QString>("part");
    QTest::newRow("sender name") << "name";
    QTest::newRow("message") << "message";
    QTest::newRow("link") << "link";
    QTest::newRow("time stamp") << "footer";
    QTest::newRow("caption in the frame") << "central";
}

void TestUxBubble::darkPaletteKeepsTextLegible()
{
    QFETCH(QString, part);
    const QPalette original = QApplication::palette();
    QApplication::setPalette(Contrast::darkPalette());
    UxBubbleItem *bubble = showBubble(300);
    const QString text = QStringLiteral("Legible words");
    if (part == QLatin1String("name"))
        bubble->setSenderName(text);
    else if (part == QLatin1String("message"))
        bubble->setMessage(text);
    else if (part == QLatin1String("link"))
        bubble->setMessage(QStringLiteral("<a href=\"%1\">%2</a>").arg(s_href, text));
    else if (part == QLatin1String("footer"))
        bubble->setTimeStamp(text);
    else
        bubble->setCentralWidget(new UxLabel(text));
    bubble->resize(300, heightAt(bubble, 300));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    QImage image(m_view->viewport()->size(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    m_view->render(&painter, QRectF(image.rect()), m_view->viewport()->rect());
    painter.end();
    QApplication::setPalette(original);

    // Inside the frame, clear of its border.
    const QRect frame = bubble->mapRectToScene(bubble->rect()).toRect().adjusted(12, 12, -12, -12);
    const qreal contrast = Contrast::inkContrast(image, frame);
    QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
}

void TestUxBubble::mirrorsUnderRightToLeft_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("left to right") << Qt::LeftToRight;
    QTest::newRow("right to left") << Qt::RightToLeft;
}

void TestUxBubble::mirrorsUnderRightToLeft()
{
    QFETCH(Qt::LayoutDirection, direction);
    UxBubbleItem bubble;
    bubble.setLayoutDirection(direction);
    UxImageWidget *avatar = square(100);
    avatar->setMinimumSize(100, 100);
    bubble.setAvatar(avatar);
    auto *central = new UxLabel(QStringLiteral("inside the frame"));
    bubble.setCentralWidget(central);
    auto *icon = square(16);
    bubble.addInformationWidget(icon);
    bubble.setTimeStamp(QStringLiteral("2 minutes ago"));
    bubble.resize(300, heightAt(&bubble, 300));

    const QRectF face = avatar->geometry();
    const QRectF text = central->geometry();
    const bool rtl = direction == Qt::RightToLeft;
    // The avatar on the side the reading starts from, the icons at the end.
    QCOMPARE(face.left() > text.right(), rtl);
    QCOMPARE(face.right() < text.left(), !rtl);
    QCOMPARE(icon->geometry().center().x() < bubble.size().width() / 2, rtl);

    QImage image(bubble.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    bubble.paint(&painter, nullptr, nullptr);
    painter.end();
    // The tail fills the gap between avatar and frame near the avatar's top,
    // and only there.
    const int gap = rtl ? int(face.left()) - 4 : int(face.right()) + 4;
    const int tip = int(face.top() + face.height() / 3);
    QCOMPARE(image.pixelColor(gap, tip).alpha(), 255);
    QCOMPARE(image.pixelColor(gap, int(face.bottom()) - 10).alpha(), 0);
}

QTEST_MAIN(TestUxBubble)
#include "tst_uxkit_bubble.moc"
