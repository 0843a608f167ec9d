#include "bubblefixtures.h"
#include "hostileimages.h"
#include "logcatcher.h"

#include <activitybubble.h>
#include <attachmentimagewidget.h>
#include <imageguard.h>
#include <multiimagewidget.h>
#include <uxabstractlayoutpolicy.h>
#include <uxlabel.h>
#include <uxlayout.h>

#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

using namespace BubbleFixtures;
using Media = SocialActivityAttachment::Media;

namespace {

const QString s_appendImage = QStringLiteral("void MultiImageWidget::appendImage(const QString&)");
const QString s_imageClicked =
    QStringLiteral("void ActivityBubblePrivate::onImageClicked(const QString&)");
const QString s_linkActivated =
    QStringLiteral("void ActivityBubblePrivate::onLinkActivated(const QString&)");

// Exposes the size hint a layout would ask for.
class ProbedImage : public AttachmentImageWidget
{
public:
    using AttachmentImageWidget::AttachmentImageWidget;
    using AttachmentImageWidget::sizeHint;
};

UxLayout *mainLayoutOf(QGraphicsWidget *widget)
{
    return dynamic_cast<UxLayout *>(widget->layout());
}

QList<AttachmentImageWidget *> thumbnailsOf(QGraphicsWidget *widget)
{
    QList<AttachmentImageWidget *> thumbnails;
    UxLayout *main = mainLayoutOf(widget);
    auto *row = main ? dynamic_cast<UxLayout *>(main->policy()->itemAt(0)) : nullptr;
    if (!row)
        return thumbnails;
    for (int i = 0; i < row->policy()->count(); ++i)
        thumbnails.append(dynamic_cast<AttachmentImageWidget *>(row->policy()->itemAt(i)));
    return thumbnails;
}

QStringList pathsOf(QGraphicsWidget *widget)
{
    QStringList paths;
    for (AttachmentImageWidget *thumbnail : thumbnailsOf(widget))
        paths.append(thumbnail ? thumbnail->imagePath() : QStringLiteral("?"));
    return paths;
}

UxLabel *infoLabelOf(QGraphicsWidget *widget)
{
    UxLayout *main = mainLayoutOf(widget);
    return main ? dynamic_cast<UxLabel *>(main->policy()->itemAt(1)) : nullptr;
}

void sendMouse(QGraphicsScene &scene, QGraphicsItem *item, QEvent::Type type, const QPointF &pos,
               bool *accepted = nullptr)
{
    QGraphicsSceneMouseEvent event(type);
    event.setButton(Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    event.setPos(pos);
    event.setScenePos(item->mapToScene(pos));
    event.setAccepted(true);
    scene.sendEvent(item, &event);
    if (accepted)
        *accepted = event.isAccepted();
}

void tap(QGraphicsScene &scene, QGraphicsItem *item, const QPointF &pos)
{
    sendMouse(scene, item, QEvent::GraphicsSceneMousePress, pos);
    sendMouse(scene, item, QEvent::GraphicsSceneMouseRelease, pos);
}

// A point inside the label's link, or a null point when it shows none.
QPointF linkPoint(UxLabel *label)
{
    const QRectF area = label->boundingRect();
    for (qreal y = area.top() + 1; y < area.bottom(); y += 2) {
        for (qreal x = area.left() + 1; x < area.right(); x += 2) {
            if (!label->anchorAt(QPointF(x, y)).isEmpty())
                return QPointF(x, y);
        }
    }
    return QPointF();
}

// The visible text and the hrefs of rich text, as a text view reads it.
QPair<QString, QStringList> readRichText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QStringList hrefs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty())
                hrefs.append(href);
        }
    }
    return qMakePair(document.toPlainText(), hrefs);
}

SocialActivity photos(const QList<Media> &items, const QString &title = QString())
{
    SocialActivityAttachment attachment;
    attachment.title = title;
    attachment.media = items;
    return withAttachment(activity("x1", "Photos"), attachment);
}

SocialActivity link(const QString &url, const QString &title)
{
    SocialActivityAttachment attachment;
    attachment.linkUrl = url;
    attachment.title = title;
    return withAttachment(activity("x1", "Look"), attachment);
}

} // namespace

class tst_Attachments : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void thumbnailSizeHint();
    void sixImagesShowTheLastFour();
    void skippedItemsAndMissingFiles();
    void refusedPictureShowsNothing_data();
    void refusedPictureShowsNothing();
    void onlyTheKeptImagesAreRead();
    void bubbleDeletedBeforeItsPicturesArrive();
    void infoTextFollowsTheTitle();
    void oldestThumbnailIsDeletedAtOnce();
    void thumbnailsShrinkAndTheCaptionDoesNot_data();
    void thumbnailsShrinkAndTheCaptionDoesNot();
    void largeImageIsDecodedSmall_data();
    void largeImageIsDecodedSmall();
    void undecodableFileGivesATappableThumbnail();
    void tapOpensWhatTheImageStandsFor_data();
    void tapOpensWhatTheImageStandsFor();
    void tapOnAnUnknownImageOpensNothing();
    void linkLabelIsEscaped_data();
    void linkLabelIsEscaped();
    void linkLabelTapOpensTheUrl();
    void linkLabelRefusesOtherSchemes();
    void emptyAttachmentRemovesTheCentralWidget();
    void missingAttachmentKeepsTheCentralWidget();

private:
    QString writeImage(const QString &name, const QSize &size, const char *format = "PNG");

    QTemporaryDir m_dir;
};

void tst_Attachments::initTestCase()
{
    QVERIFY(m_dir.isValid());
    setUpProvider();
}

QString tst_Attachments::writeImage(const QString &name, const QSize &size, const char *format)
{
    const QString path = m_dir.filePath(name);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    if (!image.save(path, format))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

void tst_Attachments::thumbnailSizeHint()
{
    ProbedImage image(QStringLiteral("/nowhere.png"));
    const QList<QSizeF> constraints{QSizeF(), QSizeF(10, 10), QSizeF(500, -1), QSizeF(-1, 300)};
    for (Qt::SizeHint which :
         {Qt::MinimumSize, Qt::PreferredSize, Qt::MaximumSize, Qt::MinimumDescent}) {
        for (const QSizeF &constraint : constraints)
            QCOMPARE(image.sizeHint(which, constraint), QSizeF(96, 54));
    }
    QCOMPARE(image.imagePath(), QStringLiteral("/nowhere.png"));
}

void tst_Attachments::sixImagesShowTheLastFour()
{
    QStringList paths;
    QList<Media> items;
    for (int i = 0; i < 6; ++i) {
        paths.append(writeImage(QStringLiteral("six%1.png").arg(i), QSize(40, 30)));
        items.append(media(paths.last()));
    }
    ActivityBubble bubble;
    bubble.setActivity(photos(items), {});

    auto *images = qobject_cast<MultiImageWidget *>(bubble.centralWidget());
    QVERIFY(images);
    QCOMPARE(pathsOf(images), paths.mid(2));
}

void tst_Attachments::skippedItemsAndMissingFiles()
{
    const QString first = writeImage(QStringLiteral("keep1.png"), QSize(40, 30));
    const QString video = writeImage(QStringLiteral("video.png"), QSize(40, 30));
    const QString second = writeImage(QStringLiteral("keep2.png"), QSize(40, 30));
    const QString missing = m_dir.filePath(QStringLiteral("missing.png"));
    ActivityBubble bubble;

    QTest::ignoreMessage(
        QtWarningMsg,
        qPrintable("Will not add a non-existent image from path: \"" + missing + '"'));
    bubble.setActivity(photos({media(first), media(video, {}, {}, Media::Video), media(QString()),
                               media(missing), media(second)}),
                       {});

    QCOMPARE(pathsOf(bubble.centralWidget()), (QStringList{first, second}));
}

void tst_Attachments::refusedPictureShowsNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    HostileImages::addRows(ImageGuard::s_maxFileBytes,
                           {"pipe", "link to a pipe", "link to a device", "folder",
                            "20000 by 20000", "above the byte budget"});
}

void tst_Attachments::refusedPictureShowsNothing()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString first = writeImage(QStringLiteral("before.png"), QSize(40, 30));
    const QString second = writeImage(QStringLiteral("after.png"), QSize(40, 30));
    const QString hostile = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".png");
    QVERIFY(HostileImages::make(kind, hostile, ImageGuard::s_maxFileBytes));
    ActivityBubble bubble;

    QTest::ignoreMessage(QtWarningMsg, qPrintable("Will not add the image from path: \"" + hostile +
                                                  "\" " + reason));
    bubble.setActivity(photos({media(first), media(hostile), media(second)}), {});

    QCOMPARE(pathsOf(bubble.centralWidget()), (QStringList{first, second}));
    const QList<AttachmentImageWidget *> thumbnails = thumbnailsOf(bubble.centralWidget());
    QTRY_VERIFY(!thumbnails.at(0)->pixmap().isNull() && !thumbnails.at(1)->pixmap().isNull());
    QCOMPARE(thumbnails.at(1)->pixmap().size(), QSize(40, 30));
}

void tst_Attachments::onlyTheKeptImagesAreRead()
{
    // Ten thousand items of which only the last four are shown: the others
    // are not even looked at, so none is reported missing.
    QList<Media> items;
    for (int i = 0; i < 9996; ++i)
        items.append(media(m_dir.filePath(QStringLiteral("gone%1.png").arg(i))));
    QStringList kept;
    for (int i = 0; i < 4; ++i) {
        kept.append(writeImage(QStringLiteral("kept%1.png").arg(i), QSize(40, 30)));
        items.append(media(kept.last()));
    }
    const LogCatcher log;
    ActivityBubble bubble;
    bubble.setActivity(photos(items), {});

    QCOMPARE(pathsOf(bubble.centralWidget()), kept);
    QCOMPARE(log.count(QStringLiteral("non-existent")), 0);
    QCOMPARE(log.count(s_appendImage), 4);

    // Refused images are looked at up to a bound, each with a warning; what
    // lies before them is not reached.
    items = items.mid(9996, 1);
    for (int i = 0; i < 300; ++i)
        items.append(media(m_dir.filePath(QStringLiteral("gone%1.png").arg(i))));
    bubble.setActivity(photos(items), {});
    QVERIFY(pathsOf(bubble.centralWidget()).isEmpty());
    QCOMPARE(log.count(QStringLiteral("non-existent")), 256);
}

void tst_Attachments::bubbleDeletedBeforeItsPicturesArrive()
{
    QList<Media> items;
    for (int i = 0; i < 4; ++i)
        items.append(media(writeImage(QStringLiteral("gone%1.jpg").arg(i), QSize(1600, 1200))));
    auto *bubble = new ActivityBubble;
    bubble->setActivity(photos(items), {});
    const QList<AttachmentImageWidget *> thumbnails = thumbnailsOf(bubble->centralWidget());
    QCOMPARE(thumbnails.size(), 4);
    // Nothing is decoded while the activity is pushed.
    for (AttachmentImageWidget *thumbnail : thumbnails)
        QVERIFY(thumbnail->pixmap().isNull());
    delete bubble;

    // Pictures arrive in order: once a later one is shown, the dead
    // bubble's have been handed over, or dropped.
    MultiImageWidget later(4);
    later.appendImage(writeImage(QStringLiteral("later.png"), QSize(40, 30)));
    const QPointer<AttachmentImageWidget> shown = thumbnailsOf(&later).value(0);
    QVERIFY(shown);
    QTRY_VERIFY(!shown->pixmap().isNull());
}

void tst_Attachments::infoTextFollowsTheTitle()
{
    const QString path = writeImage(QStringLiteral("info.png"), QSize(40, 30));
    ActivityBubble bubble;
    bubble.setActivity(photos({media(path)}, QStringLiteral("Holiday")), {});
    UxLabel *info = infoLabelOf(bubble.centralWidget());
    QVERIFY(info);
    QVERIFY(info->isVisible());
    QCOMPARE(info->text(), QStringLiteral("Holiday"));

    bubble.setActivity(photos({media(path)}), {});
    info = infoLabelOf(bubble.centralWidget());
    QVERIFY(info);
    QVERIFY(!info->isVisible());
    QCOMPARE(pathsOf(bubble.centralWidget()), QStringList{path});
}

void tst_Attachments::oldestThumbnailIsDeletedAtOnce()
{
    const QString a = writeImage(QStringLiteral("a.png"), QSize(40, 30));
    const QString b = writeImage(QStringLiteral("b.png"), QSize(40, 30));
    MultiImageWidget images(2);
    images.appendImage(a);
    images.appendImage(b);
    const QPointer<AttachmentImageWidget> oldest = thumbnailsOf(&images).value(0);
    QVERIFY(oldest);

    images.appendImage(a);
    QVERIFY(oldest.isNull());
    QCOMPARE(pathsOf(&images), (QStringList{b, a}));

    // Nothing is shown, and nothing asked for, with no room at all.
    MultiImageWidget none(0);
    none.appendImage(a);
    QVERIFY(pathsOf(&none).isEmpty());
}

void tst_Attachments::thumbnailsShrinkAndTheCaptionDoesNot_data()
{
    QTest::addColumn<qreal>("bubbleWidth");
    QTest::addColumn<qreal>("thumbnailWidth"); // 0: a quarter of the central width
    QTest::addColumn<bool>("scaled");
    QTest::newRow("wide") << 800.0 << 96.0 << false;
    QTest::newRow("handset") << 480.0 << 0.0 << false;
    QTest::newRow("narrow") << 260.0 << 0.0 << false;
    // Thumbnails at a quarter still do not fit: the whole attachment scales.
    QTest::newRow("too narrow") << 120.0 << 24.0 << true;
}

void tst_Attachments::thumbnailsShrinkAndTheCaptionDoesNot()
{
    QFETCH(qreal, bubbleWidth);
    QFETCH(qreal, thumbnailWidth);
    QFETCH(bool, scaled);
    QList<Media> items;
    for (int i = 0; i < 4; ++i)
        items.append(media(writeImage(QStringLiteral("row%1.png").arg(i), QSize(160, 90))));
    ActivityBubble bubble;
    bubble.setActivity(photos(items, QStringLiteral("Holiday")), {});
    bubble.resize(bubbleWidth,
                  bubble.effectiveSizeHint(Qt::PreferredSize, QSizeF(bubbleWidth, -1)).height());
    QCoreApplication::sendPostedEvents();

    QGraphicsWidget *central = bubble.centralWidget();
    UxLabel *info = infoLabelOf(central);
    QVERIFY(info);
    QCOMPARE(central->scale() < 1, scaled);
    const QRectF shownInfo = info->mapRectToItem(&bubble, info->rect());
    if (!scaled) {
        QCOMPARE(info->font(), bubble.font());
        QCOMPARE(shownInfo.height(), QFontMetricsF(bubble.font()).height());
        if (thumbnailWidth == 0)
            thumbnailWidth = central->size().width() / 4;
    }
    QVERIFY(shownInfo.right() <= bubble.size().width());

    const QList<AttachmentImageWidget *> thumbnails = thumbnailsOf(central);
    QCOMPARE(thumbnails.size(), 4);
    for (int i = 0; i < thumbnails.size(); ++i) {
        const QRectF shown = thumbnails.at(i)->geometry();
        QCOMPARE(shown.size(), QSizeF(thumbnailWidth, thumbnailWidth * 54 / 96));
        QCOMPARE(shown.left(), i * thumbnailWidth);
    }
    // The caption sits right under the row, and the bubble ends below it.
    QCOMPARE(info->geometry().top(), thumbnails.first()->geometry().bottom());
    QVERIFY(central->mapRectToItem(&bubble, central->rect()).bottom() <= bubble.size().height());
}

void tst_Attachments::largeImageIsDecodedSmall_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("decoded");
    // Offscreen, a device pixel is a pixel: the box is 96 by 54.
    QTest::newRow("12 megapixel photo") << QSize(4000, 3000) << QByteArray("JPG") << QSize(72, 54);
    QTest::newRow("tall picture") << QSize(600, 2400) << QByteArray("PNG") << QSize(13, 54);
    QTest::newRow("wide picture") << QSize(1920, 540) << QByteArray("BMP") << QSize(96, 27);
    QTest::newRow("small picture") << QSize(50, 20) << QByteArray("PNG") << QSize(50, 20);
}

void tst_Attachments::largeImageIsDecodedSmall()
{
    QFETCH(QSize, size);
    QFETCH(QByteArray, format);
    QFETCH(QSize, decoded);
    const QString path = writeImage(
        QStringLiteral("large.") + QString::fromLatin1(format.toLower()), size, format.constData());
    MultiImageWidget images(4);
    images.appendImage(path);
    const QList<AttachmentImageWidget *> thumbnails = thumbnailsOf(&images);
    QCOMPARE(thumbnails.size(), 1);
    QVERIFY(thumbnails.first()->pixmap().isNull());
    QTRY_COMPARE(thumbnails.first()->pixmap().size(), decoded);
}

void tst_Attachments::undecodableFileGivesATappableThumbnail()
{
    const QString path = m_dir.filePath(QStringLiteral("broken.png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is not a picture");
    file.close();

    QGraphicsScene scene;
    ActivityBubble bubble;
    scene.addItem(&bubble);
    const LogCatcher log;
    bubble.setActivity(photos({media(path)}), {});
    auto *images = qobject_cast<MultiImageWidget *>(bubble.centralWidget());
    QVERIFY(images);
    const QList<AttachmentImageWidget *> thumbnails = thumbnailsOf(images);
    QCOMPARE(thumbnails.size(), 1);
    QTRY_COMPARE(log.count("Cannot show the image from path: \"" + path + '"'), 1);
    QVERIFY(thumbnails.first()->pixmap().isNull());
    QSignalSpy clicked(images, &MultiImageWidget::clicked);
    OpenedUrls urls;

    bool pressAccepted = false;
    sendMouse(scene, thumbnails.first(), QEvent::GraphicsSceneMousePress, QPointF(5, 5),
              &pressAccepted);
    QVERIFY(pressAccepted);
    QTest::ignoreMessage(QtDebugMsg,
                         qPrintable("virtual void AttachmentImageWidget::mouseReleaseEvent("
                                    "QGraphicsSceneMouseEvent*) \"" +
                                    path + '"'));
    sendMouse(scene, thumbnails.first(), QEvent::GraphicsSceneMouseRelease, QPointF(5, 5));

    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toString(), path);
    // Without web addresses only a picture would be opened, and this is none.
    QCOMPARE(log.count(s_imageClicked + " Will not open a file that is not a local image: \"" +
                       path + '"'),
             1);
    QVERIFY(urls.urls.isEmpty());
}

void tst_Attachments::tapOpensWhatTheImageStandsFor_data()
{
    QTest::addColumn<QString>("linkUrl");
    QTest::addColumn<QString>("fallbackUrl");
    QTest::addColumn<QString>("imageName");
    QTest::addColumn<QString>("content"); // picture, text or pipe, maybe behind a link
    QTest::addColumn<QString>("opened");  // empty: refused, "<image>": the picture
    QTest::newRow("link") << "http://example.com/photo/1"
                          << "http://example.com/fallback"
                          << "photo.png"
                          << "picture"
                          << "http://example.com/photo/1";
    QTest::newRow("fallback") << ""
                              << "https://example.com/fallback"
                              << "photo.png"
                              << "picture"
                              << "https://example.com/fallback";
    QTest::newRow("picture") << ""
                             << ""
                             << "photo.png"
                             << "picture"
                             << "<image>";
    QTest::newRow("javascript link") << "javascript:alert(1)"
                                     << "http://example.com/"
                                     << "photo.png"
                                     << "picture"
                                     << "";
    QTest::newRow("file fallback") << ""
                                   << "file:///etc/passwd"
                                   << "photo.png"
                                   << "picture"
                                   << "";
    QTest::newRow("custom scheme") << "myapp://open"
                                   << ""
                                   << "photo.png"
                                   << "picture"
                                   << "";
    // The file's content decides, not its name.
    QTest::newRow("text named as a picture") << ""
                                             << ""
                                             << "notes.png"
                                             << "text"
                                             << "";
    QTest::newRow("picture named as text") << ""
                                           << ""
                                           << "photo.txt"
                                           << "picture"
                                           << "<image>";
    QTest::newRow("link named x.png to text") << ""
                                              << ""
                                              << "x.png"
                                              << "link to text"
                                              << "";
    QTest::newRow("link to a picture") << ""
                                       << ""
                                       << "y.png"
                                       << "link to picture"
                                       << "<image>";
    QTest::newRow("named pipe") << ""
                                << ""
                                << "pipe.png"
                                << "pipe"
                                << "";
}

void tst_Attachments::tapOpensWhatTheImageStandsFor()
{
    QFETCH(QString, linkUrl);
    QFETCH(QString, fallbackUrl);
    QFETCH(QString, imageName);
    QFETCH(QString, content);
    QFETCH(QString, opened);
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    QVERIFY(QDir(m_dir.path()).mkpath(tag));
    const QString path = m_dir.filePath(tag + '/' + imageName);
    const QString stored = content.startsWith(QLatin1String("link")) ? path + ".target" : path;
    if (content.endsWith(QLatin1String("picture")))
        QVERIFY(QImage(QSize(40, 30), QImage::Format_RGB32).save(stored, "PNG"));
    else if (content.endsWith(QLatin1String("text")))
        QVERIFY(HostileImages::writeText(stored, "just words\n"));
    else
        QVERIFY(HostileImages::makePipe(stored));
    if (stored != path)
        QVERIFY(QFile::link(stored, path));
    if (content == QLatin1String("pipe"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Will not add the image from path"));
    ActivityBubble bubble;
    bubble.setActivity(photos({media(path, linkUrl, fallbackUrl)}), {});
    auto *images = qobject_cast<MultiImageWidget *>(bubble.centralWidget());
    QVERIFY(images);
    OpenedUrls urls;

    const QString target = !linkUrl.isEmpty()       ? linkUrl
                           : !fallbackUrl.isEmpty() ? fallbackUrl
                                                    : path;
    QTest::ignoreMessage(QtDebugMsg, qPrintable(s_imageClicked + " opening: \"" + target + '"'));
    if (opened.isEmpty()) {
        const QString refusal = target == path
                                    ? " Will not open a file that is not a local image: \""
                                    : " Will not open a link that is not http or https: \"";
        QTest::ignoreMessage(QtWarningMsg, qPrintable(s_imageClicked + refusal + target + '"'));
    }
    emit images->clicked(path);

    // A link is opened as the file it leads to.
    const QUrl expected =
        opened == QLatin1String("<image>") ? QUrl::fromLocalFile(stored) : QUrl(opened);
    QCOMPARE(urls.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{expected});
}

void tst_Attachments::tapOnAnUnknownImageOpensNothing()
{
    const QString path = writeImage(QStringLiteral("known.png"), QSize(40, 30));
    ActivityBubble bubble;
    bubble.setActivity(photos({media(path, QStringLiteral("http://example.com/"))}), {});
    auto *images = qobject_cast<MultiImageWidget *>(bubble.centralWidget());
    QVERIFY(images);
    OpenedUrls urls;
    const LogCatcher log;

    emit images->clicked(m_dir.filePath(QStringLiteral("other.png")));

    QVERIFY(urls.urls.isEmpty());
    QCOMPARE(log.count(QStringLiteral("opening:")), 0);
}

void tst_Attachments::linkLabelIsEscaped_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("markup");
    QTest::newRow("plain") << "http://example.com/"
                           << "Example"
                           << "<A HREF=\"http://example.com/\">Example</A>";
    QTest::newRow("markup in the title")
        << "http://example.com/?a=1&b=2"
        << "<b>Bold</b> & \"quoted\""
        << "<A HREF=\"http://example.com/?a=1&amp;b=2\">&lt;b&gt;Bold&lt;/b&gt; &amp; "
           "&quot;quoted&quot;</A>";
    QTest::newRow("anchor in the title") << "http://example.com/"
                                         << "</A><A HREF=\"javascript:alert(1)\">click"
                                         << "<A HREF=\"http://example.com/\">&lt;/A&gt;&lt;A "
                                            "HREF=&quot;javascript:alert(1)&quot;&gt;click</A>";
    QTest::newRow("quote in the url")
        << "http://example.com/\" onclick=\"x"
        << "Title"
        << "<A HREF=\"http://example.com/&quot; onclick=&quot;x\">Title</A>";
}

void tst_Attachments::linkLabelIsEscaped()
{
    QFETCH(QString, url);
    QFETCH(QString, title);
    QFETCH(QString, markup);
    ActivityBubble bubble;
    bubble.setActivity(link(url, title), {});
    auto *label = qobject_cast<UxLabel *>(bubble.centralWidget());
    QVERIFY(label);
    QCOMPARE(label->text(), markup);

    const QPair<QString, QStringList> read = readRichText(label->text());
    QCOMPARE(read.first, title);
    QCOMPARE(read.second, QStringList{url});
}

void tst_Attachments::linkLabelTapOpensTheUrl()
{
    const QString url = QStringLiteral("http://example.com/page?a=1&b=2");
    QGraphicsScene scene;
    ActivityBubble bubble;
    scene.addItem(&bubble);
    bubble.setActivity(link(url, QStringLiteral("A & B")), {});
    bubble.resize(480, 400);
    auto *label = qobject_cast<UxLabel *>(bubble.centralWidget());
    QVERIFY(label);
    QTRY_VERIFY(!label->boundingRect().isEmpty());
    const QPointF point = linkPoint(label);
    QVERIFY(!point.isNull());
    QCOMPARE(label->anchorAt(point), url);
    OpenedUrls urls;

    QTest::ignoreMessage(QtDebugMsg, qPrintable(s_linkActivated + " opening \"" + url + '"'));
    tap(scene, label, point);

    QCOMPARE(urls.urls, QList<QUrl>{QUrl(url)});
}

void tst_Attachments::linkLabelRefusesOtherSchemes()
{
    const QString url = QStringLiteral("javascript:alert(document.cookie)");
    ActivityBubble bubble;
    bubble.setActivity(link(url, QStringLiteral("Free prize")), {});
    auto *label = qobject_cast<UxLabel *>(bubble.centralWidget());
    QVERIFY(label);
    OpenedUrls urls;

    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable(s_linkActivated +
                                    " Will not open a link that is not http or https: \"" + url +
                                    '"'));
    emit label->linkActivated(url);
    QVERIFY(urls.urls.isEmpty());
}

void tst_Attachments::emptyAttachmentRemovesTheCentralWidget()
{
    ActivityBubble bubble;
    bubble.setActivity(link(QStringLiteral("http://example.com/"), QStringLiteral("Example")), {});
    const QPointer<QGraphicsWidget> shown = bubble.centralWidget();
    QVERIFY(shown);

    SocialActivityAttachment empty;
    empty.title = QStringLiteral("no link, no media");
    bubble.setActivity(withAttachment(activity("x1", "Look"), empty), {});
    QVERIFY(!bubble.centralWidget());
    QVERIFY(shown.isNull());
}

void tst_Attachments::missingAttachmentKeepsTheCentralWidget()
{
    ActivityBubble bubble;
    bubble.setActivity(link(QStringLiteral("http://example.com/"), QStringLiteral("Example")), {});
    QGraphicsWidget *shown = bubble.centralWidget();
    QVERIFY(shown);

    QTest::ignoreMessage(QtDebugMsg, "void ActivityBubble::setActivity(const SocialActivity&, "
                                     "const QList<QString>&) attachment false");
    bubble.setActivity(update("x1", SocialActivity::LikeCount, 2), {SocialActivity::Attachment});
    QCOMPARE(bubble.centralWidget(), shown);

    bubble.setActivity(activity("x1", "Whole, without attachment"), {});
    QCOMPARE(bubble.centralWidget(), shown);
}

DAVOVADEZED_TEST_MAIN(tst_Attachments)
#include "tst_attachments.moc"
