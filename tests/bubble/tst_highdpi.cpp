#include "bubblefixtures.h"

#include <attachmentimagewidget.h>
#include <avatarwidget.h>
#include <multiimagewidget.h>
#include <uximagewidget.h>
#include <uxlayout.h>
#include <uxtheme.h>

#include <QContactAvatar>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QTemporaryDir>

#include <memory>

namespace {

const QString s_halves = QStringLiteral("halves");

// What the widget shows on a screen of twice the density.
QImage paintedAtTwice(QGraphicsWidget *widget)
{
    QImage image((widget->size() * 2).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    widget->paint(&painter, nullptr, nullptr);
    return image;
}

} // namespace

// Pictures on a screen of twice the density: decoded with twice the pixels,
// shown at the same size as on an ordinary screen.
class tst_HighDpi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void thumbnailIsSharp_data();
    void thumbnailIsSharp();
    void pictureIsSharp_data();
    void pictureIsSharp();

private:
    QTemporaryDir m_dir;
};

void tst_HighDpi::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(qGuiApp->devicePixelRatio(), 2.0);
    // Red on the left, blue on the right: where the halves meet once drawn
    // tells the size the picture was drawn at.
    QImage halves(200, 200, QImage::Format_RGB32);
    halves.fill(Qt::red);
    QPainter(&halves).fillRect(100, 0, 100, 200, Qt::blue);
    QVERIFY(halves.save(m_dir.filePath(s_halves + QStringLiteral(".png"))));
    UxTheme::addImageSearchPath(m_dir.path());
}

void tst_HighDpi::thumbnailIsSharp_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("format");
    // The size the thumbnail's picture has on an ordinary screen.
    QTest::addColumn<QSizeF>("logical");
    QTest::newRow("12 megapixel photo") << QSize(4000, 3000) << QByteArray("JPG") << QSizeF(72, 54);
    QTest::newRow("wide picture") << QSize(1920, 540) << QByteArray("PNG") << QSizeF(96, 27);
    QTest::newRow("16:9 picture") << QSize(1280, 720) << QByteArray("BMP") << QSizeF(96, 54);
}

void tst_HighDpi::thumbnailIsSharp()
{
    QFETCH(QSize, size);
    QFETCH(QByteArray, format);
    QFETCH(QSizeF, logical);
    const QString path =
        m_dir.filePath(QStringLiteral("photo.") + QString::fromLatin1(format.toLower()));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(path, format.constData()));

    MultiImageWidget images(4);
    images.appendImage(path);
    auto *row = dynamic_cast<UxLayout *>(images.layout()->itemAt(0));
    QVERIFY(row);
    const QPointer<AttachmentImageWidget> thumbnail =
        dynamic_cast<AttachmentImageWidget *>(row->itemAt(0));
    QVERIFY(thumbnail);
    QTRY_VERIFY(!thumbnail->pixmap().isNull());

    const QPixmap pixmap = thumbnail->pixmap();
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    QCOMPARE(QSizeF(pixmap.size()), logical * 2);
    images.resize(images.effectiveSizeHint(Qt::PreferredSize));
    QCOMPARE(thumbnail->geometry().size(), QSizeF(96, 54));

    // Shown on its own, the picture asks for its logical size.
    UxImageWidget shown;
    shown.setPixmap(pixmap);
    QCOMPARE(shown.effectiveSizeHint(Qt::PreferredSize), logical);
}

void tst_HighDpi::pictureIsSharp_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("logical");
    QTest::newRow("avatar") << "avatar" << QSize(48, 48);
    QTest::newRow("wide avatar") << "avatar" << QSize(60, 30);
    QTest::newRow("service icon") << "theme image" << QSize(24, 24);
    QTest::newRow("theme image decoded at once") << "theme image at once" << QSize(32, 32);
}

void tst_HighDpi::pictureIsSharp()
{
    QFETCH(QString, kind);
    QFETCH(QSize, logical);
    std::unique_ptr<QGraphicsWidget> widget;
    QPixmap pixmap;
    if (kind == QLatin1String("avatar")) {
        auto *avatar = new AvatarWidget;
        widget.reset(avatar);
        avatar->resize(logical);
        QtContacts::QContact contact;
        QtContacts::QContactAvatar picture;
        picture.setImageUrl(QUrl::fromLocalFile(UxTheme::imagePath(s_halves)));
        contact.saveDetail(&picture);
        avatar->setContact(contact);
        QTRY_VERIFY(!avatar->avatarPixmap().isNull());
        pixmap = avatar->avatarPixmap();
    } else {
        auto *image = new UxImageWidget;
        widget.reset(image);
        if (kind == QLatin1String("theme image"))
            image->setImage(s_halves, logical);
        else
            image->setPixmap(UxTheme::pixmap(s_halves, logical));
        QTRY_VERIFY(!image->pixmap().isNull());
        image->resize(image->effectiveSizeHint(Qt::PreferredSize));
        pixmap = image->pixmap();
    }

    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    QCOMPARE(pixmap.size(), logical * 2);
    QCOMPARE(widget->size(), QSizeF(logical));
    // Drawn into its logical rectangle, one pixel of the picture to each
    // pixel of the screen.
    const QImage painted = paintedAtTwice(widget.get());
    const int middle = logical.height();
    const int half = logical.width();
    QCOMPARE(painted.pixel(2, middle), qRgb(255, 0, 0));
    QCOMPARE(painted.pixel(half - 1, middle), qRgb(255, 0, 0));
    QCOMPARE(painted.pixel(half, middle), qRgb(0, 0, 255));
    QCOMPARE(painted.pixel(2 * half - 3, middle), qRgb(0, 0, 255));
}

int main(int argc, char **argv)
{
    // Read when the application object is made.
    qputenv("QT_SCALE_FACTOR", "2");
    UxApplication app(argc, argv);
    tst_HighDpi test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
