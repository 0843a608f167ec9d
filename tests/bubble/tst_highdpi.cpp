#include "bubbletestsupport.h"

#include <attachmentimagewidget.h>
#include <multiimagewidget.h>
#include <uximagewidget.h>
#include <uxlayout.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QTemporaryDir>

// Pictures on a screen of twice the density: decoded with twice the pixels,
// shown at the same size as on an ordinary screen.
class tst_HighDpi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void thumbnailIsSharp_data();
    void thumbnailIsSharp();

private:
    QTemporaryDir m_dir;
};

void tst_HighDpi::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(qGuiApp->devicePixelRatio(), 2.0);
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
